#include "app/EditorWindowList.h"

#include "app/CascadePlacement.h"
#include "app/ChildFrame.h"
#include "editor/HueditView.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

CEditorWindowList::CEditorWindowList(QMdiArea *area) : m_area(area)
{
}

QList<CChildFrame *> CEditorWindowList::Windows() const
{
    QList<CChildFrame *> editors;
    for (QMdiSubWindow *window : m_area->subWindowList()) {
        if (auto *child = qobject_cast<CChildFrame *>(window))
            editors << child;
    }
    return editors;
}

CChildFrame *CEditorWindowList::Find(const QString &path) const
{
    const QString wanted = QFileInfo(path).absoluteFilePath();
    for (CChildFrame *child : Windows()) {
        if (!child->GetPathName().isEmpty() &&
            child->GetPathName().compare(wanted, Qt::CaseInsensitive) == 0)
            return child;
    }
    return nullptr;
}

CChildFrame *CEditorWindowList::Active() const
{
    return qobject_cast<CChildFrame *>(m_area->activeSubWindow());
}

CChildFrame *CEditorWindowList::Activate(const QString &path)
{
    CChildFrame *open = Find(path);
    if (open) {
        open->show();
        m_area->setActiveSubWindow(open);
    }
    return open;
}

void CEditorWindowList::Place(CChildFrame *child)
{
    child->setWindowIcon(m_area->style()->standardIcon(QStyle::SP_FileIcon));
    // New windows cascade inside the visible area, so that every one can be
    // read and the ones behind stay in reach; a new window follows a
    // maximised one, and comes back to its cascade place when restored.
    QMdiSubWindow *active = m_area->activeSubWindow();
    const bool maximise = active && active->isMaximized();
    m_area->addSubWindow(child);
    const int step = m_area->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, child);
    child->setGeometry(
        CCascadePlacement::Place(m_area->viewport()->size(), int(Windows().size()) - 1, step));
    if (maximise)
        child->showMaximized();
    else
        child->show();
    m_area->setActiveSubWindow(child);
    child->View()->setFocus();
}

bool CEditorWindowList::CloseAll()
{
    for (CChildFrame *child : Windows()) {
        if (!child->close())
            return false;
    }
    return true;
}

bool CEditorWindowList::SaveModified()
{
    bool ok = true;
    for (CChildFrame *child : Windows()) {
        if (child->IsModified())
            ok = child->Save() && ok;
    }
    return ok;
}
