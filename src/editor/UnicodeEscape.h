#pragma once

// Java reads \uXXXX escapes (any number of u's, four hex digits) anywhere in
// a source before it splits the source into tokens, so \u0022 opens a string
// and \u002a\u002f closes a comment. The scanner decodes them where they
// could change the structure of the text. A backslash can begin an escape
// only when an even number of backslashes stands right before it; the
// scanner keeps that rule by stepping over a pair of backslashes at once.

namespace unicode_escape {

inline int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// At a backslash at pos: the bytes a \uXXXX escape there takes, and the
// character it stands for in *ch; 0 when there is no well-formed escape.
inline int Decode(const char *text, int pos, int length, unsigned *ch)
{
    int j = pos + 1;
    if (j >= length || text[j] != 'u')
        return 0;
    while (j < length && text[j] == 'u')
        ++j;
    if (length - j < 4)
        return 0;
    unsigned v = 0;
    for (int k = 0; k < 4; ++k) {
        const int h = HexValue(text[j + k]);
        if (h < 0)
            return 0;
        v = (v << 4) | unsigned(h);
    }
    *ch = v;
    return j + 4 - pos;
}

// The character at pos as the Java compiler sees it: a decoded escape when
// escapes count and one stands there, else the byte itself. *size gets the
// bytes it takes. Characters above 0x7f come back as the first byte of their
// UTF-8 form, which is all the scanner needs to know of them.
inline unsigned char Logical(const char *text, int pos, int length, bool escapes, int *size)
{
    const unsigned char c = static_cast<unsigned char>(text[pos]);
    if (c == '\\' && escapes) {
        unsigned v = 0;
        if (const int n = Decode(text, pos, length, &v)) {
            *size = n;
            if (v < 0x80)
                return static_cast<unsigned char>(v);
            return static_cast<unsigned char>(v < 0x800 ? 0xc0 | (v >> 6) : 0xe0 | (v >> 12));
        }
    }
    *size = 1;
    return c;
}

} // namespace unicode_escape
