#include "app/ClassWizardDrop.h"

#include "app/EditorWizardTarget.h"
#include "app/NewClassDlg.h"
#include "javamodel/ClassLookup.h"
#include "javamodel/ClassWizard.h"
#include "javamodel/ElementDragToken.h"
#include "javamodel/VarContainer.h"
#include "javamodel/VarInterface.h"
#include "javamodel/VarMethodDecl.h"

#include <QDropEvent>
#include <QMimeData>
#include <Qsci/qsciscintilla.h>
#include <memory>
#include <vector>

CClassWizardDrop::CClassWizardDrop(QsciScintilla *view,
                                   std::function<const CClassLookup *()> lookup)
    : QObject(view), m_view(view), m_lookup(std::move(lookup))
{
    m_view->viewport()->installEventFilter(this);
}

bool CClassWizardDrop::DropToken(const CElementDragToken &token, int line)
{
    CEditorWizardTarget editor(m_view);
    const CClassLookup *lookup = m_lookup ? m_lookup() : nullptr;
    switch (token.GetKind()) {
    case CElementDragToken::Method: {
        const auto *method = dynamic_cast<const CVarMethodDecl *>(token.Element());
        if (!method || !token.Owner())
            return false;
        return CClassWizard::DropMethod(editor, line, *method, *token.Owner(), lookup);
    }
    case CElementDragToken::Class:
    case CElementDragToken::ProjectClass:
    case CElementDragToken::Interface: {
        const bool isInterface = token.GetKind() == CElementDragToken::Interface;
        CNewClassDlg dlg(m_view->window(), isInterface, token.Element()->m_name);
        const bool ok = m_runDialog ? m_runDialog(dlg) : dlg.exec() == QDialog::Accepted;
        if (!ok || dlg.Name().isEmpty())
            return false;
        if (isInterface)
            return CClassWizard::AddNewInterface(editor, dlg.Name(), dlg.BaseName());
        // Interfaces nobody knows are still named; they bring no methods.
        std::vector<std::unique_ptr<CVarInterface>> unknown;
        QList<const CVarContainer *> interfaces;
        for (const QString &name : dlg.Interfaces()) {
            const CVarContainer *known = lookup ? lookup->FindClassByName(name) : nullptr;
            if (!known || known->IsClass()) {
                unknown.push_back(std::make_unique<CVarInterface>());
                unknown.back()->m_name = name;
                known = unknown.back().get();
            }
            interfaces << known;
        }
        return CClassWizard::AddNewClass(editor, dlg.Name(), dlg.BaseName(), interfaces,
                                         dlg.WantsConstructor());
    }
    }
    return false;
}

bool CClassWizardDrop::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (!drag->mimeData()->hasFormat(CElementDragToken::MimeType()))
            return QObject::eventFilter(watched, event);
        // Mavu's format from another Mavu: its addresses mean nothing here.
        if (CElementDragToken::FromMime(*drag->mimeData()))
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        if (!drop->mimeData()->hasFormat(CElementDragToken::MimeType()))
            return QObject::eventFilter(watched, event);
        const CElementDragToken *token = CElementDragToken::FromMime(*drop->mimeData());
        if (!token) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        const int pos = int(m_view->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMPOINT,
                                                  drop->position().toPoint().x(),
                                                  drop->position().toPoint().y()));
        const int line = int(m_view->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, pos));
        DropToken(*token, line + 1);
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}
