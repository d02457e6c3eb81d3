// The source editor inside the running program: bookmarks, breakpoints,
// searching, the read-only guard, outside changes and titles.
#include "FakePrompter.h"
#include "QtPrinters.h"
#include "TestEnv.h"
#include "app/ChildFrame.h"
#include "app/ColorPage.h"
#include "app/EditorPrinter.h"
#include "app/JavaIDEApp.h"
#include "app/JavaIDEView.h"
#include "app/MainFrame.h"
#include "core/CommandIds.h"
#include "core/SettingsStore.h"
#include "javamodel/FileObject.h"
#include "javamodel/ParsedFileCache.h"
#include "project/Project.h"
#include "project/ProjectDoc.h"
#include "tools/FindReplaceDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QInputDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <Qsci/qscilexer.h>
#include <gtest/gtest.h>
#include <memory>

namespace {

class EditorViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CSettingsStore store(env.FilePath(QStringLiteral("config/Mavu/Mavu.ini")));
        store.WriteProfileInt("Editor", "Tip", 0);
        store.WriteProfileInt("Help", "Warning", 1);
        ASSERT_TRUE(store.Sync());
        env.WriteFile(QStringLiteral("data/Mavu/classes.zip"), ""); // an installed program
    }
    void TearDown() override { Stop(); }

    void Start()
    {
        app = std::make_unique<CJavaIDEApp>(QStringList());
        app->SetDialogRunner([this](QDialog &d) {
            dialogTitles << d.windowTitle();
            return dialogAnswer ? dialogAnswer(d) : int(QDialog::Rejected);
        });
        ASSERT_TRUE(app->InitInstance());
        QApplication::processEvents();
    }
    void Stop()
    {
        if (app && Frame()->isVisible()) {
            for (CChildFrame *editor : Frame()->EditorWindows())
                editor->View()->setModified(false);
            Frame()->close();
        }
        app.reset();
    }
    CMainFrame *Frame() const { return app->MainFrame(); }
    bool Enabled(int id) const
    {
        Frame()->UpdateCommandUI();
        return Frame()->Action(id)->isEnabled();
    }
    void Caret(CChildFrame *editor, int line) { editor->View()->setCursorPosition(line - 1, 0); }
    // The window loses and gets back the keyboard, as when the user went to
    // another program and came back.
    static void FocusOutAndIn(CChildFrame *editor)
    {
        QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(editor->View(), &out);
        QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(editor->View(), &in);
        QApplication::processEvents();
    }

    CTestEnv env;
    CFakePrompter prompter;
    QStringList dialogTitles;
    std::function<int(QDialog &)> dialogAnswer;
    std::unique_ptr<CJavaIDEApp> app;
};

const QByteArray kTenLines = "l1\nl2\nl3\nl4\nl5\nl6\nl7\nl8\nl9\nl10\n";

} // namespace

TEST_F(EditorViewTest, BookmarksToggleCycleBothWaysAndMoveWithTheText)
{
    Start();
    CChildFrame *editor = Frame()->OpenEditor(env.WriteFile("Ten.txt", kTenLines));
    ASSERT_NE(editor, nullptr);
    CJavaIDEView *view = editor->View();
    EXPECT_FALSE(Enabled(Cmd::NextBookmark)) << "no bookmark to go to";

    for (int line : {7, 3, 5}) {
        Caret(editor, line);
        Frame()->ExecuteCommand(Cmd::ToggleBookmark);
    }
    Caret(editor, 5);
    Frame()->ExecuteCommand(Cmd::ToggleBookmark); // twice on one line: gone
    EXPECT_EQ(view->Bookmarks(), QList<int>({3, 7}));
    ASSERT_TRUE(Enabled(Cmd::NextBookmark));

    Caret(editor, 1);
    Frame()->ExecuteCommand(Cmd::NextBookmark);
    EXPECT_EQ(view->CaretLine(), 3);
    Frame()->ExecuteCommand(Cmd::NextBookmark);
    EXPECT_EQ(view->CaretLine(), 7);
    Frame()->ExecuteCommand(Cmd::NextBookmark);
    EXPECT_EQ(view->CaretLine(), 3) << "after the last comes the first";
    Frame()->ExecuteCommand(Cmd::PreviousBookmark);
    EXPECT_EQ(view->CaretLine(), 7) << "before the first comes the last";
    Frame()->ExecuteCommand(Cmd::PreviousBookmark);
    EXPECT_EQ(view->CaretLine(), 3);

    // A line typed above the bookmarks takes them down with their text.
    view->setCursorPosition(0, 0);
    view->insert(QStringLiteral("new\n"));
    EXPECT_EQ(view->Bookmarks(), QList<int>({4, 8}));
    Caret(editor, 4);
    Frame()->ExecuteCommand(Cmd::ToggleBookmark);
    Caret(editor, 8);
    Frame()->ExecuteCommand(Cmd::ToggleBookmark);
    EXPECT_TRUE(view->Bookmarks().isEmpty());
    Frame()->ExecuteCommand(Cmd::NextBookmark);
    EXPECT_EQ(view->CaretLine(), 8) << "no bookmarks: the caret stays";
}

