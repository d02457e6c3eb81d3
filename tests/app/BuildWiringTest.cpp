// The build commands in the running program, with the real javac: the
// Build tab's report, the way from an error line to the source, the error
// marks in the editor, the dirty marks in the project tree and File Info.
#include "RunningAppTest.h"
#include "app/ChildFrame.h"
#include "app/JavaIDEApp.h"
#include "app/MainFrame.h"
#include "app/OutputPane.h"
#include "core/CommandIds.h"
#include "editor/HueditView.h"
#include "project/Project.h"
#include "project/ProjectDoc.h"
#include "project/ProjectFileItem.h"
#include "project/ProjectView.h"
#include "tools/CompileProcess.h"
#include "tools/ErrorMarks.h"
#include "tools/OutputWnd.h"
#include "tools/ToolManager.h"
#include "tree/TreeImages.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMdiArea>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QByteArray kGood = "public class Good {\n    int twice(int x) { return 2 * x; }\n}\n";
const QByteArray kBad = "public class Bad {\n"
                        "    void f() {\n"
                        "        int x = undefinedVar;\n"
                        "        String s = 1;\n"
                        "    }\n"
                        "}\n";
const QByteArray kBadFixed = "public class Bad {\n    void f() {\n        int x = 1;\n    }\n}\n";

class BuildTest : public RunningAppTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(env.WriteQuietSettings(true));
        Start();
        dir = env.FilePath("proj/");
        Write("Good.java", kGood);
        Write("Bad.java", kBad);
        NewProject("proj/demo.mavu");
        Project().AddFileItem(dir + "Good.java");
        Project().AddFileItem(dir + "Bad.java");
    }
    void Write(const QString &name, const QByteArray &text) { env.WriteFile("proj/" + name, text); }
    COutputWnd *BuildView() const { return Frame()->Output()->BuildView(); }
    COutputWnd *OutputView() const { return Frame()->Output()->OutputView(); }
    QString BuildText() const
    {
        BuildView()->Flush();
        return BuildView()->toPlainText();
    }
    bool RunCommand(int id)
    {
        if (!Enabled(id))
            return false;
        Frame()->ExecuteCommand(id);
        return true;
    }
    bool WaitForCompile()
    {
        return WaitFor([&] { return !app->Tools().IsBuildBusy(); });
    }
    bool IsDirty(const char *name) const { return Project().FindFileItem(dir + name)->IsDirty(); }

    QString dir;
};

} // namespace

