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
    DeleteChildren();
}

void CVarClass::ReleaseChildren(std::vector<CVarObject *> &out)
{
    CVarContainer::ReleaseChildren(out);
    out.insert(out.end(), m_innerClasses.cbegin(), m_innerClasses.cend());
    m_innerClasses.clear();
    out.insert(out.end(), m_innerInterfaces.cbegin(), m_innerInterfaces.cend());
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
        ar.WriteObjectList(m_innerClasses);
        ar.WriteObjectList(m_innerInterfaces);
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
    ar.ReadObjectList(m_innerClasses, RUNTIME_CLASS(CVarClass));
    ar.ReadObjectList(m_innerInterfaces, RUNTIME_CLASS(CVarInterface));
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
    text.resize(0); // keeps the capacity for the next description
    if (m_final)
        text += QLatin1String("Final ");
    text += m_name;
    AppendHeritage(text);
}
