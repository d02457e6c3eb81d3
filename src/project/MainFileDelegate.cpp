#include "project/MainFileDelegate.h"

#include "project/ProjectView.h"

#include <QHelpEvent>
#include <QToolTip>

CMainFileDelegate::CMainFileDelegate(CProjectView *view) : QStyledItemDelegate(view), m_view(view)
{
}

void CMainFileDelegate::initStyleOption(QStyleOptionViewItem *option,
                                        const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (!m_view->MainFileTip(m_view->itemFromIndex(index)).isEmpty())
        option->font.setBold(true);
}

bool CMainFileDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                                  const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event && event->type() == QEvent::ToolTip) {
        const QString tip = m_view->MainFileTip(m_view->itemFromIndex(index));
        if (!tip.isEmpty()) {
            QToolTip::showText(event->globalPos(), tip, view);
            return true;
        }
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}
