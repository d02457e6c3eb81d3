// The source editor inside the running program: bookmarks, breakpoints,
// searching, the read-only guard, outside changes and titles.
#include "RunningAppTest.h"
#include "app/ChildFrame.h"
#include "app/ColorPage.h"
#include "app/EditorOptionsDlg.h"
#include "app/EditorPrinter.h"
#include "app/JavaIDEApp.h"
#include "app/JavaIDEView.h"
#include "app/MainFrame.h"
#include "app/NewProjectView.h"
#include "app/OptionsSheet.h"
#include "core/CommandIds.h"
#include "core/SettingsStore.h"
#include "javamodel/FileObject.h"
#include "javamodel/ParsedFileCache.h"
#include "packages/PackageView.h"
#include "packages/PkgDoc.h"
#include "project/Project.h"
#include "project/ProjectDoc.h"
#include "tools/Command.h"
#include "tools/CommandsDoc.h"
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
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <Qsci/qscilexer.h>
#include <gtest/gtest.h>
#include <memory>

namespace {

class EditorViewTest : public RunningAppTest
{
protected:
    void SetUp() override
    {
        RunningAppTest::SetUp();
        env.WriteFile(QStringLiteral("data/Mavu/classes.zip"), ""); // an installed program
    }
    void Caret(CChildFrame *editor, int line) { editor->View()->setCursorPosition(line - 1, 0); }
    // The command run with the caret on the given 1-based line.
    void RunAt(CChildFrame *editor, int line, int id)
    {
        Caret(editor, line);
        Frame()->ExecuteCommand(id);
    }
    // The window loses and gets back the keyboard, as when the user went to
    // another program (which did what meanwhile does) and came back.
    static void FocusOutAndIn(CChildFrame *editor, const std::function<void()> &meanwhile = {})
    {
        QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(editor->View(), &out);
        if (meanwhile)
            meanwhile();
        QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(editor->View(), &in);
        QApplication::processEvents();
    }
    // A text of the given number of lines, "line 1" to "line n".
    static QByteArray Lines(int n)
    {
        QByteArray text;
        for (int i = 1; i <= n; ++i)
            text += "line " + QByteArray::number(i) + "\n";
        return text;
    }
};

} // namespace

TEST_F(EditorViewTest, BookmarksToggleCycleBothWaysAndMoveWithTheText)
{
    Start();
    CChildFrame *editor = Frame()->OpenEditor(env.WriteFile("Ten.txt", Lines(10)));
    ASSERT_NE(editor, nullptr);
    CJavaIDEView *view = editor->View();
    EXPECT_FALSE(Enabled(Cmd::NextBookmark)) << "no bookmark to go to";

    for (int line : {7, 3, 5, 5}) // twice on one line: gone
        RunAt(editor, line, Cmd::ToggleBookmark);
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
    RunAt(editor, 4, Cmd::ToggleBookmark);
    RunAt(editor, 8, Cmd::ToggleBookmark);
    EXPECT_TRUE(view->Bookmarks().isEmpty());
    Frame()->ExecuteCommand(Cmd::NextBookmark);
    EXPECT_EQ(view->CaretLine(), 8) << "no bookmarks: the caret stays";
}

