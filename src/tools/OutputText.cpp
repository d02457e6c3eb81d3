#include "tools/OutputText.h"

COutputText::COutputText(qsizetype maxLines, qsizetype maxChars)
    : m_maxLines(qMax<qsizetype>(maxLines, 2)), m_maxChars(qMax<qsizetype>(maxChars, 64))
{
}

QString COutputText::DroppedNotice(qint64 lines)
{
    return QStringLiteral("[... %1 earlier lines dropped to keep this window responsive ...]")
        .arg(lines);
}

void COutputText::Append(QStringView text)
{
    if (text.isEmpty())
        return;
    if (text.contains(QLatin1Char('\r'))) {
        QString copy = text.toString();
        copy.remove(QLatin1Char('\r'));
        m_pending += copy;
        m_pendingNewlines += copy.count(QLatin1Char('\n'));
    } else {
        m_pending += text;
        m_pendingNewlines += text.count(QLatin1Char('\n'));
    }
    Trim();
}

void COutputText::Trim()
{
    // Whole lines go from the front while there are more than the limits;
    // a single line longer than the character limit loses its head.
    qsizetype cut = 0;
    qsizetype newlines = m_pendingNewlines;
    while (newlines + 1 > m_maxLines || m_pending.size() - cut > m_maxChars) {
        const qsizetype nl = m_pending.indexOf(QLatin1Char('\n'), cut);
        if (nl < 0) {
            // One line longer than the limit: keep its newest characters.
            cut = qMax(cut, m_pending.size() - m_maxChars);
            ++m_dropped;
            break;
        }
        cut = nl + 1;
        --newlines;
        ++m_dropped;
    }
    if (cut > 0) {
        m_pending.remove(0, cut);
        m_pendingNewlines = newlines;
    }
}

COutputText::Batch COutputText::TakeBatch()
{
    Batch batch;
    batch.text = std::move(m_pending);
    batch.dropped = m_dropped;
    m_pending = QString();
    m_pendingNewlines = 0;
    m_dropped = 0;
    return batch;
}

void COutputText::Clear()
{
    m_pending.clear();
    m_pendingNewlines = 0;
    m_dropped = 0;
}
