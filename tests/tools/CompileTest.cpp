// These tests run the real javac.
#include "FakePrompter.h"
#include "TestEnv.h"
#include "ToolsTestSupport.h"
#include "project/Project.h"
#include "project/ProjectDoc.h"
#include "project/ProjectFileItem.h"
#include "tools/BuildCommands.h"
#include "tools/CompileProcess.h"
#include "tools/HeadlessBuild.h"
#include "tools/ToolManager.h"

#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {

const QByteArray kGood = "public class Good {\n    int twice(int x) { return 2 * x; }\n}\n";
const QByteArray kBad =
    "public class Bad {\n    void f() {\n        int x = undefinedVar;\n    }\n}\n";
const QByteArray kBadFixed = "public class Bad {\n    void f() {\n        int x = 1;\n    }\n}\n";

struct Build
{
    explicit Build(CTestProject &tp) : manager(&host, &tp.Workspace()), commands(manager)
    {
        QObject::connect(&manager.CompileProcess(), &CCompileProcess::compileFinished,
                         [this](const CCompileResult &r) { results << r; });
    }
    bool WaitForEnd(int count = 1)
    {
        return WaitFor([&] { return results.size() >= count; }, 60000);
    }
    CRecordingHost host;
    CToolManager manager;
    CBuildCommands commands;
    QList<CCompileResult> results;
};

bool IsDirty(CTestProject &tp, const char *rel)
{
    return tp.Project().FindFileItem(tp.Path(rel))->IsDirty();
}

} // namespace

TEST(Compile, BuildProjectWithOneGoodAndOneBadFile)
{
    CTestEnv env;
    CFakePrompter prompter;
    CTestProject tp(env.Path(), {{"Good.java", kGood}, {"Bad.java", kBad}});
    Build b(tp);
    ASSERT_TRUE(b.commands.BuildProject());
    EXPECT_TRUE(b.manager.IsBuildBusy());
    EXPECT_FALSE(b.commands.CanCompile());
    EXPECT_TRUE(b.commands.CanStop());
    ASSERT_TRUE(b.WaitForEnd());

    // The Output tab is cleared and shown first, then the Build tab.
    EXPECT_EQ(b.host.m_calls.mid(0, 4), (QStringList{"clear 0", "show 0", "clear 1", "show 1"}));
    const QString text = b.host.m_build.m_text;
    const QString cmd = "javac   Bad.java Good.java \n";
    ASSERT_TRUE(text.startsWith(cmd)) << text.toStdString();
    qsizetype at = cmd.size();
    for (const QString &part :
         {"Working Directory - " + tp.Dir() + "\n",
          "Class Path - " + b.manager.BuildClassPath(true) + "\n", QString("File Compiled...\n"),
          CCompileProcess::JavacOutputHeader(), QString("Bad.java:3: error: cannot find symbol\n"),
          QString("1 error\n"), CCompileProcess::DoubleClickHint()}) {
        const qsizetype next = text.indexOf(part, at);
        ASSERT_EQ(next, at) << "expected next: " << part.toStdString() << "\nin:\n"
                            << text.toStdString();
        at = next + part.size();
        if (part.startsWith("Bad.java"))
            at = text.indexOf("1 error\n", at);
    }
    EXPECT_EQ(at, text.size());
    // A project compile draws no line before the hint.
    EXPECT_FALSE(text.contains(CCompileProcess::Separator()));
    EXPECT_TRUE(b.host.m_calls.contains("caret to start"));
    EXPECT_EQ(b.host.m_baseDir, tp.Dir());
    EXPECT_FALSE(b.results[0].succeeded);
    ASSERT_EQ(b.results[0].diagnostics.size(), 1);
    EXPECT_EQ(b.results[0].diagnostics[0].file, tp.Path("Bad.java"));
    EXPECT_EQ(b.results[0].diagnostics[0].line, 3);
    EXPECT_EQ(b.results[0].compiledFiles, (QStringList{tp.Path("Bad.java"), tp.Path("Good.java")}));
    EXPECT_TRUE(prompter.m_status.contains("File Compiled..."));

    // No class files were written: both stay dirty.
    EXPECT_TRUE(IsDirty(tp, "Good.java"));
    EXPECT_TRUE(IsDirty(tp, "Bad.java"));
    EXPECT_FALSE(b.manager.IsBuildBusy());
    EXPECT_FALSE(QFile::exists(b.manager.CompileProcess().RedirectFileName()));
}

