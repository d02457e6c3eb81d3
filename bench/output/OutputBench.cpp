// A child flooding its output: bytes per second from the child to the
// Output tab, against cat writing the same bytes to /dev/null, and how long
// the window's event loop went unanswered meanwhile (a timer asks every
// 5 ms; the longest gap between its ticks is what a user typing would wait).
//
//   QT_QPA_PLATFORM=offscreen build-perf/bench/output/bench_output

#include "tools/OutputWnd.h"
#include "tools/ToolManager.h"
#include "tools/ToolProcess.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

constexpr qint64 kFloodBytes = 100LL * 1024 * 1024;

// 100 MB of lines of varying length, written once.
const QString &FloodFile()
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("flood.txt"));
    if (!QFile::exists(path)) {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        QByteArray block;
        for (int i = 0; block.size() < (1 << 20); ++i)
            block += "line " + QByteArray::number(i) + ": " +
                     QByteArray(20 + i % 90, char('a' + i % 26)) + '\n';
        for (qint64 written = 0; written < kFloodBytes; written += block.size())
            f.write(block.left(int(std::min<qint64>(block.size(), kFloodBytes - written))));
    }
    return path;
}

// Ticks every 5 ms and keeps the gaps between ticks.
class CLatencyProbe
{
public:
    CLatencyProbe()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            m_gaps.push_back(double(now - m_last) / 1e6);
            m_last = now;
        });
    }
    void Start()
    {
        m_gaps.clear();
        m_clock.start();
        m_last = 0;
        m_timer.start();
    }
    void Stop() { m_timer.stop(); }
    double Max() const
    {
        return m_gaps.empty() ? 0 : *std::max_element(m_gaps.begin(), m_gaps.end());
    }
    double Percentile(double p) const
    {
        if (m_gaps.empty())
            return 0;
        std::vector<double> sorted = m_gaps;
        std::sort(sorted.begin(), sorted.end());
        return sorted[size_t(p * double(sorted.size() - 1))];
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    std::vector<double> m_gaps;
};

void BM_CatToDevNull(benchmark::State &state)
{
    const QString file = FloodFile();
    for (auto _ : state) {
        QProcess cat;
        cat.setStandardOutputFile(QProcess::nullDevice());
        cat.start(QStringLiteral("cat"), {file});
        cat.waitForFinished(-1);
    }
    state.SetBytesProcessed(state.iterations() * kFloodBytes);
}
BENCHMARK(BM_CatToDevNull)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_CatToOutputTab(benchmark::State &state)
{
    const QString file = FloodFile();
    CToolManager manager;
    COutputWnd view;
    view.resize(900, 400);
    view.show();
    CLatencyProbe probe;
    double maxGap = 0, p99 = 0;
    qint64 dropped = 0;
    for (auto _ : state) {
        view.ClearText();
        CToolProcess cat(&manager, QStringLiteral("cat ") + file, QString(), &view);
        cat.m_bAutoDelete = false;
        QEventLoop loop;
        QObject::connect(&cat, &CToolProcess::ended, &loop, &QEventLoop::quit);
        probe.Start();
        cat.Execute(1);
        loop.exec();
        // The view catches up on its own timer, as it does for the user.
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (!view.HasPendingText())
                loop.quit();
        });
        poll.start(1);
        loop.exec();
        probe.Stop();
        maxGap = std::max(maxGap, probe.Max());
        p99 = std::max(p99, probe.Percentile(0.99));
        dropped = view.DroppedLines();
    }
    state.SetBytesProcessed(state.iterations() * kFloodBytes);
    state.counters["max_gap_ms"] = maxGap;
    state.counters["p99_gap_ms"] = p99;
    state.counters["lines_kept"] = view.blockCount();
    state.counters["lines_dropped"] = double(dropped);
}
BENCHMARK(BM_CatToOutputTab)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
