#include "editor/ParseBuffer.h"

CParseBuffer::CParseBuffer(const CStreamBuffer &buffer, const CLanguage &language)
    : m_text(buffer.GetText()), m_length(buffer.GetLength()), m_language(&language)
{
}

int CParseBuffer::ParseBuffer(CConvertData &sink)
{
    return ParseBuffer<CConvertData>(sink);
}
