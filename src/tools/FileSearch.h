#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>

class QThread;

// What "Search Files" asks for.
struct CSearchRequest
{
    enum Mode { Search = 1, Replace = 2 };
    QStringList files; // in the order they are listed
    QString find;
    QString replace;
    int mode = Search;
    bool matchCase = false;
    bool wholeWord = false;
};

// Find in files. Every hit becomes a line "path:line:  text", one line per
// hit (two hits on one line give two lines). The work runs on a thread of
// its own and its text arrives in batches through output(), so the window
// stays responsive and Stop takes effect at once, even inside a large file.
//
// A replace never loses a file: each changed file is written to a
// temporary file that then takes the original's place, and a file that
// changed on disk since it was read is left alone and reported.
class CFileSearch : public QObject
{
    Q_OBJECT
public:
    // Hooks for the tests: after each file (its index), and right before a
    // changed file is written.
    struct Hooks
    {
        std::function<void(int)> afterFile;
        std::function<void(const QString &)> beforeWrite;
    };
    using Sink = std::function<void(const QString &)>;

    explicit CFileSearch(QObject *parent = nullptr);
    // Stops a running search and waits for its thread.
    ~CFileSearch() override;

    // Starts the request on the worker thread; false while one runs.
    bool Start(const CSearchRequest &request);
    // Asks the running search to end: "Aborted...\n" follows.
    void Stop();
    bool IsRunning() const { return m_running; }

    // The whole run on the calling thread: "Wait, Searching...\n" (or
    // Replacing), the hits, then "Done...\n", or "Aborted...\n" as soon as
    // stop is seen. True when it ran to the end.
    static bool Run(const CSearchRequest &request, const Sink &sink, const std::atomic<bool> &stop,
                    const Hooks &hooks = {});

    static QString ResultLine(const QString &path, int line, const QString &text);
    static QString ReadOnlyText(const QString &path);
    static QString OpenErrorText(const QString &path);
    static QString ChangedOnDiskText(const QString &path);
    static QString WriteErrorText(const QString &path, const QString &reason);

signals:
    // A batch of result text.
    void output(const QString &text);
    // The run is over (aborted: Stop ended it).
    void finished(bool aborted);

private:
    void Deliver(const QString &text);

    std::unique_ptr<QThread> m_thread;
    std::atomic<bool> m_stop{false};
    bool m_running = false;
};
