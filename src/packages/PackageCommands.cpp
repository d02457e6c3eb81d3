#include "packages/PackageCommands.h"

#include "core/Prompter.h"
#include "javamodel/PackageObject.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarInterface.h"
#include "packages/PkgDoc.h"

void CPackageCommands::BeginFind(const QString &text, Kind kind)
{
    m_text = text;
    m_kind = kind;
    m_index = 0;
}

CPackageCommands::Match CPackageCommands::FindNext()
{
    int count = 0;
    for (CPackageObject *package : m_db.Packages()) {
        CVarContainer *element = nullptr;
        if (m_kind == Classes)
            element = package->FindClassOnlyByName(m_text, true);
        else
            element = package->FindInterfaceByName(m_text, true);
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
