#include "editor/HueditView.h"

#include "editor/EditorLexer.h"
#include "editor/TextFile.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPalette>
#include <QTest>
#include <QUrl>
#include <Qsci/qscilexercpp.h>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

namespace {

class CTestView : public CHueditView
{
public:
    std::vector<std::pair<int, int>> carets;
    int readOnlyEdits = 0;
    std::unique_ptr<QKeyEvent> lastAttempt;
    bool lastAttemptWasKey = false;
    std::vector<int> replaceCounts;

    QString Text() const { return text(); }
    long Caret() const { return SendScintilla(SCI_GETCURRENTPOS); }
    long SelStart() const { return SendScintilla(SCI_GETSELECTIONSTART); }
    void SetCaret(long pos) { SendScintilla(SCI_GOTOPOS, static_cast<unsigned long>(pos)); }
    void Select(long from, long to)
    {
        SendScintilla(SCI_SETSEL, static_cast<unsigned long>(from), to);
    }
    // One change that is its own undo step.
    void Step(const QString &s)
    {
        beginUndoAction();
        SendScintilla(SCI_DOCUMENTEND);
        insert(s);
        endUndoAction();
        SendScintilla(SCI_DOCUMENTEND);
    }

protected:
    void OnCaretMoved(int line, int column) override { carets.emplace_back(line, column); }
    void OnReadOnlyEdit(const QKeyEvent *attempt) override
    {
        ++readOnlyEdits;
        lastAttemptWasKey = attempt != nullptr;
        if (attempt)
            lastAttempt.reset(attempt->clone());
    }
    void OnReplaceAllDone(int count) override { replaceCounts.push_back(count); }
};

class HueditView : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CHueditView::Init(MakeColorRef(255, 255, 255), 100);
        CHueditView::Options().smartIndent = false;
        CHueditView::Options().spaceForTab = false;
        CHueditView::Options().replaceInSelection = false;
        view = std::make_unique<CTestView>();
        view->resize(600, 400);
        view->show();
        view->setFocus();
        QApplication::processEvents();
    }
    void TearDown() override { view.reset(); }

    std::unique_ptr<CTestView> view;
};

