// Start-up time, from CJavaIDEApp::InitInstance to the shown main window,
// under the offscreen platform with temporary XDG directories; and the
// reading of big projects, where every file joins its folder in name order.
//
//   QT_QPA_PLATFORM=offscreen build-perf/bench/startup/bench_startup

#include "app/JavaIDEApp.h"
#include "app/MainFrame.h"
#include "core/Prompter.h"
#include "core/SettingsStore.h"
#include "project/Project.h"
#include "project/ProjectClasses.h"
#include "project/ProjectDoc.h"
#include "project/ProjectFolder.h"
#include "project/ProjectVirtualFolder.h"
#include "tree/TreeFolder.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// Answers every message with its default and keeps nothing: a start-up
// that asks must not wait for a user.
class CQuietPrompter final : public CPrompter
{
public:
    Answer MessageBox(const QString &, Buttons, Icon, Answer defaultAnswer) override
    {
        ++m_messages;
        return defaultAnswer;
    }
    void SetStatusText(const QString &) override {}
    void OutputLine(const QString &, const QString &) override {}
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    void Progress(const QString &, qint64, qint64) override {}
    int m_messages = 0;
};

// A home of its own: settings, data files and the working directory all
// point into one temporary directory for the life of the object.
class CScratchHome
{
public:
    CScratchHome()
    {
        m_oldCwd = QDir::currentPath();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("config"))));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("data"))));
        qputenv("HOME", QFile::encodeName(m_dir.path()));
        QDir::setCurrent(m_dir.path());
    }
    ~CScratchHome() { QDir::setCurrent(m_oldCwd); }
    QString FilePath(const QString &name) const { return m_dir.filePath(name); }
    // Back to a machine that never ran the program.
    void Wipe() const
    {
        QDir(FilePath(QStringLiteral("config"))).removeRecursively();
        QDir(FilePath(QStringLiteral("data"))).removeRecursively();
    }

private:
    QTemporaryDir m_dir;
    QString m_oldCwd;
};

// One start-up, timed from InitInstance to the window on screen; closing
// the window (which writes the settings) is left out of the figure.
void TimedStart(benchmark::State &state, qsizetype openFiles = 0)
{
    auto app = std::make_unique<CJavaIDEApp>(QStringList());
    app->SetDialogRunner([](QDialog &) { return int(QDialog::Accepted); });
    state.ResumeTiming();
    const bool started = app->InitInstance();
    state.PauseTiming();
    if (!started || !app->MainFrame() || !app->MainFrame()->isVisible()) {
        state.SkipWithError("start-up did not show the main window");
        return;
    }
    if (app->ProjectDoc()->GetCurrentProject().GetFiles().size() != openFiles) {
        state.SkipWithError("start-up did not open the last project whole");
        return;
    }
    app->MainFrame()->close();
    app.reset();
    QCoreApplication::processEvents();
}

void BM_StartupFirstRun(benchmark::State &state)
{
    CScratchHome home;
    CQuietPrompter prompter;
    CPrompter *previous = SetPrompter(&prompter);
    for (auto _ : state) {
        state.PauseTiming();
        home.Wipe();
        TimedStart(state);
        state.ResumeTiming();
    }
    // Messages per start; a quiet start has none.
    state.counters["messages"] =
        benchmark::Counter(prompter.m_messages, benchmark::Counter::kAvgIterations);
    SetPrompter(previous);
}
BENCHMARK(BM_StartupFirstRun)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Makes a project file at dir/name.mavu holding files.size() files, spread
// over `folders` folders of its own (0: all at the top).
QString MakeProject(const QString &dir, const QString &name, const QStringList &files, int folders)
{
    QDir().mkpath(dir);
    for (const QString &f : files) {
        QFile file(dir + QLatin1Char('/') + f);
        if (!file.open(QIODevice::WriteOnly))
            std::abort();
    }
    const QString path = dir + QLatin1Char('/') + name + QStringLiteral(".mavu");
    CProjectFolder folder(path);
    CProject p;
    if (!p.Open(&folder, true))
        std::abort();
    std::vector<CProjectVirtualFolder *> subs;
    for (int i = 0; i < folders; ++i) {
        auto *sub =
            new CProjectVirtualFolder(QStringLiteral("folder%1").arg(i, 2, 10, QLatin1Char('0')));
        folder.AddChild(sub, true);
        subs.push_back(sub);
    }
    for (int i = 0; i < files.size(); ++i) {
        CProjectFolderBase *into = subs.empty() ? nullptr : subs[size_t(i) % subs.size()];
        if (!p.AddFileItem(dir + QLatin1Char('/') + files[i], into))
            std::abort();
    }
    if (!p.Save() || !p.Close())
        std::abort();
    return path;
}