TEST_F(EditorViewTest, BreakpointsGoIntoTheProjectWithTheirClassAndComeBackWithIt)
{
    Start();
    QDir().mkpath(env.FilePath("work"));
    const QString projectPath = env.FilePath("work/demo.mavu");
    ASSERT_TRUE(app->ProjectDoc()->OpenProject(projectPath, true));
    const QString source = env.WriteFile("work/Outer.java", "import java.util.List;\n"
                                                            "public class Outer {\n"
                                                            "  void run() {\n"
                                                            "    int a = 1;\n"
                                                            "  }\n"
                                                            "  static class Inner {\n"
                                                            "    void go() {\n"
                                                            "      int b = 2;\n"
                                                            "    }\n"
                                                            "  }\n"
                                                            "}\n");
    CChildFrame *editor = Frame()->OpenEditor(source);
    ASSERT_NE(editor, nullptr);
    CProject *project = &app->ProjectDoc()->GetCurrentProject();
    project->SetModifiedFlag(false);
    ASSERT_TRUE(Enabled(Cmd::ToggleBreakpoint));

    Caret(editor, 4);
    Frame()->ExecuteCommand(Cmd::ToggleBreakpoint);
    Caret(editor, 8);
    Frame()->ExecuteCommand(Cmd::ToggleBreakpoint);
    EXPECT_TRUE(project->IsModified());
    EXPECT_EQ(project->GetBreakpointClass(editor->GetPathName(), 4), QStringLiteral("Outer"));
    EXPECT_EQ(project->GetBreakpointClass(editor->GetPathName(), 8), QStringLiteral("Inner"))
        << "the innermost class holding the line";
    EXPECT_EQ(editor->View()->BreakpointMarks(), QList<int>({4, 8}));

    // Outside every class the debugger could not stop: nothing is set.
    Caret(editor, 1);
    Frame()->ExecuteCommand(Cmd::ToggleBreakpoint);
    EXPECT_FALSE(project->HasBreakpoint(editor->GetPathName(), 1));
    EXPECT_EQ(editor->View()->BreakpointMarks(), QList<int>({4, 8}));
    EXPECT_EQ(prompter.m_status.last(),
              QStringLiteral("No class holds line 1: no breakpoint set."));

    // Set again: removed.
    Caret(editor, 4);
    Frame()->ExecuteCommand(Cmd::ToggleBreakpoint);
    EXPECT_FALSE(project->HasBreakpoint(editor->GetPathName(), 4));
    EXPECT_EQ(editor->View()->BreakpointMarks(), QList<int>({8}));

    // The project file keeps it; a window opened again shows it.
    prompter.QueueAnswer(CPrompter::AnswerYes); // save the project
    ASSERT_TRUE(app->ProjectDoc()->CloseCurrentProject());
    ASSERT_TRUE(editor->close());
    QApplication::processEvents();
    ASSERT_TRUE(app->ProjectDoc()->OpenProject(projectPath, false));
    editor = Frame()->OpenEditor(source);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->View()->BreakpointMarks(), QList<int>({8}));
    EXPECT_EQ(app->ProjectDoc()->GetCurrentProject().GetBreakpointClass(editor->GetPathName(), 8),
              QStringLiteral("Inner"));

    // A text file is no place for a breakpoint; nor is any file without a
    // project.
    Frame()->OpenEditor(env.WriteFile("notes.txt", kTenLines));
    EXPECT_FALSE(Enabled(Cmd::ToggleBreakpoint));
}

