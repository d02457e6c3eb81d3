#include "editor/HueditView.h"

#include "editor/EditorFindReplace.h"
#include "editor/EditorLexer.h"
#include "editor/TextFile.h"
#include "editor/UndoDepth.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QClipboard>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPalette>
#include <QUrl>
#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <Qsci/qscilexer.h>
#include <cstring>

CEditorOptions &CHueditView::Options()
{
    static CEditorOptions options;
    return options;
}
CLanguage &CHueditView::m_JavaLanguage = CLanguage::m_JavaLanguage;
CLanguage &CHueditView::m_HTMLLanguage = CLanguage::m_HTMLLanguage;
CLanguage &CHueditView::m_CPPLanguage = CLanguage::m_CPPLanguage;
CTextFormat &CHueditView::m_NormalTxt = CTextFormat::m_NormalTxt;
CTextFormat &CHueditView::m_StringTxt = CTextFormat::m_StringTxt;
CTextFormat &CHueditView::m_BlockCommentTxt = CTextFormat::m_BlockCommentTxt;
CTextFormat &CHueditView::m_LineCommentTxt = CTextFormat::m_LineCommentTxt;
const CPatternTable &CHueditView::m_Patterns = CLanguage::m_JavaLanguage.m_Patterns;

using editor_lexer::ToQColor;

void CHueditView::Init(DWORD backgroundColour, int maxUndo)
{
    Options().background = backgroundColour;
    Options().maxUndo = maxUndo;
    CTextFormat::InitAll(backgroundColour);
}

COLORREF CHueditView::SystemWindowColor()
{
    return editor_lexer::FromQColor(QGuiApplication::palette().color(QPalette::Base));
}

namespace {

// QScintilla's accessible editor answers each caret move and each change
// with the character offset of the caret, counted from the start of the
// text: tens of milliseconds a key at the end of a 5 MB file. While no
// assistive technology listens, nobody needs those offsets, so our editors
// get the plain accessible of an editable widget instead (factories
// installed later are asked first). With a screen reader running, the
// full interface is made as before.
QAccessibleInterface *PlainEditorAccessible(const QString &, QObject *object)
{
    if (QAccessible::isActive())
        return nullptr;
    auto *view = qobject_cast<CHueditView *>(object);
    return view ? new QAccessibleWidget(view, QAccessible::EditableText) : nullptr;
}

} // namespace

CHueditView::CHueditView(QWidget *parent)
    : QsciScintilla(parent), m_font(QFontDatabase::systemFont(QFontDatabase::FixedFont)),
      m_undo(new CUndoDepth(this, &Options().maxUndo))
{
    static const bool plainAccessible = [] {
        QAccessible::installFactory(PlainEditorAccessible);
        return true;
    }();
    Q_UNUSED(plainAccessible);
    setUtf8(true);
    setEolMode(EolUnix);
    setAutoIndent(false); // smart indent is ours
    setTabWidth(4);
    setBraceMatching(SloppyBraceMatch);
    setFont(m_font);
    setMarginsFont(m_font);

    // Undo and redo keys go through the undo depth, not straight to
    // Scintilla.
    for (QsciCommand::Command cmd : {QsciCommand::Undo, QsciCommand::Redo}) {
        if (QsciCommand *c = standardCommands()->find(cmd)) {
            c->setKey(0);
            c->setAlternateKey(0);
        }
    }

    connect(this, &QsciScintillaBase::SCN_CHARADDED, this, &CHueditView::OnCharAdded);
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int, int type, const char *, int, int, int, int, int, int, int) {
                if (type & (SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE))
                    m_quietChange = true;
            });
    connect(this, &QsciScintillaBase::SCN_MODIFYATTEMPTRO, this, &CHueditView::OnModifyAttemptRO);
    connect(this, &QsciScintilla::cursorPositionChanged, this,
            [this](int, int) { UpdateCursorPosition(); });

    ApplyIndentSettings();
    RefreshBackgroundColor();
}

CHueditView::~CHueditView() = default;

long CHueditView::Sci(unsigned int msg, unsigned long wParam, long lParam) const
{
    return SendScintilla(msg, wParam, lParam);
}

// ---- language and text ---------------------------------------------------

