#pragma once

#include "editor/ConvertData.h"
#include "editor/Language.h"
#include "editor/StreamBuffer.h"
#include "editor/UnicodeEscape.h"

#include <algorithm>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Walks a text with a language and tells a converter (CConvertData) what it
// finds; see ConvertData.h for the events and their order.
//
// ParseBuffer is a template on the converter's type: a final converter class
// has its per-character calls resolved at compile time, which is what keeps
// the scanner fast. The CConvertData& overload serves every other caller.
//
// How Java text is read, in the Java compiler's terms:
//  * comments, string and character literals and text blocks are patterns of
//    the language's table; their characters never reach IsDelimiter or
//    OnWord, but their line ends do reach OnLineEnd.
//  * a pattern that starts right after a word ends the word: the word's
//    OnWord follows the IsStartOfPattern call that opened the pattern.
//  * strings, character literals and line comments end before a line end;
//    block comments and text blocks run on to their closer or to the end of
//    the text. A backslash in a literal escapes the next character, but
//    never a line end.
//  * """ always opens a text block (the compiler rejects anything else after
//    it on the same line anyway).
//  * \uXXXX escapes count as the character they encode wherever that changes
//    the structure: \u0022 opens a string, \u002a\u002f closes a comment,
//    \u000a ends a line comment. Such an escaped line end is not a line of
//    the text, though: OnLineEnd comes only for real CR, LF and CR LF, so
//    line numbers match the editor's. In code an escape gets one IsDelimiter
//    call with the character it encodes (for a character above 0x7f, the
//    first byte of its UTF-8 form); a word keeps the escape's raw text.
//  * in a numeric literal a sign right after the exponent letter (1e-5,
//    0x1p+3) belongs to the literal and gets no IsDelimiter call.
//  * a word still open at the end of the text gets its OnWord there.
//
// A converter may take runs of characters at once, which spares the scanner
// a call per character (see CJavaParser): with WordRun(text, from, to) it
// takes [from, to), word characters of the language that continue an open
// word, as if each had had its IsDelimiter; with BlankRun(text, from, to) it
// takes blanks after a blank and answers where the scanner goes on (from,
// when it wants them one at a time after all).
class CParseBuffer
{
public:
    explicit CParseBuffer(const CStreamBuffer &buffer,
                          const CLanguage &language = CLanguage::m_JavaLanguage);

    // Walks the whole text; returns the number of line ends seen.
    template <class Sink> int ParseBuffer(Sink &sink);
    int ParseBuffer(CConvertData &sink);

    const CLanguage &GetLanguage() const { return *m_language; }

private:
    const char *m_text;
    int m_length;
    const CLanguage *m_language;

    template <class Sink> struct Walker;
};

template <class Sink> struct CParseBuffer::Walker
{
    Sink &sink;
    const char *t;
    const int n;
    const CLanguage &lang;
    const bool escapes;
    int lines = 0;
    int wordStart = -1;
    bool number = false;

    static bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

    void EndWord(int end)
    {
        if (wordStart >= 0) {
            const std::string_view w(t + wordStart, size_t(end - wordStart));
            const int start = wordStart;
            wordStart = -1;
            sink.OnWord(w, start, lang.Classify(w), 0);
        }
    }

    // One character of code: the delimiter test, then the word it ends.
    void Code(unsigned char c, int pos)
    {
        if (sink.IsDelimiter(char(c), pos)) {
            EndWord(pos);
        } else if (wordStart < 0) {
            wordStart = pos;
            number = IsDigit(c) || (c == '.' && pos + 1 < n && IsDigit(t[pos + 1]));
        }
    }

    // Is the sign at pos part of a numeric literal's exponent?
    bool IsExponentSign(int pos) const
    {
        if (wordStart < 0 || !number || pos + 1 >= n || !IsDigit(t[pos + 1]))
            return false;
        const unsigned char prev = t[pos - 1] | 0x20;
        const bool hex =
            t[wordStart] == '0' && pos - wordStart > 1 && (t[wordStart + 1] | 0x20) == 'x';
        return hex ? prev == 'p' : prev == 'e';
    }

    // The first position from i on that holds one of the (up to five)
    // bytes in stops, or n. Comments are most of a Java source and are read
    // here, so the bytes are compared sixteen at a time where the processor
    // can.
    int NextStop(int i, const unsigned char (&stops)[5], const bool (&stop)[256]) const
    {
#if defined(__SSE2__)
        const __m128i s0 = _mm_set1_epi8(char(stops[0])), s1 = _mm_set1_epi8(char(stops[1])),
                      s2 = _mm_set1_epi8(char(stops[2])), s3 = _mm_set1_epi8(char(stops[3])),
                      s4 = _mm_set1_epi8(char(stops[4]));
        while (i + 16 <= n) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(t + i));
            const __m128i hit = _mm_or_si128(
                _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, s0), _mm_cmpeq_epi8(v, s1)),
                             _mm_or_si128(_mm_cmpeq_epi8(v, s2), _mm_cmpeq_epi8(v, s3))),
                _mm_cmpeq_epi8(v, s4));
            if (const int mask = _mm_movemask_epi8(hit))
                return i + __builtin_ctz(unsigned(mask));
            i += 16;
        }
#else
        (void)stops;