TEST_F(HueditView, ReadOnlyRefusesEditsReportsThemAndReplaysTheKey)
{
    view->LoadText("abc");
    view->SetRO(true);
    view->SetCaret(3);
    QTest::keyClick(view.get(), Qt::Key_X);
    QTest::keyClick(view.get(), Qt::Key_Backspace);
    EXPECT_EQ(view->Text(), "abc");
    EXPECT_EQ(view->readOnlyEdits, 0) << "reported only after the refused key is done";
    QApplication::processEvents();
    // One report for a burst of refused keys (one question to the user),
    // carrying the first of them.
    EXPECT_EQ(view->readOnlyEdits, 1);
    ASSERT_TRUE(view->lastAttemptWasKey);
    EXPECT_EQ(view->lastAttempt->key(), Qt::Key_X);

    // A change that did not come from a key is refused and reported too.
    const int before = view->readOnlyEdits;
    view->SendScintilla(QsciScintillaBase::SCI_REPLACESEL, static_cast<uintptr_t>(0), "zz");
    QApplication::processEvents();
    EXPECT_EQ(view->Text(), "abc");
    EXPECT_EQ(view->readOnlyEdits, before + 1);
    EXPECT_FALSE(view->lastAttemptWasKey);

    // Made writable, the replayed key does what it tried to do.
    view->SetRO(false);
    view->ReplayEdit(QKeyEvent(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x"));
    EXPECT_EQ(view->Text(), "abcx");
}

TEST_F(HueditView, ReplaceAllCountsAndIsOneUndoStep)
{
    struct Row
    {
        const char *text, *what, *with;
        bool matchCase, wholeWord;
        int count;
        const char *after;
    };
    const Row rows[] = {
        {"foo Foo food foo\nfoo", "foo", "bar", true, true, 3, "bar Foo food bar\nbar"},
        {"foo Foo food foo\nfoo", "foo", "x", false, false, 5, "x x xd x\nx"},
        {"aaa", "a", "aa", true, false, 3, "aaaaaa"},
        {"a\xc3\xa9 b \xc3\xa9", "\xc3\xa9", "e", true, false, 2, "ae b e"},
        {"nothing here", "zzz", "y", false, false, 0, "nothing here"},
    };
    for (const Row &r : rows) {
        view->LoadText(r.text);
        const QString what = QString::fromUtf8(r.what);
        EXPECT_EQ(view->OnReplaceAll(what, QString::fromUtf8(r.with), r.matchCase, r.wholeWord),
                  r.count)
            << r.text << " / " << r.what;
        EXPECT_EQ(view->Text(), QString::fromUtf8(r.after)) << r.text << " / " << r.what;
        EXPECT_EQ(view->replaceCounts.back(), r.count);
        if (r.count) {
            view->OnUndo();
            EXPECT_EQ(view->Text(), QString::fromUtf8(r.text)) << "one undo restores all";
        }
    }
}

TEST_F(HueditView, ReplaceAllInSelectionTouchesOnlyTheSelection)
{
    CHueditView::Options().replaceInSelection = true;
    view->LoadText("ab ab ab ab");
    view->Select(3, 8); // "ab ab"
    EXPECT_EQ(view->OnReplaceAll("ab", "xyz", true, false), 2);
    EXPECT_EQ(view->Text(), "ab xyz xyz ab");
    EXPECT_EQ(view->selectedText(), "xyz xyz");
    EXPECT_EQ(view->replaceCounts, std::vector<int>{2});

    // Without a selection the switch means the whole text.
    view->SetCaret(0);
    EXPECT_EQ(view->OnReplaceAll("ab", "c", true, false), 2);
    EXPECT_EQ(view->Text(), "c xyz xyz c");

    CHueditView::Options().replaceInSelection = false;
    view->Select(0, 3);
    EXPECT_EQ(view->OnReplaceAll("xyz", "q", true, false), 2);
}

// Far into a big text Replace All makes one change; it must give the same
// text, keep the margin marks on their lines and the caret on its text.
TEST_F(HueditView, ReplaceAllFarIntoABigTextKeepsMarksAndCaret)
{
    const int lines = 64;
    QByteArray filler(CHueditView::kBulkReplaceCost / lines + 1000, 'x');
    filler += '\n';
    QByteArray tail;
    for (int i = 0; i < lines; ++i)
        tail += "foo bar foo\n";
    view->LoadText(filler + tail);
    const int mark = 3;
    view->markerDefine(QsciScintilla::Circle, mark);
    const int firstTail = 1;
    view->markerAdd(0, mark);
    view->markerAdd(firstTail + 5, mark);
    view->markerAdd(firstTail + 40, mark);
    // The caret after "foo bar " on the tenth tail line.
    const long caret = filler.size() + 9 * 12 + 8;
    view->SetCaret(caret);

    EXPECT_EQ(view->OnReplaceAll("foo", "quux", true, true), 2 * lines);
    QByteArray expected = tail;
    expected.replace("foo", "quux");
    QByteArray now;
    view->GetEditBuffer(0, -1, now);
    EXPECT_TRUE(now == filler + expected);
    for (int line : {0, firstTail + 5, firstTail + 40})
        EXPECT_EQ(view->markersAtLine(line), 1u << mark) << line;
    EXPECT_EQ(view->markerFindNext(firstTail + 6, 1u << mark), firstTail + 40);
    EXPECT_EQ(view->Caret(), caret + 9 * 2 * 1 + 1) << "still after \"quux bar \"";

    view->OnUndo();
    view->GetEditBuffer(0, -1, now);
    EXPECT_TRUE(now == filler + tail);
}

TEST_F(HueditView, FindWrapsAndReplaceSelReplacesOnlyAMatch)
{
    view->LoadText("foo bar Foo bar foo");
    view->SetCaret(0);
    // Forward with case wraps to the start; backwards in any case wraps too.
    for (auto [forward, matchCase, start] : {std::tuple{true, true, 0},
                                             {true, true, 16},
                                             {true, true, 0},
                                             {false, false, 16},
                                             {false, false, 8}}) {
        ASSERT_TRUE(view->OnFindNext("foo", forward, matchCase, false));
        EXPECT_EQ(view->SelStart(), start);
    }
    EXPECT_FALSE(view->OnFindNext("baz", true, false, false));
    EXPECT_FALSE(view->OnFindNext("", true, false, false));

    // The selection "bar" is not "foo": nothing replaced, the next foo found.
    view->Select(4, 7);
    EXPECT_TRUE(view->OnReplaceSel("foo", true, true, false, "X"));
    EXPECT_EQ(view->Text(), "foo bar Foo bar foo");
    EXPECT_EQ(view->selectedText(), "foo");
    EXPECT_TRUE(view->OnReplaceSel("foo", true, true, false, "X"));
    EXPECT_EQ(view->Text(), "foo bar Foo bar X");
    EXPECT_EQ(view->SelStart(), 0);
}

TEST_F(HueditView, BraceMatchingSkipsBracesInStringsAndComments)
{
    view->SetLanguage(&CLanguage::m_JavaLanguage);
    //                        0         1         2         3         4         5
    //                        0123456789012345678901234567890123456789012345678901234
    const QByteArray text = "void f() { String s = \"}\"; /* } */ if (a[1]) { g(); } }";
    view->LoadText(text);
    const long open = text.indexOf('{');
    const long close = text.lastIndexOf('}');
    view->SetCaret(open);
    ASSERT_TRUE(view->FindBraceParenthesisPair());
    EXPECT_EQ(view->Caret(), close);
    ASSERT_TRUE(view->FindBraceParenthesisPair());
    EXPECT_EQ(view->Caret(), open) << "a second call goes back";

    const long paren = text.indexOf("if (") + 3;
    view->SetCaret(paren + 1); // right after '('
    ASSERT_TRUE(view->FindBraceParenthesisPair());
    EXPECT_EQ(view->Caret(), text.indexOf(") {", paren) + 1);

    view->SetCaret(text.indexOf('[')); // before '['
    ASSERT_TRUE(view->FindBraceParenthesisPair());
    EXPECT_EQ(view->Caret(), text.indexOf(']'));

    view->SetCaret(2); // inside "void"
    EXPECT_FALSE(view->FindBraceParenthesisPair());
    EXPECT_EQ(view->Caret(), 2);

    view->LoadText("f(a");
    view->SetCaret(1);
    EXPECT_FALSE(view->FindBraceParenthesisPair());
}

TEST_F(HueditView, WordsAtCursorAndIndex)
{
    const QByteArray text = "int my_var$2 = other.x; \xc3\xa9t\xc3\xa9 ";
    view->LoadText(text);
    struct Row
    {
        long index;
        bool found;
        const char *word;
    };
    const Row rows[] = {
        {0, true, "int"},
        {6, true, "my_var$2"},
        {12, true, "my_var$2"}, // right after the word
        {14, false, ""},        // between the blanks round '='
        {26, true, "\xc3\xa9t\xc3\xa9"},
        {long(text.size()), false, ""},
        {long(text.size()) + 5, false, ""},
        {-1, false, ""},
    };
    for (const Row &r : rows) {
        QString w;
        EXPECT_EQ(view->GetWordAtIndex(w, r.index), r.found) << r.index;
        EXPECT_EQ(w, QString::fromUtf8(r.word)) << r.index;
    }
    view->SetCaret(17);
    QString w;
    ASSERT_TRUE(view->GetWordAtCursor(w, true));
    EXPECT_EQ(w, "other");
    EXPECT_EQ(view->selectedText(), "other");
}

TEST_F(HueditView, EditBufferRanges)
{
    const QByteArray text("h\xc3\xa9llo\nworld\0end", 16);
    view->LoadText(text);
    QByteArray bytes;
    view->GetEditBuffer(0, -1, bytes);
    EXPECT_EQ(bytes, text) << "zero bytes survive loading";
    QString s;
    view->GetEditBuffer(1, 3, s);
    EXPECT_EQ(s, QString::fromUtf8("\xc3\xa9"));
    view->GetEditBuffer(7, 100, s);
    EXPECT_EQ(s, QString::fromUtf8(text.mid(7)));
    view->GetEditBuffer(-4, 2, s);
    EXPECT_EQ(s, "h\xc3");
    view->GetEditBuffer(5, 2, s);
    EXPECT_TRUE(s.isEmpty());
    view->GetEditBuffer(16, -1, s);
    EXPECT_TRUE(s.isEmpty());
}

TEST_F(HueditView, SmartIndentAndTabFollowTheOptionsAndATypedClosingBraceMovesOut)
{
    CHueditView::Options().smartIndent = true;
    CHueditView::Options().spaceForTab = true;
    view->SetTabStops(4);
    view->LoadText("    if (x) {");
    view->SetCaret(12);
    QTest::keyClick(view.get(), Qt::Key_Return);
    QTest::keyClicks(view.get(), "y;");
    QTest::keyClick(view.get(), Qt::Key_Return);
    EXPECT_EQ(view->Text(), "    if (x) {\n        y;\n        ");
    QTest::keyClicks(view.get(), "}");
    EXPECT_EQ(view->Text(), "    if (x) {\n        y;\n    }") << "under its opening line";
    view->OnUndo(); // the brace and its move go together
    EXPECT_EQ(view->Text(), "    if (x) {\n        y;\n        ");
    view->OnUndo(); // the new line and its indentation go together
    EXPECT_EQ(view->Text(), "    if (x) {\n        y;");

    // Typed at the end of a text: '\n' is Return, '\t' is Tab.
    struct Row
    {
        bool smart, spaces;
        const char *text, *typed, *after;
    };
    const Row rows[] = {
        // Nested blocks: each brace finds its own opening line, whatever the
        // indentation typed in between.
        {true, true, "class A {\n    void f() {\n            x();\n            ", "}\n}",
         "class A {\n    void f() {\n            x();\n    }\n}"},
        // A brace after other text on its line stays where it was typed.
        {true, true, "    int[] a = {1,\n            2", "}", "    int[] a = {1,\n            2}"},
        {true, false, "\tclass A {", "\n", "\tclass A {\n\t\t"},
        // Without smart indent a brace stays where it was typed.
        {false, false, "    x {", "\n", "    x {\n"},
        {false, false, "x {\n    ", "}", "x {\n    }"},
        // The Tab key fills to the next stop with blanks only when asked.
        {false, true, "ab", "\t", "ab  "},
        {false, false, "ab", "\t", "ab\t"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.text);
        CHueditView::Options().smartIndent = r.smart;
        CHueditView::Options().spaceForTab = r.spaces;
        view->SetTabStops(4);
        view->LoadText(r.text);
        view->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
        for (const char *c = r.typed; *c; ++c) {
            if (*c == '\n' || *c == '\t')
                QTest::keyClick(view.get(), *c == '\n' ? Qt::Key_Return : Qt::Key_Tab);
            else
                QTest::keyClicks(view.get(), QString(QLatin1Char(*c)));
        }
        EXPECT_EQ(view->Text(), r.after);
    }
}

TEST_F(HueditView, UndoStopsAtTheConfiguredDepth)
{
    CHueditView::Options().maxUndo = 3;
    view->LoadText("");
    EXPECT_FALSE(view->CanUndo());
    for (const char *s : {"1", "2", "3", "4", "5"})
        view->Step(s);
    ASSERT_EQ(view->Text(), "12345");
    for (const char *expected : {"1234", "123", "12"}) {
        ASSERT_TRUE(view->CanUndo());
        view->OnUndo();
        EXPECT_EQ(view->Text(), expected);
    }
    EXPECT_FALSE(view->CanUndo());
    view->OnUndo();
    QTest::keyClick(view.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(view->Text(), "12") << "neither the call nor the key goes deeper";

    ASSERT_TRUE(view->CanRedo());
    QTest::keyClick(view.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(view->Text(), "123");
    view->OnRedo();
    view->OnRedo();
    EXPECT_EQ(view->Text(), "12345");
    EXPECT_FALSE(view->CanRedo());

    view->OnUndo();
    view->Step("x"); // a new change ends the redo
    EXPECT_FALSE(view->CanRedo());
    EXPECT_EQ(view->Text(), "1234x");

    CHueditView::Options().maxUndo = 1; // a lowered depth holds at once
    view->OnUndo();
    EXPECT_EQ(view->Text(), "1234");
    EXPECT_FALSE(view->CanUndo());

    // Typing runs together into one step, as Scintilla merges it.
    CHueditView::Options().maxUndo = 10;
    view->LoadText("");
    QTest::keyClicks(view.get(), "abc");
    view->OnUndo();
    EXPECT_EQ(view->Text(), "");
    EXPECT_FALSE(view->CanUndo());
}

TEST_F(HueditView, ColoursComeFromTheTextFormats)
{
    view->SetLanguage(&CLanguage::m_JavaLanguage);
    auto *lexer = qobject_cast<QsciLexerCPP *>(view->lexer());
    ASSERT_NE(lexer, nullptr);

    CTextFormat::m_KeywordTxt.SetColor(MakeColorRef(10, 20, 30));
    CTextFormat::m_BlockCommentTxt.SetColor(MakeColorRef(40, 50, 60));
    view->OnTextFormatChange();
    EXPECT_EQ(lexer->color(QsciLexerCPP::Keyword), QColor(10, 20, 30));
    EXPECT_EQ(lexer->color(QsciLexerCPP::CommentDoc), QColor(40, 50, 60));
    EXPECT_EQ(lexer->color(QsciLexerCPP::KeywordSet2),
              editor_lexer::ToQColor(CTextFormat::m_TypeWordTxt.GetColor()));

    CHueditView::Options().background = MakeColorRef(1, 2, 3);
    view->RefreshBackgroundColor();
    EXPECT_EQ(lexer->paper(QsciLexerCPP::Keyword), QColor(1, 2, 3));

    // A dark window makes the defaults dark-friendly.
    const QPalette saved = QApplication::palette();
    QPalette dark = saved;
    dark.setColor(QPalette::Base, QColor(25, 25, 25));
    QApplication::setPalette(dark);
    CHueditView::Init(CHueditView::SystemWindowColor(), 100);
    QApplication::setPalette(saved);
    EXPECT_TRUE(IsDarkColorRef(CHueditView::Options().background));
    EXPECT_GT(ColorRefBrightness(CTextFormat::m_NormalTxt.GetColor()), 160);
    EXPECT_GT(ColorRefBrightness(CTextFormat::m_KeywordTxt.GetColor()), 100);
}

TEST_F(HueditView, LanguageByFileNameAndClipboard)
{
    EXPECT_EQ(CHueditView::LanguageForFile("/p/A.java"), &CLanguage::m_JavaLanguage);
    EXPECT_EQ(CHueditView::LanguageForFile("x.HTM"), &CLanguage::m_HTMLLanguage);
    EXPECT_EQ(CHueditView::LanguageForFile("README"), nullptr);
    view->SetLanguage(CHueditView::LanguageForFile("x.html"));
    EXPECT_STREQ(view->lexer()->language(), "HTML");
    view->SetLanguage(nullptr);
    EXPECT_EQ(view->lexer(), nullptr);

    ASSERT_TRUE(CHueditView::CopyToClipboard("copied text"));
    EXPECT_EQ(QApplication::clipboard()->text(), "copied text");
}

// Text a wizard puts in is one step: undone and redone whole, apart from
// the typing round it, with the document's line ends.
TEST_F(HueditView, TextAddedByTheProgramIsOneUndoStep)
{
    view->LoadText("class A {\n}\n");
    view->SetCaret(10);
    QTest::keyClicks(view.get(), "int a;");
    ASSERT_TRUE(view->AddPasteUndo("\n    void f() {\n    }\n"));
    EXPECT_EQ(view->Text(), "class A {\nint a;\n    void f() {\n    }\n}\n");
    QTest::keyClicks(view.get(), "int b;");
    const QString all = view->Text();

    view->OnUndo();
    EXPECT_EQ(view->Text(), "class A {\nint a;\n    void f() {\n    }\n}\n");
    view->OnUndo();
    EXPECT_EQ(view->Text(), "class A {\nint a;}\n") << "the added text goes in one step";
    view->OnUndo();
    EXPECT_EQ(view->Text(), "class A {\n}\n");
    view->OnRedo();
    view->OnRedo();
    EXPECT_EQ(view->Text(), "class A {\nint a;\n    void f() {\n    }\n}\n");
    view->OnRedo();
    EXPECT_EQ(view->Text(), all);

    // It takes the place of a selection, and the caret ends after it.
    view->Select(0, 5);
    ASSERT_TRUE(view->AddPasteUndo("interface"));
    EXPECT_TRUE(view->Text().startsWith("interface A {"));
    EXPECT_EQ(view->Caret(), 9);
    view->OnUndo();
    EXPECT_TRUE(view->Text().startsWith("class A {"));

    // In a CRLF text the new lines are CRLF too.
    CTextFile crlf;
    ASSERT_TRUE(crlf.Decode("a\r\nb\r\n"));
    view->Serialize(crlf, false);
    view->SetCaret(3);
    ASSERT_TRUE(view->AddPasteUndo("x\ny\r\n"));
    EXPECT_EQ(view->Text(), "a\r\nx\r\ny\r\nb\r\n");

    // Read-only text takes nothing and says so like any refused edit.
    view->SetRO(true);
    EXPECT_FALSE(view->AddPasteUndo("z"));
    QApplication::processEvents();
    EXPECT_EQ(view->Text(), "a\r\nx\r\ny\r\nb\r\n");
    EXPECT_EQ(view->readOnlyEdits, 1);
}

// The editor's text to and from a file's form, as the document uses it:
// an unchanged text goes back byte for byte, typed and pasted line ends
// follow the file's.
TEST_F(HueditView, SerializeKeepsTheFileFormAndItsLineEnds)
{
    struct Row
    {
        const char *name;
        QByteArray bytes, afterEnter; // after Return then "x" at the end of line 1
    };
    const Row rows[] = {
        {"crlf", "class A {\r\n}\r\n", "class A {\r\nx\r\n}\r\n"},
        {"lf", "class A {\n}\n", "class A {\nx\n}\n"},
        {"latin-1", "// \xe9\r\n", "// \xe9\r\nx\r\n"},
        {"marked", "\xef\xbb\xbf// \xc3\xa9\n", "\xef\xbb\xbf// \xc3\xa9\nx\n"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        CTextFile file;
        ASSERT_TRUE(file.Decode(r.bytes));
        view->Serialize(file, false);
        EXPECT_FALSE(view->CanUndo()) << "a loaded text starts a fresh history";
        EXPECT_FALSE(view->isModified());
        EXPECT_FALSE(view->Text().startsWith(QChar(0xfeff))) << "the mark is not text";
        view->Serialize(file, true);
        EXPECT_EQ(file.Encode(), r.bytes);

        view->SendScintilla(QsciScintillaBase::SCI_GOTOLINE, 0UL);
        view->SendScintilla(QsciScintillaBase::SCI_LINEEND);
        QTest::keyClick(view.get(), Qt::Key_Return);
        QTest::keyClicks(view.get(), "x");
        view->Serialize(file, true);
        EXPECT_EQ(file.Encode(), r.afterEnter);
    }

    // Pasted line ends follow the file too.
    CTextFile file;
    ASSERT_TRUE(file.Decode("a\r\n"));
    view->Serialize(file, false);
    view->SetCaret(3);
    QApplication::clipboard()->setText("p\nq\n");
    QTest::keyClick(view.get(), Qt::Key_V, Qt::ControlModifier);
    view->Serialize(file, true);
    EXPECT_EQ(file.Encode(), QByteArray("a\r\np\r\nq\r\n"));
}

// A window round the editor that takes dropped files, as the main window
// opens them.
class CDropTarget : public QWidget
{
public:
    QList<QUrl> dropped;

protected:
    void dragEnterEvent(QDragEnterEvent *e) override { dragMoveEvent(e); }
    void dragMoveEvent(QDragMoveEvent *e) override
    {
        if (e->mimeData()->hasUrls())
            e->acceptProposedAction();
        else
            e->ignore();
    }
    void dropEvent(QDropEvent *e) override
    {
        dropped += e->mimeData()->urls();
        e->acceptProposedAction();
    }
};

// Drags and drops go to the editor's viewport the way the window system
// delivers them: an enter, a move, then the drop where the move was let in.
bool DropOn(QWidget *viewport, const QMimeData *data)
{
    const QPoint at(5, 5);
    QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    if (!move.isAccepted())
        return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
    return drop.isAccepted();
}

TEST_F(HueditView, DroppedAndPastedDataIsTakenOnlyWhenItIsText)
{
    CDropTarget frame;
    frame.setAcceptDrops(true);
    view->setParent(&frame);
    // The fixture owns the view: the frame must not delete it, even when a
    // check below stops the test early.
    const auto detach = qScopeGuard([this] { view->setParent(nullptr); });
    frame.resize(600, 400);
    frame.show();
    QApplication::processEvents();
    QWidget *viewport = view->viewport();

    const auto mime = [](const QString &text, const QList<QUrl> &urls = {}) {
        auto data = std::make_unique<QMimeData>();
        if (!urls.isEmpty())
            data->setUrls(urls); // also sets a text form of the links
        if (!text.isNull())
            data->setText(text);
        return data;
    };
    const QUrl file = QUrl::fromLocalFile("/src/Other.java");

    struct Row
    {
        const char *name;
        std::unique_ptr<QMimeData> data;
        const char *after;    // the text after the drop
        QList<QUrl> passedUp; // what the window round it received
    };
    std::vector<Row> rows;
    rows.push_back({"plain text", mime("Foo"), "Foo", {}});
    rows.push_back({"binary", mime(QString::fromUtf8("a\0b", 3)), "", {}});
    rows.push_back({"a file", mime(QString(), {file}), "", {file}});
    rows.push_back({"a file with a text form", mime(file.toString(), {file}), "", {file}});
    rows.push_back({"a web link",
                    mime(QString(), {QUrl("https://example.org/a")}),
                    "https://example.org/a",
                    {}});
    auto html = std::make_unique<QMimeData>();
    html->setHtml("<b>x</b>");
    rows.push_back({"markup only", std::move(html), "", {}});

    for (Row &r : rows) {
        SCOPED_TRACE(r.name);
        view->LoadText("");
        frame.dropped.clear();
        DropOn(viewport, r.data.get());
        EXPECT_EQ(view->Text(), QString::fromUtf8(r.after));
        EXPECT_EQ(frame.dropped, r.passedUp);

        // Pasting the same data agrees with dropping it, except that links
        // on the clipboard are only their text form.
        view->LoadText("");
        auto copy = std::make_unique<QMimeData>();
        for (const QString &format : r.data->formats())
            copy->setData(format, r.data->data(format));
        QApplication::clipboard()->setMimeData(copy.release());
        QTest::keyClick(view.get(), Qt::Key_V, Qt::ControlModifier);
        if (r.passedUp.isEmpty()) {
            EXPECT_EQ(view->Text(), QString::fromUtf8(r.after));
        }
    }
    EXPECT_EQ(view->readOnlyEdits, 0);

    // Read-only: a hovering drag is refused quietly, a paste is reported
    // once, with the key that tried it.
    view->LoadText("ro");
    view->SetRO(true);
    auto text = mime("Foo");
    EXPECT_FALSE(DropOn(viewport, text.get()));
    QApplication::processEvents();
    EXPECT_EQ(view->Text(), "ro");
    EXPECT_EQ(view->readOnlyEdits, 0);
    QApplication::clipboard()->setText("Foo");
    QTest::keyClick(view.get(), Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(view->Text(), "ro");
    EXPECT_EQ(view->readOnlyEdits, 1);
    ASSERT_TRUE(view->lastAttemptWasKey);
    EXPECT_EQ(view->lastAttempt->key(), Qt::Key_V);
}

} // namespace

// Keys typed into a large text are kept from the accessibility bridge; the
// editor's own reports of the change must still come, and the undo depth
// must still see the user's changes.
TEST_F(HueditView, KeysTypedIntoALargeTextStillReportTheirChanges)
{
    for (const qsizetype size : {qsizetype(1000), qsizetype(CHueditView::kQuietEditBytes * 2)}) {
        SCOPED_TRACE(size);
        QByteArray text;
        while (text.size() < size)
            text += "int value = 1; // a line of text\n";
        view->LoadText(text);
        view->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
        const long maskBefore = view->SendScintilla(QsciScintillaBase::SCI_GETMODEVENTMASK);
        const int lines = view->lines();
        int textChanges = 0, lineChanges = 0;
        auto c1 = QObject::connect(view.get(), &QsciScintilla::textChanged, [&] { ++textChanges; });
        auto c2 =
            QObject::connect(view.get(), &QsciScintilla::linesChanged, [&] { ++lineChanges; });

        QTest::keyClick(view.get(), Qt::Key_A);
        EXPECT_EQ(textChanges, 1);
        EXPECT_EQ(lineChanges, 0);
        QTest::keyClick(view.get(), Qt::Key_Return);
        EXPECT_EQ(textChanges, 2);
        EXPECT_EQ(lineChanges, 1);
        EXPECT_EQ(view->lines(), lines + 1);
        QTest::keyClick(view.get(), Qt::Key_Backspace);
        QTest::keyClick(view.get(), Qt::Key_Backspace);
        EXPECT_EQ(textChanges, 4);
        EXPECT_EQ(view->Text().toUtf8(), text);
        EXPECT_EQ(view->SendScintilla(QsciScintillaBase::SCI_GETMODEVENTMASK), maskBefore)
            << "every change made another way is reported as before";

        // Undone then typed over: the redo is gone and the undo depth
        // counts from the typed key.
        CHueditView::Options().maxUndo = 1;
        view->OnUndo();
        QTest::keyClick(view.get(), Qt::Key_B);
        EXPECT_FALSE(view->CanRedo());
        EXPECT_TRUE(view->CanUndo());
        CHueditView::Options().maxUndo = 100;
        QObject::disconnect(c1);
        QObject::disconnect(c2);
    }
}
