#include "editor/Language.h"

#include "editor/UnicodeEscape.h"

#include <cstring>

// ---- pattern table -------------------------------------------------------

CPatternTable::CPatternTable(std::initializer_list<CPattern> patterns, bool unicodeEscapes)
    : m_patterns(patterns), m_escapes(unicodeEscapes)
{
}

int CPatternTable::OpenerLength(int id, const char *text, int pos, int length) const
{
    if (id < 1 || id > GetCount() || pos < 0 || pos >= length)
        return 0;
    int i = pos;
    for (const char *c = m_patterns[size_t(id - 1)].m_opener; *c; ++c) {
        if (i >= length)
            return 0;
        int size = 1;
        if (unicode_escape::Logical(text, i, length, m_escapes, &size) !=
            static_cast<unsigned char>(*c))
            return 0;
        i += size;
    }
    return i - pos;
}

int CPatternTable::IsStartOfPattern(const char *text, int pos, int length) const
{
    for (int id = 1; id <= GetCount(); ++id) {
        if (OpenerLength(id, text, pos, length))
            return id;
    }
    return 0;
}

// ---- language ------------------------------------------------------------

CLanguage::CLanguage(const Definition &def)
    : m_Patterns(def.patterns, def.unicodeEscapes), m_name(def.name),
      m_unicodeEscapes(def.unicodeEscapes), m_ignoreCase(def.ignoreCase)
{
    for (int c = 0; c < 256; ++c)
        m_class[size_t(c)] = (c < 0x20 || c == 0x7f || c == ' ') ? Blank : Word;
    m_class['\r'] = m_class['\n'] = LineEnd;
    for (const char *p = def.punctuation; *p; ++p)
        m_class[static_cast<unsigned char>(*p)] = Punct;
    for (const CPattern &pat : def.patterns)
        m_class[static_cast<unsigned char>(pat.m_opener[0])] = PatternChar;
    if (def.unicodeEscapes)
        m_class['\\'] = Escape;

    const size_t count = def.typeWords.size() + def.keywords.size();
    size_t size = 16;
    while (size < count * 4)
        size *= 2;
    m_slots.resize(size);
    m_mask = size - 1;
    m_minLength = SIZE_MAX;
    for (const char *w : def.typeWords)
        AddWord(w, TypeWord);
    for (const char *w : def.keywords)
        AddWord(w, Keyword);
    if (m_minLength == SIZE_MAX)
        m_minLength = m_maxLength = 0;

    m_WordFormats = {&CTextFormat::m_NormalTxt, &CTextFormat::m_TypeWordTxt,
                     &CTextFormat::m_KeywordTxt};
    for (const CPattern &pat : def.patterns)
        m_PatternFormats.append(pat.m_format);
    m_OtherFormats = {&CTextFormat::m_NumberTxt};
}

size_t CLanguage::Hash(std::string_view w) const
{
    // Length and three characters tell the keywords of a language apart well
    // enough for a table four times their number.
    const auto at = [&](size_t i) { return size_t(static_cast<unsigned char>(w[i])); };
    return (w.size() * 131 + at(0) * 31 + at(w.size() / 2) * 7 + at(w.size() - 1)) & m_mask;
}

void CLanguage::AddWord(const char *word, WordKind kind)
{
    const std::string_view w(word);
    (kind == TypeWord ? m_typeWords : m_keywords).append(QByteArray(word));
    m_minLength = std::min(m_minLength, w.size());
    m_maxLength = std::max(m_maxLength, w.size());
    size_t h = Hash(w);
    while (!m_slots[h].word.empty()) {
        if (m_slots[h].word == w)
            return;
        h = (h + 1) & m_mask;
    }
    m_slots[h] = {w, kind};
}

CLanguage::WordKind CLanguage::Classify(std::string_view word) const
{
    if (word.size() < m_minLength || word.size() > m_maxLength)
        return None;
    char lower[64];
    if (m_ignoreCase) {
        if (word.size() > sizeof lower)
            return None;
        for (size_t i = 0; i < word.size(); ++i) {
            const char c = word[i];
            lower[i] = (c >= 'A' && c <= 'Z') ? char(c + 32) : c;
        }
        word = std::string_view(lower, word.size());
    }
    for (size_t h = Hash(word);; h = (h + 1) & m_mask) {
        const Slot &s = m_slots[h];
        if (s.word.empty())
            return None;
        if (s.word == word)
            return s.kind;
    }
}

// ---- the languages -------------------------------------------------------

