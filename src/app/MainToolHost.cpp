#include "app/MainToolHost.h"

#include "app/ChildFrame.h"
#include "app/JavaIDEApp.h"
#include "app/MainFrame.h"
#include "app/OutputPane.h"
#include "editor/HueditView.h"
#include "packages/PkgDoc.h"
#include "project/Project.h"
#include "project/ProjectDoc.h"
#include "project/ProjectView.h"
#include "tools/CustomCommandView.h"
#include "tools/ErrorMarks.h"
#include "tools/MDIOutputFrame.h"
#include "tools/OutputWnd.h"
#include "tools/RunCommands.h"

#include <QApplication>
#include <QDir>
#include <QMdiArea>

QString CMainToolHost::JdkExeDir() const
{
    return m_app.Directories().m_exePath;
}

QString CMainToolHost::JdkLibDir() const
{
    return m_app.Directories().m_libPath;
}

QString CMainToolHost::OwnClassesDir() const
{
    return m_app.OwnClassesDir();
}

bool CMainToolHost::Beep() const
{
    return m_app.Options().m_beep != 0;
}

QString CMainToolHost::PackageClassPath() const
{
    return m_app.PkgDoc() ? m_app.PkgDoc()->ClassPath() : QString();
}

bool CMainToolHost::CheckDirtyFilesBeforeRun() const
{
    return m_app.Options().m_checkDirtyFiles != 0;
}

const CClassLookup *CMainToolHost::ClassLookup() const
{
    return m_app.PkgDoc();
}

QString CMainToolHost::ActiveEditorFile() const
{
    CMainFrame *frame = m_app.MainFrame();
    CChildFrame *editor = frame ? frame->ActiveEditor() : nullptr;
    return editor ? editor->GetPathName() : QString();
}

void CMainToolHost::AttachToOutputTab(CToolProcess *process)
{
    CMainFrame *frame = m_app.MainFrame();
    if (!frame)
        return;
    // The tab is the program's console now: typing goes there at once.
    COutputWnd *view = frame->Output()->View(OutputTab);
    view->AttachProcess(process);
    view->moveCursor(QTextCursor::End);
    view->setFocus();
}

void CMainToolHost::DetachFromOutputTab(CToolProcess *process)
{
    CMainFrame *frame = m_app.MainFrame();
    if (!frame)
        return;
    COutputWnd *view = frame->Output()->View(OutputTab);
    if (view->AttachedProcess() == process)
        view->AttachProcess(nullptr);
}

void CMainToolHost::StartRun()
{
    m_app.RunCommands().Run(false);
}

void CMainToolHost::ShowOutputTab(Tab tab)
{
    if (CMainFrame *frame = m_app.MainFrame())
        frame->ShowOutputTab(tab);
}

void CMainToolHost::ClearOutput(Tab tab)
{
    if (CMainFrame *frame = m_app.MainFrame())
        frame->Output()->View(tab)->ClearText();
}

CToolOutput *CMainToolHost::Output(Tab tab)
{
    CMainFrame *frame = m_app.MainFrame();
    return frame ? frame->Output()->View(tab) : nullptr;
}

void CMainToolHost::SetBuildBaseDirectory(const QString &dir)
{
    if (CMainFrame *frame = m_app.MainFrame())
        frame->Output()->BuildView()->SetBaseDirectory(dir);
}

void CMainToolHost::MoveBuildCaretToStart()
{
    if (CMainFrame *frame = m_app.MainFrame())
        frame->Output()->BuildView()->MoveCaretToStart();
}

void CMainToolHost::MessageBeep()
{
    QApplication::beep();
}

CToolFrame *CMainToolHost::CreateOutputFrame(CToolProcess *)
{
    CMainFrame *frame = m_app.MainFrame();
    if (!frame)
        return nullptr;
    auto *output = new CMDIOutputFrame;
    output->View()->SetWordWrap(m_app.Options().m_wordWrap != 0);
    frame->MdiArea()->addSubWindow(output);
    output->resize(qMax(300, frame->MdiArea()->width() * 2 / 3),
                   qMax(200, frame->MdiArea()->height() / 2));
    return output;
}

bool CMainToolHost::SaveModifiedProjectFiles()
{
    CMainFrame *frame = m_app.MainFrame();
    CProjectDoc *ws = m_app.ProjectDoc();
    if (!frame || !ws || !ws->GetCurrentProject().IsOpen())
        return true;
    bool ok = true;
    const CProject &project = ws->GetCurrentProject();
    for (CChildFrame *editor : frame->EditorWindows()) {
        if (editor->IsModified() && project.HasFile(editor->GetPathName()))
            ok = editor->Save() && ok;
    }
    return ok;
}

void CMainToolHost::RefreshProjectTree()
{
    if (CMainFrame *frame = m_app.MainFrame(); frame && frame->ProjectView())
        frame->ProjectView()->RefreshFileImages();
}

void CMainToolHost::OnCompileFinished(const CCompileResult &result)
{
    m_last = result;
    if (CMainFrame *frame = m_app.MainFrame()) {
        for (CChildFrame *editor : frame->EditorWindows())
            ShowErrorMarks(*editor);
    }
}

void CMainToolHost::ShowErrorMarks(CChildFrame &editor) const
{
    const QString path = QDir::cleanPath(editor.GetPathName());
    if (path.isEmpty())
        return;
    bool named = m_last.compiledFiles.contains(path);
    for (const CCompileDiagnostic &d : m_last.diagnostics)
        named = named || QDir::cleanPath(d.file) == path;
    // A file the compile did not look at keeps what it shows.
    if (named)
        CErrorMarks::Of(editor.View())->SetDiagnostics(path, m_last.diagnostics);
}
