// Scanner throughput over the JDK's own sources, read from memory.
#include "JdkSources.h"
#include "editor/ConvertData.h"
#include "editor/Language.h"
#include "editor/ParseBuffer.h"
#include "editor/StreamBuffer.h"

#include <benchmark/benchmark.h>

namespace {

// What the recogniser does per event, minus its bookkeeping: the language's
// delimiter answer, counts of words and lines, the base pattern tests.
class CCountingSink final : public CConvertData
{
public:
    int IsStartOfPattern(const char *text, int pos, int length) override
    {
        const int id = CConvertData::IsStartOfPattern(text, pos, length);
        m_patterns += id != 0;
        return id;
    }
    int IsEndOfPattern(const CTextFormat *fmt, const char *text, int pos, int length) override
    {
        return CConvertData::IsEndOfPattern(fmt, text, pos, length);
    }
    int OnLineEnd() override
    {
        ++m_lines;
        return 1;
    }
    int IsDelimiter(char c, int) override { return m_lang.IsDelimiter(c); }
    int OnWord(std::string_view, int, int kind, int) override
    {
        ++m_words;
        m_keywords += kind != CLanguage::None;
        return 0;
    }

    const CLanguage &m_lang = CLanguage::m_JavaLanguage;
    qint64 m_words = 0, m_keywords = 0, m_lines = 0, m_patterns = 0;
};

// The same events through CConvertData's virtual calls, as a converter that
// is not final gets them.
class CVirtualSink : public CConvertData
{
public:
    int OnWord(std::string_view, int, int, int) override
    {
        ++m_words;
        return 0;
    }
    qint64 m_words = 0;
};

const CJdkSources &Sources(benchmark::State &state)
{
    const CJdkSources &src = CJdkSources::Get();
    if (!src.Error().isEmpty())
        state.SkipWithError(src.Error().toLocal8Bit().constData());
    return src;
}

void BM_ScanJdkSources(benchmark::State &state)
{
    const CJdkSources &src = Sources(state);
    CCountingSink sink;
    for (auto _ : state) {
        for (const CJdkSource &f : src.Files()) {
            const CStreamBuffer buffer(f.text);
            CParseBuffer(buffer).ParseBuffer(sink);
        }
    }
    state.SetBytesProcessed(state.iterations() * src.TotalBytes());
    const double it = double(std::max<benchmark::IterationCount>(1, state.iterations()));
    state.counters["files"] = double(src.Files().size());
    state.counters["words"] = double(sink.m_words) / it;
    state.counters["keywords"] = double(sink.m_keywords) / it;
    state.counters["lines"] = double(sink.m_lines) / it;
    state.counters["patterns"] = double(sink.m_patterns) / it;
}
BENCHMARK(BM_ScanJdkSources)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void BM_ScanJdkSourcesVirtual(benchmark::State &state)
{
    const CJdkSources &src = Sources(state);
    CVirtualSink sink;
    for (auto _ : state) {
        for (const CJdkSource &f : src.Files()) {
            const CStreamBuffer buffer(f.text);
            CParseBuffer(buffer).ParseBuffer(static_cast<CConvertData &>(sink));
        }
    }
    state.SetBytesProcessed(state.iterations() * src.TotalBytes());
}
BENCHMARK(BM_ScanJdkSourcesVirtual)->Unit(benchmark::kMillisecond)->MinTime(3.0);

} // namespace

BENCHMARK_MAIN();
