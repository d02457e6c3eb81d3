#pragma once

#include "tools/CompileResult.h"
#include "tools/ToolHost.h"

class CChildFrame;
class CJavaIDEApp;

// The tools' view of the program: the settings from the application's
// records, the output window and the editor windows of the main frame.
class CMainToolHost : public CToolHost
{
public:
    explicit CMainToolHost(CJavaIDEApp &app) : m_app(app) {}

    QString JdkExeDir() const override;
    QString JdkLibDir() const override;
    QString OwnClassesDir() const override;
    bool Beep() const override;
    QString PackageClassPath() const override;
    bool CheckDirtyFilesBeforeRun() const override;
    const CClassLookup *ClassLookup() const override;
    QString ActiveEditorFile() const override;

    void ShowOutputTab(Tab tab) override;
    void ClearOutput(Tab tab) override;
    CToolOutput *Output(Tab tab) override;
    void SetBuildBaseDirectory(const QString &dir) override;
    void MoveBuildCaretToStart() override;
    void AttachToOutputTab(CToolProcess *process) override;
    void DetachFromOutputTab(CToolProcess *process) override;
    void MessageBeep() override;

    CToolFrame *CreateOutputFrame(CToolProcess *process) override;
    bool SaveModifiedProjectFiles() override;
    void RefreshProjectTree() override;
    void OnCompileFinished(const CCompileResult &result) override;
    void StartRun() override;

    // The marks of the last compile in an editor window (one opened after
    // the compile as well).
    void ShowErrorMarks(CChildFrame &editor) const;

private:
    CJavaIDEApp &m_app;
    CCompileResult m_last;
};
