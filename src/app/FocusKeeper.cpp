#include "app/FocusKeeper.h"

#include <QApplication>

CFocusKeeper::CFocusKeeper()
    : m_window(QApplication::activeWindow()), m_focus(QApplication::focusWidget())
{
}

CFocusKeeper::~CFocusKeeper()
{
    if (!m_window || !m_window->isVisible())
        return;
    // Only when nothing else took the keyboard meanwhile: a dialog that
    // opened a window of its own leaves it be.
    // (The dialog itself may still count as active for a moment once it
    // is hidden.)
    QWidget *active = QApplication::activeWindow();
    if (active && active != m_window && active->isVisible())
        return;
    if (active != m_window)
        m_window->activateWindow();
    QWidget *focus = QApplication::focusWidget();
    if (m_focus && m_focus->isVisible() && m_focus->window() == m_window &&
        (!focus || !focus->isVisible() || focus->window() != m_window))
        m_focus->setFocus(Qt::ActiveWindowFocusReason);
}
