#include "app/CommandUIIdle.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEvent>
#include <QWidget>

CCommandUIIdle::CCommandUIIdle(QWidget *window, std::function<void()> update)
    : QObject(window), m_window(window), m_update(std::move(update))
{
    m_later.setSingleShot(true);
    connect(&m_later, &QTimer::timeout, this, &CCommandUIIdle::UpdateNow);
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                &CCommandUIIdle::OnAboutToBlock);
    qApp->installEventFilter(this);
}

CCommandUIIdle::~CCommandUIIdle()
{
    qApp->removeEventFilter(this);
}

bool CCommandUIIdle::Inside(QObject *watched) const
{
    auto *widget = qobject_cast<QWidget *>(watched);
    return widget && (widget == m_window || m_window->isAncestorOf(widget));
}

bool CCommandUIIdle::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
        if (Inside(watched))
            UpdateNow();
        break;
    default:
        break;
    }
    return false;
}

void CCommandUIIdle::OnAboutToBlock()
{
    if (m_updating || m_later.isActive())
        return;
    const qint64 since = m_sinceUpdate.isValid() ? m_sinceUpdate.elapsed() : kIdleIntervalMs;
    if (since >= kIdleIntervalMs)
        UpdateNow();
    else
        m_later.start(int(kIdleIntervalMs - since));
}

void CCommandUIIdle::UpdateNow()
{
    // Enabling an action can send events of its own; they must not bring
    // the update back into itself.
    if (m_updating)
        return;
    m_updating = true;
    m_later.stop();
    m_update();
    m_sinceUpdate.start();
    m_updating = false;
}
