#include "app/JavaIDEView.h"

#include <QColor>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QPalette>
#include <algorithm>

namespace {
constexpr int kNumberMargin = 0;
constexpr int kSymbolMargin = 1;
} // namespace

CJavaIDEView::CJavaIDEView(QWidget *parent) : CHueditView(parent)
{
    markerDefine(QsciScintilla::Bookmark, kBookmarkMarker);
    setMarkerBackgroundColor(QColor(0x30, 0x60, 0xd0), kBookmarkMarker);
    setMarkerForegroundColor(QColor(0x10, 0x20, 0x60), kBookmarkMarker);
    markerDefine(QsciScintilla::Circle, kBreakpointMarker);
    setMarkerBackgroundColor(QColor(0x90, 0x10, 0x30), kBreakpointMarker);
    setMarkerForegroundColor(QColor(0x40, 0, 0x10), kBreakpointMarker);
    markerDefine(QsciScintilla::RightArrow, kDebugLineMarker);
    setMarkerBackgroundColor(QColor(0xf0, 0xd0, 0x20), kDebugLineMarker);
    setMarkerForegroundColor(QColor(0x60, 0x50, 0), kDebugLineMarker);
    markerDefine(QsciScintilla::Background, kDebugLineBackground);
    setMarkerBackgroundColor(QColor(0xff, 0xf0, 0x90), kDebugLineBackground);

    setMarginType(kNumberMargin, QsciScintilla::NumberMargin);
    setMarginType(kSymbolMargin, QsciScintilla::SymbolMargin);
    setMarginMarkerMask(kSymbolMargin, marginMarkerMask(kSymbolMargin) | (1 << kBookmarkMarker) |
                                           (1 << kBreakpointMarker) | (1 << kDebugLineMarker));
    UpdateSymbolMarginWidth();
    // A little room between the marks and the text, so that a bookmark's
    // point does not touch the first letter.
    SendScintilla(SCI_SETMARGINLEFT, 0, 4);
    setCaretLineVisible(true);
    RefreshColours();
    connect(this, &QsciScintilla::linesChanged, this, &CJavaIDEView::UpdateLineNumberWidth);
    UpdateLineNumberWidth();
}

void CJavaIDEView::RefreshColours()
{
    RefreshBackgroundColor();
    OnTextFormatChange();
    const QColor back = paper().isValid() ? paper() : palette().color(QPalette::Base);
    const bool dark = back.lightness() < 128;
    setCaretLineBackgroundColor(dark ? back.lighter(135) : back.darker(106));
    setMarkerBackgroundColor(dark ? QColor(0x60, 0x58, 0x20) : QColor(0xff, 0xf0, 0x90),
                             kDebugLineBackground);
    setCaretForegroundColor(dark ? QColor(Qt::white) : QColor(Qt::black));
}

void CJavaIDEView::UpdateLineNumberWidth()
{
    const int digits = std::max(3, int(QString::number(lines()).size()));
    if (digits == m_numberDigits)
        return;
    m_numberDigits = digits;
    setMarginWidth(kNumberMargin, QString(digits + 1, QLatin1Char('9')));
}

int CJavaIDEView::CaretLine() const
{
    int line = 0;
    int index = 0;
    getCursorPosition(&line, &index);
    return line + 1;
}

bool CJavaIDEView::GotoLine(int line)
{
    if (length() == 0 && line != 1)
        return false;
    line = std::clamp(line, 1, std::max(1, lines()));
    setCursorPosition(line - 1, 0);
    ensureLineVisible(line - 1);
    return true;
}

QList<int> CJavaIDEView::MarkedLines(int marker) const
{
    QList<int> result;
    for (int line = markerFindNext(0, 1u << marker); line >= 0;
         line = markerFindNext(line + 1, 1u << marker))
        result << line + 1;
    return result;
}

QList<int> CJavaIDEView::Bookmarks() const
{
    return MarkedLines(kBookmarkMarker);
}

void CJavaIDEView::ToggleBookmark()
{
    const int line = CaretLine() - 1;
    if (markersAtLine(line) & (1u << kBookmarkMarker))
        markerDelete(line, kBookmarkMarker);
    else
        markerAdd(line, kBookmarkMarker);
}

bool CJavaIDEView::NextBookmark()
{
    const QList<int> marks = Bookmarks();
    if (marks.isEmpty())
        return false;
    const int caret = CaretLine();
    for (int line : marks) {
        if (line > caret)
            return GotoLine(line);
    }
    return GotoLine(marks.first());
}

bool CJavaIDEView::PreviousBookmark()
{
    const QList<int> marks = Bookmarks();
    if (marks.isEmpty())
        return false;
    const int caret = CaretLine();
    for (auto it = marks.crbegin(); it != marks.crend(); ++it) {
        if (*it < caret)
            return GotoLine(*it);
    }
    return GotoLine(marks.last());
}

void CJavaIDEView::SetBreakpointMark(int line, bool on)
{
    if (line < 1 || line > lines())
        return;
    if (on) {
        if (!(markersAtLine(line - 1) & (1u << kBreakpointMarker)))
            markerAdd(line - 1, kBreakpointMarker);
    } else {
        markerDelete(line - 1, kBreakpointMarker);
    }
}

void CJavaIDEView::ShowBreakpoints(const QList<int> &lines)
{
    markerDeleteAll(kBreakpointMarker);
    for (int line : lines)
        SetBreakpointMark(line, true);
}

QList<int> CJavaIDEView::BreakpointMarks() const
{
    return MarkedLines(kBreakpointMarker);
}

void CJavaIDEView::SetDebugLine(int line)
{
    markerDeleteAll(kDebugLineMarker);
    markerDeleteAll(kDebugLineBackground);
    m_debugLine = (line >= 1 && line <= lines()) ? line : 0;
    if (m_debugLine) {
        markerAdd(m_debugLine - 1, kDebugLineMarker);
        markerAdd(m_debugLine - 1, kDebugLineBackground);
        GotoLine(m_debugLine);
    }
}

bool CJavaIDEView::ShowDebugLine()
{
    if (!m_debugLine)
        return false;
    ensureLineVisible(m_debugLine - 1);
    return true;
}

void CJavaIDEView::UpdateSymbolMarginWidth()
{
    // The marks are drawn to the line's height; a margin as wide as a line
    // is high keeps them round at any font size and screen scale (sizes
    // here are in device-independent pixels: the scale factor applies on
    // top).
    setMarginWidth(kSymbolMargin, std::max(16, QFontMetrics(font()).height() + 2));
}

void CJavaIDEView::changeEvent(QEvent *event)
{
    CHueditView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        UpdateSymbolMarginWidth();
        m_numberDigits = 0; // the digits' width changed with the font
        UpdateLineNumberWidth();
    }
}

void CJavaIDEView::focusInEvent(QFocusEvent *event)
{
    CHueditView::focusInEvent(event);
    emit focusGained();
}

void CJavaIDEView::focusOutEvent(QFocusEvent *event)
{
    CHueditView::focusOutEvent(event);
    emit focusLost();
}

void CJavaIDEView::OnReadOnlyEdit(const QKeyEvent *attempt)
{
    emit readOnlyEdit(attempt);
}
