#include "app/MainFrame.h"

#include "RunningAppTest.h"
#include "app/BuddyWnd.h"
#include "app/ChildFrame.h"
#include "app/FileDialogs.h"
#include "app/JavaIDEApp.h"
#include "app/MessagePrompter.h"
#include "app/NewProjectView.h"
#include "core/ActivityMonitor.h"
#include "core/CommandIds.h"
#include "core/SettingsStore.h"
#include "editor/HueditView.h"
#include "packages/ClassDumpDlg.h"
#include "packages/ClassDumpRun.h"
#include "packages/PackageView.h"
#include "project/Project.h"
#include "project/ProjectDoc.h"
#include "project/ProjectFileItem.h"
#include "project/ProjectRootFolder.h"
#include "project/ProjectView.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QSet>
#include <QSignalSpy>
#include <QSplitter>
#include <QStyleOptionTitleBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QWhatsThis>
#include <gtest/gtest.h>
#include <memory>

namespace {

class CFakeActivity final : public CActivityMonitor
{
public:
    bool IsRunning(Activity a) const override { return m_running.contains(a); }
    void SetExiting() override { m_exiting = true; }
    void Stop(Activity a) override
    {
        m_running.remove(a);
        m_stopped << a;
    }
    void WaitForIndexLoaders() override { ++m_waits; }
    QSet<Activity> m_running;
    QList<Activity> m_stopped;
    bool m_exiting = false;
    int m_waits = 0;
};

class AppTest : public RunningAppTest
{
protected:
    // Makes a project file on disk through the workspace and closes it.
    QString MakeProject(const QString &name)
    {
        const QString path = env.FilePath(name);
        EXPECT_TRUE(app->ProjectDoc()->OpenProject(path, true));
        EXPECT_TRUE(app->ProjectDoc()->CloseCurrentProject());
        return path;
    }
    // Started, its window the active one: the keys go to it.
    void StartActive()
    {
        Start();
        Frame()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
    }
};

} // namespace

TEST_F(AppTest, OpensEachFileTypeWhereItBelongs)
{
    Start();
    const QString projectPath = MakeProject(QStringLiteral("Demo.MAVU"));
    prompter.m_messages.clear();
    CNewProjectView *pane = Frame()->ProjectPane();

    // A project, in upper case too, becomes the open project.
    EXPECT_TRUE(app->OpenDocumentFile(projectPath));
    EXPECT_EQ(app->ProjectDoc()->GetActiveProjectPath(), projectPath);

    // A workspace file closes the project first and is loaded.
    ASSERT_TRUE(app->ProjectDoc()->Save() || !app->ProjectDoc()->IsModified());
    ASSERT_TRUE(QFile::copy(app->ProjectDoc()->GetPathName(), env.FilePath("copy.PROJ")));
    pane->ActivatePane(CNewProjectView::BeanPane);
    EXPECT_TRUE(app->OpenDocumentFile(env.FilePath("copy.PROJ")));
    EXPECT_FALSE(Project().IsOpen());
    EXPECT_EQ(app->ProjectDoc()->GetPathName(), env.FilePath("copy.PROJ"));
    EXPECT_EQ(pane->CurrentPane(), CNewProjectView::ProjectPane);
    EXPECT_EQ(app->RecentFiles().Files().value(0), env.FilePath("copy.PROJ"));

    // A tree that is not there yet says so, after bringing its tab up.
    prompter.m_messages.clear();
    const QString pkg = env.WriteFile(QStringLiteral("X.PKG"), "data");
    EXPECT_FALSE(app->OpenDocumentFile(pkg));
    EXPECT_EQ(prompter.m_messages,
              QStringList({QStringLiteral("%1 was not opened: this version of Mavu has no "
                                          "package database yet !!!")
                               .arg(pkg)}));
    EXPECT_EQ(pane->CurrentPane(), CNewProjectView::PackagePane);

    // Class archives ask first; No changes nothing, Yes puts the file into
    // the package database through the introspection dialog (cancelled
    // here), and never into an editor.
    const QString question = QStringLiteral(
        "Please select YES if you want to add the file to package tree otherwise select NO.");
    ASSERT_NE(Frame()->PackageView(), nullptr);
    QStringList introspected;
    Frame()->PackageView()->m_runDialog = [&](CClassDumpDlg &dlg) {
        introspected << dlg.Run().Paths();
        return false;
    };
    const QString jar = env.WriteFile("lib.JAR", "PK"), cls = env.WriteFile("A.class", "PK");
    pane->ActivatePane(CNewProjectView::ProjectPane);
    prompter.m_messages.clear();
    prompter.QueueAnswer(CPrompter::AnswerNo);
    EXPECT_FALSE(app->OpenDocumentFile(cls));
    EXPECT_EQ(prompter.m_buttons.last(), CPrompter::YesNo);
    EXPECT_EQ(pane->CurrentPane(), CNewProjectView::ProjectPane);
    for (const QString &path : {jar, cls}) {
        pane->ActivatePane(CNewProjectView::ProjectPane);
        prompter.QueueAnswer(CPrompter::AnswerYes);
        EXPECT_FALSE(app->OpenDocumentFile(path));
        EXPECT_EQ(pane->CurrentPane(), CNewProjectView::PackagePane);
    }
    EXPECT_EQ(introspected,
              QStringList({QFileInfo(jar).absoluteFilePath(), QFileInfo(cls).absoluteFilePath()}));
    EXPECT_TRUE(Frame()->EditorWindows().isEmpty());
    EXPECT_EQ(prompter.m_messages, QStringList({question, question, question}));

    // Anything else is an editor window; a missing file is reported.
    prompter.m_messages.clear();
    const QString source = env.WriteFile(QStringLiteral("Hello.java"), "class Hello {}\n");
    EXPECT_TRUE(app->OpenDocumentFile(source));
    ASSERT_NE(Frame()->ActiveEditor(), nullptr);
    EXPECT_EQ(Frame()->ActiveEditor()->GetPathName(), source);
    EXPECT_TRUE(app->OpenDocumentFile(source));
    EXPECT_EQ(Frame()->EditorWindows().size(), 1) << "a second open shows the same window";
    const QString missing = env.FilePath(QStringLiteral("Missing.java"));
    EXPECT_FALSE(app->OpenDocumentFile(missing));
    EXPECT_EQ(prompter.m_messages,
              QStringList({QStringLiteral("File %1 not found !!!").arg(missing)}));
}

