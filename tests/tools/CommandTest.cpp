#include "tools/Command.h"

#include "FakePrompter.h"
#include "TestEnv.h"
#include "ToolsTestSupport.h"
#include "project/Project.h"
#include "tools/CommandsDoc.h"
#include "tools/ToolManager.h"
#include "tools/ToolProcess.h"
#include "tree/Archive.h"

#include <QBuffer>
#include <QFile>
#include <QPointer>
#include <gtest/gtest.h>

namespace {

// A "user.cmd" laid out by hand: version, count, then each command as an
// object of class CCommand with the given schema and these fields.
QByteArray CommandsFile(quint32 schema, const QList<int> &flags, const QStringList &texts,
                        int count = 1)
{
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    CArchive ar(&buf, CArchive::store);
    ar.WriteDWORD(2);
    ar.WriteDWORD(quint32(count));
    for (int i = 0; i < count; ++i) {
        if (i == 0) {
            ar.WriteWORD(0xFFFF);
            ar.WriteDWORD(schema);
            ar.WriteString("CCommand");
        } else {
            ar.WriteWORD(0x8001);
        }
        for (int f : flags)
            ar.WriteDWORD(quint32(f));
        for (const QString &t : texts)
            ar.WriteString(t);
    }
    return buf.data();
}

QList<int> Flags(const CCommand *c)
{
    return {c->m_bSetClassPath, c->m_bInWindow, c->m_bToOutput, c->m_bFileMenu, c->m_bProjectMenu};
}

} // namespace

TEST(CommandsDoc, BothSchemasReadAndTheCurrentOneRoundTrips)
{
    CTestEnv env;
    CFakePrompter prompter;
    const QStringList texts = {"Build it", "/usr/bin/make", "<Project Directory>",
                               "-C <File Path>"};

    // Schema 1 has four flags: class path, window, file menu, project menu.
    const QString old = env.WriteFile("old.cmd", CommandsFile(1, {1, 0, 1, 1}, texts, 2));
    CCommandsDoc doc;
    ASSERT_TRUE(doc.Load(old));
    ASSERT_EQ(doc.Commands().size(), 2);
    for (const CCommand *c : doc.Commands()) {
        EXPECT_EQ(Flags(c), QList<int>({1, 0, 0, 1, 1}));
        EXPECT_EQ(c->m_strMenuName, texts[0]);
        EXPECT_EQ(c->m_strArguments, texts[3]);
    }

    // Schema 2 stores the output-tab flag third; saving writes that layout.
    const QByteArray current = CommandsFile(2, {0, 1, 1, 0, 1}, texts);
    const QString path = env.WriteFile("user.cmd", current);
    ASSERT_TRUE(doc.Load(path));
    ASSERT_EQ(doc.Commands().size(), 1);
    const CCommand *c = doc.Commands().first();
    EXPECT_EQ(Flags(c), QList<int>({0, 1, 1, 0, 1}));
    EXPECT_EQ(c->m_strStartupDir, texts[2]);
    doc.AddCommand();
    doc.DeleteCommand(1);
    ASSERT_TRUE(doc.Save());
    EXPECT_EQ(FileBytes(path), current);

    // A schema the program never wrote leaves the command empty.
    const QString future = env.WriteFile("future.cmd", CommandsFile(7, {}, {}));
    ASSERT_TRUE(doc.Load(future));
    ASSERT_EQ(doc.Commands().size(), 1);
    EXPECT_TRUE(doc.Commands().first()->m_strCommand.isEmpty());
    EXPECT_TRUE(prompter.m_messages.isEmpty());
}

