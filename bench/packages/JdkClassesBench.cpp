// "Add JDK classes": java.base and java.desktop introspected from the
// running JDK's modules (jrt:) by the program's own DumpClass, the output
// parsed and added to a fresh package database that is then saved; and the
// time to load that database file again. MAVU_KEEP_PKG=FILE keeps a copy
// of the database made.
//
//   cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DMAVU_BUILD_BENCH=ON
//   cmake --build build-bench --target bench_jdk_classes &&
//   build-bench/bench/packages/bench_jdk_classes
#include "javamodel/JavaModel.h"
#include "javamodel/PackageObject.h"
#include "packages/ClassDumpRun.h"
#include "packages/ClassDumper.h"
#include "packages/PkgDoc.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QString kModules = QStringLiteral("jrt:/java.base,java.desktop");

// Introspects the modules into a database at path; the number of types added.
qint64 AddJdkClasses(const QString &path, benchmark::State &state)
{
    CClassDumper introspector(CClassDumper::ClassKind);
    introspector.SetJava(QStringLiteral(MAVU_JDK_HOME "/bin/java"));
    introspector.SetOwnClassesZip(QStringLiteral(MAVU_CLASSES_ZIP));
    CClassDumpRun run(introspector, {kModules});
    run.Start();
    QDeadlineTimer deadline(300000);
    while (run.State() == CClassDumpRun::Running && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    if (run.State() != CClassDumpRun::Ok) {
        state.SkipWithError("the introspector failed");
        return 0;
    }
    CPkgDoc db;
    db.Open(path);
    db.AddDumpedFiles(run.TakeFiles(), run.ClassPathAdditions());
    qint64 types = 0;
    for (const CPackageObject *p : db.Packages())
        types += p->m_classes.size() + p->m_interfaces.size();
    return types;
}

void BM_AddJdkClasses(benchmark::State &state)
{
    RegisterJavaModelClasses();
    qint64 types = 0;
    qint64 bytes = 0;
    for (auto _ : state) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("mavu.pkg"));
        types = AddJdkClasses(path, state);
        bytes = QFileInfo(path).size();
        // MAVU_KEEP_PKG=FILE keeps the database to open in the IDE.
        const QString keep = qEnvironmentVariable("MAVU_KEEP_PKG");
        if (!keep.isEmpty()) {
            QFile::remove(keep);
            QFile::copy(path, keep);
        }
    }
    state.counters["types"] = double(types);
    state.counters["file_bytes"] = double(bytes);
}
BENCHMARK(BM_AddJdkClasses)->Unit(benchmark::kSecond)->Iterations(1);

void BM_LoadJdkClassesDatabase(benchmark::State &state)
{
    RegisterJavaModelClasses();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mavu.pkg"));
    if (AddJdkClasses(path, state) == 0)
        return;
    for (auto _ : state) {
        CPkgDoc db;
        db.Open(path);
        benchmark::DoNotOptimize(db.Packages().size());
    }
}
BENCHMARK(BM_LoadJdkClassesDatabase)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
