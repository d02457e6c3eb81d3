#include "tools/RunCommands.h"

#include "javamodel/ClassLookup.h"
#include "project/Project.h"
#include "project/ProjectDoc.h"
#include "tools/BuildCommands.h"
#include "tools/DirtyCheck.h"
#include "tools/RunPlan.h"
#include "tools/RunProcess.h"
#include "tools/ToolHost.h"
#include "tools/ToolManager.h"

namespace {

// Without a package database nothing is known beyond the project.
class CNoClasses final : public CClassLookup
{
public:
    const CVarContainer *FindClassByName(const QString &) const override { return nullptr; }
};

} // namespace

CRunCommands::CRunCommands(CToolManager &manager, CBuildCommands &build)
    : m_manager(manager), m_build(build)
{
}

bool CRunCommands::CanRun() const
{
    return !m_manager.IsToolBusy();
}

bool CRunCommands::CanStop() const
{
    return m_manager.IsRunning();
}

bool CRunCommands::RunWithSetting()
{
    return Run(m_manager.Host().CheckDirtyFilesBeforeRun());
}

bool CRunCommands::RunOrStop()
{
    if (m_manager.IsRunning()) {
        Stop();
        return true;
    }
    if (!m_build.OpenProject())
        return false;
    return RunWithSetting();
}

void CRunCommands::Stop()
{
    m_manager.StopRun();
}

bool CRunCommands::Run(bool compileFirst)
{
    m_startedCompile = false;
    if (!CanRun())
        return false;
    if (CProject *project = m_build.OpenProject())
        return RunProject(*project, compileFirst);

    const QString file = m_manager.Host().ActiveEditorFile();
    if (file.isEmpty())
        return false;
    const CInterpreterOptions global =
        m_manager.Workspace() ? m_manager.Workspace()->m_interpreter : CInterpreterOptions();
    return Start(CRunPlan::ForFile(file, global, m_manager.Host().JdkExeDir()));
}

bool CRunCommands::RunProject(CProject &project, bool compileFirst)
{
    CToolHost &host = m_manager.Host();
    host.SaveModifiedProjectFiles();
    if (compileFirst) {
        const CCompilerOptions compiler =
            m_manager.Workspace() ? m_manager.Workspace()->m_compiler : CCompilerOptions();
        const int dirty = CDirtyCheck(project, compiler).CheckProject(project.GetFiles(), true);
        host.RefreshProjectTree();
        // The program follows when the compile ends without errors.
        if (dirty > 0 && m_build.RebuildDirty(true)) {
            m_startedCompile = true;
            return true;
        }
    }

    const CInterpreterOptions global =
        m_manager.Workspace() ? m_manager.Workspace()->m_interpreter : CInterpreterOptions();
    static const CNoClasses noClasses;
    const CClassLookup *lookup = host.ClassLookup();
    const bool hadMain = !project.GetMainClass().isEmpty() || !project.GetMainHtml().isEmpty();
    const CRunPlan plan =
        CRunPlan::ForProject(project, global, host.JdkExeDir(),
                             lookup ? *lookup : static_cast<const CClassLookup &>(noClasses));
    if (!hadMain && plan.m_what != CRunPlan::Nothing)
        host.RefreshProjectTree(); // the main class or page it found is marked there
    return Start(plan);
}

bool CRunCommands::Start(const CRunPlan &plan)
{
    if (plan.m_what == CRunPlan::Nothing)
        return false;
    CRunProcess &run = m_manager.RunProcess();
    run.Reset();
    run.SetCommandLine(plan.m_commandLine);
    run.SetWorkingDirectory(plan.m_workingDir);
    run.m_bShowClassPath = true;
    return run.RunWithClassPath(0, plan.m_projectClassPath) && run.IsRunning();
}
