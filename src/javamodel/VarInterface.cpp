#include "javamodel/VarInterface.h"

#include "javamodel/JavaNames.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarMethodDecl.h"
#include "javamodel/WordRing.h"
#include "tree/Archive.h"

IMPLEMENT_SERIAL(CVarInterface, CVarContainer, VERSIONABLE_SCHEMA | 5)

CVarInterface::CVarInterface(CElementConverter *parser, int line, Kind kind)
    : CVarContainer(parser, line, kind)
{
}

CVarInterface::~CVarInterface()
{
    CVarInterface::DeleteChildren();
}

void CVarInterface::DeleteChildren()
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

CVarMethodDecl *CVarInterface::MakeMethod(int line, int arrayDims)
{
    return new CVarMethodDecl(m_parser, line, arrayDims);
}

void CVarInterface::Serialize(CArchive &ar)
{
    CVarContainer::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteInt(int(m_innerClasses.size()));
        for (const CVarClass *c : std::as_const(m_innerClasses))
            ar.WriteObject(c);
        ar.WriteInt(int(m_innerInterfaces.size()));
        for (const CVarInterface *i : std::as_const(m_innerInterfaces))
            ar.WriteObject(i);
        return;
    }
    if (m_loadedSchema >= 5) {
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
    // Interface methods are public whatever their stored access says.
    for (CVarMethodDecl *m : std::as_const(m_methods))
        m->m_access = AccessPublic;
}

void CVarInterface::GetDescription(QString &text) const
{
    text = m_name;
}
