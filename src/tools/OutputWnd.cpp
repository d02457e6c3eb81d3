#include "tools/OutputWnd.h"

#include "core/CommandIds.h"
#include "tools/ToolProcess.h"

#include <QMenu>
#include <QTextBlock>
#include <QTextDocument>

bool COutputWnd::GoToErrorAtCaret()
{
    Flush();
    const QString line = textCursor().block().text();
    const CErrorLocator::Place place = CErrorLocator::ParseLine(line, m_baseDir);
    if (!place.IsValid())
        return false;
    const QString path = place.lookup ? (m_resolver ? m_resolver(place) : QString()) : place.file;
    if (path.isEmpty())
        return false;
    emit openSourceRequested(path, place.line);
    return true;
}

namespace {
const QString kJavaColon = QStringLiteral(".java:");
}

QTextCursor COutputWnd::NextErrorMatch() const
{
    return document()->find(kJavaColon, textCursor().selectionEnd(),
                            QTextDocument::FindCaseSensitively);
}

QTextCursor COutputWnd::PreviousErrorMatch() const
{
    // The last match that starts before the caret; one at the very start
    // of the text does not count.
    const int caret = textCursor().selectionStart();
    if (caret <= 1)
        return QTextCursor();
    const QTextCursor hit = document()->find(
        kJavaColon, caret, QTextDocument::FindCaseSensitively | QTextDocument::FindBackward);
    if (hit.isNull() || hit.selectionStart() == 0)
        return QTextCursor();
    return hit;
}

bool COutputWnd::FindNextError()
{
    Flush();
    const QTextCursor hit = NextErrorMatch();
    if (hit.isNull())
        return false;
    setTextCursor(hit);
    ReportCaret();
    return GoToErrorAtCaret();
}

bool COutputWnd::FindPreviousError()
{
    Flush();
    const QTextCursor hit = PreviousErrorMatch();
    if (hit.isNull())
        return false;
    setTextCursor(hit);
    ReportCaret();
    return GoToErrorAtCaret();
}

bool COutputWnd::HasNextError() const
{
    return !NextErrorMatch().isNull();
}

bool COutputWnd::HasPreviousError() const
{
    return !PreviousErrorMatch().isNull();
}

void COutputWnd::MoveCaretToStart()
{
    Flush();
    QTextCursor c(document());
    c.movePosition(QTextCursor::Start);
    setTextCursor(c);
    ensureCursorVisible();
}

void COutputWnd::SetStopBuild(std::function<void()> stop, std::function<bool()> running)
{
    m_stopBuild = std::move(stop);
    m_buildRunning = std::move(running);
}

void COutputWnd::mouseDoubleClickEvent(QMouseEvent *event)
{
    CProcOutputView::mouseDoubleClickEvent(event);
    GoToErrorAtCaret();
}

bool COutputWnd::OnCommand(int id)
{
    switch (id) {
    case Cmd::FindNextError:
        FindNextError();
        return true;
    case Cmd::FindPrevError:
        FindPreviousError();
        return true;
    case Cmd::StopProcess:
        if (CToolProcess *p = AttachedProcess()) {
            AttachProcess(nullptr);
            p->SetAborted();
            p->Stop();
        }
        return true;
    case Cmd::StopBuild:
        if (m_stopBuild)
            m_stopBuild();
        return true;
    default:
        return CProcOutputView::OnCommand(id);
    }
}

bool COutputWnd::QueryCommand(int id, bool *enabled, bool *checked) const
{
    *checked = false;
    switch (id) {
    case Cmd::FindNextError:
        *enabled = HasNextError();
        return true;
    case Cmd::FindPrevError:
        *enabled = HasPreviousError();
        return true;
    case Cmd::StopProcess:
        *enabled = AttachedProcess() && AttachedProcess()->IsRunning();
        return true;
    case Cmd::StopBuild:
        *enabled = m_buildRunning && m_buildRunning();
        return true;
    default:
        return CProcOutputView::QueryCommand(id, enabled, checked);
    }
}

QMenu *COutputWnd::CreateContextMenu()
{
    auto *menu = new QMenu(this);
    AddCommand(menu, Cmd::StopBuild, tr("Stop Build"));
    AddCommand(menu, Cmd::StopProcess, tr("Stop Process"));
    menu->addSeparator();
    AddCommand(menu, Cmd::ToggleWordWrap, tr("Word Wrap"));
    AddCommand(menu, Cmd::FindNextError, tr("Find Next"));
    AddCommand(menu, Cmd::FindPrevError, tr("Find Prev"));
    menu->addSeparator();
    AddEditCommands(menu);
    return menu;
}