TEST_F(BuildTest, AFailedBuildLeadsToTheErrorAndMarksTheEditor)
{
    CChildFrame *editor = Frame()->OpenEditor(dir + "Bad.java");
    ASSERT_TRUE(editor);
    EXPECT_FALSE(Enabled(Cmd::StopBuild));
    ASSERT_TRUE(RunCommand(Cmd::RebuildAll));
    EXPECT_TRUE(Enabled(Cmd::StopBuild));
    EXPECT_FALSE(Enabled(Cmd::RebuildAll));
    ASSERT_TRUE(WaitForCompile());

    // The report itself is the compile tests' business; here it reaches
    // the Build tab, which comes to the front.
    EXPECT_TRUE(BuildText().contains("Bad.java:3: error: cannot find symbol\n"))
        << BuildText().toStdString();
    EXPECT_EQ(Frame()->Output()->CurrentTab(), COutputPane::BuildTab);
    // The caret waits at the first line for the first Find Next Error.
    EXPECT_EQ(BuildView()->textCursor().position(), 0);

    // The editor shows the errors of its file.
    const QList<CCompileDiagnostic> &marks = CErrorMarks::Of(editor->View())->Shown();
    ASSERT_EQ(marks.size(), 2);
    EXPECT_EQ(editor->View()->markersAtLine(2), 1u << CErrorMarks::kErrorMarker);

    // Nothing was written: both files are marked in the tree.
    EXPECT_TRUE(IsDirty("Good.java"));
    EXPECT_EQ(Project().FindFileItem(dir + "Bad.java")->GetImage(), TreeImage::JavaFileDirty);

    // The key itself, pressed in the editor as soon as the compile has
    // ended, before anything else brings the commands up to date: the first
    // error line.
    Frame()->MdiArea()->setActiveSubWindow(editor);
    editor->View()->setFocus();
    QTest::keyClick(editor->View(), Qt::Key_F6);
    int line = -1, index = -1;
    editor->View()->getCursorPosition(&line, &index);
    EXPECT_EQ(line, 2);

    // Find Next Error (F6) from anywhere: the second error line.
    Frame()->OpenEditor(dir + "Good.java");
    ASSERT_TRUE(RunCommand(Cmd::FindNextError));
    CChildFrame *active = Frame()->ActiveEditor();
    ASSERT_TRUE(active);
    EXPECT_EQ(active->GetPathName(), dir + "Bad.java");
    active->View()->getCursorPosition(&line, &index);
    EXPECT_EQ(line, 3);
    EXPECT_FALSE(Enabled(Cmd::FindNextError));

    // A double click on the first error line.
    QTextCursor c(BuildView()->document()->find("Bad.java:3:"));
    ASSERT_FALSE(c.isNull());
    BuildView()->setTextCursor(c);
    QTest::mouseDClick(BuildView()->viewport(), Qt::LeftButton, {},
                       BuildView()->cursorRect().center());
    Frame()->ActiveEditor()->View()->getCursorPosition(&line, &index);
    EXPECT_EQ(line, 2);

    // Fixed in the editor and compiled from it (F7, which saves first): the
    // marks go.
    editor->View()->setText(QString::fromUtf8(kBadFixed));
    Frame()->MdiArea()->setActiveSubWindow(editor);
    editor->View()->setFocus();
    ASSERT_TRUE(RunCommand(Cmd::CompileFile));
    ASSERT_TRUE(WaitForCompile());
    EXPECT_TRUE(BuildText().startsWith("javac   Bad.java\n"));
    EXPECT_TRUE(CErrorMarks::Of(editor->View())->Shown().isEmpty());
    EXPECT_EQ(editor->View()->markersAtLine(2), 0u);
    EXPECT_FALSE(IsDirty("Bad.java"));
}

TEST_F(BuildTest, RebuildDirtyFileInfoAndStop)
{
    Write("Bad.java", kBadFixed);
    ASSERT_TRUE(RunCommand(Cmd::RebuildDirty));
    ASSERT_TRUE(WaitForCompile());
    EXPECT_TRUE(BuildText().endsWith("No Errors..."));
    EXPECT_FALSE(IsDirty("Good.java"));
    EXPECT_FALSE(IsDirty("Bad.java"));

    // File Info looks at the class files, whatever the mark said.
    CProjectFileItem *good = Project().FindFileItem(dir + "Good.java");
    QFile::remove(dir + "Good.class");
    CProjectView *tree = Frame()->ProjectView();
    tree->SelectFile(dir + "Good.java");
    prompter.m_output.clear();
    tree->OnFileInfo();
    const QString info = prompter.m_output.join(QString()).remove("Output|");
    EXPECT_TRUE(info.contains("\nFile Path - " + dir + "Good.java\n")) << info.toStdString();
    EXPECT_TRUE(info.contains(dir + "Good.class file either not found or dirty."));
    EXPECT_TRUE(info.contains("\nFile Dirty...\n"));
    EXPECT_TRUE(good->IsDirty());

    // Stop: "User Abort..." and the exit question while a compile runs.
    ASSERT_TRUE(app->ProjectDoc()->GetCurrentProject().Save());
    ASSERT_TRUE(RunCommand(Cmd::RebuildAll));
    prompter.QueueAnswer(CPrompter::AnswerNo);
    EXPECT_FALSE(Frame()->close());
    EXPECT_TRUE(prompter.m_messages.contains("Compile is in progress. Select Yes to exit."));
    EXPECT_TRUE(app->Tools().IsBuildBusy());
    ASSERT_TRUE(RunCommand(Cmd::StopBuild));
    ASSERT_TRUE(WaitForCompile());
    EXPECT_TRUE(BuildText().endsWith("User Abort...\n")) << BuildText().toStdString();
}