TEST_F(AppTest, ProjectCommandsAskForFilesWithTheProjectFilter)
{
    Start();
    const QString filter = QStringLiteral("Mavu Files (*.mavu)|*.mavu|All Files (*.*)|*.*||");
    dialogs.m_answers << QStringList{env.FilePath(QStringLiteral("demo.txt"))};
    Frame()->ExecuteCommand(Cmd::ProjectNew);
    ASSERT_EQ(dialogs.m_asked.size(), 1);
    EXPECT_EQ(dialogs.m_asked.at(0).m_filter, filter);
    const QString demo = env.FilePath(QStringLiteral("demo.mavu"));
    EXPECT_TRUE(QFile::exists(demo));
    EXPECT_FALSE(QFile::exists(env.FilePath(QStringLiteral("demo.txt"))));
    EXPECT_EQ(app->ProjectDoc()->GetActiveProjectPath(), demo);
    EXPECT_TRUE(Enabled(Cmd::ProjectClose));

    // File Open of a name that does not exist makes the file and offers it
    // to the open project.
    dialogs.m_answers << QStringList{env.FilePath(QStringLiteral("Fresh"))};
    prompter.QueueAnswer(CPrompter::AnswerYes);
    Frame()->ExecuteCommand(Cmd::FileOpen);
    const QString fresh = env.FilePath(QStringLiteral("Fresh.java"));
    EXPECT_TRUE(QFile::exists(fresh)) << "the default extension is java";
    EXPECT_EQ(prompter.m_messages.last(),
              QStringLiteral("Select Yes to add the file to project otherwise select NO."));
    EXPECT_TRUE(Project().HasFile(fresh));
    ASSERT_NE(Frame()->ActiveEditor(), nullptr);
    EXPECT_EQ(Frame()->ActiveEditor()->GetPathName(), fresh);

    // An existing file is not offered; a file that cannot be made is said.
    const int asked = int(prompter.m_messages.size());
    dialogs.m_answers << QStringList{fresh};
    Frame()->ExecuteCommand(Cmd::FileOpen);
    EXPECT_EQ(prompter.m_messages.size(), asked);
    dialogs.m_answers << QStringList{env.FilePath(QStringLiteral("no/such/dir/X.java"))};
    Frame()->ExecuteCommand(Cmd::FileOpen);
    EXPECT_EQ(prompter.m_messages.last(), QStringLiteral("Error creating a new file !!!"));

    // Open Project: cancelling the current project's save prompt keeps it.
    const QString second = MakeProject(QStringLiteral("second.mavu"));
    ASSERT_TRUE(app->ProjectDoc()->OpenProject(demo, false));
    Project().SetModifiedFlag();
    dialogs.m_answers << QStringList{second};
    prompter.QueueAnswer(CPrompter::AnswerCancel);
    Frame()->ExecuteCommand(Cmd::ProjectOpen);
    EXPECT_EQ(prompter.m_messages.last(), QStringLiteral("Save changes to demo.mavu?"));
    EXPECT_EQ(app->ProjectDoc()->GetActiveProjectPath(), demo);
    dialogs.m_answers << QStringList{second};
    prompter.QueueAnswer(CPrompter::AnswerNo);
    Frame()->ExecuteCommand(Cmd::ProjectOpen);
    EXPECT_EQ(app->ProjectDoc()->GetActiveProjectPath(), second);

    Frame()->ExecuteCommand(Cmd::ProjectClose);
    EXPECT_FALSE(Project().IsOpen());
    EXPECT_FALSE(Enabled(Cmd::ProjectClose));
    EXPECT_FALSE(Enabled(Cmd::ProjectSave));
}

