#pragma once

#include <QtGlobal>

// Colours travel as the settings store keeps them: 0x00BBGGRR.
using COLORREF = quint32;
using DWORD = quint32;

constexpr COLORREF MakeColorRef(int r, int g, int b)
{
    return COLORREF(r & 0xff) | (COLORREF(g & 0xff) << 8) | (COLORREF(b & 0xff) << 16);
}
constexpr int ColorRefRed(COLORREF c)
{
    return int(c & 0xff);
}
constexpr int ColorRefGreen(COLORREF c)
{
    return int((c >> 8) & 0xff);
}
constexpr int ColorRefBlue(COLORREF c)
{
    return int((c >> 16) & 0xff);
}
// Perceived brightness 0..255; below 128 counts as a dark background.
constexpr int ColorRefBrightness(COLORREF c)
{
    return (ColorRefRed(c) * 299 + ColorRefGreen(c) * 587 + ColorRefBlue(c) * 114) / 1000;
}
constexpr bool IsDarkColorRef(COLORREF c)
{
    return ColorRefBrightness(c) < 128;
}

// How one kind of text is shown (colour, bold, italic) and, for the formats
// of patterns (comments, strings), how such a pattern ends.
//
// The formats are plain data with constant initialisation, so the static
// instances below are usable from any other static initialiser.
class CTextFormat
{
public:
    // How a pattern of this format ends.
    enum EndRule : unsigned char {
        NoEnd,          // not a pattern format (normal text, keywords, numbers)
        AtLineEnd,      // ends before the next line end (line comments)
        AtCloser,       // ends after m_closer; may span lines (block comments, text blocks)
        AtCloserOnLine, // ends after m_closer or before a line end (strings, chars)
    };

    constexpr CTextFormat(const char *name, COLORREF lightColour, COLORREF darkColour,
                          bool bold = false, bool italic = false, EndRule end = NoEnd,
                          const char *closer = nullptr, char escape = 0)
        : m_name(name), m_lightColour(lightColour), m_darkColour(darkColour), m_lightBold(bold),
          m_lightItalic(italic), m_colour(lightColour), m_bold(bold), m_italic(italic), m_end(end),
          m_closer(closer), m_escape(escape)
    {
    }

    // Restores the default colour and style for text on the given background:
    // dark backgrounds get the dark defaults.
    void Init(COLORREF background);
    // Init for every format below.
    static void InitAll(COLORREF background);

    const char *Name() const { return m_name; }
    COLORREF GetColor() const { return m_colour; }
    void SetColor(COLORREF c) { m_colour = c; }
    bool IsBold() const { return m_bold; }
    bool IsItalic() const { return m_italic; }
    void SetBold(bool b) { m_bold = b; }
    void SetItalic(bool i) { m_italic = i; }
    // Font style index as the colour options offer it: 0 regular, 1 bold,
    // 2 italic, 3 bold italic.
    int GetStyle() const { return (m_bold ? 1 : 0) | (m_italic ? 2 : 0); }
    void SetStyle(int style)
    {
        m_bold = (style & 1) != 0;
        m_italic = (style & 2) != 0;
    }

    EndRule GetEndRule() const { return m_end; }
    const char *GetCloser() const { return m_closer; }
    char GetEscape() const { return m_escape; }

    // Does a pattern of this format end at pos? Answers the number of bytes
    // its closer takes from pos (a closer may be written with \uXXXX
    // escapes), 0 when it does not end there. Line ends are not closers:
    // the scanner ends line-bound patterns itself.
    int IsEndOfPattern(const char *text, int pos, int length) const;

    // The named formats. Normal text, the pattern formats, and the word
    // formats of the languages.
    static CTextFormat m_NormalTxt;
    static CTextFormat m_StringTxt;       // "..." strings
    static CTextFormat m_CharTxt;         // '...' character literals
    static CTextFormat m_TextBlockTxt;    // """...""" text blocks
    static CTextFormat m_BlockCommentTxt; // /* ... */ and /** ... */
    static CTextFormat m_LineCommentTxt;  // // ...
    static CTextFormat m_KeywordTxt;
    static CTextFormat m_TypeWordTxt;
    static CTextFormat m_NumberTxt;
    static CTextFormat m_HTMLCommentTxt; // <!-- ... -->
    static CTextFormat m_HTMLTagTxt;     // tag names

    // Every named format, for the colour options.
    static CTextFormat *const *AllFormats(int *count);

private:
    const char *m_name;
    COLORREF m_lightColour;
    COLORREF m_darkColour;
    bool m_lightBold;
    bool m_lightItalic;
    COLORREF m_colour;
    bool m_bold;
    bool m_italic;
    EndRule m_end;
    const char *m_closer;
    char m_escape;
};
