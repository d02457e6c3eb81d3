#include "tools/InputLine.h"

bool CInputLine::OnChar(QChar c, QString *line)
{
    if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
        if (line)
            *line = m_line;
        m_line.clear();
        return true;
    }
    if (c == QLatin1Char('\b')) {
        if (!m_line.isEmpty())
            m_line.chop(1);
        return false;
    }
    // Printable characters only; other control characters (Tab, Escape)
    // do not belong to the line.
    if (c.unicode() >= 32 && c.unicode() != 127 && c.isPrint())
        m_line += c;
    return false;
}
