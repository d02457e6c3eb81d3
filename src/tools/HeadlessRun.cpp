#include "tools/HeadlessRun.h"

#include "core/Prompter.h"
#include "javamodel/ClassLookup.h"
#include "project/Project.h"
#include "project/ProjectDoc.h"
#include "tools/BuildCommands.h"
#include "tools/CommandLine.h"
#include "tools/DirtyCheck.h"
#include "tools/HeadlessProject.h"
#include "tools/RunPlan.h"
#include "tools/RunProcess.h"
#include "tools/ToolHost.h"
#include "tools/ToolManager.h"

#include <QProcess>
#include <QTextStream>

namespace {

// Everything that is not the program's own goes to standard error, so that
// standard output carries the program's output alone.
class CRunHost final : public CToolHost
{
public:
    CRunHost(const CHeadlessRun &run, QTextStream &err) : m_run(run), m_output(err) {}
    QString JdkExeDir() const override { return m_run.jdkExeDir; }
    QString JdkLibDir() const override { return m_run.jdkLibDir; }
    QString OwnClassesDir() const override { return m_run.ownClassesDir; }
    QString PackageClassPath() const override { return m_run.packageClassPath; }
    const CClassLookup *ClassLookup() const override { return m_run.lookup; }
    CToolOutput *Output(Tab) override { return &m_output; }

private:
    const CHeadlessRun &m_run;
    CStreamOutput m_output;
};

// Messages to standard error; questions are answered No, so that nothing
// is generated without a window to ask in.
class CErrPrompter final : public CPrompter
{
public:
    explicit CErrPrompter(QTextStream &err) : m_err(err) { m_previous = SetPrompter(this); }
    ~CErrPrompter() override { SetPrompter(m_previous); }
    Answer MessageBox(const QString &text, Buttons buttons, Icon, Answer) override
    {
        m_err << text << Qt::endl;
        return buttons == Ok ? AnswerOk : buttons == RetryCancel ? AnswerCancel : AnswerNo;
    }
    void SetStatusText(const QString &) override {}
    void OutputLine(const QString &, const QString &text) override { m_err << text << Qt::endl; }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    void Progress(const QString &, qint64, qint64) override {}

private:
    QTextStream &m_err;
    CPrompter *m_previous;
};

class CNoClasses final : public CClassLookup
{
public:
    const CVarContainer *FindClassByName(const QString &) const override { return nullptr; }
};

} // namespace

QString CHeadlessRun::JoinArguments(const QStringList &args)
{
    QStringList quoted;
    for (const QString &a : args) {
        if (!a.isEmpty() && !a.contains(QLatin1Char(' ')) && !a.contains(QLatin1Char('"')) &&
            !a.contains(QLatin1Char('\t')))
            quoted << a;
        else
            quoted << QLatin1Char('"') +
                          QString(a).replace(QLatin1Char('"'), QLatin1String("\\\"")) +
                          QLatin1Char('"');
    }
    return quoted.join(QLatin1Char(' '));
}

int CHeadlessRun::Run(QTextStream &err) const
{
    CErrPrompter prompter(err);
    // Read for the default options only; neither file is written.
    CHeadlessProject headless;
    if (!headless.Open(projectPath, workspacePath, err))
        return CouldNotRun;
    CProjectDoc &workspace = headless.Workspace();
    CProject &project = headless.Project();

    CRunHost host(*this, err);
    CToolManager manager(&host, &workspace);
    CBuildCommands build(manager);

    // What is stale is compiled first, as Run does with the dirty check on.
    const int dirty =
        CDirtyCheck(project, workspace.m_compiler).CheckProject(project.GetFiles(), true);
    if (dirty > 0) {
        const int compiled =
            CHeadlessProject::CompileAndWait(manager, [&] { return build.RebuildDirty(false); });
        if (compiled < 0)
            return CouldNotRun;
        err << Qt::endl;
        if (!compiled)
            return CouldNotRun;
    }

    if (hasArguments) {
        project.m_interpreter.m_bArguments = 1;
        project.m_interpreter.m_strArguments = JoinArguments(arguments);
    }
    static const CNoClasses noClasses;
    const CRunPlan plan =
        CRunPlan::ForProject(project, workspace.m_interpreter, jdkExeDir,
                             lookup ? *lookup : static_cast<const CClassLookup &>(noClasses));
    if (plan.m_what == CRunPlan::Nothing)
        return CouldNotRun;

    // The run process gives the class path and the environment a program
    // started from the IDE gets; the channels are this process's own.
    CRunProcess &run = manager.RunProcess();
    run.SetClassPath(manager.BuildClassPath(plan.m_projectClassPath));
    const QStringList words = CCommandLine::SplitExpanded(plan.m_commandLine, plan.m_workingDir);
    if (words.isEmpty()) {
        err << CRunProcess::StartFailureText() << Qt::endl;
        return CouldNotRun;
    }
    QProcess child;
    child.setProgram(words.first());
    child.setArguments(words.mid(1));
    child.setWorkingDirectory(plan.m_workingDir);
    child.setProcessEnvironment(run.ChildEnvironment());
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.setInputChannelMode(QProcess::ForwardedInputChannel);
    err.flush();
    child.start();
    if (!child.waitForStarted(-1)) {
        err << CRunProcess::StartFailureText() << Qt::endl;
        return CouldNotRun;
    }
    child.waitForFinished(-1);
    // A program ended by a signal has no exit code of its own.
    return child.exitStatus() == QProcess::CrashExit ? 1 : child.exitCode();
}
