#include "tools/ToolProcess.h"

#include "FakePrompter.h"
#include "TestEnv.h"
#include "ToolsTestSupport.h"
#include "tools/FrameToolProcess.h"
#include "tools/ToolFrame.h"
#include "tools/ToolManager.h"

#include <QFile>
#include <QPointer>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

namespace {

struct Ends
{
    QList<int> codes;
    void Watch(CToolProcess *p)
    {
        QObject::connect(p, &CToolProcess::ended, [this](int code) { codes << code; });
    }
};

QString Sh(const QString &script)
{
    return QStringLiteral("/bin/sh -c \"%1\"").arg(script);
}

} // namespace

TEST(ToolProcess, EchoThenOutputThenProcessExitAndTheManagerDeletesIt)
{
    CFakePrompter prompter;
    CRecordingHost host;
    host.m_beep = true;
    CToolManager manager(&host);
    CRecordingOutput out;
    auto *p = new CToolProcess(&manager, Sh("echo out; echo err 1>&2"), QString(), &out);
    QPointer<CToolProcess> alive(p);
    Ends ends;
    ends.Watch(p);
    ASSERT_TRUE(p->Execute(0));
    EXPECT_TRUE(p->IsRunning());
    EXPECT_EQ(manager.RunningList(), QList<CToolProcess *>{p});
    // The stored command line keeps the line end it was echoed with.
    EXPECT_TRUE(p->CommandLine().endsWith(u'\n'));
    ASSERT_TRUE(WaitFor([&] { return alive.isNull(); }));
    EXPECT_EQ(out.m_pieces.first(), Sh("echo out; echo err 1>&2") + "\n");
    EXPECT_EQ(out.m_pieces.last(), "Process Exit...\n");
    EXPECT_TRUE(out.m_text.contains("out\n"));
    EXPECT_TRUE(out.m_text.contains("err\n"));
    EXPECT_EQ(ends.codes, QList<int>{0});
    EXPECT_EQ(host.m_beeps, 1);
    EXPECT_TRUE(manager.RunningList().isEmpty());
    EXPECT_TRUE(prompter.m_messages.isEmpty());
}

TEST(ToolProcess, InputLinesReachTheChildAndOnlyWhenRedirected)
{
    CToolManager manager;
    CRecordingOutput out;
    CToolProcess cat(&manager, "cat", QString(), &out);
    cat.m_bAutoDelete = false;
    cat.m_bEchoCommandLine = false;
    EXPECT_EQ(cat.SendInput("x"), -1);
    cat.m_bRedirectInput = true;
    ASSERT_TRUE(cat.Execute(1));
    EXPECT_EQ(cat.SendInput("hello world"), 12);
    EXPECT_EQ(cat.SendInput("zwei"), 5);
    ASSERT_TRUE(WaitFor([&] { return out.m_text == "hello world\nzwei\n"; }));
    cat.SetAborted();
    cat.Stop();
    ASSERT_TRUE(WaitFor([&] { return out.m_text.endsWith("Process Exit...\n"); }));
}

TEST(ToolProcess, StopEndsTheChildAndWhatItStartedWithCode101)
{
    CTestEnv env;
    CToolManager manager;
    CRecordingOutput out;
    // The child starts a grandchild that would write a file if it lived.
    const QString marker = env.FilePath("survived");
    auto *p = new CToolProcess(
        &manager, Sh(QStringLiteral("echo started; (sleep 1; touch %1) & sleep 30").arg(marker)),
        QString(), &out);
    QPointer<CToolProcess> alive(p);
    Ends ends;
    ends.Watch(p);
    ASSERT_TRUE(p->Execute(0));
    ASSERT_TRUE(WaitFor([&] { return out.m_text.contains("started"); }));
    p->SetAborted();
    p->Stop();
    EXPECT_FALSE(p->IsRunning());
    EXPECT_TRUE(manager.RunningList().isEmpty());
    ASSERT_TRUE(WaitFor([&] { return alive.isNull(); }));
    EXPECT_EQ(ends.codes, QList<int>{CToolProcess::kUserAbort});
    EXPECT_EQ(out.m_pieces.last(), "Process Exit...\n");
    QThread::msleep(1500);
    EXPECT_FALSE(QFile::exists(marker));
}

