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
    DeleteChildren();
}

void CVarInterface::ReleaseChildren(std::vector<CVarObject *> &out)
{
    CVarContainer::ReleaseChildren(out);
    out.insert(out.end(), m_innerClasses.cbegin(), m_innerClasses.cend());
    m_innerClasses.clear();
    out.insert(out.end(), m_innerInterfaces.cbegin(), m_innerInterfaces.cend());
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
        ar.WriteObjectList(m_innerClasses);
        ar.WriteObjectList(m_innerInterfaces);
        return;
    }
    if (m_loadedSchema >= 5) {
        ar.ReadObjectList(m_innerClasses, RUNTIME_CLASS(CVarClass));
        ar.ReadObjectList(m_innerInterfaces, RUNTIME_CLASS(CVarInterface));
    }
    // Interface methods are public whatever their stored access says.
    for (CVarMethodDecl *m : std::as_const(m_methods))
        m->m_access = AccessPublic;
}

void CVarInterface::GetDescription(QString &text) const
{
    text = m_name;
}
