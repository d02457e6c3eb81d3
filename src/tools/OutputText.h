#pragma once

#include <QString>
#include <deque>

// The text waiting for an output view. A child may write far faster than a
// window can show text, so what arrives is gathered here and the view takes
// it in batches of a size it can show without keeping the user waiting;
// and since nobody reads a hundred megabytes in a window, what waits is
// kept within the view's limits: lines beyond them are dropped from the
// front and counted, so that the view can say so. Carriage returns are
// left out (a line ends with '\n' here).
class COutputText
{
public:
    // Generous: a long build log or a program's chatter fits whole.
    static constexpr qsizetype kDefaultMaxLines = 100000;
    static constexpr qsizetype kDefaultMaxChars = 16 * 1024 * 1024;

    explicit COutputText(qsizetype maxLines = kDefaultMaxLines,
                         qsizetype maxChars = kDefaultMaxChars);

    qsizetype MaxLines() const { return m_maxLines; }
    qsizetype MaxChars() const { return m_maxChars; }

    void Append(QStringView text);
    bool HasPending() const { return m_chars > 0 || m_dropped > 0; }
    qsizetype PendingChars() const { return m_chars; }

    struct Batch
    {
        QString text;
        // Lines that never reached the view since the last batch: everything
        // shown so far is older than text, and goes too.
        qint64 dropped = 0;
    };
    // Hands over what is waiting, oldest first: at most about maxChars
    // characters (a piece is split, never cut), the rest stays for the next.
    Batch TakeBatch(qsizetype maxChars = -1);

    // Everything goes (the view was cleared).
    void Clear();

    // The line a view shows in place of the lines it dropped.
    static QString DroppedNotice(qint64 lines);

private:
    struct Piece
    {
        QString text;
        qsizetype newlines = 0;
    };
    void Trim();
    // Cuts the front piece after its n-th line end (n >= 1).
    void CutFrontLines(qsizetype n);
    void MergeFrontIntoNext();

    qsizetype m_maxLines;
    qsizetype m_maxChars;
    std::deque<Piece> m_pieces;
    qsizetype m_chars = 0;
    qsizetype m_newlines = 0;
    qint64 m_dropped = 0;
};
