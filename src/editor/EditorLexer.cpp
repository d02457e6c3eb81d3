#include "editor/EditorLexer.h"

#include "editor/Language.h"

#include <Qsci/qscilexercpp.h>
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qscilexerjava.h>

namespace editor_lexer {

QColor ToQColor(COLORREF c)
{
    return QColor(ColorRefRed(c), ColorRefGreen(c), ColorRefBlue(c));
}

COLORREF FromQColor(const QColor &c)
{
    return MakeColorRef(c.red(), c.green(), c.blue());
}

namespace {

QByteArray Joined(const QList<QByteArray> &words)
{
    return words.join(' ');
}

// The C-family lexers take their keyword sets from our languages: set 1
// (style Keyword) the keywords, set 2 (style KeywordSet2) the type words.
template <class Base> class CKeywordLexer : public Base
{
public:
    CKeywordLexer(const CLanguage &lang, QObject *parent)
        : Base(parent), m_keywords(Joined(lang.GetKeywords())), m_types(Joined(lang.GetTypeWords()))
    {
    }
    const char *keywords(int set) const override
    {
        if (set == 1)
            return m_keywords.constData();
        if (set == 2)
            return m_types.constData();
        return Base::keywords(set);
    }

private:
    QByteArray m_keywords;
    QByteArray m_types;
};

struct StyleFormat
{
    int style;
    CTextFormat *format;
};

const StyleFormat kCppStyles[] = {
    {QsciLexerCPP::Comment, &CTextFormat::m_BlockCommentTxt},
    {QsciLexerCPP::CommentDoc, &CTextFormat::m_BlockCommentTxt},
    {QsciLexerCPP::CommentDocKeyword, &CTextFormat::m_BlockCommentTxt},
    {QsciLexerCPP::CommentDocKeywordError, &CTextFormat::m_BlockCommentTxt},
    {QsciLexerCPP::CommentLine, &CTextFormat::m_LineCommentTxt},
    {QsciLexerCPP::CommentLineDoc, &CTextFormat::m_LineCommentTxt},
    {QsciLexerCPP::PreProcessorComment, &CTextFormat::m_BlockCommentTxt},
    {QsciLexerCPP::PreProcessorCommentLineDoc, &CTextFormat::m_LineCommentTxt},
    {QsciLexerCPP::Number, &CTextFormat::m_NumberTxt},
    {QsciLexerCPP::Keyword, &CTextFormat::m_KeywordTxt},
    {QsciLexerCPP::PreProcessor, &CTextFormat::m_KeywordTxt},
    {QsciLexerCPP::KeywordSet2, &CTextFormat::m_TypeWordTxt},
    {QsciLexerCPP::DoubleQuotedString, &CTextFormat::m_StringTxt},
    {QsciLexerCPP::UnclosedString, &CTextFormat::m_StringTxt},
    {QsciLexerCPP::VerbatimString, &CTextFormat::m_StringTxt},
    {QsciLexerCPP::RawString, &CTextFormat::m_StringTxt},
    {QsciLexerCPP::EscapeSequence, &CTextFormat::m_StringTxt},
    {QsciLexerCPP::SingleQuotedString, &CTextFormat::m_CharTxt},
    {QsciLexerCPP::TripleQuotedVerbatimString, &CTextFormat::m_TextBlockTxt},
};

const StyleFormat kHtmlStyles[] = {
    {QsciLexerHTML::Tag, &CTextFormat::m_HTMLTagTxt},
    {QsciLexerHTML::UnknownTag, &CTextFormat::m_HTMLTagTxt},
    {QsciLexerHTML::XMLTagEnd, &CTextFormat::m_HTMLTagTxt},
    {QsciLexerHTML::Attribute, &CTextFormat::m_KeywordTxt},
    {QsciLexerHTML::UnknownAttribute, &CTextFormat::m_KeywordTxt},
    {QsciLexerHTML::HTMLNumber, &CTextFormat::m_NumberTxt},
    {QsciLexerHTML::HTMLDoubleQuotedString, &CTextFormat::m_StringTxt},
    {QsciLexerHTML::HTMLSingleQuotedString, &CTextFormat::m_StringTxt},
    {QsciLexerHTML::HTMLValue, &CTextFormat::m_StringTxt},
    {QsciLexerHTML::HTMLComment, &CTextFormat::m_HTMLCommentTxt},
    {QsciLexerHTML::SGMLComment, &CTextFormat::m_HTMLCommentTxt},
    {QsciLexerHTML::JavaScriptComment, &CTextFormat::m_BlockCommentTxt},
    {QsciLexerHTML::JavaScriptCommentDoc, &CTextFormat::m_BlockCommentTxt},
    {QsciLexerHTML::JavaScriptCommentLine, &CTextFormat::m_LineCommentTxt},
    {QsciLexerHTML::JavaScriptNumber, &CTextFormat::m_NumberTxt},
    {QsciLexerHTML::JavaScriptKeyword, &CTextFormat::m_KeywordTxt},
    {QsciLexerHTML::JavaScriptDoubleQuotedString, &CTextFormat::m_StringTxt},
    {QsciLexerHTML::JavaScriptSingleQuotedString, &CTextFormat::m_StringTxt},
    {QsciLexerHTML::JavaScriptUnclosedString, &CTextFormat::m_StringTxt},
};

template <size_t N> const CTextFormat *Find(const StyleFormat (&table)[N], int style)
{
    for (const StyleFormat &sf : table) {
        if (sf.style == style)
            return sf.format;
    }
    return &CTextFormat::m_NormalTxt;
}

} // namespace

QsciLexer *Create(const CLanguage *language, QObject *parent)
{
    if (language == &CLanguage::m_JavaLanguage) {
        auto *lexer = new CKeywordLexer<QsciLexerJava>(*language, parent);
        lexer->setHighlightTripleQuotedStrings(true);
        return lexer;
    }
    if (language == &CLanguage::m_CPPLanguage)
        return new CKeywordLexer<QsciLexerCPP>(*language, parent);
    if (language == &CLanguage::m_HTMLLanguage)
        return new QsciLexerHTML(parent);
    return nullptr;
}

const CTextFormat *FormatOfStyle(const CLanguage *language, int style)
{
    if (language == &CLanguage::m_HTMLLanguage)
        return Find(kHtmlStyles, style);
    if (language == &CLanguage::m_JavaLanguage || language == &CLanguage::m_CPPLanguage)
        return Find(kCppStyles, style);
    return &CTextFormat::m_NormalTxt;
}

void ApplyFormats(QsciLexer *lexer, const CLanguage *language, const QFont &font,
                  COLORREF background)
{
    if (!lexer)
        return;
    const QColor paper = ToQColor(background);
    lexer->setDefaultPaper(paper);
    lexer->setDefaultColor(ToQColor(CTextFormat::m_NormalTxt.GetColor()));
    lexer->setDefaultFont(font);
    lexer->setPaper(paper, -1);
    // Styles 0..127 cover every lexer's styles (the C-family lexers add 64
    // for inactive code); styles 32 to 39 are Scintilla's own.
    const bool cFamily = language != &CLanguage::m_HTMLLanguage;
    for (int style = 0; style < 128; ++style) {
        if (style >= 32 && style <= 39)
            continue;
        const CTextFormat *fmt =
            FormatOfStyle(language, cFamily && style >= 64 ? style - 64 : style);
        QFont f = font;
        f.setBold(fmt->IsBold());
        f.setItalic(fmt->IsItalic());
        lexer->setColor(ToQColor(fmt->GetColor()), style);
        lexer->setFont(f, style);
        lexer->setEolFill(false, style);
    }
}

} // namespace editor_lexer