#endif
        while (i < n && !stop[static_cast<unsigned char>(t[i])])
            ++i;
        return i;
    }

    // Reads the pattern id that starts at pos; returns where code resumes.
    int ReadPattern(int id, int pos)
    {
        const CPatternTable &table = lang.GetPatterns();
        CTextFormat *fmt = table.GetFormat(id);
        const CTextFormat::EndRule rule = fmt->GetEndRule();
        const bool lineBound =
            rule == CTextFormat::AtLineEnd || rule == CTextFormat::AtCloserOnLine;
        const char *closer = fmt->GetCloser();
        const unsigned char closeChar =
            (rule == CTextFormat::AtCloser || rule == CTextFormat::AtCloserOnLine) && closer
                ? static_cast<unsigned char>(closer[0])
                : 0;
        const unsigned char esc = static_cast<unsigned char>(fmt->GetEscape());

        bool stop[256] = {};
        // A byte that is no stop repeats one that is.
        unsigned char stops[5] = {'\r', '\n', '\n', '\n', '\n'};
        stop['\r'] = stop['\n'] = true;
        if (escapes)
            stop['\\'] = true, stops[2] = '\\';
        if (esc)
            stop[esc] = true, stops[3] = esc;
        if (closeChar)
            stop[closeChar] = true, stops[4] = closeChar;

        int i = pos + std::max(1, table.OpenerLength(id, t, pos, n));
        while (i < n) {
            i = NextStop(i, stops, stop);
            if (i >= n)
                break;
            const unsigned char c = static_cast<unsigned char>(t[i]);
            if (c == '\r' || c == '\n') {
                if (lineBound)
                    return i;
                i += (c == '\r' && i + 1 < n && t[i + 1] == '\n') ? 2 : 1;
                ++lines;
                sink.OnLineEnd();
                continue;
            }
            int size = 1;
            const unsigned char ch = unicode_escape::Logical(t, i, n, escapes, &size);
            if (size > 1 && (ch == '\r' || ch == '\n')) {
                if (lineBound)
                    return i;
                i += size;
                continue;
            }
            if (esc && ch == esc) {
                i += size;
                if (i >= n || t[i] == '\r' || t[i] == '\n')
                    continue;
                if (size == 1 && t[i] == '\\') {
                    ++i; // a backslash right after a backslash escapes nothing further
                    continue;
                }
                int next = 1;
                const unsigned char e = unicode_escape::Logical(t, i, n, escapes, &next);
                if (next > 1 && (e == '\r' || e == '\n'))
                    continue;
                i += next;
                continue;
            }
            if (closeChar && ch == closeChar) {
                if (const int k = sink.IsEndOfPattern(fmt, t, i, n))
                    return i + k;
            }
            if (size == 1 && c == '\\' && i + 1 < n && t[i + 1] == '\\')
                size = 2; // the second backslash cannot begin an escape
            i += size;
        }
        return n;
    }

    void TryPattern(unsigned char c, int pos, int size, int &i)
    {
        const int id = sink.IsStartOfPattern(t, pos, n);
        if (id > 0 && id <= lang.GetPatterns().GetCount()) {
            EndWord(pos);
            i = ReadPattern(id, pos);
        } else {
            Code(c, pos);
            i = pos + size;
        }
    }

    // The end of the run of characters of class cls that starts at i.
    int RunEnd(int i, CLanguage::CharClass cls) const
    {
        while (i < n && lang.ClassOf(static_cast<unsigned char>(t[i])) == cls)
            ++i;
        return i;
    }

    int Run()
    {
        int i = 0;
        while (i < n) {
            const unsigned char c = static_cast<unsigned char>(t[i]);
            switch (lang.ClassOf(c)) {
            case CLanguage::Word:
                Code(c, i);
                ++i;
                if constexpr (requires { sink.WordRun(t, i, i); }) {
                    if (wordStart >= 0) {
                        const int end = RunEnd(i, CLanguage::Word);
                        if (end > i) {
                            sink.WordRun(t, i, end);
                            i = end;
                        }
                    }
                }
                break;
            case CLanguage::Blank:
                Code(c, i);
                ++i;
                if constexpr (requires { sink.BlankRun(t, i, i); }) {
                    const int end = RunEnd(i, CLanguage::Blank);
                    if (end > i)
                        i = sink.BlankRun(t, i, end);
                }
                break;
            case CLanguage::Punct:
                if ((c == '+' || c == '-') && IsExponentSign(i)) {
                    ++i;
                    break;
                }
                Code(c, i);
                ++i;
                break;
            case CLanguage::LineEnd:
                Code(c, i);
                if (c == '\r' && i + 1 < n && t[i + 1] == '\n') {
                    Code('\n', i + 1);
                    i += 2;
                } else {
                    ++i;
                }
                ++lines;
                sink.OnLineEnd();
                break;
            case CLanguage::PatternChar:
                TryPattern(c, i, 1, i);
                break;
            case CLanguage::Escape: {
                int size = 1;
                const unsigned char ch = unicode_escape::Logical(t, i, n, escapes, &size);
                if (size == 1) {
                    Code(c, i);
                    ++i;
                    if (i < n && t[i] == '\\') {
                        Code(c, i); // cannot begin an escape after a backslash
                        ++i;
                    }
                } else if (ch < 0x80 && lang.ClassOf(ch) == CLanguage::PatternChar) {
                    TryPattern(ch, i, size, i);
                } else {
                    Code(ch, i);
                    i += size;
                }
                break;
            }
            }
        }
        EndWord(n);
        return lines;
    }
};

template <class Sink> int CParseBuffer::ParseBuffer(Sink &sink)
{
    Walker<Sink> w{sink, m_text, m_length, *m_language, m_language->HasUnicodeEscapes()};
    return w.Run();
}
