#pragma once

#include "editor/TextFormat.h"

#include <QByteArray>
#include <QList>
#include <array>
#include <initializer_list>
#include <string_view>
#include <vector>

// One pattern of a language: a coloured run of text that starts with an
// opener (a comment, a string). How it ends is its format's business.
struct CPattern
{
    const char *m_opener;
    CTextFormat *m_format;
};

// The patterns of a language, in the order they are tried at a position:
// longer openers first, so that """ wins over ".
class CPatternTable
{
public:
    CPatternTable() = default;
    CPatternTable(std::initializer_list<CPattern> patterns, bool unicodeEscapes);

    // Nonzero when a pattern starts at pos: its 1-based index in the table.
    // Openers may be written with \uXXXX escapes (they count as the
    // character they stand for, as the Java compiler reads them).
    int IsStartOfPattern(const char *text, int pos, int length) const;
    // Bytes the opener of pattern id takes at pos (0 when it is not there).
    int OpenerLength(int id, const char *text, int pos, int length) const;

    int GetCount() const { return int(m_patterns.size()); }
    const CPattern &GetPattern(int id) const { return m_patterns[size_t(id - 1)]; }
    CTextFormat *GetFormat(int id) const { return m_patterns[size_t(id - 1)].m_format; }

private:
    std::vector<CPattern> m_patterns;
    bool m_escapes = false;
};

// A language the scanner and the editor know: which characters separate
// words, which patterns it has, and which words are keywords.
class CLanguage
{
public:
    enum WordKind { None = 0, TypeWord = 1, Keyword = 2 };

    // Character classes of the scanner's table.
    enum CharClass : unsigned char {
        Word,        // part of a word
        Blank,       // space, tab, form feed, other control characters
        LineEnd,     // CR or LF
        Punct,       // a delimiter that is not blank
        PatternChar, // a delimiter that may open a pattern
        Escape,      // backslash: may start a \uXXXX escape
    };

    struct Definition
    {
        const char *name;
        const char *punctuation; // the non-blank delimiters
        bool unicodeEscapes;     // \uXXXX counts as the character it encodes
        bool ignoreCase;         // keywords compare case-insensitively
        std::initializer_list<const char *> typeWords;
        std::initializer_list<const char *> keywords;
        std::initializer_list<CPattern> patterns;
    };

    explicit CLanguage(const Definition &def);
    CLanguage(const CLanguage &) = delete;
    CLanguage &operator=(const CLanguage &) = delete;

    const char *GetName() const { return m_name; }
    CharClass ClassOf(unsigned char c) const { return CharClass(m_class[c]); }
    // Nonzero for the characters that separate words.
    int IsDelimiter(char c) const { return m_class[static_cast<unsigned char>(c)] != Word; }
    bool HasUnicodeEscapes() const { return m_unicodeEscapes; }
    WordKind Classify(std::string_view word) const;
    const CPatternTable &GetPatterns() const { return m_Patterns; }

    // The words of each kind, in the order given (for the editor's lexers).
    const QList<QByteArray> &GetTypeWords() const { return m_typeWords; }
    const QList<QByteArray> &GetKeywords() const { return m_keywords; }

    // The formats the language colours with; the colour options refill them
    // and every open editor then re-applies them.
    QList<CTextFormat *> m_WordFormats;    // by WordKind: normal text, type words, keywords
    QList<CTextFormat *> m_PatternFormats; // by pattern, in table order
    QList<CTextFormat *> m_OtherFormats;   // numbers and the like

    CPatternTable m_Patterns;

    static CLanguage m_JavaLanguage;
    static CLanguage m_HTMLLanguage;
    static CLanguage m_CPPLanguage;

private:
    const char *m_name;
    bool m_unicodeEscapes;
    bool m_ignoreCase;
    std::array<unsigned char, 256> m_class{};
    QList<QByteArray> m_typeWords;
    QList<QByteArray> m_keywords;
    // Open-addressed hash of the keywords: word and kind.
    struct Slot
    {
        std::string_view word;
        WordKind kind = None;
    };
    std::vector<Slot> m_slots;
    size_t m_mask = 0;
    size_t m_minLength = 0;
    size_t m_maxLength = 0;

    void AddWord(const char *word, WordKind kind);
    size_t Hash(std::string_view w) const;
};