TEST_F(EditorViewTest, BreakpointsGoIntoTheProjectWithTheirClassAndComeBackWithIt)
{
    Start();
    const QString projectPath = env.FilePath("work/demo.mavu");
    CProject *project = &NewProject("work/demo.mavu");
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
    project->SetModifiedFlag(false);
    ASSERT_TRUE(Enabled(Cmd::ToggleBreakpoint));

    RunAt(editor, 4, Cmd::ToggleBreakpoint);
    RunAt(editor, 8, Cmd::ToggleBreakpoint);
    EXPECT_TRUE(project->IsModified());
    EXPECT_EQ(project->GetBreakpointClass(editor->GetPathName(), 4), QStringLiteral("Outer"));
    EXPECT_EQ(project->GetBreakpointClass(editor->GetPathName(), 8), QStringLiteral("Inner"))
        << "the innermost class holding the line";
    EXPECT_EQ(editor->View()->BreakpointMarks(), QList<int>({4, 8}));

    // Outside every class the debugger could not stop: nothing is set.
    RunAt(editor, 1, Cmd::ToggleBreakpoint);
    EXPECT_FALSE(project->HasBreakpoint(editor->GetPathName(), 1));
    EXPECT_EQ(editor->View()->BreakpointMarks(), QList<int>({4, 8}));
    EXPECT_EQ(prompter.m_status.last(),
              QStringLiteral("No class holds line 1: no breakpoint set."));

    // Lines typed above move the marks; saving tells the project where
    // they went, each with its class.
    editor->View()->setCursorPosition(0, 0);
    editor->View()->insert(QStringLiteral("// one\n// two\n"));
    EXPECT_EQ(editor->View()->BreakpointMarks(), QList<int>({6, 10}));
    EXPECT_TRUE(project->HasBreakpoint(editor->GetPathName(), 4)) << "not before the save";
    project->SetModifiedFlag(false);
    ASSERT_TRUE(editor->Save());
    EXPECT_TRUE(project->IsModified());
    EXPECT_FALSE(project->HasBreakpoint(editor->GetPathName(), 4));
    EXPECT_EQ(project->GetBreakpointClass(editor->GetPathName(), 6), QStringLiteral("Outer"));
    EXPECT_EQ(project->GetBreakpointClass(editor->GetPathName(), 10), QStringLiteral("Inner"));
    editor->View()->setCursorPosition(0, 0);
    for (int i = 0; i < 2; ++i)
        editor->View()->SendScintilla(QsciScintillaBase::SCI_LINEDELETE);
    ASSERT_TRUE(editor->Save());
    ASSERT_EQ(editor->View()->BreakpointMarks(), QList<int>({4, 8}));

    // Set again: removed.
    RunAt(editor, 4, Cmd::ToggleBreakpoint);
    EXPECT_FALSE(project->HasBreakpoint(editor->GetPathName(), 4));
    EXPECT_EQ(editor->View()->BreakpointMarks(), QList<int>({8}));

    // The marks go with the project and come back with it, from its file,
    // into a window already open and into one opened afterwards.
    prompter.QueueAnswer(CPrompter::AnswerYes); // save the project
    ASSERT_TRUE(app->ProjectDoc()->CloseCurrentProject());
    EXPECT_TRUE(editor->View()->BreakpointMarks().isEmpty());
    ASSERT_TRUE(app->ProjectDoc()->OpenProject(projectPath, false));
    EXPECT_EQ(editor->View()->BreakpointMarks(), QList<int>({8}));
    ASSERT_TRUE(editor->close());
    QApplication::processEvents();
    editor = Frame()->OpenEditor(source);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->View()->BreakpointMarks(), QList<int>({8}));
    EXPECT_EQ(app->ProjectDoc()->GetCurrentProject().GetBreakpointClass(editor->GetPathName(), 8),
              QStringLiteral("Inner"));

    // A text file is no place for a breakpoint; nor is any file without a
    // project.
    Frame()->OpenEditor(env.WriteFile("notes.txt", Lines(10)));
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

    auto rewrite = [&](const char *text, int later) {
        env.WriteFile("Changing.java", text);
        QFile(path).setFileTime(QDateTime::currentDateTime().addSecs(later),
                                QFileDevice::FileModificationTime);
    };
    prompter.QueueAnswer(CPrompter::AnswerNo);
    FocusOutAndIn(editor, [&] { rewrite("two\n", 5); });
    EXPECT_EQ(prompter.m_messages,
              QStringList(CChildFrame::ReloadQuestion(QDir::toNativeSeparators(path))));
    EXPECT_EQ(editor->View()->text(), QStringLiteral("one\n")) << "No keeps the window's text";

    prompter.QueueAnswer(CPrompter::AnswerYes);
    FocusOutAndIn(editor, [&] { rewrite("three\n", 10); });
    EXPECT_EQ(prompter.m_messages.size(), 2);
    EXPECT_EQ(editor->View()->text(), QStringLiteral("three\n"));
    EXPECT_FALSE(editor->IsModified());

    FocusOutAndIn(editor, [&] { QFile::remove(path); });
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(prompter.m_messages.size(), 2) << "a deleted file asks nothing";
    EXPECT_EQ(editor->View()->text(), QStringLiteral("three\n"));
}