TEST_F(AppTest, CommandsAreEnabledAsTheirStateAllowsAndTheLayoutComesBackAsItWasLeft)
{
    Start();
    // A command nobody handles yet is shown, disabled.
    EXPECT_FALSE(Enabled(Cmd::DebugStartCont));
    EXPECT_TRUE(Enabled(Cmd::FileOpen));
    EXPECT_FALSE(Enabled(Cmd::CloseAll)) << "no editor window open";

    Frame()->SwapPanes();
    Frame()->ShowOutput(true);
    Frame()->SetOutputDocked(false);
    Frame()->SetDebugRatio(0.42);
    Frame()->ExecuteCommand(Cmd::ToggleDebugBar);
    EXPECT_TRUE(Frame()->DebugBar()->isHidden());
    EXPECT_FALSE(Action(Cmd::ToggleDebugBar)->isChecked());
    Frame()->ExecuteCommand(Cmd::ViewStatusBar);
    Frame()->addToolBar(Qt::BottomToolBarArea, Frame()->BrowserBar());
    ASSERT_TRUE(Close());
    CFrameLayout left;
    left.Load(CSettingsStore(Ini()));
    EXPECT_EQ(left.m_projectPane, 1);
    EXPECT_EQ(left.m_editorPane, 0);
    EXPECT_TRUE(left.m_output);
    EXPECT_FALSE(left.m_dockOutput);
    EXPECT_DOUBLE_EQ(left.m_debugRatio, 0.42);
    EXPECT_FALSE(left.m_debugBar.m_display);
    EXPECT_FALSE(left.m_statusBar);
    EXPECT_EQ(left.m_browserBar.m_dock, CBarLayout::DockBottom);
    EXPECT_EQ(left.m_toolBar.m_dock, CBarLayout::DockTop);

    Restart();
    EXPECT_EQ(Frame()->Layout(), left);
    auto *columns = Frame()->findChild<QSplitter *>(QStringLiteral("PaneSplitter"));
    ASSERT_NE(columns, nullptr);
    EXPECT_EQ(columns->widget(0), Frame()->EditorPane());
    EXPECT_EQ(columns->widget(1), Frame()->ProjectPane());
    EXPECT_TRUE(Frame()->DebugBar()->isHidden());
    EXPECT_FALSE(Frame()->MainBar()->isHidden());
    EXPECT_EQ(Frame()->toolBarArea(Frame()->BrowserBar()), Qt::BottomToolBarArea);
    // The floating output window is a window of the editor area.
    QMdiSubWindow *output = Frame()->findChild<QMdiSubWindow *>(QStringLiteral("OutputFrame"));
    ASSERT_NE(output, nullptr);
    EXPECT_EQ(output->widget(), Frame()->OutputArea());
    EXPECT_TRUE(output->isVisible());

    // Closing the floating output hides it; docking puts it below.
    output->close();
    EXPECT_FALSE(Frame()->IsOutputShown());
    EXPECT_FALSE(Action(Cmd::ToggleOutput)->isChecked());
    Frame()->ExecuteCommand(Cmd::FloatDockOutput);
    Frame()->ExecuteCommand(Cmd::ToggleOutput);
    EXPECT_EQ(Frame()->OutputArea()->parentWidget(),
              Frame()->findChild<QSplitter *>(QStringLiteral("OutputSplitter")));
    EXPECT_TRUE(Frame()->OutputArea()->isVisible());

    // A floating project pane: the side command is off until it docks.
    Frame()->ExecuteCommand(Cmd::FloatDockProject);
    EXPECT_FALSE(Frame()->IsProjectDocked());
    EXPECT_EQ(Frame()->ProjectPane()->parentWidget()->objectName(), QStringLiteral("ProjectFrame"));
    EXPECT_FALSE(Enabled(Cmd::PaneSide));
    ASSERT_TRUE(Close());
    EXPECT_EQ(CSettingsStore(Ini()).GetProfileInt("Windows", "Project", -1), 0);
    Restart();
    EXPECT_FALSE(Frame()->IsProjectDocked());
    Frame()->ExecuteCommand(Cmd::FloatDockProject);
    EXPECT_EQ(columns = Frame()->findChild<QSplitter *>(QStringLiteral("PaneSplitter")), columns);
    EXPECT_EQ(columns->widget(1), Frame()->ProjectPane()) << "back on the side it was";
    EXPECT_TRUE(Enabled(Cmd::PaneSide));
}

