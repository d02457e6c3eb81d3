#include "editor/ConvertData.h"

#include "editor/Language.h"
#include "editor/TextFormat.h"

CConvertData::CConvertData() : m_pLanguage(&CLanguage::m_JavaLanguage)
{
}

CConvertData::CConvertData(const CLanguage &language) : m_pLanguage(&language)
{
}

int CConvertData::IsStartOfPattern(const char *text, int pos, int length)
{
    return m_pLanguage->GetPatterns().IsStartOfPattern(text, pos, length);
}

int CConvertData::IsEndOfPattern(const CTextFormat *fmt, const char *text, int pos, int length)
{
    return fmt ? fmt->IsEndOfPattern(text, pos, length) : 0;
}

int CConvertData::OnLineEnd()
{
    return 1;
}

int CConvertData::IsDelimiter(char c, int)
{
    return m_pLanguage->IsDelimiter(c);
}

int CConvertData::OnWord(std::string_view, int, int, int)
{
    return 0;
}
