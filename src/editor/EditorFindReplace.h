#pragma once

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

class CHueditView;

// Find and replace over an editor's text, kept out of the editor class. Made
// for one operation on the editor it is given; the matches are searched in
// the UTF-8 text as Scintilla holds it.
class CEditorFindReplace
{
public:
    // Above this many bytes before the matches in total, Replace All makes
    // one change instead of one per match (see ReplaceInOneChange).
    static constexpr long kBulkReplaceCost = 32L << 20;

    explicit CEditorFindReplace(CHueditView &view);

    // Finds what after the selection (next) or before it, wrapping round the
    // text; selects and shows the match. False when there is none.
    bool FindNext(const QString &what, bool next, bool matchCase, bool wholeWord);
    // Replaces the selection when it is what, then finds the next match.
    bool ReplaceSelection(const QString &what, bool next, bool matchCase, bool wholeWord,
                          const QString &with);
    // Replaces every match (only inside the selection when inSelection and
    // there is one) as one undo step; returns the count.
    int ReplaceAll(const QString &what, const QString &with, bool matchCase, bool wholeWord,
                   bool inSelection);

private:
    long Sci(unsigned int msg, unsigned long wParam = 0, long lParam = 0) const;
    long FindInRange(const QByteArray &what, long start, long end, int flags) const;
    static long ReplaceCost(const std::vector<std::pair<long, long>> &matches);
    void ReplaceOneByOne(const std::vector<std::pair<long, long>> &matches, const QByteArray &with);
    void ReplaceInOneChange(const std::vector<std::pair<long, long>> &matches,
                            const QByteArray &with);

    CHueditView &m_view;
};
