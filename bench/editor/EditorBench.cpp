// Large sources in the editor: the time one key typed at the end of a 5 MB
// Java file takes to reach the text (with the window's repaint), and the
// time a 10 MB source takes from its bytes to the first painted window.
//
//   QT_QPA_PLATFORM=offscreen build-bench/bench/editor/bench_large_files

#include "editor/HueditView.h"
#include "editor/Language.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <benchmark/benchmark.h>

namespace {

// Java that looks like the real thing (comments, strings, nesting) in
// classes of about 2 KB, up to size bytes.
QByteArray JavaSource(qsizetype size)
{
    QByteArray text;
    text.reserve(size + 4096);
    for (int i = 0; text.size() < size; ++i) {
        const QByteArray n = QByteArray::number(i);
        text += "/**\n * Class number " + n + " of a large generated file.\n */\n";
        text += "public class Generated" + n + " extends Object implements Runnable {\n";
        text += "    private static final String NAME = \"generated " + n + "\";\n";
        text += "    private int counter = " + n + ";\n\n";
        for (int m = 0; m < 6; ++m) {
            const QByteArray mn = QByteArray::number(m);
            text += "    // Method " + mn + " counts and reports.\n";
            text += "    public int method" + mn + "(int value) {\n";
            text += "        for (int k = 0; k < value; ++k) {\n";
            text += "            counter += k * " + mn + "; /* inner */\n";
            text += "        }\n";
            text += "        System.out.println(NAME + \": \" + counter + '\\n');\n";
            text += "        return counter;\n    }\n\n";
        }
        text += "    public void run() { method0(counter); }\n}\n\n";
    }
    return text;
}

void TypeAtTheEndOf5MB(benchmark::State &state)
{
    CHueditView view;
    if (state.range(0))
        view.SetLanguage(&CLanguage::m_JavaLanguage);
    view.LoadText(JavaSource(5 << 20));
    view.resize(900, 700);
    view.show();
    QApplication::processEvents();
    view.setFocus();
    view.SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
    QApplication::processEvents();
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(&view, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(&view, &release);
        view.repaint(); // what the user sees is part of the keystroke
        QApplication::processEvents();
    }
    state.counters["bytes"] = double(view.length());
}
BENCHMARK(TypeAtTheEndOf5MB)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(100);

void Open10MB(benchmark::State &state)
{
    const QByteArray source = JavaSource(10 << 20);
    for (auto _ : state) {
        CHueditView view;
        view.SetLanguage(&CLanguage::m_JavaLanguage);
        view.LoadText(source);
        view.resize(900, 700);
        view.show();
        view.repaint();
        QApplication::processEvents();
    }
    state.counters["bytes"] = double(source.size());
}
BENCHMARK(Open10MB)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
