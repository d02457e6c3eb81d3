#include "tools/HeadlessBuild.h"

#include "core/Prompter.h"
#include "tools/BuildCommands.h"
#include "tools/HeadlessProject.h"
#include "tools/ToolHost.h"
#include "tools/ToolManager.h"

#include <QTextStream>

namespace {

class CHeadlessHost final : public CToolHost
{
public:
    CHeadlessHost(const CHeadlessBuild &build, QTextStream &out)
        : m_build(build), m_buildOutput(out), m_output(out)
    {
    }
    QString JdkExeDir() const override { return m_build.jdkExeDir; }
    QString JdkLibDir() const override { return m_build.jdkLibDir; }
    QString OwnClassesDir() const override { return m_build.ownClassesDir; }
    CToolOutput *Output(Tab tab) override { return tab == BuildTab ? &m_buildOutput : &m_output; }

    const CHeadlessBuild &m_build;
    CStreamOutput m_buildOutput;
    CStreamOutput m_output;
};

// Messages go to standard error; the Output tab's lines to standard
// output, where the Build tab's text goes too.
class CStreamPrompter final : public CPrompter
{
public:
    CStreamPrompter(QTextStream &out, QTextStream &err) : m_out(out), m_err(err)
    {
        m_previous = SetPrompter(this);
    }
    ~CStreamPrompter() override { SetPrompter(m_previous); }
    Answer MessageBox(const QString &text, Buttons buttons, Icon, Answer defaultAnswer) override
    {
        m_err << text << Qt::endl;
        return buttons == Ok ? AnswerOk : defaultAnswer;
    }
    void SetStatusText(const QString &) override {}
    void OutputLine(const QString &, const QString &text) override { m_out << text << Qt::endl; }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    void Progress(const QString &, qint64, qint64) override {}

private:
    QTextStream &m_out;
    QTextStream &m_err;
    CPrompter *m_previous;
};

} // namespace

int CHeadlessBuild::Run(QTextStream &out, QTextStream &err) const
{
    CStreamPrompter prompter(out, err);
    // The workspace is read for its default options only; the build leaves
    // it and the project file as they are.
    CHeadlessProject project;
    if (!project.Open(projectPath, workspacePath, err))
        return Unreadable;

    CHeadlessHost host(*this, out);
    CToolManager manager(&host, &project.Workspace());
    CBuildCommands commands(manager);
    const int compiled = CHeadlessProject::CompileAndWait(
        manager, [&] { return dirtyOnly ? commands.RebuildDirty() : commands.BuildProject(); });
    int code = Succeeded;
    if (compiled >= 0)
        code = compiled ? Succeeded : Failed;
    else if (host.m_buildOutput.Written())
        code = Failed; // the compiler could not be started
    out << Qt::endl;
    return code;
}
