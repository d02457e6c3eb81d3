#include "editor/EditorFindReplace.h"

#include "editor/HueditView.h"

namespace {

int SearchFlags(bool matchCase, bool wholeWord)
{
    return (matchCase ? QsciScintillaBase::SCFIND_MATCHCASE : 0) |
           (wholeWord ? QsciScintillaBase::SCFIND_WHOLEWORD : 0);
}

} // namespace

CEditorFindReplace::CEditorFindReplace(CHueditView &view) : m_view(view)
{
}

long CEditorFindReplace::Sci(unsigned int msg, unsigned long wParam, long lParam) const
{
    return m_view.SendScintilla(msg, wParam, lParam);
}

long CEditorFindReplace::FindInRange(const QByteArray &what, long start, long end, int flags) const
{
    Sci(QsciScintillaBase::SCI_SETTARGETSTART, static_cast<unsigned long>(start));
    Sci(QsciScintillaBase::SCI_SETTARGETEND, static_cast<unsigned long>(end));
    Sci(QsciScintillaBase::SCI_SETSEARCHFLAGS, static_cast<unsigned long>(flags));
    return m_view.SendScintilla(QsciScintillaBase::SCI_SEARCHINTARGET,
                                static_cast<uintptr_t>(what.size()), what.constData());
}

bool CEditorFindReplace::FindNext(const QString &what, bool next, bool matchCase, bool wholeWord)
{
    const QByteArray w = what.toUtf8();
    if (w.isEmpty())
        return false;
    const int flags = SearchFlags(matchCase, wholeWord);
    const long len = Sci(QsciScintillaBase::SCI_GETLENGTH);
    const long selStart = Sci(QsciScintillaBase::SCI_GETSELECTIONSTART);
    const long selEnd = Sci(QsciScintillaBase::SCI_GETSELECTIONEND);
    long pos;
    if (next) {
        pos = FindInRange(w, selEnd, len, flags);
        if (pos < 0)
            pos = FindInRange(w, 0, len, flags);
    } else {
        pos = FindInRange(w, selStart, 0, flags); // a reversed range searches backwards
        if (pos < 0)
            pos = FindInRange(w, len, 0, flags);
    }
    if (pos < 0)
        return false;
    const long end = Sci(QsciScintillaBase::SCI_GETTARGETEND);
    Sci(QsciScintillaBase::SCI_SETSEL, static_cast<unsigned long>(pos), end);
    Sci(QsciScintillaBase::SCI_SCROLLCARET);
    return true;
}

