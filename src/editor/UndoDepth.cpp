#include "editor/UndoDepth.h"

#include <Qsci/qsciscintilla.h>

CUndoDepth::CUndoDepth(QsciScintilla *editor, const int *maxDepth)
    : QObject(editor), m_editor(editor), m_maxDepth(maxDepth)
{
    connect(editor, &QsciScintillaBase::SCN_MODIFIED, this, &CUndoDepth::OnModified);
}

void CUndoDepth::OnModified(int, int type, const char *, int, int, int, int, int, int, int)
{
    // A change about to be made by the user starts a new history: the
    // editor may leave the change itself unreported (large texts).
    if ((type &
         (QsciScintillaBase::SC_MOD_BEFOREINSERT | QsciScintillaBase::SC_MOD_BEFOREDELETE)) &&
        (type & QsciScintillaBase::SC_PERFORMED_USER)) {
        m_undone = 0;
        return;
    }
    if (!(type & (QsciScintillaBase::SC_MOD_INSERTTEXT | QsciScintillaBase::SC_MOD_DELETETEXT)))
        return;
    if (type & QsciScintillaBase::SC_PERFORMED_USER) {
        // A new change drops the redo steps; the depth counts from here.
        m_undone = 0;
    } else if (type & QsciScintillaBase::SC_LASTSTEPINUNDOREDO) {
        if (type & QsciScintillaBase::SC_PERFORMED_UNDO)
            ++m_undone;
        else if ((type & QsciScintillaBase::SC_PERFORMED_REDO) && m_undone > 0)
            --m_undone;
    }
}

bool CUndoDepth::CanUndo() const
{
    return m_undone < *m_maxDepth && m_editor->isUndoAvailable();
}

bool CUndoDepth::CanRedo() const
{
    return m_editor->isRedoAvailable();
}

bool CUndoDepth::Undo()
{
    if (!CanUndo())
        return false;
    m_editor->undo();
    return true;
}

bool CUndoDepth::Redo()
{
    if (!CanRedo())
        return false;
    m_editor->redo();
    return true;
}

void CUndoDepth::Reset()
{
    m_editor->SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    m_undone = 0;
}
