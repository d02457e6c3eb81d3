#include "editor/TextFormat.h"

#include "editor/UnicodeEscape.h"

#include <iterator>

// Light defaults follow the classic editor colours; dark ones stay readable
// on a dark window background.
constinit CTextFormat CTextFormat::m_NormalTxt("Normal Text", MakeColorRef(0, 0, 0),
                                               MakeColorRef(212, 212, 212));
constinit CTextFormat CTextFormat::m_StringTxt("Strings", MakeColorRef(163, 21, 21),
                                               MakeColorRef(206, 145, 120), false, false,
                                               AtCloserOnLine, "\"", '\\');
constinit CTextFormat CTextFormat::m_CharTxt("Characters", MakeColorRef(163, 21, 21),
                                             MakeColorRef(206, 145, 120), false, false,
                                             AtCloserOnLine, "'", '\\');
constinit CTextFormat CTextFormat::m_TextBlockTxt("Text Blocks", MakeColorRef(163, 21, 21),
                                                  MakeColorRef(206, 145, 120), false, false,
                                                  AtCloser, "\"\"\"", '\\');
constinit CTextFormat CTextFormat::m_BlockCommentTxt("Block Comments", MakeColorRef(0, 128, 0),
                                                     MakeColorRef(106, 153, 85), false, true,
                                                     AtCloser, "*/");
constinit CTextFormat CTextFormat::m_LineCommentTxt("Line Comments", MakeColorRef(0, 128, 0),
                                                    MakeColorRef(106, 153, 85), false, true,
                                                    AtLineEnd);
constinit CTextFormat CTextFormat::m_KeywordTxt("Keywords", MakeColorRef(0, 0, 255),
                                                MakeColorRef(86, 156, 214), true);
constinit CTextFormat CTextFormat::m_TypeWordTxt("Types", MakeColorRef(0, 0, 160),
                                                 MakeColorRef(78, 201, 176), true);
constinit CTextFormat CTextFormat::m_NumberTxt("Numbers", MakeColorRef(9, 134, 88),
                                               MakeColorRef(181, 206, 168));
constinit CTextFormat CTextFormat::m_HTMLCommentTxt("HTML Comments", MakeColorRef(0, 128, 0),
                                                    MakeColorRef(106, 153, 85), false, true,
                                                    AtCloser, "-->");
constinit CTextFormat CTextFormat::m_HTMLTagTxt("HTML Tags", MakeColorRef(128, 0, 0),
                                                MakeColorRef(86, 156, 214));

namespace {
CTextFormat *const g_allFormats[] = {
    &CTextFormat::m_NormalTxt,       &CTextFormat::m_KeywordTxt,     &CTextFormat::m_TypeWordTxt,
    &CTextFormat::m_StringTxt,       &CTextFormat::m_CharTxt,        &CTextFormat::m_TextBlockTxt,
    &CTextFormat::m_BlockCommentTxt, &CTextFormat::m_LineCommentTxt, &CTextFormat::m_NumberTxt,
    &CTextFormat::m_HTMLCommentTxt,  &CTextFormat::m_HTMLTagTxt,
};
} // namespace

CTextFormat *const *CTextFormat::AllFormats(int *count)
{
    *count = int(std::size(g_allFormats));
    return g_allFormats;
}

void CTextFormat::Init(COLORREF background)
{
    const bool dark = IsDarkColorRef(background);
    m_colour = dark ? m_darkColour : m_lightColour;
    m_bold = m_lightBold;
    m_italic = m_lightItalic;
}

void CTextFormat::InitAll(COLORREF background)
{
    for (CTextFormat *f : g_allFormats)
        f->Init(background);
}

int CTextFormat::IsEndOfPattern(const char *text, int pos, int length) const
{
    if (!m_closer || m_end == NoEnd || m_end == AtLineEnd)
        return 0;
    int i = pos;
    for (const char *c = m_closer; *c; ++c) {
        if (i >= length)
            return 0;
        int size = 1;
        if (unicode_escape::Logical(text, i, length, true, &size) != static_cast<unsigned char>(*c))
            return 0;
        i += size;
    }
    return i - pos;
}
