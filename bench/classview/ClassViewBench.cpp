// The class view of a large project: 2,000 of the JDK's sources in one
// project, the pane switched to the class view and painted (the target is
// under 200 ms), and the cost of opening one file's classes, which the view
// parses only then.
//
//   QT_QPA_PLATFORM=offscreen build-perf/bench/classview/bench_classview

#include "JdkSources.h"
#include "core/IDEOptions.h"
#include "project/Project.h"
#include "project/ProjectClasses.h"
#include "project/ProjectDoc.h"
#include "project/ProjectFileItem.h"
#include "project/ProjectView.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidgetItemIterator>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kFiles = 2000;

// A workspace with one open project of kFiles sources, written once.
struct CBigProject
{
    QTemporaryDir dir;
    std::unique_ptr<CProjectDoc> doc;
    QStringList files;
    bool ok = false;

    CBigProject()
    {
        RegisterProjectClasses();
        const CJdkSources &jdk = CJdkSources::Get();
        if (!jdk.Error().isEmpty() || int(jdk.Files().size()) < kFiles)
            return;
        for (int i = 0; i < kFiles; ++i) {
            const CJdkSource &src = jdk.Files()[size_t(i)];
            const QString path = dir.filePath(
                QStringLiteral("src/p%1/%2").arg(i).arg(QFileInfo(src.path).fileName()));
            QDir().mkpath(QFileInfo(path).path());
            QFile f(path);
            if (!f.open(QIODevice::WriteOnly))
                return;
            f.write(src.text);
            files << path;
        }
        doc = std::make_unique<CProjectDoc>();
        if (!doc->Load(dir.filePath(QStringLiteral("mavu.proj"))) ||
            !doc->OpenProject(dir.filePath(QStringLiteral("Big.mavu")), true))
            return;
        for (const QString &path : std::as_const(files))
            doc->GetCurrentProject().AddFileItem(path);
        ok = int(doc->GetCurrentProject().GetFiles().size()) == kFiles;
    }
};

CBigProject &Big()
{
    static CBigProject project;
    return project;
}

void ClassViewShown(benchmark::State &state)
{
    CBigProject &big = Big();
    if (!big.ok) {
        state.SkipWithError("the JDK's sources could not be set up as a project");
        return;
    }
    CIDEOptions options;
    for (auto _ : state) {
        options.m_projectView = 0;
        CProjectView view(nullptr, big.doc.get());
        view.SetOptions(&options);
        view.resize(300, 800);
        view.show();
        QCoreApplication::processEvents();
        // Timed: the switch to the class view and its first paint.
        view.OnProjectView();
        view.repaint();
        QCoreApplication::processEvents();
        state.PauseTiming();
        int shown = 0;
        for (QTreeWidgetItemIterator it(&view); *it; ++it)
            ++shown;
        state.counters["items"] = shown;
        state.ResumeTiming();
    }
}
BENCHMARK(ClassViewShown)->Unit(benchmark::kMillisecond)->Iterations(5);

void OpenOneFilesClasses(benchmark::State &state)
{
    CBigProject &big = Big();
    if (!big.ok) {
        state.SkipWithError("the JDK's sources could not be set up as a project");
        return;
    }
    CIDEOptions options;
    options.m_projectView = 1;
    CProjectView view(nullptr, big.doc.get());
    view.SetOptions(&options);
    view.UpdateAllViews();
    int i = 0;
    for (auto _ : state) {
        const QString path = big.files[(i++ * 37) % kFiles];
        CProjectFileItem *item = big.doc->GetCurrentProject().FindFileItem(path);
        view.ExpandNode(item);
        state.PauseTiming();
        view.collapseItem(view.ItemOf(item));
        state.ResumeTiming();
    }
}
BENCHMARK(OpenOneFilesClasses)->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