TEST(ToolProcess, ACommandThatDoesNotExistSaysSoAndStartsNothing)
{
    CFakePrompter prompter;
    CToolManager manager;
    CRecordingOutput out;
    for (const QString &cmd :
         QStringList{"no-such-tool-here --flag", "/nowhere/javac   A.java", "  "}) {
        CToolProcess p(&manager, cmd, QString(), &out);
        EXPECT_FALSE(p.Execute(0));
        EXPECT_FALSE(p.IsRunning());
        EXPECT_EQ(prompter.m_messages.takeLast(),
                  QStringLiteral("Error executing the command ") + cmd);
    }
    // Uncaptured too.
    CToolProcess detached(&manager, "no-such-tool-here");
    EXPECT_FALSE(detached.Execute(0));
    EXPECT_EQ(prompter.m_messages.takeLast(), "Error executing the command no-such-tool-here");
    EXPECT_TRUE(manager.RunningList().isEmpty());
    EXPECT_TRUE(out.m_text.isEmpty());
}

TEST(ToolProcess, AFloodArrivesWholeInPiecesAndCharactersAreNeverCut)
{
    CToolManager manager;
    CRecordingOutput out;
    // 200,000 lines of "0123456789ä" (13 bytes each): 2.6 MB, with a
    // two-byte character that the pipe's pieces are bound to split.
    CToolProcess p(&manager, Sh("yes 0123456789ä | head -n 200000"), QString(), &out);
    p.m_bAutoDelete = false;
    p.m_bEchoCommandLine = false;
    ASSERT_TRUE(p.Execute(1));
    ASSERT_TRUE(WaitFor([&] {
        return !out.m_pieces.isEmpty() && out.m_pieces.last() == CToolProcess::ExitText();
    }));
    QString expected;
    for (int i = 0; i < 200000; ++i)
        expected += "0123456789ä\n";
    EXPECT_GT(out.m_pieces.size(), 3);
    EXPECT_EQ(out.m_text, expected + CToolProcess::ExitText());
}

TEST(ToolProcess, TheClassPathIsTheChildsAloneAndQtSettingsStayHome)
{
    CToolManager manager;
    CRecordingOutput out;
    const QByteArray ourClassPath = qgetenv("CLASSPATH");
    const bool hadClassPath = qEnvironmentVariableIsSet("CLASSPATH");
    qputenv("QT_SCALE_FACTOR", "2");
    CToolProcess p(&manager, Sh("echo \\\"[$CLASSPATH][$QT_SCALE_FACTOR]\\\""), QString(), &out);
    p.m_bAutoDelete = false;
    p.m_bEchoCommandLine = false;
    p.SetClassPath("/a.jar:/b");
    ASSERT_TRUE(p.Execute(1));
    ASSERT_TRUE(WaitFor([&] { return !p.IsRunning(); }));
    WaitFor([&] { return out.m_text.endsWith(CToolProcess::ExitText()); });
    EXPECT_EQ(out.m_text, QStringLiteral("[/a.jar:/b][]\n") + CToolProcess::ExitText());
    EXPECT_EQ(qgetenv("CLASSPATH"), ourClassPath);
    EXPECT_EQ(qEnvironmentVariableIsSet("CLASSPATH"), hadClassPath);
    qunsetenv("QT_SCALE_FACTOR");
}

TEST(FrameToolProcess, AFailedStartTakesTheFrameAway)
{
    CFakePrompter prompter;
    CFrameHost host;
    CToolManager manager(&host);
    CFrameToolProcess p(&manager, "no-such-tool-here");
    EXPECT_FALSE(p.Execute(0));
    EXPECT_TRUE(host.m_frame.m_destroyed);
    EXPECT_EQ(p.Frame(), nullptr);
    EXPECT_EQ(prompter.m_messages.size(), 1);
}

TEST(ToolManager, DeletesWhatIsStillRunningWhenItGoes)
{
    CTestEnv env;
    QPointer<CToolProcess> alive;
    qint64 pid = 0;
    {
        CToolManager manager;
        CRecordingOutput out;
        auto *p = new CToolProcess(&manager, "sleep 30", QString(), &out);
        alive = p;
        ASSERT_TRUE(p->Execute(0));
        pid = p->ProcessId();
        EXPECT_GT(pid, 0);
    }
    EXPECT_TRUE(alive.isNull());
    // The child went with it.
    EXPECT_NE(::kill(pid_t(pid), 0), 0);
}
