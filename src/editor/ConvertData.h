#pragma once

#include <QtGlobal>
#include <string_view>

class CLanguage;
class CTextFormat;

// What the scanner tells a converter while it walks a text (see
// CParseBuffer). For the characters of code, in text order, every character
// gets IsDelimiter, and a word's OnWord follows the IsDelimiter call of the
// character that ends it. Characters inside comments, string and character
// literals and text blocks never reach IsDelimiter or OnWord.
//
// Positions are byte offsets into the text given to the stream buffer.
//
// Order around the special places:
//  * a line end: IsDelimiter for CR and/or LF (and the OnWord of a word they
//    end), then one OnLineEnd (CR LF counts once). Line ends inside comments
//    and text blocks get OnLineEnd alone.
//  * a pattern: at a character that may open one ('/', '"', '\'' in Java)
//    the scanner asks IsStartOfPattern first. Nonzero means the pattern
//    starts there: that character gets no IsDelimiter, a word it ends gets
//    its OnWord right after, and the scanner then asks IsEndOfPattern at
//    each place inside where the pattern's closer could be.
//
// The base class answers every question the way the language does, so a
// converter overrides only the events it cares about and calls the base for
// the answers.
class CConvertData
{
public:
    CConvertData(); // Java
    explicit CConvertData(const CLanguage &language);
    virtual ~CConvertData() = default;

    // Called where a coloured pattern (a comment, a string) may begin at
    // pos; returns nonzero when one does begin there: the pattern's 1-based
    // index in the language's pattern table (any other answer counts as no
    // pattern).
    virtual int IsStartOfPattern(const char *text, int pos, int length);
    // Called inside a pattern to ask whether it ends at pos; fmt is the text
    // format of the pattern being read. Nonzero ends the pattern: the number
    // of bytes its closer takes from pos. Line-bound patterns (strings, line
    // comments) end at a line end without being asked.
    virtual int IsEndOfPattern(const CTextFormat *fmt, const char *text, int pos, int length);
    // A line end in the text (any of LF, CR LF, CR).
    virtual int OnLineEnd();
    // Is c a delimiter? Called for every character of code.
    virtual int IsDelimiter(char c, int pos);
    // A word of code: a maximal run of characters for which IsDelimiter
    // answered 0 (the base answers nonzero for blanks and Java punctuation
    // other than '.', '*' and '$'; letters, digits, '_' and bytes >= 0x80 are
    // word characters). kind is the language's classification (CLanguage::WordKind), extra is 0.
    virtual int OnWord(std::string_view word, int pos, int kind, int extra);

    const CLanguage &GetLanguage() const { return *m_pLanguage; }

protected:
    const CLanguage *m_pLanguage;
};
