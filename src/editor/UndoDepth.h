#pragma once

#include <QObject>

class QsciScintilla;

// Keeps an editor's undo to the last Options().maxUndo steps. Scintilla keeps an
// unbounded history and cannot drop its oldest steps, so this counts the
// undo steps taken back from the latest change (Scintilla reports each
// finished undo and redo, and every change the user makes) and refuses to
// go back further than the depth. Memory therefore grows with the history
// as Scintilla's does; how far the user can undo does not.
class CUndoDepth : public QObject
{
    Q_OBJECT
public:
    // maxDepth is read at every question, so a changed setting takes effect
    // at once.
    CUndoDepth(QsciScintilla *editor, const int *maxDepth);

    bool CanUndo() const;
    bool CanRedo() const;
    bool Undo();
    bool Redo();
    // Forget the history (a new text was loaded).
    void Reset();

private:
    void OnModified(int position, int type, const char *text, int length, int linesAdded, int line,
                    int foldNow, int foldPrev, int token, int annotationLinesAdded);

    QsciScintilla *m_editor;
    const int *m_maxDepth;
    int m_undone = 0; // undo steps taken since the latest change
};