// Java-like file names in no particular order.
QStringList FileNames(int n, quint32 seed)
{
    QStringList names;
    QRandomGenerator rng(seed);
    for (int i = 0; i < n; ++i) {
        QString stem;
        const int len = 4 + int(rng.bounded(10));
        for (int k = 0; k < len; ++k) {
            const char c = char('a' + rng.bounded(26));
            stem += QLatin1Char(k == 0 || rng.bounded(5) == 0 ? char(c - 32) : c);
        }
        names << QStringLiteral("%1%2.java").arg(stem).arg(i);
    }
    return names;
}

// 50 projects in the workspace, the open one with 2,000 files in 20
// folders; the others hold 20 files each.
void BM_StartupWorkspace(benchmark::State &state)
{
    CScratchHome home;
    CQuietPrompter prompter;
    CPrompter *previous = SetPrompter(&prompter);
    RegisterProjectClasses();
    QString open;
    {
        CProjectDoc doc;
        const QString ws = home.FilePath(QStringLiteral("data/Mavu/mavu.proj"));
        QDir().mkpath(QFileInfo(ws).absolutePath());
        doc.Load(ws);
        for (int i = 0; i < 50; ++i) {
            const bool big = i == 25;
            const QString dir = home.FilePath(QStringLiteral("work/p%1").arg(i));
            const QString path = MakeProject(dir, QStringLiteral("P%1").arg(i),
                                             FileNames(big ? 2000 : 20, quint32(i)), big ? 20 : 0);
            if (!doc.AddProject(path))
                std::abort();
            if (big)
                open = path;
        }
        if (!doc.Save())
            std::abort();
    }
    const QString ini = home.FilePath(QStringLiteral("config/Mavu/Mavu.ini"));
    QDir().mkpath(QFileInfo(ini).absolutePath());
    {
        CSettingsStore settings(ini);
        settings.WriteProfileString(QStringLiteral("Mavu"), QStringLiteral("Project"), open);
        // Not the first start: no tip, no documentation warning.
        settings.WriteProfileInt(QStringLiteral("Editor"), QStringLiteral("Tip"), 0);
        settings.WriteProfileInt(QStringLiteral("Help"), QStringLiteral("Warning"), 1);
    }
    for (auto _ : state) {
        state.PauseTiming();
        TimedStart(state, 2000);
        state.ResumeTiming();
    }
    state.counters["messages"] =
        benchmark::Counter(prompter.m_messages, benchmark::Counter::kAvgIterations);
    SetPrompter(previous);
}
BENCHMARK(BM_StartupWorkspace)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Reading a project whose top folder holds n files, written in name order
// as every save writes them.
void BM_OpenProjectOneFolder(benchmark::State &state)
{
    CScratchHome home;
    CQuietPrompter prompter;
    CPrompter *previous = SetPrompter(&prompter);
    RegisterProjectClasses();
    const int n = int(state.range(0));
    const QString path = MakeProject(home.FilePath(QStringLiteral("big")), QStringLiteral("Big"),
                                     FileNames(n, 7), 0);
    for (auto _ : state) {
        CProjectFolder folder(path);
        CProject p;
        if (!p.Open(&folder, false) || folder.GetChildCount() != n) {
            state.SkipWithError("the project did not open whole");
            break;
        }
        state.PauseTiming();
        p.Close();
        state.ResumeTiming();
    }
    SetPrompter(previous);
}
BENCHMARK(BM_OpenProjectOneFolder)->Arg(2000)->Arg(15000)->Unit(benchmark::kMillisecond);

// The bare tree: n leaves added in name order, in reverse order (as Add
// Directory adds them) and in random order, to one folder.
void BM_SortedInsert(benchmark::State &state)
{
    const int n = int(state.range(0));
    const int mode = int(state.range(1));
    QStringList names = FileNames(n, 11);
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    if (mode == 1)
        std::reverse(names.begin(), names.end());
    if (mode == 2)
        names = FileNames(n, 11);
    for (auto _ : state) {
        CTreeFolder folder(QStringLiteral("f"));
        for (const QString &name : names)
            folder.AddChild(new CTreeItem(name, TreeImage::Leaf, TreeImage::Leaf), true);
        benchmark::DoNotOptimize(folder.GetChildCount());
        state.PauseTiming();
        folder.DeleteAllChildren();
        state.ResumeTiming();
    }
    state.SetLabel(mode == 0 ? "in order" : mode == 1 ? "reversed" : "random");
}
BENCHMARK(BM_SortedInsert)->ArgsProduct({{15000}, {0, 1, 2}})->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
