#pragma once

#include "editor/HueditView.h"

#include <QList>

// The source editor: the colour-text editor with what ties a file to the
// rest of Mavu drawn in its margins — line numbers, bookmarks, breakpoint
// marks and the debugger's current line — and the caret's line lit.
// Bookmarks are margin marks, so they move with the text as lines are
// inserted or deleted above them.
class CJavaIDEView : public CHueditView
{
    Q_OBJECT
public:
    // Marker numbers; the compiler's error marks use 20 and 21.
    static constexpr int kBookmarkMarker = 22;
    static constexpr int kBreakpointMarker = 23;
    static constexpr int kDebugLineMarker = 24;
    static constexpr int kDebugLineBackground = 25;

    explicit CJavaIDEView(QWidget *parent = nullptr);

    // The caret's line, from 1.
    int CaretLine() const;
    // Moves the caret to the start of line (from 1, clamped to the text)
    // and shows it. False for an empty text.
    bool GotoLine(int line);
    int LineCount() const { return lines(); }

    // Bookmarks on the lines (from 1), ascending.
    QList<int> Bookmarks() const;
    void ToggleBookmark();
    // To the first bookmark after (before) the caret's line, round to the
    // first (last) one; false when there is none.
    bool NextBookmark();
    bool PreviousBookmark();

    // The breakpoint marks: the project keeps the breakpoints, the view
    // only draws them.
    void SetBreakpointMark(int line, bool on);
    void ShowBreakpoints(const QList<int> &lines);
    QList<int> BreakpointMarks() const;
    // The debugger's execution mark: an arrow in the margin and the line
    // lit, on line (from 1), scrolled into view with the caret on it; 0 or
    // a line the text does not have clears it.
    void SetDebugLine(int line);
    void ClearDebugLine() { SetDebugLine(0); }
    int DebugLine() const { return m_debugLine; }
    // Scrolls the marked line back into view; false when there is none.
    bool ShowDebugLine();

    // The line-number margin widens with the text's line count.
    void UpdateLineNumberWidth();
    // After the colour options changed: the base's repaint and the caret
    // line's colour.
    void RefreshColours();

signals:
    void focusGained();
    void focusLost();
    // An edit was refused because the text is read-only; attempt is the
    // key press that tried it, or null.
    void readOnlyEdit(const QKeyEvent *attempt);

protected:
    void OnReadOnlyEdit(const QKeyEvent *attempt) override;
    void focusInEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QList<int> MarkedLines(int marker) const;
    void UpdateSymbolMarginWidth();

    int m_debugLine = 0;
    int m_numberDigits = 0;
};