TEST_F(EditorViewTest, SavingASourceOfTheProjectParsesItWhenTheOptionSaysSo)
{
    Start();
    CProject &project = NewProject("work/p.mavu");
    const QString source = env.WriteFile("work/A.java", "class A {}\n");
    const QString other = env.WriteFile("work/B.java", "class B {}\n");
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

// Every page carries the header; the progress box shows the document and
// each page, and Cancel stops after the page under way.
TEST_F(EditorViewTest, PrintingPutsTheHeaderOnEveryPageAndCancelStopsAfterThePageUnderWay)
{
    EXPECT_EQ(CEditorPrinter::HeaderText(QDateTime(QDate(2026, 3, 7), QTime(9, 5)),
                                         QStringLiteral("/home/u/Hello.java"), 3),
              QStringLiteral("Date : 03/07/26  09:05 / /home/u/Hello.java / Page : 3 "));

    Start();
    CChildFrame *editor = Frame()->OpenEditor(env.WriteFile("Many.java", Lines(400)));
    ASSERT_NE(editor, nullptr);
    // The user presses Cancel while the second page prints.
    QPrinter pdf;
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(env.FilePath("many.pdf"));
    QStringList seen;
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *dlg = qobject_cast<CPrintingDlg *>(w);
            if (!dlg || !dlg->isVisible())
                continue;
            const QString page = dlg->findChild<QLabel *>("page")->text();
            if (seen.isEmpty())
                seen << dlg->findChild<QLabel *>("document")->text();
            if (!seen.contains(page))
                seen << page;
            if (page == CPrintingDlg::PageText(2))
                dlg->Cancel();
        }
    });
    watch.start();
    EXPECT_EQ(editor->Print(false, &pdf), 0);
    watch.stop();
    EXPECT_EQ(seen, QStringList({"Many.java", "Page 1", "Page 2"}));
    EXPECT_EQ(prompter.m_status.last(), QStringLiteral("Printing Many.java cancelled."));
    EXPECT_TRUE(prompter.m_messages.isEmpty()) << "a cancel is no failure";
    QFile out(env.FilePath("many.pdf"));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    const QString pdfText = QString::fromLatin1(out.readAll());
    EXPECT_EQ(pdfText.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 2)
        << "the pages already printed, and no more";
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

TEST_F(EditorViewTest, WithACheckoutCommandTheGuardRunsItAndNeverUnlocksTheFileItself)
{
    Start();
    const QString path = env.WriteFile("Managed.java", "class Managed {}\n");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    // The checkout leaves a trace beside the file instead of talking to a
    // version control system.
    CCommand *checkout = app->UserCommands().AddCommand(QStringLiteral("CheckOut"));
    checkout->m_strCommand = QStringLiteral("/bin/sh");
    checkout->m_strArguments = QStringLiteral("-c \"echo out > '<File Path>.trace'\"");
    CChildFrame *editor = Frame()->OpenEditor(path);
    ASSERT_NE(editor, nullptr);
    editor->View()->setFocus();
    const QString trace = path + QStringLiteral(".trace");

    prompter.QueueAnswer(CPrompter::AnswerNo);
    QTest::keyClick(editor->View(), Qt::Key_X);
    QApplication::processEvents();
    EXPECT_EQ(prompter.m_messages, QStringList(CChildFrame::CheckoutQuestion()));
    QTest::qWait(200);
    EXPECT_FALSE(QFile::exists(trace)) << "No runs nothing";

    prompter.QueueAnswer(CPrompter::AnswerYes);
    QTest::keyClick(editor->View(), Qt::Key_X);
    QApplication::processEvents();
    EXPECT_EQ(prompter.m_messages.size(), 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(trace); }, 10000))
        << "Yes runs the checkout command for the file";
    EXPECT_EQ(editor->View()->text(), QStringLiteral("class Managed {}\n"))
        << "the key is not replayed";
    EXPECT_TRUE(editor->IsReadOnly());
    EXPECT_FALSE(QFileInfo(path).permissions() & QFileDevice::WriteOwner);
}