bool CEditorFindReplace::ReplaceSelection(const QString &what, bool next, bool matchCase,
                                          bool wholeWord, const QString &with)
{
    const QString selected = m_view.selectedText();
    if (!selected.isEmpty() &&
        selected.compare(what, matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0 &&
        !m_view.isReadOnly()) {
        const QByteArray w = with.toUtf8();
        m_view.SendScintilla(QsciScintillaBase::SCI_REPLACESEL, static_cast<uintptr_t>(0),
                             w.constData());
    }
    return FindNext(what, next, matchCase, wholeWord);
}

int CEditorFindReplace::ReplaceAll(const QString &what, const QString &with, bool matchCase,
                                   bool wholeWord, bool inSelection)
{
    const QByteArray w = what.toUtf8();
    const QByteArray r = with.toUtf8();
    int count = 0;
    if (!w.isEmpty() && !m_view.isReadOnly()) {
        const int flags = SearchFlags(matchCase, wholeWord);
        const long selStart = Sci(QsciScintillaBase::SCI_GETSELECTIONSTART);
        const long selEnd = Sci(QsciScintillaBase::SCI_GETSELECTIONEND);
        const bool inSel = inSelection && selEnd > selStart;
        const long rangeStart = inSel ? selStart : 0;
        const long rangeEnd = inSel ? selEnd : Sci(QsciScintillaBase::SCI_GETLENGTH);

        // Every match in the text as it is now; each search goes on after
        // the previous match, so a replacement is never searched again.
        std::vector<std::pair<long, long>> matches;
        for (long from = rangeStart;;) {
            const long pos = FindInRange(w, from, rangeEnd, flags);
            if (pos < 0)
                break;
            const long end = Sci(QsciScintillaBase::SCI_GETTARGETEND);
            matches.emplace_back(pos, end);
            from = end > pos ? end : pos + 1;
        }
        count = int(matches.size());
        const long delta = long(r.size()) * count - [&] {
            long n = 0;
            for (const auto &m : matches)
                n += m.second - m.first;
            return n;
        }();
        if (count) {
            Sci(QsciScintillaBase::SCI_BEGINUNDOACTION);
            if (ReplaceCost(matches) > kBulkReplaceCost && !w.contains('\n') && !w.contains('\r') &&
                !r.contains('\n') && !r.contains('\r'))
                ReplaceInOneChange(matches, r);
            else
                ReplaceOneByOne(matches, r);
            Sci(QsciScintillaBase::SCI_ENDUNDOACTION);
        }
        if (inSel)
            Sci(QsciScintillaBase::SCI_SETSEL, static_cast<unsigned long>(rangeStart),
                rangeEnd + delta);
    }
    return count;
}

long CEditorFindReplace::ReplaceCost(const std::vector<std::pair<long, long>> &matches)
{
    // Every change costs Scintilla's accessibility support a count of the
    // characters before it, so the positions add up.
    long cost = 0;
    for (const auto &m : matches)
        cost += m.first;
    return cost;
}

void CEditorFindReplace::ReplaceOneByOne(const std::vector<std::pair<long, long>> &matches,
                                         const QByteArray &with)
{
    // From the last match back, so the positions of the others hold.
    for (auto it = matches.rbegin(); it != matches.rend(); ++it) {
        Sci(QsciScintillaBase::SCI_SETTARGETSTART, static_cast<unsigned long>(it->first));
        Sci(QsciScintillaBase::SCI_SETTARGETEND, static_cast<unsigned long>(it->second));
        m_view.SendScintilla(QsciScintillaBase::SCI_REPLACETARGET,
                             static_cast<uintptr_t>(with.size()), with.constData());
    }
}

void CEditorFindReplace::ReplaceInOneChange(const std::vector<std::pair<long, long>> &matches,
                                            const QByteArray &with)
{
    // One change from the first match to the end of the last one. Neither
    // the searched text nor the replacement holds a line end, so every line
    // keeps its number: the margin marks of the lines are put back where
    // they were, and the caret and the view stay on their text.
    const long first = matches.front().first;
    const long last = matches.back().second;
    QByteArray old;
    m_view.GetEditBuffer(first, last, old);
    QByteArray now;
    now.reserve(old.size() + (with.size() + 1) * qsizetype(matches.size()));
    long at = first;
    for (const auto &m : matches) {
        now.append(old.constData() + (at - first), m.first - at);
        now.append(with);
        at = m.second;
    }

    const auto moved = [&](long pos) {
        long shift = 0;
        for (const auto &m : matches) {
            if (m.second > pos)
                return m.first < pos ? m.first + shift : pos + shift;
            shift += long(with.size()) - (m.second - m.first);
        }
        return pos + shift;
    };
    const long caret = moved(Sci(QsciScintillaBase::SCI_GETCURRENTPOS));
    const long anchor = moved(Sci(QsciScintillaBase::SCI_GETANCHOR));
    const long topLine = Sci(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE);
    const long firstLine =
        Sci(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(first));
    const long lastLine =
        Sci(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(last));
    std::vector<std::pair<long, long>> marks; // line, marker mask
    for (long line =
             Sci(QsciScintillaBase::SCI_MARKERNEXT, static_cast<unsigned long>(firstLine), -1L);
         line >= 0 && line <= lastLine;
         line = Sci(QsciScintillaBase::SCI_MARKERNEXT, static_cast<unsigned long>(line + 1), -1L))
        marks.emplace_back(line,
                           Sci(QsciScintillaBase::SCI_MARKERGET, static_cast<unsigned long>(line)));

    Sci(QsciScintillaBase::SCI_SETTARGETSTART, static_cast<unsigned long>(first));
    Sci(QsciScintillaBase::SCI_SETTARGETEND, static_cast<unsigned long>(last));
    m_view.SendScintilla(QsciScintillaBase::SCI_REPLACETARGET, static_cast<uintptr_t>(now.size()),
                         now.constData());

    for (long line =
             Sci(QsciScintillaBase::SCI_MARKERNEXT, static_cast<unsigned long>(firstLine), -1L);
         line >= 0 && line <= lastLine;
         line = Sci(QsciScintillaBase::SCI_MARKERNEXT, static_cast<unsigned long>(line + 1), -1L))
        Sci(QsciScintillaBase::SCI_MARKERDELETE, static_cast<unsigned long>(line), -1L);
    for (const auto &[line, mask] : marks)
        Sci(QsciScintillaBase::SCI_MARKERADDSET, static_cast<unsigned long>(line), mask);
    Sci(QsciScintillaBase::SCI_SETSEL, static_cast<unsigned long>(anchor), caret);
    Sci(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(topLine));
}
