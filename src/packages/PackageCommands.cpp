#include "packages/PackageCommands.h"

#include "core/Prompter.h"
#include "javamodel/PackageObject.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarInterface.h"
#include "packages/PkgDoc.h"

void CPackageCommands::BeginFind(const QString &text, Kind kind, bool wholeName)
{
    m_text = text;
    m_kind = kind;
    m_wholeName = wholeName;
    m_index = 0;
}

namespace {

CVarContainer *FindType(CPackageObject &package, const QString &text, CPackageCommands::Kind kind,
                        bool wholeName)
{
    if (kind == CPackageCommands::Classes)
        return package.FindClassOnlyByName(text, !wholeName);
    return package.FindInterfaceByName(text, !wholeName);
}

} // namespace

bool CPackageCommands::Holds(const QString &text, Kind kind, bool wholeName) const
{
    for (CPackageObject *package : m_db.Packages())
        if (FindType(*package, text, kind, wholeName))
            return true;
    return false;
}

CPackageCommands::Match CPackageCommands::FindNext()
{
    int count = 0;
    for (CPackageObject *package : m_db.Packages()) {
        CVarContainer *element = FindType(*package, m_text, m_kind, m_wholeName);
        if (!element)
            continue;
        if (count++ == m_index) {
            ++m_index;
            return {package, element};
        }
    }
    Prompter().MessageBox(EndMessage());
    return {};
}

bool CPackageCommands::DeletePackage(const QString &name)
{
    if (Prompter().MessageBox(DeleteQuestion(name), CPrompter::YesNo, CPrompter::Question,
                              CPrompter::AnswerNo) != CPrompter::AnswerYes)
        return false;
    return m_db.DeletePackage(name);
}
