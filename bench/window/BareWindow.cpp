// The floor of the start-up benchmark: the least a Qt 6 editor window costs.
// A main window with a menu bar, a status bar and one QsciScintilla, shown
// and painted once, reported the same way Mavu reports its first paint.

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <Qsci/qsciscintilla.h>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

class CFirstPaintWatcher final : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && qobject_cast<QMainWindow *>(watched) != nullptr) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::fprintf(stderr, "painted %lld\n",
                             static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                std::fflush(stderr);
                if (qgetenv("MAVU_STARTUP_PROBE") == "exit")
                    std::_Exit(0);
            });
        }
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    CFirstPaintWatcher watcher;
    app.installEventFilter(&watcher);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.setCentralWidget(new QsciScintilla);
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.resize(1024, 700);
    window.show();
    return app.exec();
}