TEST_F(AppTest, AMinimisedWindowLeavesTheStoredLayoutAlone)
{
    {
        CSettingsStore store(Ini());
        store.WriteProfileInt("Windows", "MainSizeX", 777);
        store.WriteProfileInt("Windows", "Split2X1", 123);
        store.WriteProfileInt("ToolBar", "Display", 0);
    }
    Start();
    Frame()->MainBar()->show();
    Frame()->SwapPanes();
    Frame()->showMinimized();
    ASSERT_TRUE(Close());
    CSettingsStore store(Ini());
    EXPECT_EQ(store.GetProfileInt("Windows", "MainSizeX", -1), 777);
    EXPECT_EQ(store.GetProfileInt("Windows", "Split2X1", -1), 123);
    EXPECT_EQ(store.GetProfileInt("ToolBar", "Display", -1), 0);
    EXPECT_TRUE(store.GetProfileString("Windows", "ProjectPane").isNull());
    EXPECT_FALSE(store.GetProfileString("Editor", "Tabsize").isNull())
        << "the other settings are still written";
}

TEST_F(AppTest, ExitAsksAboutTheProjectAndRunningToolsAndCancelKeepsTheWindow)
{
    Start();
    const QString project = MakeProject(QStringLiteral("exit.mavu"));
    ASSERT_TRUE(app->ProjectDoc()->OpenProject(project, false));
    Project().SetModifiedFlag();
    prompter.m_messages.clear();

    prompter.QueueAnswer(CPrompter::AnswerCancel);
    EXPECT_FALSE(Close());
    EXPECT_TRUE(Frame()->isVisible());
    EXPECT_EQ(prompter.m_messages, QStringList({QStringLiteral("Save changes to exit.mavu?")}));
    EXPECT_TRUE(Project().IsOpen());

    // Running tools: No keeps everything going.
    CFakeActivity activity;
    activity.m_running = {CActivityMonitor::Compile, CActivityMonitor::Debugger};
    app->SetActivityMonitor(&activity);
    EXPECT_FALSE(Enabled(Cmd::ProjectNew)) << "no new project while a compile runs";
    prompter.m_messages.clear();
    prompter.QueueAnswer(CPrompter::AnswerNo); // do not save the project
    prompter.QueueAnswer(CPrompter::AnswerNo); // keep the compile
    EXPECT_FALSE(Close());
    EXPECT_EQ(prompter.m_messages,
              QStringList({QStringLiteral("Save changes to exit.mavu?"),
                           QStringLiteral("Compile is in progress. Select Yes to exit.")}));
    EXPECT_TRUE(activity.m_running.contains(CActivityMonitor::Compile));
    EXPECT_FALSE(activity.m_exiting);
    EXPECT_TRUE(Frame()->isVisible());
    EXPECT_EQ(CSettingsStore(Ini()).GetProfileString("Mavu", "Project"), QString())
        << "nothing is written while the program keeps running";

    // Yes to each: the tools are stopped, the layout and settings written.
    prompter.m_messages.clear();
    prompter.QueueAnswer(CPrompter::AnswerYes);
    prompter.QueueAnswer(CPrompter::AnswerYes);
    EXPECT_TRUE(Close());
    EXPECT_EQ(prompter.m_messages,
              QStringList({QStringLiteral("Compile is in progress. Select Yes to exit."),
                           QStringLiteral("Mavu Debugger is running. Select Yes to Stop the "
                                          "debugger and exit.")}));
    EXPECT_EQ(activity.m_stopped, QList<CActivityMonitor::Activity>(
                                      {CActivityMonitor::Compile, CActivityMonitor::Debugger}));
    EXPECT_TRUE(activity.m_exiting);
    EXPECT_EQ(activity.m_waits, 1);
    app->SetActivityMonitor(nullptr);
    CSettingsStore written(Ini());
    EXPECT_EQ(written.GetProfileString("Mavu", "Project"), project);
    EXPECT_FALSE(written.GetProfileString("Windows", "MainSizeX").isNull());

    // The next start opens that project again, from the workspace in the
    // data directory, listed once; a project named on the command line
    // wins, in any letter case.
    Restart();
    EXPECT_EQ(app->ProjectDoc()->GetPathName(), env.FilePath("data/Mavu/mavu.proj"));
    EXPECT_EQ(app->ProjectDoc()->GetActiveProjectPath(), project);
    EXPECT_EQ(app->ProjectDoc()->GetRoot()->GetChildCount(), 1);
    const QString named = MakeProject(QStringLiteral("Named.MAVU"));
    Restart({named});
    EXPECT_EQ(app->ProjectDoc()->GetActiveProjectPath(), named);
}