TEST_F(EditorViewTest, GotoLineAndFindWordAtTheCursor)
{
    Start();
    CChildFrame *editor = Frame()->OpenEditor(
        env.WriteFile("Find.java", "int count;\nx = 1;\ncount++;\nfoo(count);\n"));
    ASSERT_NE(editor, nullptr);
    dialogAnswer = [](QDialog &d) {
        auto *input = qobject_cast<QInputDialog *>(&d);
        if (!input)
            return int(QDialog::Rejected);
        EXPECT_EQ(input->intMaximum(), 5) << "the lines of the text";
        input->setIntValue(3);
        return int(QDialog::Accepted);
    };
    Frame()->ExecuteCommand(Cmd::EditGotoLine);
    EXPECT_EQ(dialogTitles.last(), QStringLiteral("Goto Line"));
    EXPECT_EQ(editor->View()->CaretLine(), 3);

    editor->View()->setCursorPosition(0, 6); // inside "count"
    Frame()->ExecuteCommand(Cmd::FindWordAtCursor);
    EXPECT_EQ(editor->View()->selectedText(), QStringLiteral("count"));
    EXPECT_EQ(editor->View()->CaretLine(), 3) << "the next one, not the word itself";
    Frame()->ExecuteCommand(Cmd::EditRepeat);
    EXPECT_EQ(editor->View()->CaretLine(), 4);
    Frame()->ExecuteCommand(Cmd::EditFindPrevious);
    EXPECT_EQ(editor->View()->CaretLine(), 3);
}

TEST_F(EditorViewTest, FindAndReplaceHistoriesAreKeptNewestFirstAcrossStarts)
{
    Start();
    CChildFrame *editor =
        Frame()->OpenEditor(env.WriteFile("Text.java", "alpha beta alpha gamma\n"));
    ASSERT_NE(editor, nullptr);
    Frame()->ExecuteCommand(Cmd::EditReplace);
    CFindReplaceDlg *dlg = editor->FindDialog();
    ASSERT_NE(dlg, nullptr);
    auto *find = dlg->findChild<QComboBox *>("findText");
    auto *with = dlg->findChild<QComboBox *>("replaceText");
    ASSERT_TRUE(find && with);
    ASSERT_NE(dlg->findChild<QCheckBox *>("inSelection"), nullptr);
    for (const char *word : {"gamma", "beta", "alpha"}) {
        find->setEditText(QString::fromLatin1(word));
        emit dlg->findNext();
    }
    with->setEditText(QStringLiteral("omega"));
    emit dlg->replaceAll();
    EXPECT_EQ(editor->View()->text(), QStringLiteral("omega beta omega gamma\n"));
    EXPECT_EQ(prompter.m_output.last(), QStringLiteral("Output|2 instances replaced...\n"));
    dlg->close();
    Stop();

    Start();
    editor = Frame()->OpenEditor(env.FilePath("Text.java"));
    ASSERT_NE(editor, nullptr);
    editor->View()->setCursorPosition(0, 5); // after a blank: no word
    Frame()->ExecuteCommand(Cmd::EditReplace);
    dlg = editor->FindDialog();
    ASSERT_NE(dlg, nullptr);
    find = dlg->findChild<QComboBox *>("findText");
    with = dlg->findChild<QComboBox *>("replaceText");
    QStringList finds, withs;
    for (int i = 0; i < find->count(); ++i)
        finds << find->itemText(i);
    for (int i = 0; i < with->count(); ++i)
        withs << with->itemText(i);
    EXPECT_EQ(finds, QStringList({"alpha", "beta", "gamma"}));
    EXPECT_EQ(withs, QStringList({"omega"}));
    // F3 goes on with the word searched last, even after a restart.
    editor->View()->setCursorPosition(0, 0);
    dlg->close();
    Frame()->ExecuteCommand(Cmd::EditRepeat);
    EXPECT_EQ(editor->View()->selectedText(), QStringLiteral("alpha"));
}

TEST_F(EditorViewTest, TheReadOnlyGuardAsksAndNoChangesNothing)
{
    Start();
    const QString path = env.WriteFile("Locked.java", "class Locked {}\n");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    CChildFrame *editor = Frame()->OpenEditor(path);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->windowTitle().startsWith(QStringLiteral("Locked.java (RO)")));
    editor->View()->setFocus();

    prompter.QueueAnswer(CPrompter::AnswerNo);
    QTest::keyClick(editor->View(), Qt::Key_X);
    QApplication::processEvents();
    EXPECT_EQ(prompter.m_messages, QStringList(CChildFrame::MakeWritableQuestion()));
    EXPECT_EQ(editor->View()->text(), QStringLiteral("class Locked {}\n"));
    EXPECT_TRUE(editor->IsReadOnly());
    EXPECT_FALSE(QFileInfo(path).permissions() & QFileDevice::WriteOwner);

    prompter.QueueAnswer(CPrompter::AnswerYes);
    QTest::keyClick(editor->View(), Qt::Key_X);
    QApplication::processEvents();
    EXPECT_EQ(prompter.m_messages.size(), 2);
    EXPECT_TRUE(QFileInfo(path).permissions() & QFileDevice::WriteOwner);
    EXPECT_FALSE(editor->IsReadOnly());
    EXPECT_EQ(editor->View()->text(), QStringLiteral("xclass Locked {}\n"))
        << "the key that met the guard goes into the text";
    EXPECT_TRUE(editor->windowTitle().startsWith(QStringLiteral("Locked.java[*]")));

    // Made read-only again outside: the title follows when the window comes
    // back to the front.
    editor->View()->setModified(false);
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    FocusOutAndIn(editor);
    EXPECT_TRUE(editor->IsReadOnly());
    EXPECT_TRUE(editor->windowTitle().startsWith(QStringLiteral("Locked.java (RO)")));
}

