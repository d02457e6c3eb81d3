#include "javamodel/VarInnerInterface.h"

#include "tree/Archive.h"

IMPLEMENT_SERIAL(CVarInnerInterface, CVarInterface, VERSIONABLE_SCHEMA | 5)

CVarInnerInterface::CVarInnerInterface(CElementConverter *parser, int line, Kind kind,
                                       const QString &outerName)
    : CVarInterface(parser, line, kind), m_outerName(outerName)
{
}

void CVarInnerInterface::Serialize(CArchive &ar)
{
    CVarInterface::Serialize(ar);
    if (ar.IsStoring())
        ar.WriteString(m_outerName);
    else
        m_outerName = ar.ReadString();
}
