// Recogniser throughput over the JDK's own sources, read from memory, and
// Universal Ctags tagging the same files in the same run for comparison.
//
//   cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DMAVU_BUILD_BENCH=ON
//   cmake --build build-bench --target bench_parser && build-bench/bench/parser/bench_parser
#include "JdkSources.h"
#include "editor/ConvertData.h"
#include "editor/ParseBuffer.h"
#include "editor/StreamBuffer.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaParser.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarInterface.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

const CJdkSources &Sources(benchmark::State &state)
{
    const CJdkSources &src = CJdkSources::Get();
    if (!src.Error().isEmpty())
        state.SkipWithError(src.Error().toLocal8Bit().constData());
    return src;
}

void CountMembers(const CVarContainer *c, double &types, double &members)
{
    types += 1;
    members += double(c->m_methods.size() + c->m_variables.size());
    if (const QList<CVarClass *> *inner = c->InnerClasses())
        for (const CVarClass *i : *inner)
            CountMembers(i, types, members);
    if (const QList<CVarInterface *> *inner = c->InnerInterfaces())
        for (const CVarInterface *i : *inner)
            CountMembers(i, types, members);
}

// The whole recogniser: scanner, word ring, elements, and freeing the result.
void BM_ParseJdkSources(benchmark::State &state)
{
    const CJdkSources &src = Sources(state);
    double types = 0, members = 0;
    for (auto _ : state) {
        types = members = 0;
        for (const CJdkSource &f : src.Files()) {
            const CStreamBuffer buffer(f.text);
            CParseBuffer scanner(buffer);
            CJavaParser parser(buffer);
            scanner.ParseBuffer(parser);
            std::unique_ptr<CFileObject> file(parser.TakeFile());
            for (const CVarClass *c : file->m_classes)
                CountMembers(c, types, members);
            for (const CVarInterface *i : file->m_interfaces)
                CountMembers(i, types, members);
        }
    }
    state.SetBytesProcessed(state.iterations() * src.TotalBytes());
    state.counters["files"] = double(src.Files().size());
    state.counters["types"] = types;
    state.counters["members"] = members;
}
BENCHMARK(BM_ParseJdkSources)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// The scanner under a converter that does nothing: what the recogniser
// adds on top of it is the difference to the benchmark above.
class CIdleSink final : public CConvertData
{
public:
    int IsDelimiter(char c, int) final { return m_lang.IsDelimiter(c); }
    int OnWord(std::string_view, int, int, int) final { return 0; }
    const CLanguage &m_lang = CLanguage::m_JavaLanguage;
};

void BM_ScanOnlyJdkSources(benchmark::State &state)
{
    const CJdkSources &src = Sources(state);
    CIdleSink sink;
    for (auto _ : state) {
        for (const CJdkSource &f : src.Files()) {
            const CStreamBuffer buffer(f.text);
            CParseBuffer(buffer).ParseBuffer(sink);
        }
    }
    state.SetBytesProcessed(state.iterations() * src.TotalBytes());
}
BENCHMARK(BM_ScanOnlyJdkSources)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// Universal Ctags over the same files, written once to a temporary folder
// (the page cache holds them after the first run, so ctags reads memory too).
void BM_CtagsJdkSources(benchmark::State &state)
{
    const CJdkSources &src = Sources(state);
    const QString ctags = QStandardPaths::findExecutable(QStringLiteral("ctags"));
    if (ctags.isEmpty()) {
        state.SkipWithError("ctags not found (Debian: universal-ctags)");
        return;
    }
    QTemporaryDir dir;
    for (const CJdkSource &f : src.Files()) {
        const QString path = dir.filePath(f.path);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(f.text) != f.text.size()) {
            state.SkipWithError("cannot write the sources to a temporary folder");
            return;
        }
    }
    const QStringList args{QStringLiteral("-R"), QStringLiteral("--languages=Java"),
                           QStringLiteral("-f"), QStringLiteral("/dev/null"), dir.path()};
    QProcess::execute(ctags, args); // warm the page cache
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const int status = QProcess::execute(ctags, args);
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        if (status != 0) {
            state.SkipWithError("ctags failed");
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * src.TotalBytes());
}
BENCHMARK(BM_CtagsJdkSources)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

} // namespace

BENCHMARK_MAIN();
