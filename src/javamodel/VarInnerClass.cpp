#include "javamodel/VarInnerClass.h"

#include "tree/Archive.h"

IMPLEMENT_SERIAL(CVarInnerClass, CVarClass, VERSIONABLE_SCHEMA | 4)

CVarInnerClass::CVarInnerClass(CElementConverter *parser, int line, Kind kind,
                               const QString &outerName)
    : CVarClass(parser, line, kind), m_outerName(outerName)
{
}

void CVarInnerClass::Serialize(CArchive &ar)
{
    CVarClass::Serialize(ar);
    if (ar.IsStoring())
        ar.WriteString(m_outerName);
    else
        m_outerName = ar.ReadString();
}

void CVarInnerClass::GetDescription(QString &text) const
{
    text.resize(0);
    text += m_outerName;
    text += QLatin1Char('.');
    text += m_name;
    AppendHeritage(text);
}
