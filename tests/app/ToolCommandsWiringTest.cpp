// The user's commands in the running program: loaded from the data
// directory at start, offered in the Tools menu and the project tree's
// menus, run into the Output tab and into a window of their own that takes
// input.
#include "RunningAppTest.h"
#include "app/ChildFrame.h"
#include "app/JavaIDEApp.h"
#include "app/JdkToolCommands.h"
#include "app/MainFrame.h"
#include "app/OutputPane.h"
#include "core/CommandIds.h"
#include "project/Project.h"
#include "project/ProjectDoc.h"
#include "project/ProjectFileItem.h"
#include "project/ProjectFolder.h"
#include "project/ProjectView.h"
#include "tools/Command.h"
#include "tools/CommandsDoc.h"
#include "tools/CustomCommandView.h"
#include "tools/MDIOutputFrame.h"
#include "tools/OutputWnd.h"
#include "tools/SearchFilesDlg.h"
#include "tools/SearchView.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>
#include <memory>

namespace {

QAction *FindAction(QMenu *menu, const QString &text)
{
    for (QAction *a : menu->actions()) {
        if (a->text() == text)
            return a;
    }
    return nullptr;
}

QStringList Texts(QMenu *menu)
{
    QStringList out;
    for (QAction *a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

// An installed program, its output window shown.
class ToolsWiring : public RunningAppTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(env.WriteQuietSettings(true));
        env.WriteFile("data/Mavu/classes.zip", "");
    }
};

} // namespace

TEST_F(ToolsWiring, UserCommandsAreOfferedInTheMenusAndRunWithTheirContexts)
{
    const QString script = env.WriteFile(
        "show.sh", "for a in \"$@\"; do echo \"[$a]\"; done; read line; echo \"got $line\"\n");
    {
        QDir().mkpath(env.FilePath("data/Mavu"));
        CCommandsDoc doc;
        CCommand *out = doc.AddCommand("Show in output");
        out->m_strCommand = "/bin/sh";
        out->m_strArguments = script + " <File Name With Ext> <Project Name>";
        out->m_bToOutput = 1;
        out->m_bFileMenu = 1;
        CCommand *win = doc.AddCommand("Show in window");
        *win = CCommand();
        win->m_strMenuName = "Show in window";
        win->m_strCommand = "/bin/sh";
        win->m_strArguments = script + " <Project Name>";
        win->m_bInWindow = 1;
        win->m_bProjectMenu = 1;
        doc.AddCommand("No program"); // not in the Tools menu
        ASSERT_TRUE(doc.SaveAs(env.FilePath("data/Mavu/user.cmd")));
    }

    Start();
    ASSERT_EQ(app->UserCommands().Commands().size(), 3);
    CProject &project = NewProject("proj/demo.mavu");
    CProjectFileItem *item = project.AddFileItem(env.WriteFile("proj/A.java", "class A {}\n"));
    ASSERT_NE(item, nullptr);
    CMainFrame *frame = app->MainFrame();
    frame->ProjectView()->UpdateAllViews();

    // The Tools menu: Custom Command first, the named commands at the end.
    QMenu *tools = nullptr;
    for (QAction *a : frame->menuBar()->actions()) {
        if (a->menu() && a->menu()->actions().contains(frame->Action(Cmd::CustomCommand)))
            tools = a->menu();
    }
    ASSERT_NE(tools, nullptr);
    emit tools->aboutToShow();
    emit tools->aboutToShow(); // built again, not twice
    QStringList texts = Texts(tools);
    EXPECT_EQ(texts.mid(texts.size() - 3), QStringList({"-", "Show in output", "Show in window"}));
    FindAction(tools, "Show in output")->trigger();
    COutputWnd *output = frame->Output()->OutputView();
    auto outputText = [&] {
        output->Flush();
        return output->toPlainText();
    };
    ASSERT_TRUE(WaitFor([&] { return outputText().contains("Process Exit..."); }));
    // No editor is open: the file's variable is empty, the project is known.
    EXPECT_TRUE(outputText().contains("\n[demo]\ngot \n")) << outputText().toStdString();

    // The file item's menu runs it for that file.
    std::unique_ptr<QMenu> fileMenu(frame->ProjectView()->CreateContextMenu(item));
    ASSERT_NE(fileMenu, nullptr);
    texts = Texts(fileMenu.get());
    EXPECT_EQ(texts.mid(texts.size() - 2), QStringList({"-", "Show in output"}));
    FindAction(fileMenu.get(), "Show in output")->trigger();
    ASSERT_TRUE(WaitFor([&] { return outputText().contains("[A.java]\n[demo]\n"); }));

    // The project item's menu runs the other one in a window of its own.
    std::unique_ptr<QMenu> projectMenu(
        frame->ProjectView()->CreateContextMenu(project.GetRootFolder()));
    ASSERT_NE(projectMenu, nullptr);
    EXPECT_EQ(FindAction(projectMenu.get(), "Show in output"), nullptr);
    FindAction(projectMenu.get(), "Show in window")->trigger();
    CMDIOutputFrame *own = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        for (QMdiSubWindow *w : frame->MdiArea()->subWindowList())
            if (auto *f = qobject_cast<CMDIOutputFrame *>(w))
                own = f;
        return own && own->View()->toPlainText().contains("[demo]");
    }));
    own->View()->setFocus();
    QTest::keyClicks(own->View(), "typed");
    QTest::keyClick(own->View(), Qt::Key_Return);
    ASSERT_TRUE(WaitFor([&] {
        own->View()->Flush();
        return own->View()->toPlainText().contains("got typed");
    }));
    EXPECT_TRUE(prompter.m_messages.isEmpty()) << prompter.m_messages.join("|").toStdString();
}

