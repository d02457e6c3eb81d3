#include "tools/ProcOutputView.h"

#include "core/CommandIds.h"
#include "tools/FindReplaceDlg.h"
#include "tools/ToolProcess.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

namespace {
// How often text that arrives is shown: often enough to look live, seldom
// enough that a flood costs the window little.
constexpr int kFlushMs = 40;
// While more waits than one batch shows, the next batch comes this soon,
// leaving the event loop free in between.
constexpr int kCatchUpMs = 5;
// A batch is sized so that showing it takes about this long.
constexpr qint64 kBatchTargetMs = 12;
constexpr qsizetype kMinBatch = 16 * 1024;
constexpr qsizetype kMaxBatch = 4 * 1024 * 1024;
} // namespace

CProcOutputView::CProcOutputView(QWidget *parent, qsizetype maxLines, qsizetype maxChars)
    : QPlainTextEdit(parent), m_text(maxLines, maxChars), m_flushTimer(new QTimer(this))
{
    setUndoRedoEnabled(false);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    m_flushTimer->setSingleShot(true);
    m_flushTimer->setInterval(kFlushMs);
    connect(m_flushTimer, &QTimer::timeout, this, [this] {
        ShowBatch(m_batchChars);
        if (m_text.HasPending())
            m_flushTimer->start(kCatchUpMs);
        else
            m_flushTimer->setInterval(kFlushMs);
    });
}

CProcOutputView::~CProcOutputView() = default;

void CProcOutputView::AppendOutput(const QString &text)
{
    m_text.Append(text);
    if (!m_flushTimer->isActive())
        m_flushTimer->start();
}

void CProcOutputView::Flush()
{
    m_flushTimer->stop();
    while (m_text.HasPending())
        ShowBatch(-1);
}

void CProcOutputView::ShowBatch(qsizetype maxChars)
{
    if (!m_text.HasPending())
        return;
    QElapsedTimer clock;
    clock.start();
    COutputText::Batch batch = m_text.TakeBatch(maxChars);
    QTextDocument *doc = document();
    if (batch.dropped > 0) {
        // More arrived than the view keeps: what it showed is older than
        // what was dropped, and goes as well.
        // The last line shown goes on in what was dropped, and is counted
        // there.
        const int shown = doc->isEmpty() ? 0 : doc->blockCount() - 1 - (m_hasNotice ? 1 : 0);
        m_droppedTotal += shown + batch.dropped;
        doc->clear();
        m_hasNotice = false;
    }
    QTextCursor end(doc);
    end.movePosition(QTextCursor::End);
    end.insertText(batch.text);
    DropOldestBlocks();
    if (m_droppedTotal > 0)
        SetNotice();
    // The caret follows the text, so that typing goes after the output.
    QTextCursor caret(doc);
    caret.movePosition(QTextCursor::End);
    setTextCursor(caret);
    ensureCursorVisible();
    // The next batch is as big as the time this one took allows.
    if (maxChars > 0 && batch.text.size() >= maxChars) {
        const qint64 ms = clock.elapsed();
        if (ms < kBatchTargetMs / 2)
            m_batchChars = qMin(m_batchChars * 2, kMaxBatch);
        else if (ms > kBatchTargetMs * 2)
            m_batchChars = qMax(m_batchChars / 2, kMinBatch);
    }
}

void CProcOutputView::DropOldestBlocks()
{
    QTextDocument *doc = document();
    const int first = m_hasNotice ? 1 : 0;
    int excess = doc->blockCount() - first - int(m_text.MaxLines());
    // Beyond the character limit, whole lines go from the front as well.
    qsizetype chars = doc->characterCount();
    QTextBlock block = doc->findBlockByNumber(first + qMax(excess, 0));
    while (chars > m_text.MaxChars() && block.isValid() && block.next().isValid()) {
        chars -= block.length();
        block = block.next();
        excess = qMax(excess, 0) + 1;
    }
    if (excess <= 0)
        return;
    QTextCursor cut(doc->findBlockByNumber(first));
    cut.setPosition(doc->findBlockByNumber(first + excess).position(), QTextCursor::KeepAnchor);
    cut.removeSelectedText();
    m_droppedTotal += excess;
}

