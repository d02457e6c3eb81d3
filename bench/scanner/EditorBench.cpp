// The colour-text editor on a large Java text (a few MB of JDK sources in
// one buffer): loading, colouring all of it, brace matching across it,
// Replace All over it.
#include "JdkSources.h"
#include "editor/HueditView.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
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

// One typed character near the top (0: at the start of the second line,
// away from the outer braces) or at the end (1) of the big text, through
// the key path a user's typing takes, with the window shown. The widget's
// accessibility support counts the characters before the caret on every
// change and on every caret update, so the end costs two such counts.
void BM_TypeInLargeText(benchmark::State &state)
{
    CHueditView view;
    view.SetLanguage(&CLanguage::m_JavaLanguage);
    view.LoadText(Text());
    view.resize(800, 600);
    view.show();
    if (state.range(0))
        view.SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
    else
        view.SendScintilla(QsciScintillaBase::SCI_GOTOLINE, 1UL);
    QApplication::processEvents();
    qint64 keyNs = 0, paintNs = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(view.viewport(), &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(view.viewport(), &release);
        keyNs += timer.nsecsElapsed();
        timer.restart();
        QApplication::processEvents(); // the repaint and colouring it causes
        paintNs += timer.nsecsElapsed();
    }
    // Where the time goes: the change itself, and the update and repaint.
    const double n = double(state.iterations());
    state.counters["key_ms"] = double(keyNs) / 1e6 / n;
    state.counters["update_ms"] = double(paintNs) / 1e6 / n;
    state.counters["accessibility_active"] = QAccessible::isActive() ? 1 : 0;
}

// Counting the characters before the end of the big text: the editor
// widget does this for its accessibility support whenever text changes and
// whenever the caret's display is updated, whether or not any assistive
// technology listens.
void BM_CountCharactersToEnd(benchmark::State &state)
{
    CHueditView view;
    view.LoadText(Text());
    const long len = view.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            view.SendScintilla(QsciScintillaBase::SCI_COUNTCHARACTERS, 0UL, len));
    state.SetBytesProcessed(state.iterations() * len);
}
BENCHMARK(BM_CountCharactersToEnd)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypeInLargeText)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

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
