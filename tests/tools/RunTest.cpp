// These tests run the real javac and java.
#include "FakePrompter.h"
#include "TestEnv.h"
#include "ToolsTestSupport.h"
#include "project/Project.h"
#include "project/ProjectDoc.h"
#include "tools/BuildCommands.h"
#include "tools/CompileProcess.h"
#include "tools/RunCommands.h"
#include "tools/RunProcess.h"
#include "tools/ToolManager.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

// Prints its arguments, then the line it reads, then whatever ends is.
QByteArray EchoMain(const QByteArray &end = {})
{
    return "package app;\n"
           "public class Main {\n"
           "  public static void main(String[] a) throws Exception {\n"
           "    System.out.println(\"args=\" + String.join(\",\", a));\n"
           "    java.io.BufferedReader r = new java.io.BufferedReader(\n"
           "        new java.io.InputStreamReader(System.in));\n"
           "    System.out.println(\"got=\" + r.readLine());\n" +
           end + "  }\n}\n";
}

const QByteArray kForever = "public class Forever {\n"
                            "  public static void main(String[] a) throws Exception {\n"
                            "    System.out.println(\"started\");\n"
                            "    while (true) Thread.sleep(100);\n"
                            "  }\n"
                            "}\n";

// The main frame's part in a run: it hands the finished compile back to
// Run and keeps track of what the Output tab is attached to.
class CRunHost : public CRecordingHost
{
public:
    void StartRun() override
    {
        CRecordingHost::StartRun();
        if (m_commands)
            m_commands->Run(false);
    }
    void AttachToOutputTab(CToolProcess *p) override
    {
        m_attached = p;
        m_calls << "attach";
    }
    void DetachFromOutputTab(CToolProcess *p) override
    {
        if (m_attached == p) {
            m_attached = nullptr;
            m_calls << "detach";
        }
    }
    CRunCommands *m_commands = nullptr;
    CToolProcess *m_attached = nullptr;
};

struct Runner
{
    explicit Runner(CTestProject &tp)
        : manager(&host, &tp.Workspace()), build(manager), run(manager, build)
    {
        host.m_commands = &run;
        QObject::connect(&manager.CompileProcess(), &CCompileProcess::compileFinished,
                         [this](const CCompileResult &r) { compiles << r; });
        QObject::connect(&manager.RunProcess(), &CToolProcess::ended,
                         [this](int code) { endCodes << code; });
    }
    bool OutputHas(const QString &text)
    {
        return WaitFor([&] { return host.m_output.m_text.contains(text); }, 60000);
    }
    CRunHost host;
    CToolManager manager;
    CBuildCommands build;
    CRunCommands run;
    QList<CCompileResult> compiles;
    QList<int> endCodes;
};

} // namespace

TEST(Run, DirtyProjectCompilesFirstThenRunsTheFoundMainWithArgumentsAndInput)
{
    CTestEnv env;
    CFakePrompter prompter;
    CTestProject tp(env.Path(), {{"src/app/Main.java", EchoMain()}});
    CProject &project = tp.Project();
    // The class sits in a package: its root goes on the project's class path.
    project.m_strClassPath = tp.Path("src");
    project.m_interpreter.m_bArguments = 1;
    project.m_interpreter.m_strArguments = "one two";
    ASSERT_TRUE(project.GetMainClass().isEmpty());

    Runner r(tp);
    ASSERT_TRUE(r.run.Run(true));
    EXPECT_TRUE(r.run.m_startedCompile);
    ASSERT_TRUE(r.OutputHas("args=one,two")) << r.host.m_output.m_text.toStdString();
    ASSERT_EQ(r.compiles.size(), 1);
    EXPECT_TRUE(r.compiles.first().succeeded);

    // The search found the main class and named it; the class argument is
    // package, dot, name.
    EXPECT_EQ(project.GetMainClass(), "Main.java");
    const QString text = r.host.m_output.m_text;
    const QString head = "java   app.Main one two\nWorking Directory - " + tp.Path("src/app") +
                         "\nClass Path - " + r.manager.RunProcess().ClassPath() + "\n";
    EXPECT_TRUE(text.startsWith(head)) << text.toStdString();
    EXPECT_TRUE(r.manager.RunProcess().ClassPath().startsWith(tp.Path("src")));
    EXPECT_EQ(r.host.m_attached, &r.manager.RunProcess());

    // What the Output tab sends on Enter reaches the program's input.
    EXPECT_GT(r.manager.RunProcess().SendInput("hello there"), 0);
    ASSERT_TRUE(r.OutputHas("got=hello there\n"));
    ASSERT_TRUE(r.OutputHas(CToolProcess::ExitText()));
    EXPECT_EQ(r.endCodes, QList<int>{0});
    EXPECT_EQ(r.host.m_attached, nullptr);
    EXPECT_TRUE(prompter.m_messages.isEmpty()) << prompter.m_messages.join("|").toStdString();

    // Nothing dirty now: Run starts the program at once.
    ASSERT_TRUE(r.run.Run(true));
    EXPECT_FALSE(r.run.m_startedCompile);
    EXPECT_TRUE(r.manager.RunProcess().IsRunning());
    r.manager.RunProcess().SendInput("again");
    ASSERT_TRUE(r.OutputHas("got=again"));
    EXPECT_EQ(r.compiles.size(), 1);
}

