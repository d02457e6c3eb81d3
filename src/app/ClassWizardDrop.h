#pragma once

#include <QObject>
#include <functional>

class CClassLookup;
class CElementDragToken;
class CNewClassDlg;
class QsciScintilla;

// Takes the class wizard's drops on a source editor: a method dropped on a
// line is overridden there, a class starts a new class derived from it, an
// interface a new interface extending it. Only drags of Mavu's own format
// that come from this process are accepted.
class CClassWizardDrop : public QObject
{
    Q_OBJECT

public:
    // lookup finds the classes a parent check follows (may return null).
    CClassWizardDrop(QsciScintilla *view, std::function<const CClassLookup *()> lookup);

    // How the new-class and new-interface dialogs are run (exec() unless
    // set); true for OK.
    void SetDialogRunner(std::function<bool(CNewClassDlg &)> run) { m_runDialog = std::move(run); }

    // What a drop of token on a 1-based line does. True when text went in.
    bool DropToken(const CElementDragToken &token, int line);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QsciScintilla *m_view;
    std::function<const CClassLookup *()> m_lookup;
    std::function<bool(CNewClassDlg &)> m_runDialog;
};
