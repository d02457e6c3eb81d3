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
    Piece piece;
    piece.text = text.toString();
    piece.text.remove(QLatin1Char('\r'));
    if (piece.text.isEmpty())
        return;
    piece.newlines = piece.text.count(QLatin1Char('\n'));
    m_chars += piece.text.size();
    m_newlines += piece.newlines;
    m_pieces.push_back(std::move(piece));
    Trim();
}

void COutputText::CutFrontLines(qsizetype n)
{
    Piece &front = m_pieces.front();
    qsizetype at = -1;
    for (qsizetype i = 0; i < n; ++i)
        at = front.text.indexOf(QLatin1Char('\n'), at + 1);
    front.text.remove(0, at + 1);
    front.newlines -= n;
    m_chars -= at + 1;
    m_newlines -= n;
    m_dropped += n;
}

void COutputText::MergeFrontIntoNext()
{
    Piece front = std::move(m_pieces.front());
    m_pieces.pop_front();
    m_pieces.front().text.prepend(front.text);
    m_pieces.front().newlines += front.newlines;
}

void COutputText::Trim()
{
    // Whole lines beyond the limits go from the front (lines are counted as
    // line ends + 1, the last one being the line under way): whole pieces
    // that end a line while that is enough, else line by line. A line is
    // never cut in two, except one line longer than the character limit,
    // which keeps its newest characters.
    while (m_newlines + 1 > m_maxLines) {
        const qsizetype excess = m_newlines + 1 - m_maxLines;
        Piece &front = m_pieces.front();
        if (front.newlines > 0 && front.newlines <= excess &&
            front.text.endsWith(QLatin1Char('\n'))) {
            m_dropped += front.newlines;
            m_chars -= front.text.size();
            m_newlines -= front.newlines;
            m_pieces.pop_front();
        } else if (front.newlines > 0) {
            CutFrontLines(qMin(excess, front.newlines));
            if (front.text.isEmpty())
                m_pieces.pop_front();
        } else {
            MergeFrontIntoNext(); // a line begun in one piece, ended in the next
        }
    }
    while (m_chars > m_maxChars) {
        Piece &front = m_pieces.front();
        const qsizetype over = m_chars - m_maxChars;
        if (front.newlines > 0 && front.text.size() <= over &&
            front.text.endsWith(QLatin1Char('\n'))) {
            m_dropped += front.newlines;
            m_chars -= front.text.size();
            m_newlines -= front.newlines;
            m_pieces.pop_front();
        } else if (front.newlines > 0) {
            CutFrontLines(1);
            if (front.text.isEmpty())
                m_pieces.pop_front();
        } else if (m_pieces.size() > 1) {
            MergeFrontIntoNext();
        } else {
            front.text.remove(0, over);
            m_chars -= over;
            ++m_dropped;
        }
    }
}

COutputText::Batch COutputText::TakeBatch(qsizetype maxChars)
{
    Batch batch;
    batch.dropped = m_dropped;
    m_dropped = 0;
    const qsizetype budget = maxChars < 0 ? m_chars : maxChars;
    while (!m_pieces.empty() && batch.text.size() < budget) {
        Piece &front = m_pieces.front();
        const qsizetype room = budget - batch.text.size();
        if (front.text.size() <= room) {
            batch.text += front.text;
            m_chars -= front.text.size();
            m_newlines -= front.newlines;
            m_pieces.pop_front();
        } else {
            // Split at a line end when there is one in reach.
            qsizetype cut = front.text.lastIndexOf(QLatin1Char('\n'), room - 1) + 1;
            if (cut <= 0)
                cut = room;
            const QStringView head = QStringView(front.text).left(cut);
            const qsizetype lines = head.count(QLatin1Char('\n'));
            batch.text += head;
            front.text.remove(0, cut);
            front.newlines -= lines;
            m_chars -= cut;
            m_newlines -= lines;
        }
    }
    return batch;
}

void COutputText::Clear()
{
    m_pieces.clear();
    m_chars = 0;
    m_newlines = 0;
    m_dropped = 0;
}
