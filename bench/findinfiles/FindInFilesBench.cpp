// Find in files over the JDK's sources (15,000 files), side by side with
// grep -rn over the same directory, both delivering every hit line to a
// reader (grep into a pipe: with its output on /dev/null grep stops at the
// first hit). The files are unpacked from lib/src.zip into a temporary
// directory once per run and read warm by both. A third benchmark runs the
// search on its worker thread and times the longest gap of the event loop
// meanwhile (a timer asks every 5 ms), which is what a user pressing Stop
// would wait.
//
//   build-bench/bench/findinfiles/bench_findinfiles

#include "JdkSources.h"
#include "tools/FileSearch.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

struct CTree
{
    QTemporaryDir dir;
    QStringList files;
    qint64 bytes = 0;
};

const CTree &Tree()
{
    static CTree tree;
    if (tree.files.isEmpty()) {
        const CJdkSources &src = CJdkSources::Get();
        for (const CJdkSource &f : src.Files()) {
            const QString path = tree.dir.filePath(f.path);
            QDir().mkpath(QFileInfo(path).absolutePath());
            QFile out(path);
            if (out.open(QIODevice::WriteOnly))
                out.write(f.text);
            tree.files << path;
            tree.bytes += f.text.size();
        }
        tree.files.sort();
    }
    return tree;
}

const char *const kTerms[] = {"synchronized", "ConcurrentModificationException"};

void Report(benchmark::State &state, qint64 hitBytes, int hits)
{
    const CTree &tree = Tree();
    state.SetBytesProcessed(int64_t(state.iterations()) * tree.bytes);
    state.counters["files"] = double(tree.files.size());
    state.counters["hits"] = hits;
    state.counters["hit_bytes"] = double(hitBytes);
}

void BM_Mavu(benchmark::State &state)
{
    const CTree &tree = Tree();
    CSearchRequest req;
    req.files = tree.files;
    req.find = QString::fromLatin1(kTerms[state.range(0)]);
    req.matchCase = state.range(1) != 0;
    std::atomic<bool> stop{false};
    qint64 bytes = 0;
    int hits = 0;
    for (auto _ : state) {
        bytes = 0;
        hits = 0;
        CFileSearch::Run(
            req,
            [&](const QString &t) {
                bytes += t.size();
                hits += int(t.count(QLatin1Char('\n')));
            },
            stop);
    }
    Report(state, bytes, hits - 2); // less the opening and closing lines
    state.SetLabel(qPrintable(req.find + (req.matchCase ? " (match case)" : " (any case)")));
}

void BM_GrepRn(benchmark::State &state)
{
    const CTree &tree = Tree();
    QStringList args = {QStringLiteral("-rn")};
    if (state.range(1) == 0)
        args << QStringLiteral("-i");
    args << QString::fromLatin1(kTerms[state.range(0)]) << tree.dir.path();
    qint64 bytes = 0;
    int hits = 0;
    rusage before{};
    ::getrusage(RUSAGE_CHILDREN, &before);
    for (auto _ : state) {
        QProcess grep;
        grep.start(QStringLiteral("grep"), args);
        grep.waitForStarted();
        QByteArray all;
        while (grep.state() != QProcess::NotRunning || grep.bytesAvailable() > 0) {
            grep.waitForReadyRead(100);
            all += grep.readAllStandardOutput();
        }
        bytes = all.size();
        hits = int(all.count('\n'));
    }
    rusage after{};
    ::getrusage(RUSAGE_CHILDREN, &after);
    auto ms = [](const timeval &t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    // grep's own processor time per run (user + system), beside ours.
    state.counters["grep_cpu_ms"] =
        (ms(after.ru_utime) + ms(after.ru_stime) - ms(before.ru_utime) - ms(before.ru_stime)) /
        double(state.iterations());
    Report(state, bytes, hits);
    state.SetLabel(qPrintable(QStringLiteral("grep ") + args.mid(0, args.size() - 1).join(' ')));
}

// The search on its thread with the results going through the event loop,
// as the window gets them; the longest event-loop gap in ms.
void BM_MavuThreadLatency(benchmark::State &state)
{
    const CTree &tree = Tree();
    CSearchRequest req;
    req.files = tree.files;
    req.find = QString::fromLatin1(kTerms[state.range(0)]);
    double worst = 0;
    for (auto _ : state) {
        CFileSearch search;
        int hits = 0;
        QObject::connect(&search, &CFileSearch::output,
                         [&](const QString &t) { hits += int(t.count(QLatin1Char('\n'))); });
        QEventLoop loop;
        QObject::connect(&search, &CFileSearch::finished, &loop, &QEventLoop::quit);
        QElapsedTimer clock;
        qint64 last = 0;
        double gap = 0;
        QTimer tick;
        tick.setInterval(5);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            gap = std::max(gap, double(now - last) / 1e6);
            last = now;
        });
        clock.start();
        tick.start();
        search.Start(req);
        loop.exec();
        worst = std::max(worst, gap);
        state.counters["hits"] = hits - 2;
    }
    state.counters["max_gap_ms"] = worst;
    state.SetBytesProcessed(int64_t(state.iterations()) * tree.bytes);
}

} // namespace

BENCHMARK(BM_Mavu)
    ->ArgsProduct({{0, 1}, {1, 0}})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2)
    ->MeasureProcessCPUTime();
BENCHMARK(BM_GrepRn)->ArgsProduct({{0, 1}, {1, 0}})->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_MavuThreadLatency)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (!CJdkSources::Get().Error().isEmpty()) {
        fprintf(stderr, "%s\n", qPrintable(CJdkSources::Get().Error()));
        return 1;
    }
    Tree();
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
