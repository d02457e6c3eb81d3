#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

class QWidget;

// Keeps the enabled and checked state of the commands current the way an
// idle handler would: after the event loop has drained its events (at most
// every few tenths of a second, so a flood of output does not pay for it),
// and at once when a key or a mouse button is pressed, so that a shortcut or
// a toolbar click is judged by the state of that moment and not by the one
// before a compile ended.
class CCommandUIIdle final : public QObject
{
public:
    CCommandUIIdle(QWidget *window, std::function<void()> update);
    ~CCommandUIIdle() override;

    // The least time between two updates made because the loop went idle.
    static constexpr int kIdleIntervalMs = 150;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void OnAboutToBlock();
    void UpdateNow();
    bool Inside(QObject *watched) const;

    QWidget *m_window;
    std::function<void()> m_update;
    QElapsedTimer m_sinceUpdate;
    QTimer m_later;
    bool m_updating = false;
};
