#pragma once

#include <QtGlobal>
#include <string_view>

class CTextFormat;

// What the scanner tells a converter while it walks a text (see
// CParseBuffer). For the characters of code, in text order, every character
// gets IsDelimiter, and a word's OnWord follows the IsDelimiter call of the
// character that ends it. Characters inside comments, string and character
// literals and text blocks never reach IsDelimiter or OnWord.
//
// Positions are byte offsets into the text given to the stream buffer.
class CConvertData
{
public:
    virtual ~CConvertData() = default;

    // Called where a coloured pattern (a comment, a string) may begin at
    // pos; returns nonzero when one does begin there.
    virtual int IsStartOfPattern(const char *text, int pos, int length);
    // Called inside a pattern to ask whether it ends at pos; fmt is the text
    // format of the pattern being read.
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
};