void CProcOutputView::SetNotice()
{
    QTextDocument *doc = document();
    const QString notice = COutputText::DroppedNotice(m_droppedTotal);
    QTextCursor c(doc);
    if (m_hasNotice) {
        c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        c.insertText(notice);
    } else {
        c.insertText(notice + QLatin1Char('\n'));
        m_hasNotice = true;
    }
}

void CProcOutputView::ClearText()
{
    m_flushTimer->stop();
    m_text.Clear();
    clear();
    m_droppedTotal = 0;
    m_hasNotice = false;
}

void CProcOutputView::AttachProcess(CToolProcess *process)
{
    m_process = process;
    m_input.Clear();
}

void CProcOutputView::SetWordWrap(bool on)
{
    m_wordWrap = on;
    setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void CProcOutputView::CaretPosition(int *line, int *column) const
{
    const QTextCursor c = textCursor();
    *line = c.blockNumber() + 1;
    *column = c.positionInBlock() + 1;
}

void CProcOutputView::ReportCaret()
{
    int line = 0, column = 0;
    CaretPosition(&line, &column);
    emit caretReported(QStringLiteral("Ln %1 Col %2").arg(line).arg(column));
}

void CProcOutputView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    Flush(); // typing goes after everything that arrived
    QPlainTextEdit::keyPressEvent(event);
    QString line;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        m_input.OnChar(QLatin1Char('\r'), &line);
        if (m_process && m_process->IsRunning())
            m_process->SendInput(line);
    } else if (event->key() == Qt::Key_Backspace) {
        m_input.OnChar(QLatin1Char('\b'), &line);
    } else if (!(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        for (QChar c : event->text())
            m_input.OnChar(c, &line);
    }
    ReportCaret();
}

void CProcOutputView::mousePressEvent(QMouseEvent *event)
{
    QPlainTextEdit::mousePressEvent(event);
    ReportCaret();
}

void CProcOutputView::focusInEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusInEvent(event);
    emit activated(this);
    ReportCaret();
}

bool CProcOutputView::FindText(const QString &text, bool matchCase, bool wholeWord, bool forward)
{
    m_findText = text;
    m_matchCase = matchCase;
    m_wholeWord = wholeWord;
    if (text.isEmpty())
        return false;
    QTextDocument::FindFlags flags;
    if (matchCase)
        flags |= QTextDocument::FindCaseSensitively;
    if (wholeWord)
        flags |= QTextDocument::FindWholeWords;
    if (!forward)
        flags |= QTextDocument::FindBackward;
    if (find(text, flags))
        return true;
    // Round the end of the text, once.
    const QTextCursor from = textCursor();
    QTextCursor wrap(document());
    wrap.movePosition(forward ? QTextCursor::Start : QTextCursor::End);
    setTextCursor(wrap);
    if (find(text, flags))
        return true;
    setTextCursor(from);
    QApplication::beep();
    return false;
}

int CProcOutputView::ReplaceAll(const QString &text, const QString &with, bool matchCase,
                                bool wholeWord)
{
    if (text.isEmpty())
        return 0;
    QTextDocument::FindFlags flags;
    if (matchCase)
        flags |= QTextDocument::FindCaseSensitively;
    if (wholeWord)
        flags |= QTextDocument::FindWholeWords;
    int count = 0;
    QTextCursor c(document());
    c.beginEditBlock();
    for (QTextCursor hit = document()->find(text, 0, flags); !hit.isNull();
         hit = document()->find(text, hit, flags)) {
        hit.insertText(with);
        ++count;
    }
    c.endEditBlock();
    return count;
}

bool CProcOutputView::IsFindDialogOpen() const
{
    return !m_findDialog.isNull();
}

void CProcOutputView::OnFind()
{
    if (m_findDialog)
        m_findDialog->close();
    auto *dlg = new CFindReplaceDlg(
        this, false, textCursor().hasSelection() ? textCursor().selectedText() : m_findText,
        QString(), m_matchCase, m_wholeWord);
    connect(dlg, &CFindReplaceDlg::findNext, this,
            [this, dlg] { FindText(dlg->FindText(), dlg->MatchCase(), dlg->WholeWord()); });
    m_findDialog = dlg;
    dlg->show();
}

