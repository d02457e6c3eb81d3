#include "editor/ConvertData.h"
#include "editor/Language.h"
#include "editor/ParseBuffer.h"
#include "editor/StreamBuffer.h"
#include "editor/TextFormat.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Writes every event into one compact string:
//   a non-blank delimiter as itself, blank as '_', CR as 'r', LF as 'n'
//   (word characters' delimiter tests are only counted), a word as
//   [text] or [text:T] / [text:K] for type words / keywords, a line end as
//   '|', a pattern start as «name and its end as ».
class CRecorder : public CConvertData
{
public:
    using CConvertData::CConvertData;

    int IsStartOfPattern(const char *text, int pos, int length) override
    {
        const int id = CConvertData::IsStartOfPattern(text, pos, length);
        if (id) {
            const CTextFormat *f = GetLanguage().GetPatterns().GetFormat(id);
            log += "\u00ab";
            log += f == &CTextFormat::m_TextBlockTxt      ? "tb"
                   : f == &CTextFormat::m_StringTxt       ? "s"
                   : f == &CTextFormat::m_CharTxt         ? "c"
                   : f == &CTextFormat::m_BlockCommentTxt ? "bc"
                   : f == &CTextFormat::m_LineCommentTxt  ? "lc"
                   : f == &CTextFormat::m_HTMLCommentTxt  ? "hc"
                                                          : "?";
            patternStarts.push_back(pos);
        }
        return id;
    }
    int IsEndOfPattern(const CTextFormat *fmt, const char *text, int pos, int length) override
    {
        const int k = CConvertData::IsEndOfPattern(fmt, text, pos, length);
        if (k)
            log += "\u00bb";
        return k;
    }
    int OnLineEnd() override
    {
        log += '|';
        ++lines;
        return 1;
    }
    int IsDelimiter(char c, int pos) override
    {
        const int d = CConvertData::IsDelimiter(c, pos);
        delimiterPositions.push_back(pos);
        if (d)
            log += c == ' ' || c == '\t' ? '_' : c == '\r' ? 'r' : c == '\n' ? 'n' : c;
        return d;
    }
    int OnWord(std::string_view word, int pos, int kind, int extra) override
    {
        log += '[';
        log += word;
        if (kind == CLanguage::TypeWord)
            log += ":T";
        else if (kind == CLanguage::Keyword)
            log += ":K";
        log += ']';
        words.emplace_back(word);
        wordPositions.push_back(pos);
        wordLines.push_back(lines);
        EXPECT_EQ(extra, 0);
        return 0;
    }

    std::string log;
    int lines = 0;
    std::vector<int> delimiterPositions;
    std::vector<int> patternStarts;
    std::vector<std::string> words;
    std::vector<int> wordPositions;
    std::vector<int> wordLines;
};

// The same recorder as a final class, so that ParseBuffer takes its
// compile-time path.
class CFinalRecorder final : public CRecorder
{
public:
    using CRecorder::CRecorder;
};

CRecorder Scan(const std::string &text, const CLanguage &lang = CLanguage::m_JavaLanguage)
{
    const CStreamBuffer buffer(text.data(), int(text.size()));
    CParseBuffer parser(buffer, lang);
    CRecorder viaBase(lang);
    const int lines = parser.ParseBuffer(static_cast<CConvertData &>(viaBase));
    EXPECT_EQ(lines, viaBase.lines);
    CFinalRecorder viaTemplate(lang);
    parser.ParseBuffer(viaTemplate);
    EXPECT_EQ(viaBase.log, viaTemplate.log) << "virtual and compile-time paths differ";
    // Whatever the input: words are the text at their positions, and events
    // go forward through the text.
    for (size_t i = 0; i < viaBase.words.size(); ++i)
        EXPECT_EQ(text.substr(size_t(viaBase.wordPositions[i]), viaBase.words[i].size()),
                  viaBase.words[i]);
    EXPECT_TRUE(
        std::is_sorted(viaBase.delimiterPositions.begin(), viaBase.delimiterPositions.end()));
    return viaBase;
}

struct Case
{
    const char *name;
    std::string text, events;
};