void CHueditView::SetLanguage(const CLanguage *language)
{
    if (language == m_language && (m_lexer || !language))
        return;
    m_language = language;
    QsciLexer *old = m_lexer;
    m_lexer = editor_lexer::Create(language, this);
    editor_lexer::ApplyFormats(m_lexer, m_language, m_font, Options().background);
    setLexer(m_lexer);
    delete old;
    OnTextFormatChange();
    RefreshBackgroundColor();
}

const CLanguage *CHueditView::LanguageForFile(const QString &fileName)
{
    const QString ext = QFileInfo(fileName).suffix().toLower();
    if (ext == QLatin1String("java"))
        return &CLanguage::m_JavaLanguage;
    if (ext == QLatin1String("html") || ext == QLatin1String("htm"))
        return &CLanguage::m_HTMLLanguage;
    static const char *const cpp[] = {"c", "cc", "cpp", "cxx", "h", "hh", "hpp", "hxx"};
    for (const char *e : cpp) {
        if (ext == QLatin1String(e))
            return &CLanguage::m_CPPLanguage;
    }
    return nullptr;
}

void CHueditView::LoadText(const QByteArray &utf8)
{
    const bool ro = isReadOnly();
    setReadOnly(false);
    // Appended with its length, so zero bytes in a binary file survive.
    Sci(SCI_CLEARALL);
    SendScintilla(SCI_APPENDTEXT, static_cast<uintptr_t>(utf8.size()), utf8.constData());
    setReadOnly(ro);
    m_undo->Reset();
    setModified(false);
}

void CHueditView::Serialize(CTextFile &file, bool storing)
{
    if (storing) {
        QByteArray text;
        GetEditBuffer(0, -1, text);
        file.SetText(text);
        return;
    }
    // Typed and pasted line ends follow the file's, so a CRLF file stays
    // CRLF throughout; the loaded text keeps whatever it has.
    setEolMode(file.GetLineEnd() == CTextFile::CrLf ? EolWindows : EolUnix);
    LoadText(file.Text());
}

// ---- editing -------------------------------------------------------------

void CHueditView::SetRO(bool readOnly)
{
    setReadOnly(readOnly);
}

void CHueditView::SetDefaultFont(const QFont &font)
{
    m_font = font;
    setFont(font);
    setMarginsFont(font);
    OnTextFormatChange();
}

void CHueditView::SetTabStops(int tabSize, bool redraw)
{
    setTabWidth(tabSize);
    setIndentationWidth(0); // indent by one tab width
    ApplyIndentSettings();
    if (redraw)
        viewport()->update();
}

void CHueditView::ApplyIndentSettings()
{
    setIndentationsUseTabs(!Options().spaceForTab);
}

void CHueditView::OnUndo()
{
    m_undo->Undo();
}
void CHueditView::OnRedo()
{
    m_undo->Redo();
}
bool CHueditView::CanUndo() const
{
    return m_undo->CanUndo();
}
bool CHueditView::CanRedo() const
{
    return m_undo->CanRedo();
}

bool CHueditView::AddPasteUndo(const QString &text)
{
    if (isReadOnly()) {
        // Reported as any refused change, so the read-only guard may offer
        // to make the file writable.
        OnModifyAttemptRO();
        return false;
    }
    QByteArray bytes = text.toUtf8();
    if (eolMode() == EolWindows) {
        bytes.replace("\r\n", "\n");
        bytes.replace('\n', "\r\n");
    }
    beginUndoAction();
    SendScintilla(SCI_REPLACESEL, static_cast<uintptr_t>(0), "");
    SendScintilla(SCI_ADDTEXT, static_cast<uintptr_t>(bytes.size()), bytes.constData());
    endUndoAction();
    Sci(SCI_SCROLLCARET);
    return true;
}

void CHueditView::RefreshBackgroundColor()
{
    const QColor paper = ToQColor(Options().background);
    const bool dark = IsDarkColorRef(Options().background);
    setPaper(paper);
    if (m_lexer) {
        m_lexer->setDefaultPaper(paper);
        m_lexer->setPaper(paper, -1);
    }
    setCaretForegroundColor(dark ? QColor(230, 230, 230) : QColor(0, 0, 0));
    setCaretLineBackgroundColor(dark ? paper.lighter(130) : paper.darker(106));
    setMarginsBackgroundColor(dark ? paper.lighter(120) : paper.darker(108));
    setMarginsForegroundColor(ToQColor(CTextFormat::m_NormalTxt.GetColor()));
    setMatchedBraceBackgroundColor(dark ? QColor(70, 90, 120) : QColor(200, 220, 255));
    setMatchedBraceForegroundColor(ToQColor(CTextFormat::m_NormalTxt.GetColor()));
    setUnmatchedBraceForegroundColor(QColor(220, 40, 40));
}