TEST_F(EditorViewTest, AnOutsideChangeIsOfferedForReloadButADeletedFileIsLeftAlone)
{
    Start();
    const QString path = env.WriteFile("Changing.java", "one\n");
    CChildFrame *editor = Frame()->OpenEditor(path);
    ASSERT_NE(editor, nullptr);

    // Unchanged: no question.
    FocusOutAndIn(editor);
    EXPECT_TRUE(prompter.m_messages.isEmpty());

    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(editor->View(), &out);
    env.WriteFile("Changing.java", "two\n");
    QFile(path).setFileTime(QDateTime::currentDateTime().addSecs(5),
                            QFileDevice::FileModificationTime);
    prompter.QueueAnswer(CPrompter::AnswerNo);
    QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(editor->View(), &in);
    QApplication::processEvents();
    EXPECT_EQ(prompter.m_messages,
              QStringList(CChildFrame::ReloadQuestion(QDir::toNativeSeparators(path))));
    EXPECT_EQ(editor->View()->text(), QStringLiteral("one\n")) << "No keeps the window's text";

    QApplication::sendEvent(editor->View(), &out);
    env.WriteFile("Changing.java", "three\n");
    QFile(path).setFileTime(QDateTime::currentDateTime().addSecs(10),
                            QFileDevice::FileModificationTime);
    prompter.QueueAnswer(CPrompter::AnswerYes);
    QApplication::sendEvent(editor->View(), &in);
    QApplication::processEvents();
    EXPECT_EQ(prompter.m_messages.size(), 2);
    EXPECT_EQ(editor->View()->text(), QStringLiteral("three\n"));
    EXPECT_FALSE(editor->IsModified());

    QApplication::sendEvent(editor->View(), &out);
    ASSERT_TRUE(QFile::remove(path));
    QApplication::sendEvent(editor->View(), &in);
    QApplication::processEvents();
    EXPECT_EQ(prompter.m_messages.size(), 2) << "a deleted file asks nothing";
    EXPECT_EQ(editor->View()->text(), QStringLiteral("three\n"));
}

TEST(EditorTitle, FilesOutsideTheCurrentDirectoryShowTheirFolder)
{
    EXPECT_EQ(CJavaIDEDoc::DisplayTitle("/home/u/src/Hello.java", "/home/u/src"),
              QStringLiteral("Hello.java"));
    EXPECT_EQ(CJavaIDEDoc::DisplayTitle("/home/u/src/Hello.java", "/home/u"),
              QStringLiteral("/.../src/Hello.java"));
    EXPECT_EQ(CJavaIDEDoc::DisplayTitle("/Hello.java", "/home"), QStringLiteral("/Hello.java"));
    EXPECT_EQ(CJavaIDEDoc::DisplayTitle(QString(), "/home"), QStringLiteral("Untitled"));
}

TEST_F(EditorViewTest, SavingASourceOfTheProjectParsesItWhenTheOptionSaysSo)
{
    Start();
    QDir().mkpath(env.FilePath("work"));
    ASSERT_TRUE(app->ProjectDoc()->OpenProject(env.FilePath("work/p.mavu"), true));
    const QString source = env.WriteFile("work/A.java", "class A {}\n");
    const QString other = env.WriteFile("work/B.java", "class B {}\n");
    CProject &project = app->ProjectDoc()->GetCurrentProject();
    project.AddFileItem(source);
    const QString key = project.GetFiles().first();

    CChildFrame *editor = Frame()->OpenEditor(source);
    ASSERT_NE(editor, nullptr);
    editor->View()->append(QStringLiteral("class Added {}\n"));
    ASSERT_TRUE(editor->Save());
    const CFileObject *parsed = project.ParsedFiles().Find(key);
    ASSERT_NE(parsed, nullptr);
    EXPECT_NE(parsed->FindClassByName(QStringLiteral("Added")), nullptr);

    // Not in the project: left alone.
    CChildFrame *outside = Frame()->OpenEditor(other);
    ASSERT_NE(outside, nullptr);
    outside->View()->append(QStringLiteral("\n"));
    ASSERT_TRUE(outside->Save());
    EXPECT_EQ(project.ParsedFiles().Find(outside->GetPathName()), nullptr);

    app->Options().m_parseOnSave = 0;
    editor->View()->append(QStringLiteral("class Later {}\n"));
    ASSERT_TRUE(editor->Save());
    EXPECT_EQ(project.ParsedFiles().Find(key)->FindClassByName(QStringLiteral("Later")), nullptr);
}

