#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <unordered_map>

// Gives the keyboard back, when a dialog is over, to the window and the
// widget that had it before. A window manager does that on most desktops;
// without one (a bare X server, a kiosk session) the keys would go nowhere
// until the user clicks. CDialogFocusReturn puts one around every dialog.
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

// Watches every dialog of the program (installed on the application): from
// the moment a dialog shows until just after it hides, a CFocusKeeper holds
// what had the keyboard. This covers the dialogs Qt makes itself (file
// choosers, input boxes) and dialogs opened from other dialogs alike.
class CDialogFocusReturn final : public QObject
{
public:
    using QObject::QObject;
    ~CDialogFocusReturn() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unordered_map<QObject *, std::unique_ptr<CFocusKeeper>> m_keepers;
};