void CProcOutputView::OnReplace()
{
    if (m_findDialog)
        m_findDialog->close();
    auto *dlg =
        new CFindReplaceDlg(this, true, m_findText, m_replaceText, m_matchCase, m_wholeWord);
    connect(dlg, &CFindReplaceDlg::findNext, this,
            [this, dlg] { FindText(dlg->FindText(), dlg->MatchCase(), dlg->WholeWord()); });
    connect(dlg, &CFindReplaceDlg::replaceOne, this, [this, dlg] {
        m_replaceText = dlg->ReplaceText();
        QTextCursor c = textCursor();
        const Qt::CaseSensitivity cs = dlg->MatchCase() ? Qt::CaseSensitive : Qt::CaseInsensitive;
        if (c.hasSelection() && c.selectedText().compare(dlg->FindText(), cs) == 0)
            c.insertText(m_replaceText);
        FindText(dlg->FindText(), dlg->MatchCase(), dlg->WholeWord());
    });
    connect(dlg, &CFindReplaceDlg::replaceAll, this, [this, dlg] {
        m_findText = dlg->FindText();
        m_replaceText = dlg->ReplaceText();
        ReplaceAll(m_findText, m_replaceText, dlg->MatchCase(), dlg->WholeWord());
    });
    m_findDialog = dlg;
    dlg->show();
}

bool CProcOutputView::OnCommand(int id)
{
    switch (id) {
    case Cmd::EditClear:
        ClearText();
        break;
    case Cmd::EditSelectAll:
        selectAll();
        break;
    case Cmd::EditCopy:
        copy();
        break;
    case Cmd::EditCut:
        cut();
        break;
    case Cmd::EditPaste:
        paste();
        break;
    case Cmd::EditFind:
        OnFind();
        break;
    case Cmd::EditReplace:
        OnReplace();
        break;
    case Cmd::EditRepeat:
        FindNext();
        break;
    case Cmd::ToggleWordWrap:
        ToggleWordWrap();
        break;
    default:
        return false;
    }
    AfterCommand();
    return true;
}

void CProcOutputView::AfterCommand()
{
    ReportCaret();
}

bool CProcOutputView::QueryCommand(int id, bool *enabled, bool *checked) const
{
    *checked = false;
    switch (id) {
    case Cmd::EditClear:
    case Cmd::EditSelectAll:
    case Cmd::EditFind:
    case Cmd::EditReplace:
        *enabled = true;
        return true;
    case Cmd::EditCopy:
    case Cmd::EditCut:
        *enabled = textCursor().hasSelection();
        return true;
    case Cmd::EditPaste:
        *enabled = !QApplication::clipboard()->text().isEmpty();
        return true;
    case Cmd::EditRepeat:
        *enabled = HasFindText() && !IsFindDialogOpen();
        return true;
    case Cmd::ToggleWordWrap:
        *enabled = true;
        *checked = m_wordWrap;
        return true;
    default:
        return false;
    }
}

QAction *CProcOutputView::AddCommand(QMenu *menu, int id, const QString &text)
{
    QAction *action = menu->addAction(text);
    action->setData(id);
    bool enabled = false, checked = false;
    if (QueryCommand(id, &enabled, &checked)) {
        action->setEnabled(enabled);
        if (id == Cmd::ToggleWordWrap) {
            action->setCheckable(true);
            action->setChecked(checked);
        }
    } else {
        action->setEnabled(false);
    }
    connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    return action;
}

void CProcOutputView::AddEditCommands(QMenu *menu)
{
    AddCommand(menu, Cmd::EditCut, tr("Cut"));
    AddCommand(menu, Cmd::EditCopy, tr("Copy"));
    AddCommand(menu, Cmd::EditPaste, tr("Paste"));
    AddCommand(menu, Cmd::EditClear, tr("Clear"));
    AddCommand(menu, Cmd::EditSelectAll, tr("Select All"));
}

QMenu *CProcOutputView::CreateContextMenu()
{
    auto *menu = new QMenu(this);
    AddCommand(menu, Cmd::ToggleWordWrap, tr("Word Wrap"));
    AddCommand(menu, Cmd::EditRepeat, tr("Find Next"));
    menu->addSeparator();
    AddEditCommands(menu);
    return menu;
}

void CProcOutputView::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = CreateContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