TEST(Compile, RebuildDirtyCompilesOnlyStaleFilesAndTheMarksFollow)
{
    CTestEnv env;
    CFakePrompter prompter;
    CTestProject tp(env.Path(), {{"Good.java", kGood}, {"Bad.java", kBadFixed}});
    tp.Write("Good.java", kGood, -100);
    tp.Write("Bad.java", kBadFixed, -100);
    Build b(tp);

    ASSERT_TRUE(b.commands.RebuildDirty());
    ASSERT_TRUE(b.WaitForEnd());
    EXPECT_TRUE(b.host.m_build.m_text.startsWith("javac   Bad.java Good.java \n"));
    EXPECT_TRUE(b.host.m_build.m_text.endsWith("File Compiled...\nNo Errors..."))
        << b.host.m_build.m_text.toStdString();
    EXPECT_TRUE(b.results[0].succeeded);
    EXPECT_FALSE(IsDirty(tp, "Good.java"));
    EXPECT_FALSE(IsDirty(tp, "Bad.java"));

    // Nothing stale: nothing compiled, and the Output tab says so.
    EXPECT_FALSE(b.commands.RebuildDirty());
    EXPECT_EQ(prompter.m_output.last(), "Output|No dirty project files found...");

    // An edit to one file: only that one goes to the compiler.
    tp.Write("Good.java", kGood + "// edited\n", 100);
    ASSERT_TRUE(b.commands.RebuildDirty(true));
    EXPECT_TRUE(IsDirty(tp, "Good.java"));
    EXPECT_FALSE(IsDirty(tp, "Bad.java"));
    ASSERT_TRUE(b.WaitForEnd(2));
    EXPECT_TRUE(b.host.m_build.m_text.startsWith("javac   Good.java \n"));
    // The class file was written now, before the source's time stamp in
    // the future: still dirty, as it would be for the user.
    EXPECT_TRUE(IsDirty(tp, "Good.java"));
    // It compiled clean and was asked to run after.
    EXPECT_EQ(b.host.m_runs, 1);
}

TEST(Compile, SingleFileCompilesDrawTheLineAndClearTheDirtyMark)
{
    CTestEnv env;
    CTestProject tp(env.Path(), {{"Good.java", kGood}, {"Bad.java", kBad}});
    Build b(tp);
    tp.Project().FindFileItem(tp.Path("Bad.java"))->SetDirty(true);
    ASSERT_TRUE(b.commands.CompileFile(tp.Path("Bad.java")));
    ASSERT_TRUE(b.WaitForEnd());
    const QString text = b.host.m_build.m_text;
    EXPECT_TRUE(text.startsWith("javac   Bad.java\nClass Path - ")) << text.toStdString();
    EXPECT_TRUE(text.endsWith(CCompileProcess::Separator() + CCompileProcess::DoubleClickHint()));
    // Compiled, with errors or not: the mark goes.
    EXPECT_FALSE(IsDirty(tp, "Bad.java"));

    ASSERT_TRUE(b.commands.CompileFile(tp.Path("Good.java")));
    ASSERT_TRUE(b.WaitForEnd(2));
    EXPECT_EQ(b.host.m_build.m_text, "javac   Good.java\nClass Path - " +
                                         b.manager.BuildClassPath(true) +
                                         "\nFile Compiled...\nNo Errors...");
    EXPECT_TRUE(b.results[1].succeeded);
    EXPECT_TRUE(QFile::exists(tp.Path("Good.class")));
}