void CHueditView::OnTextFormatChange()
{
    if (m_lexer) {
        editor_lexer::ApplyFormats(m_lexer, m_language, m_font, Options().background);
    } else {
        setColor(ToQColor(CTextFormat::m_NormalTxt.GetColor()));
        setPaper(ToQColor(Options().background));
    }
    setMatchedBraceForegroundColor(ToQColor(CTextFormat::m_NormalTxt.GetColor()));
}

bool CHueditView::OnFindNext(const QString &what, bool next, bool matchCase, bool wholeWord)
{
    return CEditorFindReplace(*this).FindNext(what, next, matchCase, wholeWord);
}

bool CHueditView::OnReplaceSel(const QString &what, bool next, bool matchCase, bool wholeWord,
                               const QString &with)
{
    return CEditorFindReplace(*this).ReplaceSelection(what, next, matchCase, wholeWord, with);
}

int CHueditView::OnReplaceAll(const QString &what, const QString &with, bool matchCase,
                              bool wholeWord)
{
    const int count = CEditorFindReplace(*this).ReplaceAll(what, with, matchCase, wholeWord,
                                                           Options().replaceInSelection);
    OnReplaceAllDone(count);
    return count;
}

bool CHueditView::FindBraceParenthesisPair()
{
    const auto isBrace = [](long c) { return c > 0 && c < 128 && std::strchr("(){}[]", int(c)); };
    const long caret = Sci(SCI_GETCURRENTPOS);
    const long len = Sci(SCI_GETLENGTH);
    long at = -1;
    if (caret < len && isBrace(Sci(SCI_GETCHARAT, static_cast<unsigned long>(caret))))
        at = caret;
    else if (caret > 0 && isBrace(Sci(SCI_GETCHARAT, static_cast<unsigned long>(caret - 1))))
        at = caret - 1;
    if (at < 0)
        return false;
    // Brace matching skips braces of another style (in comments and
    // strings), so the text must be coloured as far as the search goes.
    if (m_lexer)
        Sci(SCI_COLOURISE, static_cast<unsigned long>(Sci(SCI_GETENDSTYLED)), -1);
    const long match = Sci(SCI_BRACEMATCH, static_cast<unsigned long>(at), 0);
    if (match < 0)
        return false;
    Sci(SCI_GOTOPOS, static_cast<unsigned long>(at == caret ? match : match + 1));
    return true;
}

void CHueditView::UpdateCursorPosition()
{
    const long pos = Sci(SCI_GETCURRENTPOS);
    const int line = int(Sci(SCI_LINEFROMPOSITION, static_cast<unsigned long>(pos))) + 1;
    const int column = int(Sci(SCI_GETCOLUMN, static_cast<unsigned long>(pos))) + 1;
    OnCaretMoved(line, column);
}

void CHueditView::ReplayEdit(const QKeyEvent &attempt)
{
    std::unique_ptr<QKeyEvent> again(attempt.clone());
    QCoreApplication::sendEvent(this, again.get());
}

bool CHueditView::CopyToClipboard(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setText(text);
    return clipboard->text() == text;
}

// ---- text access ---------------------------------------------------------

bool CHueditView::IsWordByte(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '$' || c >= 0x80;
}

bool CHueditView::GetWordAtIndex(QString &word, long index) const
{
    word.clear();
    const long len = Sci(SCI_GETLENGTH);
    if (index < 0 || index > len)
        return false;
    const auto at = [this](long p) {
        return static_cast<unsigned char>(Sci(SCI_GETCHARAT, static_cast<unsigned long>(p)));
    };
    long start = index;
    while (start > 0 && IsWordByte(at(start - 1)))
        --start;
    long end = index;
    while (end < len && IsWordByte(at(end)))
        ++end;
    if (start == end)
        return false;
    QByteArray bytes;
    GetEditBuffer(start, end, bytes);
    word = QString::fromUtf8(bytes);
    return true;
}