TEST(Scanner, EventSequencesOnTrickyJava)
{
    const Case cases[] = {
        {"empty", "", ""},
        {"declaration", "int x;", "_[int:T];[x]"},
        {"comment between type and name", "int/*c*/x;", "\u00abbc[int:T]\u00bb;[x]"},
        {"comment after a blank", "int /* c */ x;", "_[int:T]\u00abbc\u00bb_;[x]"},
        {"comment inside generics", "List<String/*a>*/>m;", "<[List]\u00abbc[String]\u00bb>;[m]"},
        {"empty block comment", "/**/a", "\u00abbc\u00bb[a]"},
        {"javadoc with stars", "/** a * b **/b", "\u00abbc\u00bb[b]"},
        {"line comment ends at line end", "a// x { \" /*\nb", "\u00ablc[a]n|[b]"},
        {"string holding braces, quotes and comment openers", "s=\"{\\\"/*x*/}//\";",
         "=[s]\u00abs\u00bb;"},
        {"escaped backslash before closing quote", "s=\"a\\\\\";t", "=[s]\u00abs\u00bb;[t]"},
        {"char literals", "c='\\'';d='\"';e='{';",
         "=[c]\u00abc\u00bb;=[d]\u00abc\u00bb;=[e]\u00abc\u00bb;"},
        {"text block with quotes and braces", "t=\"\"\"\n a \"b\" \"\"c\"\" {} \\\"\"\" \n\"\"\";x",
         "=[t]\u00abtb||\u00bb;[x]"},
        {"text block ending in a quote", "t=\"\"\"\nq\"\"\"\";x",
         "=[t]\u00abtb|\u00bb\u00abs"}, // the stray quote opens a string
        {"text block line continuation", "t=\"\"\"\na\\\nb\"\"\";", "=[t]\u00abtb||\u00bb;"},
        {"escaped quote opens a string", "x=\\u0022a;b\\u0022;y", "=[x]\u00abs\u00bb;[y]"},
        {"escaped comment closer", "/* \\u002a\\u002f x", "\u00abbc\u00bb_[x]"},
        {"escaped line end ends a line comment but is no line", "// c \\u000a int z;",
         "\u00ablcn__[int:T];[z]"},
        {"escaped backslash escapes the quote", "s=\"\\u005c\"\";t", "=[s]\u00abs\u00bb;[t]"},
        {"backslash pair is no escape", "s=\"\\\\u0022\";t", "=[s]\u00abs\u00bb;[t]"},
        {"identifier with an escape", "caf\\u00e9 = 1;", "_[caf\\u00e9]=_;[1]"},
        {"escaped punctuation", "a\\u003bb", ";[a][b]"},
        {"generics and wildcards", "Map<? super K,List<int[]>> m;",
         "<[Map]?__[super:K],[K]<[List][[int:T]]>>_;[m]"},
        {"annotations", "@Override\n@SuppressWarnings(\"x\") void f()",
         "@n[Override]|@([SuppressWarnings]\u00abs\u00bb)__[void:T]([f])"},
        {"dotted names and stars", "import java.util.*;Outer$Inner.x",
         "_[import:K];[java.util.*][Outer$Inner.x]"},
        {"numbers", "x=1_000+0x1Fp-3-1e+10L-0xE-.5e-3f;",
         "=[x]+[1_000]-[0x1Fp-3]-[1e+10L]-[0xE];[.5e-3f]"},
        {"contextual keywords", "sealed interface S permits A {} non-sealed record R() {}",
         "_[sealed:K]_[interface:K]_[S]_[permits:K]_[A]{}_-[non]_[sealed:K]_[record:K]("
         "[R])_{}"},
        {"CR LF and lone CR", "a\r\nb\rc\n", "r[a]n|r[b]|n[c]|"},
        {"unterminated block comment", "x /* abc\n def", "_[x]\u00abbc|"},
        {"unterminated string stops at line end", "s = \"abc\nt;", "_[s]=_\u00absn|;[t]"},
        {"unterminated text block", "\"\"\"\nabc", "\u00abtb|"},
        {"unterminated char literal", "c = '\nx", "_[c]=_\u00abcn|[x]"},
        {"division is no comment", "a/b/ c", "/[a]/[b]_[c]"},
        {"zero and high bytes", std::string("a\0b\xff\xfe;", 6),
         std::string("\0", 1) + "[a];[b\xff\xfe]"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Scan(c.text).log, c.events) << c.name;
}

TEST(Scanner, LinesStayRightThroughPatterns)
{
    const std::string text = "/* a\n"
                             " b */ int x; // c\n"
                             "String s = \"\"\"\n"
                             "  q\n"
                             "  \"\"\"; char c = '\\n';\n"
                             "\"unterminated\n"
                             "y\r\n"
                             "z\r"
                             "w";
    const CRecorder r = Scan(text);
    EXPECT_EQ(r.lines, 8);
    const std::vector<std::string> words = {"int", "x", "String", "s", "char", "c", "y", "z", "w"};
    const std::vector<int> lines = {1, 1, 2, 2, 4, 4, 6, 7, 8};
    EXPECT_EQ(r.words, words);
    EXPECT_EQ(r.wordLines, lines);
    // The block comment's start reached the converter at its '/'.
    ASSERT_FALSE(r.patternStarts.empty());
    EXPECT_EQ(r.patternStarts.front(), 0);
}

TEST(Scanner, CharactersInsidePatternsNeverReachTheConverter)
{
    const std::string text = "a /* b; */ c \"d;\" e 'f' g // h;\n i \"\"\"\n j;\n\"\"\" k";
    const CRecorder r = Scan(text);
    const std::vector<std::string> words = {"a", "c", "e", "g", "i", "k"};
    EXPECT_EQ(r.words, words);
    // Every position tested is outside the patterns.
    for (int pos : r.delimiterPositions) {
        const char c = text[size_t(pos)];
        EXPECT_TRUE(
            c == ' ' || c == '\n' ||
            (c >= 'a' && c <= 'k' && c != 'b' && c != 'd' && c != 'f' && c != 'h' && c != 'j'))
            << "position " << pos << " '" << c << "'";
    }
}

TEST(Scanner, WordKinds)
{
    struct Row
    {
        const CLanguage *lang;
        const char *word;
        CLanguage::WordKind kind;
    };
    const CLanguage &java = CLanguage::m_JavaLanguage;
    const CLanguage &html = CLanguage::m_HTMLLanguage, &cpp = CLanguage::m_CPPLanguage;
    const Row rows[] = {
        // Listed words are checked against the lists below; these are the
        // contextual and odd ones, and words that only look like them.
        {&java, "var record yield non-sealed _ null", CLanguage::Keyword},
        {&java, "String Int integer interfaces module __ synchronizedX java.lang.int",
         CLanguage::None},
        {&html, "TABLE Applet", CLanguage::Keyword},
        {&html, "tables", CLanguage::None},
        {&cpp, "constexpr", CLanguage::Keyword},
        {&cpp, "wchar_t", CLanguage::TypeWord},
        {&cpp, "record", CLanguage::None},
    };
    for (const Row &r : rows)
        for (const QByteArray &w : QByteArray(r.word).split(' '))
            EXPECT_EQ(r.lang->Classify(w.toStdString()), r.kind)
                << r.lang->GetName() << " " << w.constData();
    EXPECT_EQ(java.Classify(""), CLanguage::None);

    // Every keyword the language lists classifies as what it was listed as.
    for (const CLanguage *lang : {&java, &html, &cpp}) {
        for (const QByteArray &w : lang->GetTypeWords())
            EXPECT_EQ(lang->Classify(w.toStdString()), CLanguage::TypeWord) << w.constData();
        for (const QByteArray &w : lang->GetKeywords())
            EXPECT_EQ(lang->Classify(w.toStdString()), CLanguage::Keyword) << w.constData();
    }
}

TEST(Scanner, OtherLanguages)
{
    EXPECT_EQ(Scan("<p>a<!-- <b> -->\n<TABLE>", CLanguage::m_HTMLLanguage).log,
              "<>[p:K]\u00abhc[a:K]\u00bbn|<>[TABLE:K]");
    EXPECT_EQ(Scan("int *p = \"\\u0022\"; // x", CLanguage::m_CPPLanguage).log,
              "_[int:T]*_[p]=_\u00abs\u00bb;_\u00ablc");
}

// A converter that answers differently from the language decides the word
// boundaries and where patterns start.
TEST(Scanner, ConverterAnswersDriveTheWalk)
{
    class CCommaWords final : public CRecorder
    {
    public:
        int IsDelimiter(char c, int pos) override
        {
            CRecorder::IsDelimiter(c, pos);
            return c == ',';
        }
        int IsStartOfPattern(const char *, int, int) override { return 0; }
    };
    CCommaWords sink;
    const std::string text = "a b,/*c*/,\"d\"";
    const CStreamBuffer buffer(text.data(), int(text.size()));
    CParseBuffer(buffer).ParseBuffer(sink);
    const std::vector<std::string> words = {"a b", "/*c*/", "\"d\""};
    EXPECT_EQ(sink.words, words);
}

TEST(Scanner, StreamBufferSharesOrRefers)
{
    QByteArray bytes("int a;");
    const CStreamBuffer shared(bytes);
    EXPECT_EQ(shared.GetLength(), 6);
    EXPECT_EQ(shared.GetText(), bytes.constData());
    const CStreamBuffer empty(nullptr, 5);
    EXPECT_EQ(empty.GetLength(), 0);
    CRecorder r;
    CParseBuffer(empty).ParseBuffer(r);
    EXPECT_EQ(r.log, "");
}

TEST(Scanner, TextFormatsFollowTheBackground)
{
    CTextFormat &f = CTextFormat::m_KeywordTxt;
    f.Init(MakeColorRef(255, 255, 255));
    const COLORREF light = f.GetColor();
    f.Init(MakeColorRef(30, 30, 30));
    const COLORREF dark = f.GetColor();
    EXPECT_NE(light, dark);
    EXPECT_GT(ColorRefBrightness(dark), ColorRefBrightness(light));
    f.SetColor(MakeColorRef(1, 2, 3));
    f.SetStyle(2);
    EXPECT_FALSE(f.IsBold());
    EXPECT_TRUE(f.IsItalic());
    f.Init(MakeColorRef(255, 255, 255));
    EXPECT_EQ(f.GetColor(), light);
    EXPECT_TRUE(f.IsBold());
}

} // namespace