TEST_F(AppTest, EditorWindowEditsSavesAndAsksBeforeLosingChanges)
{
    Start();
    const QString path = env.WriteFile(QStringLiteral("src/Hello.java"), "class Hello {\n}\n");
    CChildFrame *editor = Frame()->OpenEditor(path);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("/.../src/Hello.java[*]"));
    EXPECT_FALSE(editor->isWindowModified());
    EXPECT_FALSE(Enabled(Cmd::EditUndo));

    editor->View()->setCursorPosition(1, 0);
    editor->View()->insert(QStringLiteral("    int x;\n"));
    EXPECT_TRUE(editor->isWindowModified());
    EXPECT_TRUE(Enabled(Cmd::EditUndo));

    // Ctrl+S is the Save command, which the active editor handles.
    EXPECT_TRUE(Action(Cmd::FileSave)->shortcuts().contains(QKeySequence(QKeySequence::Save)));
    Frame()->ExecuteCommand(Cmd::FileSave);
    EXPECT_EQ(FileBytes(path), QByteArray("class Hello {\n    int x;\n}\n"));
    EXPECT_FALSE(editor->isWindowModified());

    // Closing with changes asks; Cancel keeps the window and the text.
    editor->View()->insert(QStringLiteral("// more\n"));
    prompter.QueueAnswer(CPrompter::AnswerCancel);
    EXPECT_FALSE(editor->close());
    EXPECT_EQ(prompter.m_messages.last(), QStringLiteral("Save changes to Hello.java?"));
    EXPECT_EQ(Frame()->EditorWindows().size(), 1);
    prompter.QueueAnswer(CPrompter::AnswerNo);
    Frame()->ExecuteCommand(Cmd::CloseAll);
    QApplication::processEvents();
    EXPECT_TRUE(Frame()->EditorWindows().isEmpty());
    EXPECT_EQ(FileBytes(path), QByteArray("class Hello {\n    int x;\n}\n")) << "No drops the edit";

    // Binary files are refused with a message and no window.
    prompter.m_messages.clear();
    EXPECT_EQ(Frame()->OpenEditor(env.WriteFile("Hello.class", QByteArray("\xca\xfe\0\0", 4))),
              nullptr);
    EXPECT_EQ(prompter.m_messages.size(), 1);
    EXPECT_TRUE(Frame()->EditorWindows().isEmpty());

    // A new window has no name: saving asks for one.
    CChildFrame *fresh = Frame()->NewEditor();
    fresh->View()->insert(QStringLiteral("<html></html>\n"));
    dialogs.m_answers << QStringList{env.FilePath(QStringLiteral("page.html"))};
    Frame()->ExecuteCommand(Cmd::FileSave);
    EXPECT_EQ(dialogs.m_asked.last().m_filter,
              QStringLiteral("Java Files (*.java)|*.java|HTML Files (*.html)|*.html|All Files "
                             "(*.*)|*.*||"));
    EXPECT_EQ(FileBytes(env.FilePath(QStringLiteral("page.html"))), QByteArray("<html></html>\n"));
    EXPECT_EQ(fresh->windowTitle(), QStringLiteral("page.html[*]"));
    EXPECT_EQ(fresh->View()->GetLanguage(), &CLanguage::m_HTMLLanguage);

    // The end of the desktop session asks the same question.
    fresh->View()->insert(QStringLiteral("x"));
    prompter.QueueAnswer(CPrompter::AnswerCancel);
    EXPECT_FALSE(Frame()->OnQueryEndSession());
    prompter.QueueAnswer(CPrompter::AnswerNo);
    EXPECT_TRUE(Frame()->OnQueryEndSession());
    EXPECT_TRUE(Frame()->isVisible()) << "agreeing to end the session does not close yet";
}