bool CHueditView::GetWordAtCursor(QString &word, bool selectWord)
{
    const long caret = Sci(SCI_GETCURRENTPOS);
    if (!GetWordAtIndex(word, caret))
        return false;
    if (selectWord) {
        const long start = Sci(SCI_WORDSTARTPOSITION, static_cast<unsigned long>(caret), 1);
        Sci(SCI_SETSEL, static_cast<unsigned long>(start), start + word.toUtf8().size());
    }
    return true;
}

void CHueditView::GetEditBuffer(long first, long last, QByteArray &utf8) const
{
    const long len = Sci(SCI_GETLENGTH);
    if (last < 0 || last > len)
        last = len;
    first = std::clamp(first, 0L, len);
    utf8.clear();
    if (first >= last)
        return;
    utf8.resize(last - first + 1); // Scintilla writes a closing zero byte
    SendScintilla(SCI_GETTEXTRANGE, first, last, utf8.data());
    utf8.chop(1);
}

void CHueditView::GetEditBuffer(long first, long last, QString &text) const
{
    QByteArray bytes;
    GetEditBuffer(first, last, bytes);
    text = QString::fromUtf8(bytes);
}

// ---- callbacks -----------------------------------------------------------

void CHueditView::OnCaretMoved(int line, int column)
{
    emit caretMoved(line, column);
}

void CHueditView::OnReadOnlyEdit(const QKeyEvent *)
{
    emit readOnlyEditAttempted();
}

void CHueditView::OnReplaceAllDone(int count)
{
    emit replaceAllDone(count);
}

void CHueditView::OnModifyAttemptRO()
{
    // The refused change is still on Scintilla's stack: report it once the
    // event that caused it is done, so the receiver may ask the user and
    // change the text freely.
    if (m_roAttemptPending)
        return;
    m_roAttemptPending = true;
    std::shared_ptr<QKeyEvent> attempt(m_currentKey ? m_currentKey->clone() : nullptr);
    QMetaObject::invokeMethod(
        this,
        [this, attempt] {
            m_roAttemptPending = false;
            OnReadOnlyEdit(attempt.get());
        },
        Qt::QueuedConnection);
}

// ---- dropped and pasted data ---------------------------------------------

bool CHueditView::QueryAcceptData(const QMimeData *data, bool really)
{
    if (isReadOnly()) {
        if (really)
            OnModifyAttemptRO();
        return false;
    }
    return data && data->hasText() && !data->text().contains(QChar(0));
}

bool CHueditView::canInsertFromMimeData(const QMimeData *source) const
{
    // Scintilla asks through a const hook, but a refused paste is reported.
    return const_cast<CHueditView *>(this)->QueryAcceptData(source, !m_dragHovering);
}

namespace {

// Files dropped on an editor are to be opened, not typed in as their paths:
// the drop is left to the windows round the editor.
bool IsFileDrop(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return false;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            return true;
    }
    return false;
}

// Other links (a web address dragged from a browser) go in as their text;
// Scintilla would take any link for a file and insert nothing.
std::unique_ptr<QMimeData> TextOnly(const QMimeData *data)
{
    auto text = std::make_unique<QMimeData>();
    if (data->hasText())
        text->setText(data->text());
    return text;
}

} // namespace

void CHueditView::dragEnterEvent(QDragEnterEvent *event)
{
    dragMoveEvent(event);
}

void CHueditView::dragMoveEvent(QDragMoveEvent *event)
{
    if (IsFileDrop(event->mimeData())) {
        event->ignore();
        return;
    }
    m_dragHovering = true;
    if (event->mimeData()->hasUrls()) {
        const std::unique_ptr<QMimeData> text = TextOnly(event->mimeData());
        QDragMoveEvent copy(event->position().toPoint(), event->possibleActions(), text.get(),
                            event->buttons(), event->modifiers());
        QsciScintilla::dragMoveEvent(&copy);
        event->setDropAction(copy.dropAction());
        event->setAccepted(copy.isAccepted());
    } else {
        QsciScintilla::dragMoveEvent(event);
    }
    m_dragHovering = false;
}

