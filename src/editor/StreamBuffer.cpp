#include "editor/StreamBuffer.h"

CStreamBuffer::CStreamBuffer(const char *text, int length)
    : m_text(text ? text : ""), m_length(text && length > 0 ? length : 0)
{
}

CStreamBuffer::CStreamBuffer(const QByteArray &text)
    : m_bytes(text), m_text(m_bytes.constData()), m_length(int(m_bytes.size()))
{
}