TEST_F(EditorViewTest, EditorOptionsRefuseNumbersOutOfRangeAndReachEveryEditor)
{
    Start();
    CChildFrame *first = Frame()->OpenEditor(env.WriteFile("A.java", "class A {}\n"));
    CChildFrame *second = Frame()->OpenEditor(env.WriteFile("b.txt", "b\n"));
    ASSERT_TRUE(first && second);
    const int undoBefore = app->Options().m_undoBufferSize;
    QStringList refusals;
    dialogAnswer = [&](QDialog &d) {
        auto *dlg = qobject_cast<CEditorOptionsDlg *>(&d);
        if (!dlg)
            return int(QDialog::Rejected);
        auto *tab = dlg->findChild<QLineEdit *>("tabSize");
        auto *undo = dlg->findChild<QLineEdit *>("undoBufferSize");
        auto *mru = dlg->findChild<QLineEdit *>("mruLength");
        auto *spaces = dlg->findChild<QCheckBox *>("tabSpaces");
        auto *wrap = dlg->findChild<QCheckBox *>("wordWrap");
        EXPECT_TRUE(tab && undo && mru && spaces && wrap);
        if (!(tab && undo && mru && spaces && wrap))
            return int(QDialog::Rejected);
        tab->setText(QStringLiteral("21"));
        spaces->setChecked(true);
        dlg->accept();
        EXPECT_EQ(dlg->result(), int(QDialog::Rejected)) << "21 is too wide a tab";
        EXPECT_EQ(tab->text(), QStringLiteral("21")) << "what was typed is kept";
        tab->setText(QStringLiteral("4"));
        mru->setText(QString());
        dlg->accept();
        EXPECT_EQ(dlg->result(), int(QDialog::Rejected)) << "an empty number";
        mru->setText(QStringLiteral("6"));
        undo->setText(QString::number(undoBefore == 42 ? 43 : 42));
        wrap->setChecked(true);
        refusals = prompter.m_messages;
        dlg->accept();
        return dlg->result();
    };
    Frame()->ExecuteCommand(Cmd::EditorOptions);
    EXPECT_EQ(refusals, QStringList({CEditorOptionsDlg::RangeMessage("Editor Tab Size -", 2, 20),
                                     CEditorOptionsDlg::RangeMessage("MRU Length -", 4, 16)}));
    EXPECT_EQ(prompter.m_messages.last(), CJavaIDEApp::UndoSizeNextStartMessage());

    for (CChildFrame *editor : {first, second})
        EXPECT_EQ(editor->View()->tabWidth(), 4) << editor->GetPathName().toStdString();
    EXPECT_TRUE(CHueditView::Options().spaceForTab);
    EXPECT_FALSE(first->View()->indentationsUseTabs());

    // Written at once, not only at exit.
    const CSettingsStore stored(env.FilePath(QStringLiteral("config/Mavu/Mavu.ini")));
    EXPECT_EQ(stored.GetProfileInt("Editor", "Tabsize", 0), 4);

    // Cancel changes nothing, and an unchanged undo size says nothing.
    prompter.m_messages.clear();
    dialogAnswer = [](QDialog &) { return int(QDialog::Rejected); };
    Frame()->ExecuteCommand(Cmd::EditorOptions);
    EXPECT_EQ(app->Options().m_tabSize, 4);
    dialogAnswer = [](QDialog &d) {
        d.accept();
        return d.result();
    };
    Frame()->ExecuteCommand(Cmd::EditorOptions);
    EXPECT_TRUE(prompter.m_messages.isEmpty());
}