void CHueditView::dropEvent(QDropEvent *event)
{
    if (IsFileDrop(event->mimeData())) {
        event->ignore();
        return;
    }
    if (event->mimeData()->hasUrls()) {
        const std::unique_ptr<QMimeData> text = TextOnly(event->mimeData());
        QDropEvent copy(event->position(), event->possibleActions(), text.get(), event->buttons(),
                        event->modifiers());
        QsciScintilla::dropEvent(&copy);
        event->setDropAction(copy.dropAction());
        event->setAccepted(copy.isAccepted());
    } else {
        QsciScintilla::dropEvent(event);
    }
}

void CHueditView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Undo)) {
        OnUndo();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Redo) ||
        (event->key() == Qt::Key_Y && event->modifiers() == Qt::ControlModifier)) {
        OnRedo();
        event->accept();
        return;
    }
    m_currentKey.reset(event->clone());
    // A new line or a closing brace and the indentation smart indent gives
    // it undo as one step.
    const bool indents = Options().smartIndent && !isReadOnly() &&
                         (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                          event->text() == QLatin1String("}"));
    if (indents)
        beginUndoAction();
    // QScintilla tells the accessibility bridge about every change with
    // the character offset of its place, which it counts from the start of
    // the text: at the end of a 5 MB file that is tens of milliseconds a
    // key. In a large text a key's changes go unreported to the bridge
    // (its questions are still answered), and the signals they would have
    // raised are raised here.
    const bool quiet = length() > kQuietEditBytes;
    const long mask = quiet ? Sci(SCI_GETMODEVENTMASK) : 0;
    const int linesBefore = quiet ? lines() : 0;
    if (quiet) {
        m_quietChange = false;
        // Scintilla reports a change when any of its bits is in the mask,
        // the "performed by" bits included: only bits the insert and
        // delete reports do not carry may stay.
        Sci(SCI_SETMODEVENTMASK, (unsigned long)(mask & (SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE |
                                                         SC_MOD_CHANGEFOLD | SC_MOD_CHANGEMARKER)));
    }
    QsciScintilla::keyPressEvent(event);
    if (quiet) {
        Sci(SCI_SETMODEVENTMASK, (unsigned long)mask);
        if (m_quietChange) {
            emit textChanged();
            if (lines() != linesBefore)
                emit linesChanged();
        }
    }
    if (indents)
        endUndoAction();
    m_currentKey.reset();
}

void CHueditView::OnCharAdded(int ch)
{
    if (!Options().smartIndent)
        return;
    if (ch == '}') {
        OutdentClosingBrace();
        return;
    }
    if (!(ch == '\n' || (ch == '\r' && eolMode() == EolMac)))
        return;
    int line = 0, index = 0;
    getCursorPosition(&line, &index);
    if (line == 0)
        return;
    int indent = indentation(line - 1);
    if (text(line - 1).trimmed().endsWith(QLatin1Char('{')))
        indent += indentationWidth() > 0 ? indentationWidth() : tabWidth();
    setIndentation(line, indent);
    Sci(SCI_GOTOPOS, static_cast<unsigned long>(
                         Sci(SCI_GETLINEINDENTPOSITION, static_cast<unsigned long>(line))));
}

void CHueditView::OutdentClosingBrace()
{
    // Only a brace that opens its line leaves the block's indentation: it
    // goes under the line of its opening brace, or one step out when that
    // cannot be found.
    const long pos = Sci(SCI_GETCURRENTPOS) - 1;
    if (pos < 0)
        return;
    const int line = int(Sci(SCI_LINEFROMPOSITION, static_cast<unsigned long>(pos)));
    const long indentEnd = Sci(SCI_GETLINEINDENTPOSITION, static_cast<unsigned long>(line));
    if (indentEnd != pos)
        return;
    const long open = Sci(SCI_BRACEMATCH, static_cast<unsigned long>(pos), 0L);
    int indent = 0;
    if (open >= 0) {
        indent = indentation(int(Sci(SCI_LINEFROMPOSITION, static_cast<unsigned long>(open))));
    } else {
        const int step = indentationWidth() > 0 ? indentationWidth() : tabWidth();
        indent = qMax(0, indentation(line) - step);
    }
    if (indent == indentation(line))
        return;
    setIndentation(line, indent);
    Sci(SCI_GOTOPOS, static_cast<unsigned long>(
                         Sci(SCI_GETLINEINDENTPOSITION, static_cast<unsigned long>(line)) + 1));
}
