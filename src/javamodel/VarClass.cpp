#include "javamodel/VarClass.h"

#include "javamodel/JavaNames.h"
#include "javamodel/VarInterface.h"
#include "javamodel/WordRing.h"
#include "tree/Archive.h"

IMPLEMENT_SERIAL(CVarClass, CVarContainer, VERSIONABLE_SCHEMA | 4)

CVarClass::CVarClass(CElementConverter *parser, int line, Kind kind)
    : CVarContainer(parser, line, kind)
{
}

CVarClass::~CVarClass()
{
    CVarClass::DeleteChildren();
}

void CVarClass::DeleteChildren()
{
    CVarContainer::DeleteChildren();
    for (CVarClass *c : std::as_const(m_innerClasses)) {
        c->DeleteChildren();
        delete c;
    }
    m_innerClasses.clear();
    for (CVarInterface *i : std::as_const(m_innerInterfaces)) {
        i->DeleteChildren();
        delete i;
    }
    m_innerInterfaces.clear();
}

void CVarClass::ReadImplements(int from)
{
    const CWordRing &ring = Ring();
    const int n = ring.InUse();
    if (from >= n || ring.Word(from) != "implements")
        return;
    for (int k = from + 1; k < n; ++k) {
        if (ring.Word(k) == "permits")
            break;
        m_interfaces.append(
            JavaNames::Shorten(JavaNames::ToQString(JavaNames::StripTypeArguments(ring.Word(k)))));
    }
}

void CVarClass::Serialize(CArchive &ar)
{
    CVarContainer::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteStringArray(m_interfaces);
        ar.WriteInt(int(m_innerClasses.size()));
        for (const CVarClass *c : std::as_const(m_innerClasses))
            ar.WriteObject(c);
        ar.WriteInt(int(m_innerInterfaces.size()));
        for (const CVarInterface *i : std::as_const(m_innerInterfaces))
            ar.WriteObject(i);
        return;
    }
    switch (m_loadedSchema) {
    case 1:
        m_interfaces.append(ar.ReadString());
        return;
    case 2:
        m_interfaces = ar.ReadStringArray();
        return;
    case 3:
    case 4:
        break;
    default:
        return;
    }
    m_interfaces = ar.ReadStringArray();
    const quint32 classes = ar.ReadDWORD();
    ar.CheckCount(classes, 2);
    for (quint32 i = 0; i < classes; ++i)
        m_innerClasses.append(
            static_cast<CVarClass *>(ar.ReadOwnedObject(RUNTIME_CLASS(CVarClass))));
    const quint32 interfaces = ar.ReadDWORD();
    ar.CheckCount(interfaces, 2);
    for (quint32 i = 0; i < interfaces; ++i)
        m_innerInterfaces.append(
            static_cast<CVarInterface *>(ar.ReadOwnedObject(RUNTIME_CLASS(CVarInterface))));
}

void CVarClass::AppendHeritage(QString &text) const
{
    if (!m_baseName.isEmpty()) {
        text += QLatin1String(" extends ");
        text += JavaNames::Shorten(m_baseName);
    }
    if (!m_interfaces.isEmpty()) {
        text += QLatin1String(" implements ");
        for (qsizetype i = 0; i < m_interfaces.size(); ++i) {
            if (i)
                text += QLatin1String(", ");
            text += JavaNames::Shorten(m_interfaces[i]);
        }
    }
}

void CVarClass::GetDescription(QString &text) const
{
    text.clear();
    if (m_final)
        text += QLatin1String("Final ");
    text += m_name;
    AppendHeritage(text);
}
