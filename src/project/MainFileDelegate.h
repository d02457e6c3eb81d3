#pragma once

#include <QStyledItemDelegate>

class CProjectView;

// Draws the project's main class file and main HTML file in bold in the
// project tree, and names them in their tooltips, so that the user sees
// what Run will start.
class CMainFileDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit CMainFileDelegate(CProjectView *view);

    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

private:
    CProjectView *m_view;
};
