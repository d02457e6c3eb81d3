#pragma once

#include <QList>
#include <QString>

class CClassLookup;
class CToolFrame;
class CToolOutput;
class CToolProcess;
struct CCompileResult;

// What the tools need from the rest of the program: the settings they read,
// the output window's two tabs, editor windows and the project tree. The
// application implements it with the main frame; the do-nothing default
// lets a tool run without any window (tests, the headless build).
class CToolHost
{
public:
    enum Tab { OutputTab = 0, BuildTab = 1 };

    virtual ~CToolHost() = default;

    // ---- settings
    // "Java"/"ExePath": where javac, java ... are; empty means PATH.
    virtual QString JdkExeDir() const { return QString(); }
    // "Java"/"LibPath": the JDK's library directory (its classes.zip).
    virtual QString JdkLibDir() const { return QString(); }
    // The directory of the program's own classes.zip, or empty.
    virtual QString OwnClassesDir() const { return QString(); }
    // "Editor"/"Beep": beep when a build tool finishes.
    virtual bool Beep() const { return false; }
    // The class path kept by the package database.
    virtual QString PackageClassPath() const { return QString(); }
    // "Editor"/"CheckDirtyFiles": Run compiles the project's dirty files first.
    virtual bool CheckDirtyFilesBeforeRun() const { return false; }
    // The classes known beyond the project (the package database), through
    // which Run recognises applets; null when there is none.
    virtual const CClassLookup *ClassLookup() const { return nullptr; }
    // The file of the active editor window, run when no project is open.
    virtual QString ActiveEditorFile() const { return QString(); }

    // ---- the output window
    // Shows the output window with a tab in front.
    virtual void ShowOutputTab(Tab tab) { (void)tab; }
    virtual void ClearOutput(Tab tab) { (void)tab; }
    // The tab's view, as a place for a child's text; null when there is
    // no window.
    virtual CToolOutput *Output(Tab tab)
    {
        (void)tab;
        return nullptr;
    }
    // The Output tab's typing goes to the process (Run's console), until
    // it is detached again; detaching a process not attached does nothing.
    virtual void AttachToOutputTab(CToolProcess *process) { (void)process; }
    virtual void DetachFromOutputTab(CToolProcess *process) { (void)process; }
    // The directory that the Build tab resolves error lines against.
    virtual void SetBuildBaseDirectory(const QString &dir) { (void)dir; }
    // After a failed compile the Build tab shows its first line.
    virtual void MoveBuildCaretToStart() {}
    virtual void MessageBeep() {}

    // ---- other windows
    // A window of its own for a command's output; null when it cannot be
    // made. The frame belongs to the window system.
    virtual CToolFrame *CreateOutputFrame(CToolProcess *process)
    {
        (void)process;
        return nullptr;
    }
    // Saves the open project's files that have unsaved changes in editor
    // windows; false when one could not be saved.
    virtual bool SaveModifiedProjectFiles() { return true; }
    // The dirty marks of the open project's files changed.
    virtual void RefreshProjectTree() {}
    // A compile ended: error marks for the editors.
    virtual void OnCompileFinished(const CCompileResult &result) { (void)result; }
    // A compile that was the first half of Run ended without errors.
    virtual void StartRun() {}

    static CToolHost &Default();
};
