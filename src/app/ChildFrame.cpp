#include "app/ChildFrame.h"

#include "app/FileDialogs.h"
#include "app/JavaIDEApp.h"
#include "core/CommandIds.h"
#include "core/Prompter.h"
#include "editor/HueditView.h"
#include "project/Project.h"
#include "project/ProjectDoc.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenu>
#include <QMouseEvent>

CChildFrame::CChildFrame(QWidget *parent) : QMdiSubWindow(parent), m_view(new CHueditView)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(m_view);
    ReleaseCloseShortcut(this);
    if (CJavaIDEApp *app = GetApp()) {
        m_view->SetDefaultFont(app->EditorFont());
        m_view->SetTabStops(app->Options().TabSize(), false);
    }
    connect(m_view, &QsciScintilla::modificationChanged, this, [this] {
        UpdateTitle();
        emit stateChanged();
    });
    connect(m_view, &QsciScintilla::selectionChanged, this, &CChildFrame::stateChanged);
    connect(m_view, &CHueditView::caretMoved, this, &CChildFrame::caretMoved);
    connect(m_view, &CHueditView::readOnlyEditAttempted, this, [this] {
        Prompter().SetStatusText(
            QStringLiteral("%1 is read only.").arg(QDir::toNativeSeparators(GetPathName())));
    });

    using U = CCmdUI;
    m_commands.On(Cmd::FileSave, [this] { Save(); });
    m_commands.On(Cmd::FileSaveAs, [this] { SaveAs(); });
    m_commands.On(Cmd::FileClose, [this] { close(); });
    m_commands.On(
        Cmd::EditUndo, [this] { m_view->OnUndo(); },
        [this](U &ui) { ui.Enable(m_view->CanUndo()); });
    m_commands.On(
        Cmd::EditRedo, [this] { m_view->OnRedo(); },
        [this](U &ui) { ui.Enable(m_view->CanRedo()); });
    auto hasSelection = [this](U &ui) { ui.Enable(m_view->hasSelectedText()); };
    auto writableSelection = [this](U &ui) {
        ui.Enable(m_view->hasSelectedText() && !m_view->isReadOnly());
    };
    m_commands.On(
        Cmd::EditCut, [this] { m_view->cut(); }, writableSelection);
    m_commands.On(
        Cmd::EditCopy, [this] { m_view->copy(); }, hasSelection);
    m_commands.On(
        Cmd::EditPaste, [this] { m_view->paste(); },
        [this](U &ui) { ui.Enable(!m_view->isReadOnly()); });
    m_commands.On(
        Cmd::EditClear, [this] { m_view->removeSelectedText(); }, writableSelection);
    m_commands.On(Cmd::EditSelectAll, [this] { m_view->selectAll(true); });
    // Compile this file: saved first (a new file is given a name), nothing
    // is compiled when that fails or is cancelled.
    m_commands.On(
        Cmd::CompileFile,
        [this] {
            if (Save())
                GetApp()->CompileFile(GetPathName());
        },
        [](U &ui) { ui.Enable(GetApp() && !GetApp()->IsToolBusy()); });
    UpdateTitle();
}

CChildFrame::~CChildFrame() = default;

void CChildFrame::ReleaseCloseShortcut(QMdiSubWindow *window)
{
    // The window menu's Close would share Ctrl+W and Ctrl+F4 with File >
    // Close, and a key two actions claim triggers neither.
    if (QMenu *menu = window->systemMenu()) {
        for (QAction *action : menu->actions()) {
            if (action->shortcuts().contains(QKeySequence(QKeySequence::Close)))
                action->setShortcuts({});
        }
    }
}

bool CChildFrame::OpenDocument(const QString &path)
{
    if (!m_doc.OnOpenDocument(path))
        return false;
    m_view->SetLanguage(CHueditView::LanguageForFile(path));
    m_view->Serialize(m_doc.File(), false);
    // Edits to a file that cannot be written could not be saved: the
    // editor refuses them and says why in the status bar.
    m_readOnly = !QFileInfo(m_doc.GetPathName()).isWritable();
    m_view->SetRO(m_readOnly);
    UpdateTitle();
    return true;
}

void CChildFrame::SetReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    m_view->SetRO(readOnly);
    UpdateTitle();
    emit stateChanged();
}

bool CChildFrame::IsModified() const
{
    return m_view->isModified();
}