// Java: '.', '*' and '$' are word characters, so that java.util.* and
// Outer$Inner come out as one word each. The contextual keywords that shape
// declarations (var, record, sealed, permits, yield) count as keywords; the
// module-info words do not, as they are common names elsewhere. non-sealed
// reaches a converter as "non" and "sealed" ('-' is punctuation), but the
// whole word is known too for converters that keep '-' in words.
CLanguage CLanguage::m_JavaLanguage({
    "Java",
    "(){}[];,@=<>!~?:&|+-^%/\"'#`\\",
    true,
    false,
    {"boolean", "byte", "char", "short", "int", "long", "float", "double", "void"},
    {"abstract",  "assert",    "break",     "case",    "catch",      "class",        "const",
     "continue",  "default",   "do",        "else",    "enum",       "extends",      "final",
     "finally",   "for",       "goto",      "if",      "implements", "import",       "instanceof",
     "interface", "native",    "new",       "package", "private",    "protected",    "public",
     "return",    "static",    "strictfp",  "super",   "switch",     "synchronized", "this",
     "throw",     "throws",    "transient", "try",     "volatile",   "while",        "_",
     "true",      "false",     "null",      "var",     "record",     "sealed",       "permits",
     "yield",     "non-sealed"},
    {{"\"\"\"", &CTextFormat::m_TextBlockTxt},
     {"\"", &CTextFormat::m_StringTxt},
     {"'", &CTextFormat::m_CharTxt},
     {"/*", &CTextFormat::m_BlockCommentTxt},
     {"//", &CTextFormat::m_LineCommentTxt}},
});

// HTML: tag names are the keywords (any case); comments are the only
// pattern, since quotes in running text are not strings.
CLanguage CLanguage::m_HTMLLanguage({
    "HTML",
    "<>/=\"'!?&;:(){}[],+*%#|\\`~^@$",
    false,
    true,
    {},
    {"a",          "abbr",   "address",  "applet", "area",     "b",      "base",     "big",
     "blockquote", "body",   "br",       "button", "caption",  "center", "cite",     "code",
     "col",        "dd",     "div",      "dl",     "dt",       "em",     "embed",    "font",
     "form",       "frame",  "frameset", "h1",     "h2",       "h3",     "h4",       "h5",
     "h6",         "head",   "hr",       "html",   "i",        "iframe", "img",      "input",
     "kbd",        "li",     "link",     "map",    "meta",     "nav",    "noscript", "object",
     "ol",         "option", "p",        "param",  "pre",      "s",      "samp",     "script",
     "section",    "select", "small",    "span",   "strike",   "strong", "style",    "sub",
     "sup",        "table",  "tbody",    "td",     "textarea", "tfoot",  "th",       "thead",
     "title",      "tr",     "tt",       "u",      "ul",       "var"},
    {{"<!--", &CTextFormat::m_HTMLCommentTxt}},
});

CLanguage CLanguage::m_CPPLanguage({
    "C++",
    "(){}[];,@=<>!~?:&|+-^%/\"'#`\\.*$",
    false,
    false,
    {"bool", "char", "char8_t", "char16_t", "char32_t", "wchar_t", "short", "int", "long", "signed",
     "unsigned", "float", "double", "void", "auto"},
    {"alignas",      "alignof",      "and",       "and_eq",    "asm",
     "bitand",       "bitor",        "break",     "case",      "catch",
     "class",        "co_await",     "co_return", "co_yield",  "compl",
     "concept",      "const",        "consteval", "constexpr", "constinit",
     "const_cast",   "continue",     "decltype",  "default",   "delete",
     "do",           "dynamic_cast", "else",      "enum",      "explicit",
     "export",       "extern",       "false",     "final",     "for",
     "friend",       "goto",         "if",        "inline",    "mutable",
     "namespace",    "new",          "noexcept",  "not",       "not_eq",
     "nullptr",      "operator",     "or",        "or_eq",     "override",
     "private",      "protected",    "public",    "register",  "reinterpret_cast",
     "requires",     "return",       "sizeof",    "static",    "static_assert",
     "static_cast",  "struct",       "switch",    "template",  "this",
     "thread_local", "throw",        "true",      "try",       "typedef",
     "typeid",       "typename",     "union",     "using",     "virtual",
     "volatile",     "while",        "xor",       "xor_eq"},
    {{"\"", &CTextFormat::m_StringTxt},
     {"'", &CTextFormat::m_CharTxt},
     {"/*", &CTextFormat::m_BlockCommentTxt},
     {"//", &CTextFormat::m_LineCommentTxt}},
});
