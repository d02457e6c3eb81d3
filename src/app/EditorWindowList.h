#pragma once

#include <QList>
#include <QString>

class CChildFrame;
class QMdiArea;

// The editor windows of the editor area: finding them by file, placing a new
// one, closing and saving them all. The main frame wires their signals; this
// keeps the bookkeeping out of it.
class CEditorWindowList
{
public:
    // area is not owned and must outlive the list.
    explicit CEditorWindowList(QMdiArea *area);

    // In the area's order; other windows of the area (a floating pane) are
    // left out.
    QList<CChildFrame *> Windows() const;
    // The window showing path (letter case ignored), or null.
    CChildFrame *Find(const QString &path) const;
    CChildFrame *Active() const;
    // Shows and activates the window of path; null when none shows it.
    CChildFrame *Activate(const QString &path);
    // Adds child to the area, activated with the focus in its text: it
    // follows a maximised window; otherwise it cascades inside the visible
    // area (CCascadePlacement).
    void Place(CChildFrame *child);
    // Closes every window, each asking about unsaved changes; false when one
    // of them was kept.
    bool CloseAll();
    // Saves every window with changes; false when one could not be saved.
    bool SaveModified();

private:
    QMdiArea *m_area;
};
