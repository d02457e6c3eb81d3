#pragma once

#include "app/CommandMap.h"
#include "app/JavaIDEDoc.h"
#include "app/JavaIDEView.h"
#include "tools/FindReplaceDlg.h"

#include <QDateTime>
#include <QMdiSubWindow>
#include <QPointer>

class CProject;
class QKeyEvent;
class QMenu;
class QPrinter;

// An editor window: a file in a colour-text editor inside the editor area.
// The title is the file name, marked while there are unsaved changes;
// closing with unsaved changes asks first. It handles the file and edit
// commands while it is the active window.
class CChildFrame : public QMdiSubWindow, public CCommandTarget
{
    Q_OBJECT
public:
    explicit CChildFrame(QWidget *parent = nullptr);
    ~CChildFrame() override;

    // Loads path into the window. False (after the document's message) when
    // it cannot be read or is not text.
    bool OpenDocument(const QString &path);

    CJavaIDEDoc &Document() { return m_doc; }
    const CJavaIDEDoc &Document() const { return m_doc; }
    CJavaIDEView *View() const { return m_view; }
    QString GetPathName() const { return m_doc.GetPathName(); }
    bool IsModified() const;
    bool IsReadOnly() const { return m_readOnly; }
    // Refuses edits (with a word in the status bar) and marks the title.
    void SetReadOnly(bool readOnly);

    // Saves to the document's path, or asks for one when it has none.
    // False when not saved (cancelled or failed).
    bool Save();
    bool SaveAs();
    // The question before the window goes: true to go on (saved, or the
    // changes dropped), false to keep the window.
    bool SaveModified();
    // The file was renamed on disk: the window shows and saves it under
    // its new name.
    void OnFileRenamed(const QString &path);

    bool OnCommand(int id) override;
    bool OnUpdateCommand(CCmdUI &ui) override;

    // Sets or removes the breakpoint at the caret's line in the open
    // project: a new one takes the class that holds the line.
    void ToggleBreakpoint();
    // Draws the open project's breakpoints of this file.
    void ShowProjectBreakpoints();
    // Searches what (forward or back) and remembers it in the find history.
    bool FindText(const QString &what, bool forward);
    // Reads the file again, keeping the caret's line.
    bool Reload();
    // When the file changed on disk since the window lost the focus, asks
    // whether to read it again.
    void CheckOutsideChange();
    // Prints the text with a header line on each page: after the print
    // dialog when askFirst, else on the default printer, or into target's
    // file when one is given. The number of pages printed.
    int Print(bool askFirst, QPrinter *target = nullptr);
    CFindReplaceDlg *FindDialog() const { return m_findDialog; }
    // The editor's context menu: the file commands, bookmark and
    // breakpoint, the edit commands, then the user's commands marked for
    // files. Each item carries its command id and is enabled as the main
    // menu's is.
    void FillContextMenu(QMenu &menu);

    static QString SaveChangesQuestion(const QString &title);
    static QString ReloadQuestion(const QString &path);
    static QString MakeWritableQuestion();
    static QString CheckoutQuestion();
    // Leaves Ctrl+W and Ctrl+F4 to File > Close, which closes the active
    // window of the editor area, whatever it is.
    static void ReleaseCloseShortcut(QMdiSubWindow *window);

signals:
    // The caret moved (line and column from 1) or the window's state
    // changed (modified, read-only): the frame refreshes its panes and
    // commands.
    void caretMoved(int line, int column);
    void stateChanged();
    // The text was written to path.
    void saved(const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void UpdateTitle();
    void ApplyReadOnly(bool readOnly);
    bool SaveTo(const QString &path);
    void RegisterEditorCommands();
    void ParseSavedFile();
    void RecordMovedBreakpoints();
    void OpenFindDialog(bool replace);
    void OnReadOnlyEdit(const QKeyEvent *attempt);
    void OnFocusGained();
    void GotoLine();
    CProject *OpenProject() const;

    CJavaIDEDoc m_doc;
    CJavaIDEView *m_view;
    QPointer<CFindReplaceDlg> m_findDialog;
    QDateTime m_seenOnDisk; // the file's time stamp when the focus left
    CCommandMap m_commands;
    bool m_readOnly = false;
    bool m_keptReadOnly = false; // read-only by Mavu's choice, not the file's
};