TEST_F(EditorViewTest, PrintingPutsTheHeaderOnEveryPage)
{
    EXPECT_EQ(CEditorPrinter::HeaderText(QDateTime(QDate(2026, 3, 7), QTime(9, 5)),
                                         QStringLiteral("/home/u/Hello.java"), 3),
              QStringLiteral("Date : 03/07/26  09:05 / /home/u/Hello.java / Page : 3 "));

    Start();
    QByteArray text;
    for (int i = 1; i <= 200; ++i)
        text += "line " + QByteArray::number(i) + "\n";
    CChildFrame *editor = Frame()->OpenEditor(env.WriteFile("Long.java", text));
    ASSERT_NE(editor, nullptr);
    QPrinter pdf;
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(env.FilePath("out.pdf"));
    EXPECT_GE(editor->Print(false, &pdf), 3) << "200 lines do not fit on one page";
    QFile out(env.FilePath("out.pdf"));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_TRUE(out.read(4) == "%PDF");

    Frame()->ExecuteCommand(Cmd::FilePrintPreview);
    EXPECT_EQ(dialogTitles.last(), QStringLiteral("Print Preview"));
}

TEST_F(EditorViewTest, ColourChangesReachEveryOpenEditorAtOnce)
{
    Start();
    CChildFrame *first = Frame()->OpenEditor(env.WriteFile("A.java", "class A { int a; }\n"));
    CChildFrame *second = Frame()->OpenEditor(env.WriteFile("B.java", "class B { int b; }\n"));
    ASSERT_TRUE(first && second);
    const QColor keyword(0xc0, 0x10, 0x20);
    const QColor background(0x20, 0x20, 0x30);
    QList<QColor> colours = {keyword, background};
    dialogAnswer = [&](QDialog &d) {
        if (auto *chooser = qobject_cast<QColorDialog *>(&d)) {
            chooser->setCurrentColor(colours.takeFirst());
            return int(QDialog::Accepted);
        }
        auto *page = qobject_cast<CColorPage *>(&d);
        if (!page)
            return int(QDialog::Rejected);
        auto *types = page->findChild<QComboBox *>("type");
        const int index = types->findText(QString::fromLatin1(CTextFormat::m_KeywordTxt.Name()));
        EXPECT_GE(index, 0);
        page->SelectType(index);
        page->ChooseColor();
        page->SetStyle(2); // italic
        page->ChooseBackground();
        EXPECT_TRUE(page->IsModified());
        EXPECT_EQ(page->TypeStyle(index), 2);
        return int(QDialog::Accepted);
    };
    Frame()->ExecuteCommand(Cmd::ColorOptions);
    EXPECT_TRUE(colours.isEmpty()) << "both colour choosers were shown";
    for (CChildFrame *editor : {first, second}) {
        QsciLexer *lexer = editor->View()->lexer();
        ASSERT_NE(lexer, nullptr);
        EXPECT_EQ(lexer->paper(0), background);
        bool found = false;
        for (int style = 0; style < 128 && !found; ++style) {
            if (lexer->color(style) == keyword) {
                found = true;
                EXPECT_TRUE(lexer->font(style).italic());
            }
        }
        EXPECT_TRUE(found) << "the keyword colour reached " << editor->GetPathName().toStdString();
    }
    EXPECT_EQ(app->Options().m_editBackColor,
              int(MakeColorRef(background.red(), background.green(), background.blue())));

    // Default brings back the system's background and every type's own
    // colour.
    dialogAnswer = [&](QDialog &d) {
        if (auto *page = qobject_cast<CColorPage *>(&d)) {
            page->RestoreDefaults();
            return int(QDialog::Accepted);
        }
        return int(QDialog::Rejected);
    };
    Frame()->ExecuteCommand(Cmd::ColorOptions);
    EXPECT_EQ(CHueditView::Options().background, CHueditView::SystemWindowColor());
    EXPECT_FALSE(CTextFormat::m_KeywordTxt.IsItalic() &&
                 CTextFormat::m_KeywordTxt.GetColor() ==
                     MakeColorRef(keyword.red(), keyword.green(), keyword.blue()));
}
