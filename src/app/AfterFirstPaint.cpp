#include "app/AfterFirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

// A window started minimized may not paint for a long time; the work is
// done after this long at the latest.
constexpr int kLatestMs = 500;

class CFirstPaintRunner final : public QObject
{
public:
    CFirstPaintRunner(QWidget *window, std::function<void()> work)
        : QObject(window), m_work(std::move(work))
    {
        window->installEventFilter(this);
        QTimer::singleShot(kLatestMs, this, [this] { Run(); });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Once the paint has been handled and flushed to the screen.
            QTimer::singleShot(0, this, [this] { Run(); });
        }
        return false;
    }

private:
    void Run()
    {
        if (!m_work)
            return;
        const std::function<void()> work = std::move(m_work);
        m_work = nullptr;
        work();
        deleteLater();
    }

    std::function<void()> m_work;
};

} // namespace

void RunAfterFirstPaint(QWidget *window, std::function<void()> work)
{
    if (!window) {
        work();
        return;
    }
    new CFirstPaintRunner(window, std::move(work));
}
