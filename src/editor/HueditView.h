#pragma once

#include "editor/EditorFindReplace.h"
#include "editor/EditorOptions.h"
#include "editor/Language.h"
#include "editor/TextFormat.h"

#include <QByteArray>
#include <QFont>
#include <QString>
#include <Qsci/qsciscintilla.h>
#include <memory>
#include <utility>
#include <vector>

class CTextFile;
class CUndoDepth;
class QKeyEvent;
class QMimeData;

// The colour-text editor: a QsciScintilla that colours Java, HTML and C++
// from our text formats and offers the editing operations the source editor
// builds on. Settings shared by every editor are one options object, set
// once at start-up (Init) and changed by the option sheets.
//
// Positions (GetWordAtIndex, GetEditBuffer) are document positions: byte
// offsets into the UTF-8 text, as Scintilla counts them.
class CHueditView : public QsciScintilla
{
    Q_OBJECT
public:
    explicit CHueditView(QWidget *parent = nullptr);
    ~CHueditView() override;

    // ---- set-up shared by every editor -----------------------------------
    // Once at start-up: the editor background (0x00BBGGRR) and the undo
    // depth. The text formats take their defaults for that background.
    static void Init(DWORD backgroundColour, int maxUndo);
    // The window colour of the application's palette, for when the settings
    // hold no background of their own.
    static COLORREF SystemWindowColor();

    // The options every editor shares.
    static CEditorOptions &Options();
    static CLanguage &m_JavaLanguage;
    static CLanguage &m_HTMLLanguage;
    static CLanguage &m_CPPLanguage;
    static CTextFormat &m_NormalTxt;
    static CTextFormat &m_StringTxt;
    static CTextFormat &m_BlockCommentTxt;
    static CTextFormat &m_LineCommentTxt;
    static const CPatternTable &m_Patterns;

    // ---- language and text -----------------------------------------------
    // The language the text is coloured as; null for plain text.
    virtual const CLanguage *GetLanguage() const { return m_language; }
    void SetLanguage(const CLanguage *language);
    // The language for a file name: .java, .htm/.html, C and C++ sources.
    static const CLanguage *LanguageForFile(const QString &fileName);

    // Replaces the whole text (UTF-8) and starts a fresh undo history.
    void LoadText(const QByteArray &utf8);
    // The text to or from a file's form for the document: loading takes
    // file's text with a fresh history and makes new lines end as the
    // file's do; storing leaves the text in file, to be written in the
    // file's encoding. A derived view calls this first.
    virtual void Serialize(CTextFile &file, bool storing);

    // ---- editing -----------------------------------------------------------
    void SetRO(bool readOnly);
    void SetDefaultFont(const QFont &font);
    const QFont &GetDefaultFont() const { return m_font; }
    // Tab width in columns; also re-reads the static indent settings.
    void SetTabStops(int tabSize, bool redraw = true);
    void OnUndo();
    void OnRedo();
    bool CanUndo() const;
    bool CanRedo() const;
    // Puts text made by the program (a wizard, generated code) in place of
    // the selection as one step the user can undo; its line ends become
    // the text's. False when the text is read-only.
    bool AddPasteUndo(const QString &text);
    // After the colour options changed: repaint from Options().background and the
    // text formats.
    void RefreshBackgroundColor();
    void OnTextFormatChange();

    // Finds what after the selection (next) or before it, wrapping round the
    // text; selects and shows the match. False when there is none.
    bool OnFindNext(const QString &what, bool next, bool matchCase, bool wholeWord);
    // Replaces the selection when it is what, then finds the next match.
    bool OnReplaceSel(const QString &what, bool next, bool matchCase, bool wholeWord,
                      const QString &with);
    // Replaces every match, in the selection only when Options().replaceInSelection, as
    // one undo step; reports and returns the count.
    int OnReplaceAll(const QString &what, const QString &with, bool matchCase, bool wholeWord);
    // Moves the caret to the brace, bracket or parenthesis that matches the
    // one beside the caret (the one after it first), keeping the caret on
    // the same side of it. Braces in comments and strings do not count.
    bool FindBraceParenthesisPair();
    // Reports the caret's line and column (both from 1; tabs expanded).
    void UpdateCursorPosition();
    // Hands a key press that hit the read-only guard back to the editor, as
    // if the user pressed it again (after the text was made writable).
    void ReplayEdit(const QKeyEvent &attempt);

    static bool CopyToClipboard(const QString &text);

    // Above this many bytes before the matches in total, Replace All makes
    // one change instead of one per match (see ReplaceInOneChange).
    static constexpr long kBulkReplaceCost = CEditorFindReplace::kBulkReplaceCost;
    // Above this many bytes, keys typed are not reported to the
    // accessibility bridge (see keyPressEvent).
    static constexpr long kQuietEditBytes = 256L * 1024;

    // ---- text access -------------------------------------------------------
    // The word (letters, digits, '_', '$') at or right before the caret;
    // selectWord also selects it. False when the caret is not at a word.
    bool GetWordAtCursor(QString &word, bool selectWord = false);
    bool GetWordAtIndex(QString &word, long index) const;
    // Text from first to last (last = -1: to the end), clamped to the text.
    void GetEditBuffer(long first, long last, QString &text) const;
    void GetEditBuffer(long first, long last, QByteArray &utf8) const;

signals:
    void caretMoved(int line, int column);
    void readOnlyEditAttempted();
    void replaceAllDone(int count);

protected:
    // Calls back for the derived view; the defaults emit the signals above.
    virtual void OnCaretMoved(int line, int column);
    // An edit was refused because the text is read-only. attempt is the key
    // press that tried it (null when it came another way, such as a drop);
    // it arrives after the refused event has been handled.
    virtual void OnReadOnlyEdit(const QKeyEvent *attempt);
    virtual void OnReplaceAllDone(int count);

    // Whether data dropped or pasted may go into the text: plain text only,
    // without zero bytes (binary data), and nothing while read-only. really
    // is false while a drag only hovers, true for the paste or drop itself;
    // only then is a read-only refusal reported (OnReadOnlyEdit).
    virtual bool QueryAcceptData(const QMimeData *data, bool really);

    void keyPressEvent(QKeyEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void ApplyIndentSettings();
    void OutdentClosingBrace();
    void OnCharAdded(int ch);
    void OnModifyAttemptRO();
    long Sci(unsigned int msg, unsigned long wParam = 0, long lParam = 0) const;
    static bool IsWordByte(unsigned char c);

    const CLanguage *m_language = nullptr;
    QsciLexer *m_lexer = nullptr;
    QFont m_font;
    CUndoDepth *m_undo;
    std::unique_ptr<QKeyEvent> m_currentKey; // the key press being handled
    bool m_roAttemptPending = false;
    bool m_dragHovering = false; // a drag is over the text, not dropped yet
    bool m_quietChange = false;  // a change was made while unreported
};