TEST_F(EditorViewTest, TheContextMenuFollowsTheFileTypeAndEndsWithTheFileCommands)
{
    Start();
    NewProject("work/p.mavu");
    CCommand *lint = app->UserCommands().AddCommand(QStringLiteral("Lint it"));
    lint->m_strCommand = QStringLiteral("/bin/true");
    lint->m_bFileMenu = 1;
    app->UserCommands().AddCommand(QStringLiteral("Not for files"))->m_strCommand =
        QStringLiteral("/bin/true");

    auto items = [](CChildFrame *editor) {
        QMenu menu;
        editor->FillContextMenu(menu);
        QList<std::pair<QString, bool>> result;
        for (QAction *action : menu.actions())
            result.append({action->isSeparator() ? QStringLiteral("-") : action->text(),
                           action->isEnabled()});
        return result;
    };
    auto enabled = [](const QList<std::pair<QString, bool>> &all, const QString &text) {
        for (const auto &item : all) {
            if (item.first == text)
                return item.second;
        }
        ADD_FAILURE() << "no item " << text.toStdString();
        return false;
    };

    CChildFrame *java =
        Frame()->OpenEditor(env.WriteFile("work/Main.java", "public class Main {\n  int a;\n}\n"));
    ASSERT_NE(java, nullptr);
    java->View()->setCursorPosition(1, 0);
    const auto javaItems = items(java);
    EXPECT_EQ(javaItems.last().first, QStringLiteral("Lint it")) << "the user's file commands";
    EXPECT_TRUE(enabled(javaItems, "Compile"));
    EXPECT_FALSE(enabled(javaItems, "Browse")) << "not a page";
    CChildFrame *page = Frame()->OpenEditor(env.WriteFile("work/index.HTM", "<p>x</p>\n"));
    const auto htmlItems = items(page);
    EXPECT_TRUE(enabled(htmlItems, "Browse"));
    EXPECT_FALSE(enabled(htmlItems, "Compile"));

    // An item runs its command on this window.
    auto trigger = [](CChildFrame *editor, int id) {
        QMenu menu;
        editor->FillContextMenu(menu);
        for (QAction *action : menu.actions()) {
            if (action->data().toInt() == id)
                action->trigger();
        }
    };
    trigger(java, Cmd::ToggleBookmark);
    EXPECT_EQ(java->View()->Bookmarks(), QList<int>({2}));
    // Browse shows the saved page.
    QList<QUrl> shown;
    app->SetUrlOpener([&shown](const QUrl &url) {
        shown << url;
        return true;
    });
    trigger(page, Cmd::BrowseFile);
    EXPECT_EQ(shown, QList<QUrl>({QUrl::fromLocalFile(page->GetPathName())}));
}

TEST_F(EditorViewTest, TheDebuggerLineMarkIsOneForTheWholeProgramAndScrolledTo)
{
    Start();
    const QString first = env.WriteFile("First.java", Lines(300));
    const QString second = env.WriteFile("Second.java", Lines(300));
    CChildFrame *a = Frame()->OpenEditor(first);
    CChildFrame *b = Frame()->OpenEditor(second);
    ASSERT_TRUE(a && b);
    auto marked = [](CChildFrame *editor, int line) {
        return (editor->View()->markersAtLine(line - 1) & (1u << CJavaIDEView::kDebugLineMarker)) !=
               0;
    };

    EXPECT_EQ(Frame()->ShowDebuggerLine(first, 250), a);
    EXPECT_EQ(Frame()->ActiveEditor(), a);
    EXPECT_EQ(a->View()->DebugLine(), 250);
    EXPECT_TRUE(marked(a, 250));
    EXPECT_EQ(a->View()->CaretLine(), 250);

    // A bookmark on the same line keeps the execution mark.
    a->View()->setCursorPosition(249, 0);
    a->View()->ToggleBookmark();
    EXPECT_TRUE(marked(a, 250));
    // Scrolled away and back.
    a->View()->setFirstVisibleLine(0);
    EXPECT_TRUE(a->View()->ShowDebugLine());
    EXPECT_LE(a->View()->firstVisibleLine(), 249);

    // Stopping in the other file moves the mark there.
    Frame()->ShowDebuggerLine(second, 3);
    EXPECT_EQ(a->View()->DebugLine(), 0);
    EXPECT_FALSE(marked(a, 250));
    EXPECT_TRUE(marked(b, 3));
    // A line the file does not have marks nothing.
    b->View()->SetDebugLine(400);
    EXPECT_EQ(b->View()->DebugLine(), 0);
    EXPECT_FALSE(b->View()->ShowDebugLine());
    Frame()->ShowDebuggerLine(second, 5);
    Frame()->ClearDebuggerLine();
    EXPECT_EQ(b->View()->DebugLine(), 0);
    EXPECT_FALSE(marked(b, 5));
    EXPECT_EQ(Frame()->ShowDebuggerLine(env.FilePath("Missing.java"), 1), nullptr);
}

