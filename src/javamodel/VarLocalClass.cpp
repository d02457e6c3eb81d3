#include "javamodel/VarLocalClass.h"

#include "tree/Archive.h"

IMPLEMENT_SERIAL(CVarLocalClass, CVarInnerClass, VERSIONABLE_SCHEMA | 4)

CVarLocalClass::CVarLocalClass(CElementConverter *parser, int line, Kind kind,
                               const QString &outerName, const QString &methodName, int localNumber)
    : CVarInnerClass(parser, line, kind, outerName), m_methodName(methodName),
      m_localNumber(localNumber)
{
}

void CVarLocalClass::Serialize(CArchive &ar)
{
    CVarInnerClass::Serialize(ar);
    if (ar.IsStoring())
        ar.WriteString(m_methodName);
    else
        m_methodName = ar.ReadString();
}

void CVarLocalClass::GetDescription(QString &text) const
{
    text = m_name;
    AppendHeritage(text);
}
