#pragma once

#include <QByteArray>
#include <string_view>

// The text the scanner walks: UTF-8 bytes and their length. Positions the
// scanner reports are byte offsets into it.
//
// Built from a QByteArray the buffer shares the bytes (no copy); built from
// a pointer and a length it only refers to them, and the caller keeps them
// alive for the buffer's lifetime. The text need not end with a zero byte
// and may hold zero bytes. Positions are ints: a text past 2 GiB is cut
// there.
class CStreamBuffer
{
public:
    CStreamBuffer() = default;
    CStreamBuffer(const char *text, int length);
    explicit CStreamBuffer(const QByteArray &text);

    const char *GetText() const { return m_text; }
    int GetLength() const { return m_length; }
    std::string_view View() const { return {m_text, size_t(m_length)}; }

private:
    QByteArray m_bytes; // keeps shared bytes alive
    const char *m_text = "";
    int m_length = 0;
};