TEST(Run, CompileErrorsKeepTheProgramFromStarting)
{
    CTestEnv env;
    CFakePrompter prompter;
    CTestProject tp(env.Path(), {{"Forever.java", kForever},
                                 {"Bad.java", "public class Bad { int x = nope; }\n"}});
    Runner r(tp);
    ASSERT_TRUE(r.run.Run(true));
    ASSERT_TRUE(WaitFor([&] { return !r.compiles.isEmpty(); }, 60000));
    EXPECT_FALSE(r.compiles.first().succeeded);
    EXPECT_TRUE(r.host.m_build.m_text.contains(" error")) << r.host.m_build.m_text.toStdString();
    EXPECT_EQ(r.host.m_runs, 0);
    EXPECT_FALSE(r.manager.RunProcess().IsRunning());
    EXPECT_FALSE(r.host.m_output.m_text.contains("Working Directory - "));
}

TEST(Run, AProgramThatCannotStartIsReportedInTheOutputTab)
{
    CTestEnv env;
    CFakePrompter prompter;
    CTestProject tp(env.Path(), {{"Page.html", "<applet code=A.class></applet>\n"}});
    tp.Project().SetMainHtml("Page.html");
    Runner r(tp);
    // Today's JDK has no applet viewer: the start fails as any start does.
    EXPECT_FALSE(r.run.Run(false));
    EXPECT_EQ(r.host.m_output.m_text, CRunProcess::StartFailureText());
    EXPECT_TRUE(prompter.m_messages.isEmpty());
    EXPECT_FALSE(r.manager.IsToolBusy());
    EXPECT_EQ(r.host.m_attached, nullptr);
}

TEST(Run, TheMavuCommandLinePassesTheConsoleThroughAndExitsWithTheProgramsCode)
{
    CTestEnv env;
    QString projectPath;
    {
        CTestProject tp(env.Path(),
                        {{"src/app/Main.java", EchoMain("    System.err.println(\"to stderr\");\n"
                                                        "    System.exit(a.length + 3);\n")}});
        tp.Project().m_strClassPath = tp.Path("src");
        tp.Project().m_interpreter.m_bArguments = 1;
        tp.Project().m_interpreter.m_strArguments = "from project";
        tp.Project().Save();
        projectPath = tp.Project().GetPathName();
    }
    auto run = [&](const QStringList &args, QString *out, QString *err) {
        QProcess mavu;
        mavu.start(MAVU_EXECUTABLE, QStringList{"--run"} + args);
        EXPECT_TRUE(mavu.waitForStarted(60000));
        mavu.write("hello\n");
        mavu.closeWriteChannel();
        EXPECT_TRUE(mavu.waitForFinished(120000));
        *out = QString::fromLocal8Bit(mavu.readAllStandardOutput());
        *err = QString::fromLocal8Bit(mavu.readAllStandardError());
        return mavu.exitCode();
    };
    QString out, err;
    // Stale: compiled first (the compiler's text on standard error), then
    // run with the arguments given, which replace the project's.
    EXPECT_EQ(run({projectPath, "x", "y z"}, &out, &err), 5) << err.toStdString();
    EXPECT_EQ(out, "args=x,y z\ngot=hello\n");
    EXPECT_TRUE(err.contains("javac ")) << err.toStdString();
    EXPECT_TRUE(err.endsWith("to stderr\n")) << err.toStdString();
    // Compiled now: straight to the program, with the project's arguments.
    EXPECT_EQ(run({projectPath}, &out, &err), 5);
    EXPECT_EQ(out, "args=from,project\ngot=hello\n");
    EXPECT_EQ(err, "to stderr\n");

    EXPECT_EQ(run({env.FilePath("missing.mavu")}, &out, &err), 2);
    EXPECT_EQ(err, "Project file does not exist !!!\n");
    EXPECT_EQ(run({}, &out, &err), 2);
    EXPECT_EQ(err, "usage: mavu --run PROJECT.mavu [ARGS...]\n");
}
