// The package database with the whole JDK in it ($JDK/lib/src.zip, read into
// memory first): the time to parse and add every source, the size of the
// file it saves, the time to load that file, and the cost of FindClass.
//
//   cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DMAVU_BUILD_BENCH=ON
//   cmake --build build-bench --target bench_packages && build-bench/bench/packages/bench_packages
#include "JdkSources.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaModel.h"
#include "javamodel/JavaParser.h"
#include "javamodel/PackageObject.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarInterface.h"
#include "packages/PkgDoc.h"

#include <QFileInfo>
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

// Parses every JDK source and adds it, as the package view's Add Sources does.
void AddAll(CPkgDoc &db, const CJdkSources &src)
{
    for (const CJdkSource &f : src.Files()) {
        std::unique_ptr<CFileObject> file(CJavaParser::ParseText(f.text));
        if (file)
            db.AddSourceFile(*file, f.path);
    }
}

// One database file shared by the load and lookup benchmarks.
struct CSavedJdkDatabase
{
    CSavedJdkDatabase()
    {
        RegisterJavaModelClasses();
        path = dir.filePath(QStringLiteral("mavu.pkg"));
        CPkgDoc db;
        db.Open(path);
        AddAll(db, CJdkSources::Get());
        db.Save();
        for (const CPackageObject *pkg : db.Packages()) {
            for (const CVarClass *c : std::as_const(pkg->m_classes))
                names << c->m_name;
            for (const CVarInterface *i : std::as_const(pkg->m_interfaces))
                names << i->m_name;
        }
    }
    static CSavedJdkDatabase &Get()
    {
        static CSavedJdkDatabase saved;
        return saved;
    }
    QTemporaryDir dir;
    QString path;
    QStringList names; // every top-level type name, in map order
};

void BM_AddAllJdkSources(benchmark::State &state)
{
    RegisterJavaModelClasses();
    const CJdkSources &src = Sources(state);
    double packages = 0, types = 0;
    for (auto _ : state) {
        auto db = std::make_unique<CPkgDoc>();
        AddAll(*db, src);
        state.PauseTiming(); // counting and freeing are not part of adding
        packages = double(db->Packages().size());
        types = 0;
        for (const CPackageObject *pkg : db->Packages())
            types += double(pkg->m_classes.size() + pkg->m_interfaces.size());
        db->SetModified(false);
        db.reset();
        state.ResumeTiming();
    }
    state.counters["files"] = double(src.Files().size());
    state.counters["packages"] = packages;
    state.counters["types"] = types;
}
BENCHMARK(BM_AddAllJdkSources)->Unit(benchmark::kMillisecond)->Iterations(2);

// Reading mavu.pkg whole, as at start-up (index not yet built).
void BM_LoadJdkDatabase(benchmark::State &state)
{
    Sources(state);
    CSavedJdkDatabase &saved = CSavedJdkDatabase::Get();
    for (auto _ : state) {
        auto db = std::make_unique<CPkgDoc>();
        db->Open(saved.path);
        benchmark::DoNotOptimize(db->Packages().size());
        state.PauseTiming();
        db.reset();
        state.ResumeTiming();
    }
    state.counters["file_MB"] = double(QFileInfo(saved.path).size()) / 1e6;
}
BENCHMARK(BM_LoadJdkDatabase)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// Loading plus the first lookup, which builds the name index.
void BM_LoadAndFirstFindClass(benchmark::State &state)
{
    Sources(state);
    CSavedJdkDatabase &saved = CSavedJdkDatabase::Get();
    for (auto _ : state) {
        auto db = std::make_unique<CPkgDoc>();
        db->Open(saved.path);
        benchmark::DoNotOptimize(db->FindClass(QStringLiteral("String")));
        state.PauseTiming();
        db.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadAndFirstFindClass)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// FindClass over every type name of the JDK in turn, half of them spelt in
// another case, and as many names that are not there.
void BM_FindClass(benchmark::State &state)
{
    Sources(state);
    CSavedJdkDatabase &saved = CSavedJdkDatabase::Get();
    CPkgDoc db;
    db.Open(saved.path);
    QStringList names;
    for (qsizetype i = 0; i < saved.names.size(); ++i) {
        const QString &n = saved.names[i];
        names << (i % 2 ? n.toUpper() : n) << n + QStringLiteral("Missing");
    }
    db.FindClass(names.first()); // builds the index
    qsizetype next = 0, hits = 0;
    for (auto _ : state) {
        hits += db.FindClassOrInterface(names[next]) != nullptr;
        benchmark::DoNotOptimize(db.FindClass(names[next]));
        if (++next == names.size())
            next = 0;
    }
    state.counters["names"] = double(names.size());
    state.counters["lookups"] = benchmark::Counter(
        double(state.iterations()) * 2, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    benchmark::DoNotOptimize(hits);
}
BENCHMARK(BM_FindClass)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
