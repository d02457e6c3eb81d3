#pragma once

#include "QtPrinters.h"
#include "tools/ToolFrame.h"
#include "tools/ToolHost.h"
#include "tools/ToolOutput.h"

#include <QList>
#include <QPair>
#include <QStringList>
#include <functional>
#include <memory>
#include <ostream>

class CProject;

// Text as an output window would get it, piece by piece.
class CRecordingOutput final : public CToolOutput
{
public:
    void AppendOutput(const QString &text) override
    {
        m_pieces << text;
        m_text += text;
    }
    QStringList m_pieces;
    QString m_text;
};

// The main frame's services, recorded.
class CRecordingHost : public CToolHost
{
public:
    QString JdkExeDir() const override { return m_jdkExeDir; }
    bool Beep() const override { return m_beep; }
    void ShowOutputTab(Tab tab) override { m_calls << QStringLiteral("show %1").arg(tab); }
    void ClearOutput(Tab tab) override
    {
        m_calls << QStringLiteral("clear %1").arg(tab);
        (tab == BuildTab ? m_build : m_output) = CRecordingOutput();
    }
    CToolOutput *Output(Tab tab) override { return tab == BuildTab ? &m_build : &m_output; }
    void SetBuildBaseDirectory(const QString &dir) override { m_baseDir = dir; }
    void MoveBuildCaretToStart() override { m_calls << "caret to start"; }
    void MessageBeep() override { ++m_beeps; }
    void RefreshProjectTree() override { ++m_treeRefreshes; }
    void OnCompileFinished(const CCompileResult &) override { ++m_compiles; }
    void StartRun() override { ++m_runs; }

    QString m_jdkExeDir;
    bool m_beep = false;
    QStringList m_calls;
    CRecordingOutput m_build;
    CRecordingOutput m_output;
    QString m_baseDir;
    int m_beeps = 0;
    int m_treeRefreshes = 0;
    int m_compiles = 0;
    int m_runs = 0;
};

// A command's own window, recorded.
class CFakeFrame final : public CToolFrame
{
public:
    CToolOutput *Output() override { return &m_out; }
    void SetTitle(const QString &title) override { m_title = title; }
    void AttachProcess(CToolProcess *p) override { m_process = p; }
    void Activate() override { ++m_activations; }
    void Destroy() override { m_destroyed = true; }

    CRecordingOutput m_out;
    QString m_title;
    CToolProcess *m_process = nullptr;
    int m_activations = 0;
    bool m_destroyed = false;
};

class CFrameHost final : public CRecordingHost
{
public:
    CToolFrame *CreateOutputFrame(CToolProcess *) override { return &m_frame; }
    CFakeFrame m_frame;
};

// The lines of a captured tool output in tests/fixtures/tools.
QStringList FixtureLines(const QString &name);

class CProjectDoc;

// A workspace in the test's directory with one open project that holds
// the given files (relative names, written with the given texts).
struct CTestProject
{
    CTestProject(const QString &root, const QList<QPair<QString, QByteArray>> &files);
    ~CTestProject();
    CProjectDoc &Workspace() { return *m_workspace; }
    CProject &Project();
    QString Dir() const { return m_dir; }
    QString Path(const QString &rel) const { return m_dir + rel; }
    // Writes a file and moves its time stamp by secs.
    void Write(const QString &rel, const QByteArray &text, int secs = 0) const;

    QString m_dir; // with a trailing '/'
    std::unique_ptr<CProjectDoc> m_workspace;
};

// Sets a file's modification time secs from now.
void SetFileTime(const QString &path, int secs);