TEST_F(ToolsWiring, FindInFilesResultsStreamIntoTheirWindowAndLeadToTheFile)
{
    Start();
    const QString a = env.WriteFile(
        "proj/A.java", "class A {\n    int total;\n    int sum() { return total + total; }\n}\n");
    const QString b = env.WriteFile("proj/B.java", "class B {\n}\n");
    CProject &project = NewProject("proj/demo.mavu");
    project.AddFileItem(a);
    project.AddFileItem(b);
    CMainFrame *frame = app->MainFrame();

    frame->ExecuteCommand(Cmd::FindInFiles);
    CSearchFilesDlg *dlg = app->JdkTools().SearchFilesDialog();
    ASSERT_NE(dlg, nullptr);
    EXPECT_FALSE(dlg->SearchButton()->isEnabled());
    dlg->OnAddProject();
    dlg->OnAddProject(); // files already listed are not listed twice
    EXPECT_EQ(dlg->FileList()->count(), 2);
    dlg->FindEdit()->setText("total");
    ASSERT_TRUE(dlg->SearchButton()->isEnabled());
    dlg->SearchButton()->click();
    EXPECT_TRUE(dlg->StopButton()->isEnabled());
    CSearchFrame *results = app->JdkTools().SearchFrame();
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->windowTitle(), "Search Results - total");
    ASSERT_TRUE(WaitFor([&] { return !dlg->Search().IsRunning(); }));
    results->View()->Flush();
    EXPECT_EQ(results->View()->toPlainText(),
              "Wait, Searching...\n" + a + ":2:      int total;\n" + a +
                  ":3:      int sum() { return total + total; }\n" + a +
                  ":3:      int sum() { return total + total; }\nDone...\n");
    EXPECT_FALSE(dlg->StopButton()->isEnabled());

    // A double click on a hit opens the file at that line.
    QTextCursor c(results->View()->document()->findBlockByNumber(2));
    results->View()->setTextCursor(c);
    ASSERT_TRUE(results->View()->GoToErrorAtCaret());
    ASSERT_TRUE(WaitFor([&] { return frame->ActiveEditor() != nullptr; }));
    EXPECT_EQ(frame->ActiveEditor()->GetPathName(), a);
    frame->ExecuteCommand(Cmd::SearchResults);
    EXPECT_EQ(frame->MdiArea()->activeSubWindow(), results);
    EXPECT_TRUE(prompter.m_messages.isEmpty()) << prompter.m_messages.join("|").toStdString();

    dlg->close();
}
