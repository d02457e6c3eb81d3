#include "editor/StreamBuffer.h"

#include <algorithm>
#include <limits>

CStreamBuffer::CStreamBuffer(const char *text, int length)
    : m_text(text ? text : ""), m_length(text && length > 0 ? length : 0)
{
}

CStreamBuffer::CStreamBuffer(const QByteArray &text)
    : m_bytes(text), m_text(m_bytes.constData()),
      m_length(int(std::min<qsizetype>(m_bytes.size(), std::numeric_limits<int>::max())))
{
}
