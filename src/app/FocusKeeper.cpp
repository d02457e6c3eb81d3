#include "app/FocusKeeper.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>

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

CDialogFocusReturn::~CDialogFocusReturn() = default;

bool CDialogFocusReturn::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::Hide)
        return false;
    auto *dialog = qobject_cast<QDialog *>(watched);
    if (!dialog || !dialog->isWindow())
        return false;
    if (type == QEvent::Show) {
        if (m_keepers.emplace(dialog, std::make_unique<CFocusKeeper>()).second)
            connect(dialog, &QObject::destroyed, this,
                    [this](QObject *gone) { m_keepers.erase(gone); });
        return false;
    }
    const auto it = m_keepers.find(dialog);
    if (it == m_keepers.end())
        return false;
    // Handed back once the hide is over: until then the dialog may still
    // count as the active window.
    std::shared_ptr<CFocusKeeper> keeper(std::move(it->second));
    m_keepers.erase(it);
    disconnect(dialog, &QObject::destroyed, this, nullptr);
    QTimer::singleShot(0, this, [keeper]() mutable { keeper.reset(); });
    return false;
}