TEST_F(AppTest, RecentFilesAreKeptAcrossStartsAndForgetMissingFiles)
{
    Start();
    const QString a = env.WriteFile(QStringLiteral("A.java"), "class A {}\n");
    const QString b = env.WriteFile(QStringLiteral("B.java"), "class B {}\n");
    EXPECT_TRUE(app->OpenDocumentFile(a));
    EXPECT_TRUE(app->OpenDocumentFile(b));
    Restart();
    QMenu *file = Frame()->menuBar()->actions().at(0)->menu();
    ASSERT_NE(file, nullptr);
    QStringList texts;
    for (QAction *item : file->actions())
        texts << item->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("&1 ") + b));
    EXPECT_TRUE(texts.contains(QStringLiteral("&2 ") + a));

    QFile::remove(b);
    prompter.m_messages.clear();
    Frame()->ExecuteCommand(Cmd::FileMruFirst);
    EXPECT_EQ(prompter.m_messages, QStringList({QStringLiteral("File %1 not found !!!").arg(b)}));
    EXPECT_EQ(app->RecentFiles().Files(), QStringList({a}));
    Frame()->ExecuteCommand(Cmd::FileMruFirst);
    ASSERT_NE(Frame()->ActiveEditor(), nullptr);
    EXPECT_EQ(Frame()->ActiveEditor()->GetPathName(), a);
}

TEST_F(AppTest, HelpCommandsOpenTheirFilesOrSayWhereTheyWereLookedFor)
{
    Start();
    prompter.m_messages.clear(); // classes.zip is missing
    Frame()->ExecuteCommand(Cmd::WhatsNew);
    EXPECT_EQ(prompter.m_messages,
              QStringList{QStringLiteral("Whatsnew.htm file not found in Mavu directory !!!")});
    EXPECT_TRUE(opened.isEmpty());
    const QString news = env.WriteFile(QStringLiteral("whatsnew.htm"), "text");
    prompter.m_messages.clear();
    Frame()->ExecuteCommand(Cmd::WhatsNew);
    EXPECT_TRUE(prompter.m_messages.isEmpty());
    EXPECT_EQ(opened, QStringList({news}));
    // The keyboard shortcuts are shown in a window of Mavu's own, read
    // only: there may be no program registered to open a text file.
    prompter.m_messages.clear();
    opened.clear();
    Frame()->ExecuteCommand(Cmd::KeyboardShortcuts);
    EXPECT_EQ(prompter.m_messages,
              QStringList{QStringLiteral("Keyboard.txt file not found in Mavu directory !!!")});
    EXPECT_TRUE(Frame()->EditorWindows().isEmpty());
    const QString keys = env.WriteFile(QStringLiteral("keyboard.txt"), "F7\tCompile\n");
    prompter.m_messages.clear();
    const int recent = int(app->RecentFiles().Files().size());
    Frame()->ExecuteCommand(Cmd::KeyboardShortcuts);
    EXPECT_TRUE(prompter.m_messages.isEmpty());
    EXPECT_TRUE(opened.isEmpty()) << "handed to the desktop";
    CChildFrame *shown = Frame()->ActiveEditor();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->GetPathName(), keys);
    EXPECT_EQ(shown->View()->text(), QStringLiteral("F7\tCompile\n"));
    EXPECT_TRUE(shown->View()->isReadOnly());
    EXPECT_EQ(app->RecentFiles().Files().size(), recent);
    // Asked again, the same window comes to the front.
    Frame()->ExecuteCommand(Cmd::KeyboardShortcuts);
    EXPECT_EQ(Frame()->EditorWindows().size(), 1);

    // Context help says it is not there yet, instead of waiting for a click
    // that leads nowhere.
    prompter.m_messages.clear();
    Frame()->ExecuteCommand(Cmd::ContextHelp);
    EXPECT_EQ(prompter.m_messages,
              QStringList{QStringLiteral("Context help is not available in this version of "
                                         "Mavu yet !!!")});
    EXPECT_FALSE(QWhatsThis::inWhatsThisMode());
}

TEST_F(AppTest, TheProjectPaneShowsTheWorkspaceAndTakesAddFile)
{
    Start();
    CProjectView *view = Frame()->ProjectView();
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(Enabled(Cmd::AddFile)) << "no project open";

    const QString project = MakeProject(QStringLiteral("pane.mavu"));
    ASSERT_TRUE(app->ProjectDoc()->OpenProject(project, false));
    const QString a = env.WriteFile(QStringLiteral("A.java"), "class A {}\n");
    const QString b = env.WriteFile(QStringLiteral("B.java"), "class B {}\n");
    Frame()->ProjectPane()->ActivatePane(CNewProjectView::HelpPane);
    ASSERT_TRUE(Enabled(Cmd::AddFile));
    dialogs.m_answers << QStringList{a, b};
    Frame()->ExecuteCommand(Cmd::AddFile);
    EXPECT_EQ(Frame()->ProjectPane()->CurrentPane(), CNewProjectView::ProjectPane);
    ASSERT_FALSE(dialogs.m_asked.isEmpty());
    EXPECT_EQ(dialogs.m_asked.last().m_mode, CFileDialogRequest::OpenMultiple);
    EXPECT_TRUE(Project().HasFile(a));
    EXPECT_TRUE(Project().HasFile(b));

    // Activating a file in the tree opens it in an editor window.
    emit view->openFileRequested(b);
    CChildFrame *editor = Frame()->ActiveEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->GetPathName(), b);

    // Renaming the file in the tree renames it on disk; its window follows
    // and saves under the new name.
    CTreeItem *item = Project().FindFileItem(b);
    ASSERT_NE(item, nullptr);
    prompter.m_messages.clear();
    ASSERT_TRUE(item->SetName(QStringLiteral("Renamed.java")));
    const QString renamed = env.FilePath(QStringLiteral("Renamed.java"));
    EXPECT_EQ(Frame()->FindEditor(renamed), editor);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Renamed.java[*]"));
    editor->View()->insert(QStringLiteral("// more\n"));
    Frame()->ExecuteCommand(Cmd::FileSave);
    EXPECT_EQ(FileBytes(renamed), QByteArray("// more\nclass B {}\n"));
    EXPECT_FALSE(QFile::exists(b));
    EXPECT_TRUE(prompter.m_messages.isEmpty()) << prompter.m_messages.join('\n').toStdString();
}

