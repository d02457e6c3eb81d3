#pragma once

#include "tools/InputLine.h"
#include "tools/OutputText.h"
#include "tools/ToolOutput.h"
#include "tools/ToolProcess.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPointer>

class QMenu;
class QTimer;

// The text of a child process. What arrives is shown in batches a few
// times a second, so that a child writing megabytes never stops the window
// from answering; the text is kept within generous bounds, the oldest lines
// giving way to the newest with one line at the top saying so. Typing goes
// into the text and, line by line, to the attached process's input.
// Find, replace, Find Next and word wrap work on the text.
class CProcOutputView : public QPlainTextEdit, public CToolOutput
{
    Q_OBJECT
public:
    explicit CProcOutputView(QWidget *parent = nullptr,
                             qsizetype maxLines = COutputText::kDefaultMaxLines,
                             qsizetype maxChars = COutputText::kDefaultMaxChars);
    ~CProcOutputView() override;

    // Text to show, from a child or the program itself. Shown within a
    // few milliseconds; Flush shows it now.
    void AppendOutput(const QString &text) override;
    void Flush();
    // Text has arrived that is not shown yet.
    bool HasPendingText() const { return m_text.HasPending(); }
    // The whole text goes (Clear in the menus, a new compile).
    void ClearText();
    // Lines that were dropped to keep the text bounded, since the last clear.
    qint64 DroppedLines() const { return m_droppedTotal; }

    // The process typing goes to; attaching always empties the input line.
    // Not owned; forgotten when it goes.
    void AttachProcess(CToolProcess *process);
    CToolProcess *AttachedProcess() const { return m_process; }
    QString InputLine() const { return m_input.Text(); }

    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool on);
    void ToggleWordWrap() { SetWordWrap(!m_wordWrap); }

    // Searches (next or previous) for text after the last Find; false, with
    // a beep, when it is not there.
    bool FindText(const QString &text, bool matchCase, bool wholeWord, bool forward = true);
    bool FindNext() { return FindText(m_findText, m_matchCase, m_wholeWord, true); }
    bool HasFindText() const { return !m_findText.isEmpty(); }
    int ReplaceAll(const QString &text, const QString &with, bool matchCase, bool wholeWord);
    // The find and replace dialogs.
    void OnFind();
    void OnReplace();
    bool IsFindDialogOpen() const;

    // The caret's line and column, both from 1.
    void CaretPosition(int *line, int *column) const;

    // The commands of the view (clear, select all, find, replace, find
    // next, word wrap and the clipboard), by command id. OnCommand is
    // false for an id the view does not handle; QueryCommand fills the
    // state of one it handles.
    virtual bool OnCommand(int id);
    virtual bool QueryCommand(int id, bool *enabled, bool *checked) const;

    // The context menu; a derived view puts its own commands first.
    virtual QMenu *CreateContextMenu();
    // A menu item for command id with text, enabled and checked as
    // QueryCommand says, that runs OnCommand.
    QAction *AddCommand(QMenu *menu, int id, const QString &text);

signals:
    // The caret's place, for the status bar: "Ln 3 Col 7".
    void caretReported(const QString &text);
    // The view got the focus: it is the frame's current output view.
    void activated(CProcOutputView *view);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void ReportCaret();
    void AddEditCommands(QMenu *menu);
    void AfterCommand();

private:
    void ShowBatch(qsizetype maxChars);
    void DropOldestBlocks();
    void SetNotice();

    COutputText m_text;
    QTimer *m_flushTimer;
    qsizetype m_batchChars = 256 * 1024;
    qint64 m_droppedTotal = 0;
    bool m_hasNotice = false;
    QPointer<CToolProcess> m_process;
    CInputLine m_input;
    bool m_wordWrap = false;
    QString m_findText;
    QString m_replaceText;
    bool m_matchCase = false;
    bool m_wholeWord = false;
    QPointer<QWidget> m_findDialog;
};