TEST(Compile, AllJavaFilesOfTheDirectoryAndAMissingCompiler)
{
    CTestEnv env;
    CFakePrompter prompter;
    CTestProject tp(env.Path(), {{"Good.java", kGood}, {"Bad.java", kBadFixed}});
    tp.Write("Extra.java", "class Extra {}\n");
    Build b(tp);
    ASSERT_TRUE(b.commands.CompileAllInProjectDir());
    ASSERT_TRUE(b.WaitForEnd());
    EXPECT_TRUE(b.host.m_build.m_text.startsWith("javac   *.java\nWorking Directory - "));
    EXPECT_TRUE(b.results[0].succeeded);
    EXPECT_TRUE(QFile::exists(tp.Path("Extra.class")));
    EXPECT_EQ(b.results[0].compiledFiles,
              (QStringList{tp.Path("Bad.java"), tp.Path("Extra.java"), tp.Path("Good.java")}));

    // No compiler where the settings say: the Build tab says which command
    // could not run.
    b.host.m_jdkExeDir = env.FilePath("nojdk");
    EXPECT_FALSE(b.commands.CompileFile(tp.Path("Good.java")));
    EXPECT_EQ(b.host.m_build.m_text,
              "Error executing the command " + env.FilePath("nojdk") + "/javac   Good.java\n");
    EXPECT_FALSE(b.manager.IsBuildBusy());
}

TEST(HeadlessBuild, SameTextAsTheBuildTabAndTheExitCodes)
{
    CTestEnv env;
    CFakePrompter prompter;
    QString windowText, classPath, projectPath;
    {
        CTestProject tp(env.Path(), {{"Good.java", kGood}, {"Bad.java", kBad}});
        tp.Workspace().Save();
        tp.Project().Save();
        projectPath = tp.Project().GetPathName();
        Build b(tp);
        ASSERT_TRUE(b.commands.BuildProject());
        ASSERT_TRUE(b.WaitForEnd());
        windowText = b.host.m_build.m_text;
    }
    auto run = [&](bool dirty, QString *out, QString *err) {
        CHeadlessBuild build;
        build.projectPath = projectPath;
        build.dirtyOnly = dirty;
        build.workspacePath = env.FilePath("mavu.proj");
        QTextStream o(out), e(err);
        return build.Run(o, e);
    };
    QString out, err;
    EXPECT_EQ(run(false, &out, &err), CHeadlessBuild::Failed) << err.toStdString();
    EXPECT_EQ(out, windowText + "\n");

    env.WriteFile("proj/Bad.java", kBadFixed);
    out.clear();
    EXPECT_EQ(run(true, &out, &err), CHeadlessBuild::Succeeded);
    EXPECT_TRUE(out.endsWith("File Compiled...\nNo Errors...\n")) << out.toStdString();
    out.clear();
    EXPECT_EQ(run(true, &out, &err), CHeadlessBuild::Succeeded);
    EXPECT_EQ(out, "No dirty project files found...\n\n");

    err.clear();
    CHeadlessBuild missing;
    missing.projectPath = env.FilePath("nope.mavu");
    QTextStream o(&out), e(&err);
    EXPECT_EQ(missing.Run(o, e), CHeadlessBuild::Unreadable);
    EXPECT_EQ(err, "Project file does not exist !!!\n");
    missing.projectPath = env.WriteFile("junk.mavu", "not a project");
    EXPECT_EQ(missing.Run(o, e), CHeadlessBuild::Unreadable);
}

TEST(HeadlessBuild, TheMavuCommandLine)
{
    CTestEnv env;
    QString projectPath;
    {
        CTestProject tp(env.Path(), {{"Good.java", kGood}, {"Bad.java", kBad}});
        tp.Project().Save();
        projectPath = tp.Project().GetPathName();
    }
    auto run = [&](const QStringList &args, QString *out) {
        QProcess mavu;
        mavu.start(MAVU_EXECUTABLE, QStringList{"--build"} + args);
        EXPECT_TRUE(mavu.waitForFinished(60000));
        *out = QString::fromLocal8Bit(mavu.readAllStandardOutput());
        return mavu.exitCode();
    };
    // The text itself is the Build tab's (SameTextAsTheBuildTabAndTheExitCodes).
    QString out;
    EXPECT_EQ(run({projectPath}, &out), 1);
    EXPECT_TRUE(out.contains("Bad.java:3: error: cannot find symbol\n")) << out.toStdString();
    EXPECT_EQ(run({}, &out), 2);

    env.WriteFile("proj/Bad.java", kBadFixed);
    EXPECT_EQ(run({"--dirty", projectPath}, &out), 0);
    EXPECT_TRUE(out.endsWith("File Compiled...\nNo Errors...\n")) << out.toStdString();
}