QString CChildFrame::SaveChangesQuestion(const QString &title)
{
    return QStringLiteral("Save changes to %1?").arg(title);
}

void CChildFrame::UpdateTitle()
{
    QString title = m_doc.GetTitle();
    if (m_readOnly)
        title += QStringLiteral(" (RO)");
    setWindowTitle(title + QStringLiteral("[*]"));
    setWindowModified(IsModified());
}

bool CChildFrame::SaveTo(const QString &path)
{
    m_view->Serialize(m_doc.File(), true);
    if (!m_doc.OnSaveDocument(path))
        return false;
    m_view->setModified(false);
    m_readOnly = false;
    m_view->SetLanguage(CHueditView::LanguageForFile(path));
    UpdateTitle();
    emit stateChanged();
    return true;
}

void CChildFrame::OnFileRenamed(const QString &path)
{
    m_doc.SetPathName(path);
    m_view->SetLanguage(CHueditView::LanguageForFile(path));
    UpdateTitle();
    emit stateChanged();
}

bool CChildFrame::Save()
{
    if (m_doc.GetPathName().isEmpty())
        return SaveAs();
    return SaveTo(m_doc.GetPathName());
}

bool CChildFrame::SaveAs()
{
    CJavaIDEApp *app = GetApp();
    if (!app)
        return false;
    CFileDialogRequest request;
    request.m_title = QStringLiteral("Save As");
    request.m_filter = QStringLiteral(
        "Java Files (*.java)|*.java|HTML Files (*.html)|*.html|All Files (*.*)|*.*||");
    request.m_mode = CFileDialogRequest::Save;
    request.m_directory = m_doc.GetPathName();
    // A new file most likely belongs beside the open project.
    if (request.m_directory.isEmpty() && app->ProjectDoc()) {
        const CProject &project = app->ProjectDoc()->GetCurrentProject();
        if (project.IsOpen())
            request.m_directory = project.GetProjectDir();
    }
    const QStringList chosen = app->FileDialogs().Choose(request);
    if (chosen.isEmpty())
        return false;
    QString path = request.WithChosenFilterExt(chosen.first());
    // ".jav" is what old 8.3 names made of ".java".
    if (QFileInfo(path).suffix().compare(QLatin1String("jav"), Qt::CaseInsensitive) == 0)
        path += QLatin1Char('a');
    if (!SaveTo(path))
        return false;
    app->AddToRecentFileList(m_doc.GetPathName());
    app->OfferToAddToProject(m_doc.GetPathName());
    return true;
}

bool CChildFrame::SaveModified()
{
    if (!IsModified())
        return true;
    const CPrompter::Answer answer =
        Prompter().MessageBox(SaveChangesQuestion(m_doc.GetTitle()), CPrompter::YesNoCancel,
                              CPrompter::Warning, CPrompter::AnswerYes);
    if (answer == CPrompter::AnswerCancel)
        return false;
    if (answer == CPrompter::AnswerYes)
        return Save();
    return true;
}

void CChildFrame::closeEvent(QCloseEvent *event)
{
    if (!SaveModified()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

void CChildFrame::changeEvent(QEvent *event)
{
    QMdiSubWindow::changeEvent(event);
    // Maximising or restoring with the mouse leaves the focus on the
    // window's frame, where keys go nowhere: they belong in the text.
    if (event->type() == QEvent::WindowStateChange && mdiArea() &&
        mdiArea()->activeSubWindow() == this && !isMinimized() && !m_view->hasFocus())
        m_view->setFocus();
}

void CChildFrame::mousePressEvent(QMouseEvent *event)
{
    // The title bar knows which of its buttons is under the mouse only from
    // mouse moves. A message box (the save question, say) takes the mouse
    // away and the window forgets the button; a click at the same spot
    // right after it would then be lost. Tell it where the mouse is first.
    QMouseEvent move(QEvent::MouseMove, event->position(), event->scenePosition(),
                     event->globalPosition(), Qt::NoButton, Qt::NoButton, event->modifiers());
    QMdiSubWindow::mouseMoveEvent(&move);
    QMdiSubWindow::mousePressEvent(event);
}

bool CChildFrame::OnCommand(int id)
{
    return m_commands.OnCommand(id);
}

bool CChildFrame::OnUpdateCommand(CCmdUI &ui)
{
    return m_commands.OnUpdateCommand(ui);
}
