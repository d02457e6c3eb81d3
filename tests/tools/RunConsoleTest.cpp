// The Output tab as the console of a real java program.
#include "FakePrompter.h"
#include "TestEnv.h"
#include "ToolsTestSupport.h"
#include "project/Project.h"
#include "project/ProjectDoc.h"
#include "tools/BuildCommands.h"
#include "tools/OutputWnd.h"
#include "tools/RunCommands.h"
#include "tools/RunProcess.h"
#include "tools/ToolManager.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// The main frame's Output tab, played by one real view.
class CViewHost : public CRecordingHost
{
public:
    explicit CViewHost(COutputWnd &view) : m_view(view) {}
    void ClearOutput(Tab tab) override
    {
        if (tab == OutputTab)
            m_view.ClearText();
    }
    CToolOutput *Output(Tab tab) override
    {
        return tab == OutputTab ? static_cast<CToolOutput *>(&m_view) : &m_build;
    }
    void AttachToOutputTab(CToolProcess *p) override { m_view.AttachProcess(p); }
    void DetachFromOutputTab(CToolProcess *p) override
    {
        if (m_view.AttachedProcess() == p)
            m_view.AttachProcess(nullptr);
    }
    void StartRun() override
    {
        if (m_commands)
            m_commands->Run(false);
    }
    COutputWnd &m_view;
    CRunCommands *m_commands = nullptr;
};

} // namespace

TEST(RunConsole, ALineTypedInTheOutputTabReachesTheProgram)
{
    CTestEnv env;
    CFakePrompter prompter;
    CTestProject tp(env.Path(),
                    {{"Echo.java", "public class Echo {\n"
                                   "  public static void main(String[] a) throws Exception {\n"
                                   "    System.out.println(\"ready\");\n"
                                   "    java.io.BufferedReader r = new java.io.BufferedReader(\n"
                                   "        new java.io.InputStreamReader(System.in));\n"
                                   "    System.out.println(\"got=\" + r.readLine());\n"
                                   "  }\n"
                                   "}\n"}});
    tp.Project().SetMainClass(QStringLiteral("Echo.java"));
    COutputWnd view;
    view.resize(600, 300);
    view.show();
    CViewHost host(view);
    CToolManager manager(&host, &tp.Workspace());
    CBuildCommands build(manager);
    CRunCommands run(manager, build);
    host.m_commands = &run;
    auto shows = [&](const QString &text) {
        return WaitFor(
            [&] {
                view.Flush();
                return view.toPlainText().contains(text);
            },
            60000);
    };

    ASSERT_TRUE(run.Run(true));
    ASSERT_TRUE(shows("ready")) << view.toPlainText().toStdString();
    EXPECT_TRUE(view.toPlainText().startsWith("java   Echo \nWorking Directory - "));
    EXPECT_EQ(view.AttachedProcess(), &manager.RunProcess());

    // Typed as a user types: shown in the tab, sent on Enter.
    QTest::keyClicks(&view, "typed line");
    EXPECT_EQ(view.InputLine(), QStringLiteral("typed line"));
    QTest::keyClick(&view, Qt::Key_Return);
    ASSERT_TRUE(shows("got=typed line")) << view.toPlainText().toStdString();
    ASSERT_TRUE(shows(CToolProcess::ExitText().trimmed()));
    // The program is over: the tab lets go of it.
    EXPECT_TRUE(WaitFor([&] { return view.AttachedProcess() == nullptr; }));
    EXPECT_FALSE(manager.IsToolBusy());
}
