#pragma once

#include <QWidget>

class QMdiArea;

// The editor area: the column beside the project pane in which editor,
// help and floating windows live.
class CBuddyWnd : public QWidget
{
    Q_OBJECT
public:
    explicit CBuddyWnd(QWidget *parent = nullptr);
    QMdiArea *MdiArea() const { return m_mdiArea; }

private:
    QMdiArea *m_mdiArea;
};