TEST_F(AppTest, DroppedFilesOpenAndSaveAllSavesEveryChangedWindow)
{
    Start();
    const QString a = env.WriteFile(QStringLiteral("A.java"), "class A {}\n");
    const QString b = env.WriteFile(QStringLiteral("b.html"), "<p>\n");
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(b)});
    // A drop reaches the window that accepted the drag's entry.
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Frame(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Frame(), &drop);
    ASSERT_EQ(Frame()->EditorWindows().size(), 2);
    EXPECT_EQ(app->RecentFiles().Files(), QStringList({b, a}));

    for (CChildFrame *editor : Frame()->EditorWindows())
        editor->View()->append(QStringLiteral("// saved\n"));
    Frame()->ExecuteCommand(Cmd::SaveAll);
    EXPECT_EQ(FileBytes(a), QByteArray("class A {}\n// saved\n"));
    EXPECT_EQ(FileBytes(b), QByteArray("<p>\n// saved\n"));
    for (CChildFrame *editor : Frame()->EditorWindows())
        EXPECT_FALSE(editor->IsModified());
}

TEST_F(AppTest, CtrlWAndCtrlF4CloseTheActiveEditorWindow)
{
    ASSERT_NO_FATAL_FAILURE(StartActive());
    // Also while the output window floats in the area: its window menu has
    // a Close of its own.
    Frame()->ShowOutput(true);
    Frame()->SetOutputDocked(false);
    for (Qt::Key key : {Qt::Key_W, Qt::Key_F4}) {
        SCOPED_TRACE(key);
        QPointer<CChildFrame> editor(Frame()->NewEditor());
        Frame()->NewEditor();
        Frame()->MdiArea()->setActiveSubWindow(editor);
        QApplication::processEvents();
        QTest::keyClick(editor->View(), key, Qt::ControlModifier);
        QApplication::processEvents();
        EXPECT_TRUE(editor.isNull()) << "the key left the window open";
        EXPECT_EQ(Frame()->EditorWindows().size(), 1);
        Frame()->CloseAllEditors();
    }
}

namespace {
// The centre of a sub-window's close button, as its title bar draws it.
QPoint CloseButtonCentre(QMdiSubWindow *window)
{
    QStyle *style = window->style();
    QStyleOptionTitleBar opt;
    opt.initFrom(window);
    const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, window);
    const int height = style->pixelMetric(QStyle::PM_TitleBarHeight, &opt, window);
    opt.rect = QRect(border, border, window->width() - 2 * border, height);
    opt.subControls = QStyle::SC_All;
    opt.titleBarFlags = window->windowFlags();
    opt.titleBarState = int(window->windowState());
    return style->subControlRect(QStyle::CC_TitleBar, &opt, QStyle::SC_TitleBarCloseButton, window)
        .center();
}
} // namespace

TEST_F(AppTest, CancellingTheSaveQuestionKeepsTheCloseButtonWorking)
{
    ASSERT_NO_FATAL_FAILURE(StartActive());
    QPointer<CChildFrame> editor(Frame()->NewEditor());
    editor->View()->insert(QStringLiteral("keep me"));
    QApplication::processEvents();
    const QPoint button = CloseButtonCentre(editor);

    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        prompter.m_messages.clear();
        prompter.QueueAnswer(CPrompter::AnswerCancel);
        QTest::mouseMove(editor, button);
        QTest::mouseClick(editor, Qt::LeftButton, Qt::NoModifier, button);
        QApplication::processEvents();
        ASSERT_FALSE(editor.isNull());
        EXPECT_EQ(prompter.m_messages, QStringList{QStringLiteral("Save changes to Untitled?")});
        // The question's box took the mouse away from the window: the
        // next click, without a move, must still reach the button.
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(editor, &leave);
        prompter.m_messages.clear();
        prompter.QueueAnswer(CPrompter::AnswerCancel);
        QTest::mouseClick(editor, Qt::LeftButton, Qt::NoModifier, button);
        QApplication::processEvents();
        EXPECT_EQ(prompter.m_messages, QStringList{QStringLiteral("Save changes to Untitled?")})
            << "the click after Cancel was lost";
    }
    prompter.QueueAnswer(CPrompter::AnswerNo);
    QTest::mouseClick(editor, Qt::LeftButton, Qt::NoModifier, button);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(editor.isNull());
}