TEST_F(EditorViewTest, BaseClassOverridesOfferTheBaseMethodsAndWriteTheChosenOne)
{
    Start();
    CProject &project = NewProject("work/o.mavu");
    const QString base = env.WriteFile("work/Shape.java", "public class Shape {\n"
                                                          "  public void draw(int scale) {}\n"
                                                          "  public int area() { return 0; }\n"
                                                          "}\n");
    project.AddFileItem(base);
    project.ParsedFiles().ParseJavaFile(project.GetFiles().first(), true);
    CChildFrame *editor = Frame()->OpenEditor(env.WriteFile("work/Square.java",
                                                            "public class Square extends Shape {\n"
                                                            "}\n"
                                                            "class Loose {\n"
                                                            "}\n"));
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(Enabled(Cmd::BaseClassOverrides));

    editor->View()->setCursorPosition(0, 0);
    std::unique_ptr<QMenu> menu(Frame()->CreateEditorOverrideMenu(editor, nullptr));
    ASSERT_NE(menu, nullptr);
    QAction *draw = nullptr;
    QStringList texts;
    for (QAction *action : menu->actions()) {
        texts << action->text();
        if (action->text().contains(QStringLiteral("draw")))
            draw = action;
    }
    EXPECT_EQ(texts.size(), 2) << texts.join(QStringLiteral(", ")).toStdString();
    ASSERT_NE(draw, nullptr) << texts.join(QStringLiteral(", ")).toStdString();
    draw->trigger();
    EXPECT_TRUE(editor->View()->text().contains(QStringLiteral("void draw(int scale)")))
        << editor->View()->text().toStdString();
    EXPECT_TRUE(editor->View()->text().startsWith(QStringLiteral("public class Square")));

    // A class without a base offers nothing; neither does a text file.
    editor->View()->setCursorPosition(editor->View()->lines() - 2, 0);
    EXPECT_EQ(Frame()->CreateEditorOverrideMenu(editor, nullptr), nullptr);

    Frame()->OpenEditor(env.WriteFile("work/readme.txt", "x\n"));
    EXPECT_FALSE(Enabled(Cmd::BaseClassOverrides));
    // The word at the caret, looked up in the package database: the
    // Packages tab (made now, at its first use) shows the class.
    ASSERT_EQ(app->PkgDoc()->AddSourceFiles({base}), 1);
    ASSERT_EQ(Frame()->OpenEditor(env.FilePath("work/Square.java")), editor);
    editor->View()->setCursorPosition(0, 28);
    ASSERT_TRUE(Enabled(Cmd::LocateInPackages));
    Frame()->ExecuteCommand(Cmd::LocateInPackages);
    ASSERT_NE(Frame()->PackageView(), nullptr);
    EXPECT_EQ(Frame()->ProjectPane()->CurrentPane(), CNewProjectView::PackagePane);
    ASSERT_NE(Frame()->PackageView()->currentItem(), nullptr);
    EXPECT_EQ(Frame()->PackageView()->currentItem()->text(0), QStringLiteral("Shape"));
}

TEST_F(EditorViewTest, TheOptionsSheetShowsTheRefusedPageAndAppliesBothPages)
{
    Start();
    CChildFrame *editor = Frame()->OpenEditor(env.WriteFile("S.java", "class S { int s; }\n"));
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(Enabled(Cmd::Options));
    const QColor background(0x30, 0x28, 0x20);
    dialogAnswer = [&](QDialog &d) {
        if (auto *chooser = qobject_cast<QColorDialog *>(&d)) {
            chooser->setCurrentColor(background);
            return int(QDialog::Accepted);
        }
        auto *sheet = qobject_cast<COptionsSheet *>(&d);
        if (!sheet)
            return int(QDialog::Rejected);
        sheet->Editor()->findChild<QLineEdit *>("tabSize")->setText(QStringLiteral("1"));
        sheet->SetCurrentPage(COptionsSheet::ColorsPage);
        sheet->accept();
        EXPECT_EQ(sheet->result(), int(QDialog::Rejected));
        EXPECT_EQ(sheet->CurrentPage(), COptionsSheet::EditorPage) << "the refused number shows";
        sheet->Editor()->findChild<QLineEdit *>("tabSize")->setText(QStringLiteral("6"));
        sheet->Colours()->ChooseBackground();
        sheet->accept();
        return sheet->result();
    };
    Frame()->ExecuteCommand(Cmd::Options);
    EXPECT_EQ(prompter.m_messages,
              QStringList(CEditorOptionsDlg::RangeMessage("Editor Tab Size -", 2, 20)));
    EXPECT_EQ(editor->View()->tabWidth(), 6);
    EXPECT_EQ(editor->View()->lexer()->paper(0), background);
    const CSettingsStore stored(env.FilePath(QStringLiteral("config/Mavu/Mavu.ini")));
    EXPECT_EQ(stored.GetProfileInt("Editor", "Tabsize", 0), 6);
}
