#pragma once

#include <QString>

class CBuildCommands;
class CProject;
class CToolManager;

// Run, Run or Stop Run and Stop Run: what they start and when they may.
// With a project open, its modified files are saved and (when asked) its
// dirty files compiled first; the program starts once that compile ended
// without errors. Without a project the active editor's file is run.
class CRunCommands
{
public:
    CRunCommands(CToolManager &manager, CBuildCommands &build);

    // True when the program was started, or a compile was started that
    // runs it when it succeeds.
    bool Run(bool compileFirst);
    // Run with the "compile dirty files first" setting.
    bool RunWithSetting();
    // Stops the program when it runs, else runs the open project.
    bool RunOrStop();
    void Stop();

    bool CanRun() const;  // no compile or program running
    bool CanStop() const; // the program runs

    // What the last Run started, for the headless run and the tests.
    bool m_startedCompile = false;

private:
    bool RunProject(CProject &project, bool compileFirst);
    bool Start(const class CRunPlan &plan);

    CToolManager &m_manager;
    CBuildCommands &m_build;
};
