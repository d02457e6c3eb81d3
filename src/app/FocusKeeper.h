#pragma once

#include <QPointer>
#include <QWidget>

// Gives the keyboard back, when a dialog is over, to the window and the
// widget that had it before. A window manager does that on most desktops;
// without one (a bare X server, a kiosk session) the keys would go nowhere
// until the user clicks. Put one on the stack around a dialog's exec().
class CFocusKeeper
{
public:
    CFocusKeeper();
    ~CFocusKeeper();
    CFocusKeeper(const CFocusKeeper &) = delete;
    CFocusKeeper &operator=(const CFocusKeeper &) = delete;

private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_focus;
};