TEST_F(AppTest, SaveAsAddsTheChosenFiltersExtensionAndStartsInTheProject)
{
    Start();
    const QString project = env.FilePath(QStringLiteral("work/demo.mavu"));
    QDir().mkpath(env.FilePath(QStringLiteral("work")));
    ASSERT_TRUE(app->ProjectDoc()->OpenProject(project, true));
    QDir::setCurrent(env.Path()); // wherever Mavu was started

    struct Row
    {
        const char *typed;
        int filter;
        const char *saved;
    } rows[] = {
        {"Hello", 0, "Hello.java"},    // Java Files
        {"Makefile", 2, "Makefile"},   // All Files: as typed
        {"notes.txt", 0, "notes.txt"}, // a name with an extension keeps it
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.typed);
        CChildFrame *editor = Frame()->NewEditor();
        editor->View()->insert(QStringLiteral("text\n"));
        dialogs.m_answers << QStringList{env.FilePath(QStringLiteral("work/")) +
                                         QString::fromLatin1(row.typed)};
        dialogs.m_filters << row.filter;
        prompter.QueueAnswer(CPrompter::AnswerNo); // not added to the project
        Frame()->ExecuteCommand(Cmd::FileSaveAs);
        EXPECT_EQ(QDir::cleanPath(dialogs.m_asked.last().m_directory),
                  env.FilePath(QStringLiteral("work")))
            << "a new file is saved beside the open project";
        const QString saved =
            env.FilePath(QStringLiteral("work/")) + QString::fromLatin1(row.saved);
        EXPECT_EQ(FileBytes(saved), QByteArray("text\n"));
        EXPECT_EQ(editor->GetPathName(), saved);
        EXPECT_EQ(app->RecentFiles().Files().value(0), saved);
        if (QString::fromLatin1(row.typed) != QString::fromLatin1(row.saved)) {
            EXPECT_FALSE(QFile::exists(env.FilePath(QStringLiteral("work/")) +
                                       QString::fromLatin1(row.typed)));
        }
    }
}

TEST_F(AppTest, TheMainWindowGoesWithTheFocusInsideItAndNoSlotRunsOnItsRemains)
{
    // Destroying the window takes the focus from the widget that has it;
    // under the sanitizers a slot of the half-destroyed window would abort
    // the test here.
    ASSERT_NO_FATAL_FAILURE(StartActive());
    CChildFrame *editor = Frame()->NewEditor();
    editor->View()->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), editor->View());
    QSignalSpy focus(qApp, &QApplication::focusChanged);
    app.reset();
    EXPECT_GE(focus.count(), 1) << "the focus left with the window";
}

TEST_F(AppTest, TheKeysGoBackToTheTextWhenAMessageBoxCloses)
{
    ASSERT_NO_FATAL_FAILURE(StartActive());
    CChildFrame *editor = Frame()->NewEditor();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), editor->View());

    // The program's own message box, closed with Return. Without a window
    // manager nobody hands the keyboard back when it goes: the box's end
    // leaves no window active, as on a bare X server.
    CMessagePrompter boxes(Frame());
    QTimer::singleShot(0, [] {
        QWidget *box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        QTest::keyClick(box, Qt::Key_Return);
        QApplication::setActiveWindow(nullptr);
    });
    boxes.MessageBox(QStringLiteral("Context help is not available"), CPrompter::Ok,
                     CPrompter::Information, CPrompter::AnswerOk);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), Frame());
    EXPECT_EQ(QApplication::focusWidget(), editor->View());
    QTest::keyClicks(editor->View(), "typed");
    EXPECT_EQ(editor->View()->text(), QStringLiteral("typed"));

    // The same for a dialog Qt makes itself, as the trees ask for names.
    QTimer::singleShot(0, [] {
        QWidget *box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        QTest::keyClick(box, Qt::Key_Return);
        QApplication::setActiveWindow(nullptr);
    });
    (void)QInputDialog::getText(Frame(), QStringLiteral("Package classpath"), QString());
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), Frame());
    EXPECT_EQ(QApplication::focusWidget(), editor->View());
}
