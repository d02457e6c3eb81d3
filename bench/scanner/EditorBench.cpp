// The colour-text editor on a large Java text (a few MB of JDK sources in
// one buffer): loading, colouring all of it, brace matching across it,
// Replace All over it.
#include "JdkSources.h"
#include "editor/HueditView.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

QByteArray LargeJavaText(qint64 atLeast)
{
    QByteArray text;
    for (const CJdkSource &f : CJdkSources::Get().Files()) {
        if (text.size() >= atLeast)
            break;
        text += f.text;
    }
    return text;
}

// The whole text wrapped in one pair of braces, so that matching them walks
// and colours all of it.
const QByteArray &Text()
{
    static const QByteArray text = "{\n" + LargeJavaText(5 << 20) + "\n}\n";
    return text;
}

void BM_LoadAndColourAll(benchmark::State &state)
{
    if (!CJdkSources::Get().Error().isEmpty())
        state.SkipWithError(CJdkSources::Get().Error().toLocal8Bit().constData());
    for (auto _ : state) {
        CHueditView view;
        view.SetLanguage(&CLanguage::m_JavaLanguage);
        view.LoadText(Text());
        view.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L);
        benchmark::DoNotOptimize(view.SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED));
    }
    state.SetBytesProcessed(state.iterations() * Text().size());
}
BENCHMARK(BM_LoadAndColourAll)->Unit(benchmark::kMillisecond);

void BM_BraceMatchWholeText(benchmark::State &state)
{
    CHueditView view;
    view.SetLanguage(&CLanguage::m_JavaLanguage);
    view.LoadText(Text());
    for (auto _ : state) {
        view.SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 0UL);
        if (!view.FindBraceParenthesisPair())
            state.SkipWithError("outer braces did not match");
    }
    state.SetBytesProcessed(state.iterations() * Text().size());
}
BENCHMARK(BM_BraceMatchWholeText)->Unit(benchmark::kMillisecond);

void BM_ReplaceAllLarge(benchmark::State &state)
{
    CHueditView view;
    view.SetLanguage(&CLanguage::m_JavaLanguage);
    int count = 0;
    for (auto _ : state) {
        state.PauseTiming();
        view.LoadText(Text());
        state.ResumeTiming();
        count = view.OnReplaceAll("final", "FINAL", true, true);
    }
    state.counters["replaced"] = count;
    state.SetBytesProcessed(state.iterations() * Text().size());
}
BENCHMARK(BM_ReplaceAllLarge)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