TEST(CommandsDoc, DamagedFilesAreRefusedAndKept)
{
    CTestEnv env;
    const QByteArray good = CommandsFile(2, {0, 0, 1, 0, 0}, {"a", "b", "c", "d"});
    struct Case
    {
        const char *what;
        QByteArray bytes;
    } cases[] = {
        {"truncated", good.left(good.size() - 3)},
        {"count beyond the file", QByteArray::fromHex("0200000009000000")},
        {"unknown class", CommandsFile(2, {}, {}).replace("CCommand", "CNothing")},
        {"version only", QByteArray::fromHex("0200")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        CFakePrompter prompter;
        const QString path = env.WriteFile("user.cmd", c.bytes);
        CCommandsDoc doc;
        EXPECT_FALSE(doc.Load(path));
        EXPECT_TRUE(doc.Commands().isEmpty());
        ASSERT_EQ(prompter.m_messages.size(), 1);
        EXPECT_TRUE(prompter.m_messages[0].startsWith("The custom commands file " + path));
        EXPECT_TRUE(doc.SaveModified());
        EXPECT_EQ(FileBytes(path), c.bytes);
        // New commands are saved, the damaged file is kept beside them.
        doc.AddCommand("Fresh");
        ASSERT_TRUE(doc.SaveModified());
        EXPECT_EQ(FileBytes(CCommandsDoc::DamagedCopyName(path)), c.bytes);
        CCommandsDoc again;
        ASSERT_TRUE(again.Load(path));
        EXPECT_NE(again.FindCommand("fRESH"), nullptr);
    }
}

TEST(CommandsDoc, MovingCommands)
{
    CCommandsDoc doc;
    for (const char *n : {"a", "b", "c", "d"})
        doc.AddCommand(QString::fromLatin1(n));
    auto names = [&] {
        QString s;
        for (const CCommand *c : doc.Commands())
            s += c->m_strMenuName;
        return s;
    };
    EXPECT_TRUE(doc.MoveCommand(2, 0));
    EXPECT_EQ(names(), "cabd");
    EXPECT_TRUE(doc.MoveCommand(0, 3));
    EXPECT_EQ(names(), "abdc");
    EXPECT_TRUE(doc.MoveCommand(3, 2));
    EXPECT_EQ(names(), "abcd");
    EXPECT_FALSE(doc.MoveCommand(1, 4));
    EXPECT_EQ(names(), "abcd");
}

TEST(Command, EveryVariableExpands)
{
    CTestEnv env;
    CFakePrompter prompter;
    CTestProject tp(env.Path() + "/my dir",
                    {{"src/Test.java", "package p.q;\ninterface I {}\npublic class Test {}\n"},
                     {"Only.java", "interface Only {}\n"},
                     {"page.html", "<html></html>\n"}});
    CProject &project = tp.Project();
    project.SetMainClass(tp.Path("src/Test.java"));
    const QString d = tp.Dir(); // ends in '/', holds a blank
    qputenv("CLASSPATH", "/a b/x.jar:/c");

    CCommand cmd;
    cmd.m_strFileContext = tp.Path("src/Test.java");
    cmd.m_strProjectContext = project.GetPathName();
    const struct
    {
        const char *variable;
        QString value;
    } table[] = {
        {"File Path", '"' + d + "src/Test.java\""},
        {"file name", "Test"},
        {"File Ext", "java"},
        {"File Name With Ext", "Test.java"},
        {"File Directory", '"' + d + "src/\""},
        {"File As Class Ext", '"' + d + "src/Test.class\""},
        {"Class of File", "p.q.Test"},
        {"Project Path", '"' + d + "proj.mavu\""},
        {"Project Name", "proj"},
        {"Project Directory", '"' + d + '"'},
        {"Open Project Main Class", "p.q.Test"},
        {"Open Project Main Class File Name", "Test"},
        {"Open Project Main HTML File", ""},
        {"Open Project Files With Path",
         " \"" + d + "page.html\" \"" + d + "Only.java\" \"" + d + "src/Test.java\""},
        {"Open Project Files WO Path", " \"page.html\" \"Only.java\" \"Test.java\""},
        {"Open Project File Names", " \"page\" \"Only\" \"Test\""},
        {"Open Project Class Files", " \"" + d + "Only.class\" \"" + d + "src/Test.class\""},
        {"CLASSPATH", "\"/a b/x.jar:/c\""},
        {"No Such Variable", ""},
    };
    for (const auto &row : table)
        EXPECT_EQ(cmd.ExpandVariable(row.variable, &project), row.value) << row.variable;
    project.SetMainHtml(tp.Path("page.html"));
    EXPECT_EQ(cmd.ExpandVariable("Open Project Main HTML File", &project), '"' + d + "page.html\"");
    EXPECT_EQ(cmd.ExpandVariable("Open Project Main Class", &project), "");
    project.SetMainClass(tp.Path("src/Test.java"));

    // With no class, the first interface names the file's class.
    cmd.m_strFileContext = tp.Path("Only.java");
    EXPECT_EQ(cmd.ExpandVariable("Class of File", &project), "Only");
    cmd.m_strFileContext = tp.Path("page.html");
    EXPECT_EQ(cmd.ExpandVariable("Class of File", &project), "");

    // Without contexts (or when the files are gone) only the open project
    // and the class path have values; the rest of the line is still built.
    cmd.SetMenuId(49401);
    EXPECT_TRUE(cmd.m_strFileContext.isEmpty());
    cmd.m_strFileContext = d + "gone.java";
    for (const char *v : {"File Path", "File Name", "File Ext", "File Directory", "Class of File",
                          "Project Path", "Project Directory"})
        EXPECT_EQ(cmd.ExpandVariable(v, &project), "") << v;
    EXPECT_EQ(cmd.ExpandVariable("Open Project Main Class File Name", nullptr), "");
    cmd.m_strCommand = "tool";
    cmd.m_strArguments = "-x <File Name> -y <Open Project Main Class File Name> -z";
    cmd.m_strStartupDir = "<Project Directory>";
    QString line, dir;
    ASSERT_TRUE(cmd.BuildCommandLine(&project, line, dir));
    EXPECT_EQ(line, "tool -x  -y Test -z");
    EXPECT_EQ(dir, "");
    cmd.m_strProjectContext = project.GetPathName();
    ASSERT_TRUE(cmd.BuildCommandLine(&project, line, dir));
    EXPECT_EQ(dir, d); // unquoted: it is a directory, not a word
    EXPECT_TRUE(prompter.m_messages.isEmpty());
    qunsetenv("CLASSPATH");
}

TEST(Command, BadVariableSyntaxStartsNothing)
{
    CFakePrompter prompter;
    CRecordingHost host;
    CToolManager manager(&host);
    CCommand cmd;
    cmd.m_strCommand = "echo";
    cmd.m_bToOutput = 1;
    cmd.m_strArguments = "<File Name> and <File Path";
    EXPECT_FALSE(cmd.Run(manager, nullptr));
    cmd.m_strArguments = "fine";
    cmd.m_strStartupDir = "<Project Directory";
    EXPECT_FALSE(cmd.Run(manager, nullptr));
    EXPECT_EQ(prompter.m_messages, QStringList({"Bad variable in the arguments !!!",
                                                "Bad variable in the startup directory !!!"}));
    EXPECT_TRUE(manager.RunningList().isEmpty());
    EXPECT_TRUE(host.m_calls.isEmpty());
    // An empty command is not run at all.
    cmd.m_strCommand.clear();
    EXPECT_FALSE(cmd.Run(manager, nullptr));
    EXPECT_EQ(prompter.m_messages.size(), 2);
}

TEST(Command, RunsInTheOutputTabAndInItsOwnWindowWithInput)
{
    CTestEnv env;
    CFakePrompter prompter;
    CTestProject tp(env.Path() + "/my dir", {{"A.java", "class A {}\n"}});
    tp.Project().m_strClassPath = "/proj/classes";
    // Prints its arguments one per line, where it runs, its class path,
    // then echoes one input line.
    const QString script = env.WriteFile(
        "show.sh", "for a in \"$@\"; do echo \"[$a]\"; done; pwd; echo \"cp=$CLASSPATH\";"
                   " read line; echo \"got $line\"\n");
    CFrameHost host;
    CToolManager manager(&host, &tp.Workspace());
    CCommand cmd;
    cmd.m_strCommand = "/bin/sh";
    cmd.m_strArguments = script + " <File Name With Ext> <File Directory>   ";
    cmd.m_strStartupDir = "<File Directory>";
    cmd.m_strFileContext = tp.Path("A.java");
    cmd.m_bToOutput = 1;
    cmd.m_bSetClassPath = 1;
    const QString expected =
        "[A.java]\n[" + tp.Dir() + "]\n" + tp.Dir().chopped(1) + "\ncp=/proj/classes\ngot \n";
    ASSERT_TRUE(cmd.Run(manager, &tp.Project()));
    EXPECT_EQ(host.m_calls.mid(0, 2), QStringList({"clear 0", "show 0"}));
    ASSERT_TRUE(WaitFor([&] { return host.m_output.m_text.endsWith(CToolProcess::ExitText()); }));
    // The trailing blanks are gone from the echoed line.
    EXPECT_EQ(host.m_output.m_text, "/bin/sh " + script + " A.java \"" + tp.Dir() + "\"\n" +
                                        expected + CToolProcess::ExitText());

    // In a window of its own the input line reaches it.
    cmd.m_bToOutput = 0;
    cmd.m_bInWindow = 1;
    cmd.m_bSetClassPath = 0;
    qputenv("CLASSPATH", "/mine");
    ASSERT_TRUE(cmd.Run(manager, &tp.Project()));
    qunsetenv("CLASSPATH");
    CToolProcess *p = host.m_frame.m_process;
    ASSERT_NE(p, nullptr);
    QPointer<CToolProcess> alive(p);
    EXPECT_EQ(host.m_frame.m_activations, 1);
    ASSERT_TRUE(WaitFor([&] { return host.m_frame.m_out.m_text.contains("cp=/mine\n"); }));
    p->SendInput("typed text");
    ASSERT_TRUE(WaitFor([&] { return alive.isNull(); }));
    EXPECT_TRUE(host.m_frame.m_out.m_text.endsWith("got typed text\n" + CToolProcess::ExitText()));
    EXPECT_TRUE(prompter.m_messages.isEmpty());
}

TEST(Command, WithoutOutputFlagsItRunsDetachedAndUnlisted)
{
    CTestEnv env;
    CFakePrompter prompter;
    CRecordingHost host;
    CToolManager manager(&host);
    CCommand cmd;
    cmd.m_strCommand = "/bin/sh";
    const QString mark = env.FilePath("ran");
    cmd.m_strArguments = "-c \"echo x > '" + mark + "'\"";
    ASSERT_TRUE(cmd.Run(manager, nullptr));
    EXPECT_TRUE(manager.RunningList().isEmpty());
    EXPECT_TRUE(host.m_calls.isEmpty());
    EXPECT_TRUE(WaitFor([&] { return QFile::exists(mark); }));

    cmd.m_strCommand = "no-such-program-anywhere";
    cmd.m_bToOutput = 1;
    EXPECT_FALSE(cmd.Run(manager, nullptr));
    ASSERT_EQ(prompter.m_messages.size(), 1);
    EXPECT_TRUE(prompter.m_messages[0].contains("no-such-program-anywhere"));
    EXPECT_TRUE(manager.RunningList().isEmpty());
}

TEST(CommandsDoc, EachMenuListsItsCommandsWithinItsIds)
{
    CCommandsDoc doc;
    for (int i = 0; i < 14; ++i) {
        CCommand *c = doc.AddCommand(QStringLiteral("c%1").arg(i));
        c->m_strCommand = i == 1 ? QString() : "prog";
        c->m_bFileMenu = i % 2 == 0;
        c->m_bProjectMenu = 1;
    }
    doc.Commands()[2]->m_strMenuName.clear();
    doc.Commands()[0]->m_strFileContext = "/x";
    const QList<CCommand *> main = doc.BuildMenu(CCommandsDoc::MainMenu);
    ASSERT_EQ(main.size(), 12); // no program, no name: left out
    EXPECT_EQ(main.first()->MenuId(), 49401);
    EXPECT_EQ(main.last()->MenuId(), 49412);
    EXPECT_TRUE(doc.Commands()[0]->m_strFileContext.isEmpty());
    const QList<CCommand *> files = doc.BuildMenu(CCommandsDoc::FileMenu);
    ASSERT_EQ(files.size(), 7);
    EXPECT_EQ(files[1], doc.Commands()[2]);
    EXPECT_EQ(files.last()->MenuId(), 49526);
    // Ten ids for the project item's menu, the rest are not offered.
    const QList<CCommand *> projects = doc.BuildMenu(CCommandsDoc::ProjectMenu);
    ASSERT_EQ(projects.size(), 10);
    EXPECT_EQ(projects.last()->MenuId(), 49519);
    EXPECT_EQ(doc.FindByMenuId(49519), doc.Commands()[9]);
    // Only the ids of the menu built last are valid.
    EXPECT_EQ(doc.FindByMenuId(49401), nullptr);
    EXPECT_EQ(doc.FindByMenuId(49412), nullptr);
    EXPECT_EQ(doc.Commands()[12]->MenuId(), 0);
}
