#include "app/ChildFrame.h"

#include "app/CommandTable.h"
#include "app/EditorPrinter.h"
#include "app/FileDialogs.h"
#include "app/JavaIDEApp.h"
#include "app/JavaIDEView.h"
#include "app/MainFrame.h"
#include "core/CommandIds.h"
#include "core/Prompter.h"
#include "core/SettingsStore.h"
#include "editor/FindHistory.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaParser.h"
#include "javamodel/ParsedFileCache.h"
#include "javamodel/VarContainer.h"
#include "project/Project.h"
#include "project/ProjectDoc.h"
#include "tools/Command.h"
#include "tools/CommandsDoc.h"
#include "tools/FindReplaceDlg.h"
#include "tools/ProcOutputView.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QMdiArea>
#include <QMenu>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QTimer>
#include <memory>

namespace {
bool IsReadOnlyFile(const QString &path);

bool IsJavaFile(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("java"), Qt::CaseInsensitive) == 0;
}

bool IsHtmlFile(const QString &path)
{
    const QString ext = QFileInfo(path).suffix();
    return ext.compare(QLatin1String("html"), Qt::CaseInsensitive) == 0 ||
           ext.compare(QLatin1String("htm"), Qt::CaseInsensitive) == 0;
}
} // namespace

CChildFrame::CChildFrame(QWidget *parent) : QMdiSubWindow(parent), m_view(new CJavaIDEView)
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
    connect(m_view, &CJavaIDEView::readOnlyEdit, this, &CChildFrame::OnReadOnlyEdit);
    connect(m_view, &CJavaIDEView::focusLost, this,
            [this] { m_seenOnDisk = QFileInfo(GetPathName()).lastModified(); });
    connect(m_view, &CJavaIDEView::focusGained, this, &CChildFrame::OnFocusGained);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        // BookMark and BreakPoint act on the caret's line: the line clicked,
        // unless the click leaves a selection to Cut or Copy.
        if (!m_view->hasSelectedText()) {
            const long at =
                m_view->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMPOINT, pos.x(), pos.y());
            m_view->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, at);
        }
        QMenu menu(this);
        FillContextMenu(menu);
        menu.exec(m_view->viewport()->mapToGlobal(pos));
    });
    connect(m_view, &CHueditView::replaceAllDone, this, [](int count) {
        // The count stands alone in the Output tab.
        if (CJavaIDEApp *app = GetApp(); app && app->MainFrame()) {
            if (auto *out =
                    app->MainFrame()->findChild<CProcOutputView *>(QStringLiteral("Output")))
                out->ClearText();
        }
        Prompter().OutputLine(QStringLiteral("Output"),
                              QStringLiteral("%1 instances replaced...\n").arg(count));
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
        [this](U &ui) {
            // javac takes Java sources only; a new file is named first.
            const QString path = GetPathName();
            ui.Enable(GetApp() && !GetApp()->IsToolBusy() && (path.isEmpty() || IsJavaFile(path)));
        });
    RegisterEditorCommands();
    UpdateTitle();
}

namespace {

const QString kFindSection = QStringLiteral("EditFind");
const QString kReplaceSection = QStringLiteral("EditReplace");

// The search switches last used, shared by every editor window.
struct SSearchFlags
{
    bool matchCase = false;
    bool wholeWord = false;
};
SSearchFlags &SearchFlags()
{
    static SSearchFlags flags;
    return flags;
}

CFindHistory LoadHistory(const QString &section)
{
    CFindHistory history(section);
    if (CJavaIDEApp *app = GetApp())
        history.Load(app->Settings());
    return history;
}

void RememberWord(const QString &section, const QString &word)
{
    CJavaIDEApp *app = GetApp();
    if (!app || word.isEmpty())
        return;
    CFindHistory history = LoadHistory(section);
    history.Use(word);
    history.Save(app->Settings());
}

// The file's read-only attribute: no write permission for its owner (which
// even the superuser sees), or none for us.
bool IsReadOnlyFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && (!info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner));
}

} // namespace

void CChildFrame::RegisterEditorCommands()
{
    using U = CCmdUI;
    auto hasText = [this](U &ui) { ui.Enable(m_view->length() > 0); };
    m_commands.On(Cmd::ToggleBookmark, [this] { m_view->ToggleBookmark(); });
    auto hasBookmarks = [this](U &ui) { ui.Enable(!m_view->Bookmarks().isEmpty()); };
    m_commands.On(
        Cmd::NextBookmark, [this] { m_view->NextBookmark(); }, hasBookmarks);
    m_commands.On(
        Cmd::PreviousBookmark, [this] { m_view->PreviousBookmark(); }, hasBookmarks);
    m_commands.On(
        Cmd::ToggleBreakpoint, [this] { ToggleBreakpoint(); },
        [this](U &ui) { ui.Enable(OpenProject() && IsJavaFile(GetPathName())); });
    m_commands.On(Cmd::EditGotoLine, [this] { GotoLine(); });
    m_commands.On(
        Cmd::FilePrint, [this] { Print(true); }, hasText);
    m_commands.On(
        Cmd::FilePrintDirect, [this] { Print(false); }, hasText);
    // The page as a browser shows it, from the file on disk: saved first.
    m_commands.On(
        Cmd::BrowseFile,
        [this] {
            if (Save())
                GetApp()->ShowHtmlFile(GetPathName());
        },
        [this](U &ui) { ui.Enable(GetApp() && IsHtmlFile(GetPathName())); });
    m_commands.On(
        Cmd::FilePrintPreview,
        [this] {
            CJavaIDEApp *app = GetApp();
            if (!app)
                return;
            CEditorPrinter printer(GetPathName().isEmpty() ? m_doc.GetTitle() : GetPathName(),
                                   QPrinter::HighResolution);
            QPrintPreviewDialog preview(&printer, this);
            preview.setWindowTitle(QStringLiteral("Print Preview"));
            connect(&preview, &QPrintPreviewDialog::paintRequested, this,
                    [this, &printer](QPrinter *) { printer.Print(m_view); });
            app->RunDialog(preview);
        },
        hasText);
    m_commands.On(Cmd::EditFind, [this] { OpenFindDialog(false); });
    m_commands.On(
        Cmd::EditReplace, [this] { OpenFindDialog(true); },
        [this](U &ui) { ui.Enable(!m_view->isReadOnly()); });
    // Find Next and Previous go on with the word searched last, or ask
    // for one when there is none yet.
    auto again = [this](bool forward) {
        const QString what = LoadHistory(kFindSection).Latest();
        if (what.isEmpty())
            OpenFindDialog(false);
        else
            FindText(what, forward);
    };
    m_commands.On(
        Cmd::EditRepeat, [again] { again(true); }, hasText);
    m_commands.On(
        Cmd::EditFindPrevious, [again] { again(false); }, hasText);
    m_commands.On(
        Cmd::FindWordAtCursor,
        [this] {
            QString word;
            if (m_view->GetWordAtCursor(word, true))
                FindText(word, true);
        },
        hasText);
    m_commands.On(
        Cmd::AddFileToProject,
        [this] {
            if (CProject *project = OpenProject()) {
                project->AddFileItem(GetPathName());
                project->SetModifiedFlag();
            }
        },
        [this](U &ui) {
            CProject *project = OpenProject();
            ui.Enable(project && !GetPathName().isEmpty() && !project->FindFileItem(GetPathName()));
        });
}

void CChildFrame::FillContextMenu(QMenu &menu)
{
    CJavaIDEApp *app = GetApp();
    CMainFrame *frame = app ? app->MainFrame() : nullptr;
    struct SItem
    {
        int id;
        const char *text;
    };
    // 0 stands for a separator.
    static const SItem kItems[] = {{Cmd::CompileFile, "Compile"},
                                   {Cmd::RunApplication, "Run"},
                                   {Cmd::BrowseFile, "Browse"},
                                   {0, nullptr},
                                   {Cmd::ToggleBookmark, "BookMark"},
                                   {Cmd::ToggleBreakpoint, "BreakPoint Set/Unset"},
                                   {Cmd::RunToCursor, "Break At Cursor Line"},
                                   {0, nullptr},
                                   {Cmd::EditUndo, "Undo"},
                                   {0, nullptr},
                                   {Cmd::EditCut, "Cut"},
                                   {Cmd::EditCopy, "Copy"},
                                   {Cmd::EditPaste, "Paste"},
                                   {Cmd::EditClear, "Delete"},
                                   {0, nullptr},
                                   {Cmd::EditSelectAll, "Select All"}};
    for (const SItem &item : kItems) {
        if (!item.id) {
            menu.addSeparator();
            continue;
        }
        QAction *action = menu.addAction(QString::fromLatin1(item.text));
        action->setData(item.id);
        // The same handlers decide as for the main menu: this window, the
        // frame, the application.
        const CCmdUI ui = RouteUpdate({this, frame, app}, item.id);
        action->setEnabled(ui.m_bEnabled);
        if (const CCommandDef *def = CommandTable::Find(item.id))
            action->setShortcuts(CommandTable::Shortcuts(*def));
        const int id = item.id;
        connect(action, &QAction::triggered, this, [this, id] {
            CJavaIDEApp *app = GetApp();
            CMainFrame *frame = app ? app->MainFrame() : nullptr;
            RouteCommand({this, frame, app}, id);
            if (frame)
                frame->UpdateCommandUI();
        });
    }
    if (!app)
        return;
    const QList<CCommand *> commands = app->UserCommands().BuildMenu(CCommandsDoc::FileMenu);
    if (commands.isEmpty())
        return;
    menu.addSeparator();
    const QString path = GetPathName();
    for (const CCommand *cmd : commands) {
        const int id = cmd->MenuId();
        QAction *action = menu.addAction(cmd->m_strMenuName);
        action->setData(id);
        connect(action, &QAction::triggered, this,
                [id, path] { GetApp()->RunUserCommand(id, path, QString()); });
    }
}

CProject *CChildFrame::OpenProject() const
{
    CJavaIDEApp *app = GetApp();
    if (!app || !app->ProjectDoc())
        return nullptr;
    CProject &project = app->ProjectDoc()->GetCurrentProject();
    return project.IsOpen() ? &project : nullptr;
}

void CChildFrame::ToggleBreakpoint()
{
    CProject *project = OpenProject();
    const QString path = GetPathName();
    if (!project || path.isEmpty())
        return;
    const int line = m_view->CaretLine();
    if (project->HasBreakpoint(path, line)) {
        project->RemoveBreakpoint(path, line);
        m_view->SetBreakpointMark(line, false);
        project->SetModifiedFlag();
        return;
    }
    // The debugger stops in a class: the text as it is now says which one
    // holds the line.
    Prompter().BeginWaitCursor();
    std::unique_ptr<CFileObject> parsed(CJavaParser::ParseEditorText(m_view->text()));
    Prompter().EndWaitCursor();
    if (!parsed) // the parser has said why
        return;
    const CVarContainer *holder = parsed ? parsed->FindClassAtLine(line) : nullptr;
    if (!holder) {
        Prompter().SetStatusText(
            QStringLiteral("No class holds line %1: no breakpoint set.").arg(line));
        return;
    }
    if (!project->AddBreakpoint(path, holder->GetName(), line))
        return;
    m_view->SetBreakpointMark(line, true);
    project->SetModifiedFlag();
}

void CChildFrame::RecordMovedBreakpoints()
{
    // The marks moved with their lines while the text was edited; the
    // debugger will stop at the lines of the file as it is now saved, so
    // the project learns where they went.
    CProject *project = OpenProject();
    const QString path = GetPathName();
    if (!project || path.isEmpty())
        return;
    QList<CBreakpoint> stored = project->GetBreakpoints(path);
    if (stored.isEmpty())
        return;
    std::sort(stored.begin(), stored.end(),
              [](const CBreakpoint &a, const CBreakpoint &b) { return a.m_nLine < b.m_nLine; });
    const QList<int> marks = m_view->BreakpointMarks();
    QList<int> storedLines;
    for (const CBreakpoint &bp : stored)
        storedLines << bp.m_nLine;
    if (storedLines == marks)
        return;
    for (const CBreakpoint &bp : stored)
        project->RemoveBreakpoint(path, bp.m_nLine);
    if (marks.size() == stored.size()) {
        // Each mark is the same breakpoint, in the same order: it keeps its
        // class.
        for (int i = 0; i < marks.size(); ++i)
            project->AddBreakpoint(path, stored.at(i).m_strClassName, marks.at(i));
    } else {
        // Lines with marks were joined: what class holds each line now.
        std::unique_ptr<CFileObject> parsed(CJavaParser::ParseEditorText(m_view->text()));
        for (int line : marks) {
            const CVarContainer *holder = parsed ? parsed->FindClassAtLine(line) : nullptr;
            if (holder)
                project->AddBreakpoint(path, holder->GetName(), line);
        }
        ShowProjectBreakpoints(); // a mark no class holds any more goes
    }
    project->SetModifiedFlag();
}

void CChildFrame::ShowProjectBreakpoints()
{
    QList<int> lines;
    if (CProject *project = OpenProject()) {
        for (const CBreakpoint &bp : project->GetBreakpoints(GetPathName()))
            lines << bp.m_nLine;
    }
    m_view->ShowBreakpoints(lines);
}

bool CChildFrame::FindText(const QString &what, bool forward)
{
    RememberWord(kFindSection, what);
    const SSearchFlags &flags = SearchFlags();
    if (m_view->OnFindNext(what, forward, flags.matchCase, flags.wholeWord))
        return true;
    Prompter().SetStatusText(QStringLiteral("Cannot find the string '%1'.").arg(what));
    return false;
}

void CChildFrame::OpenFindDialog(bool replace)
{
    if (m_findDialog)
        m_findDialog->close();
    QString what;
    if (m_view->hasSelectedText() && !m_view->selectedText().contains(QLatin1Char('\n')))
        what = m_view->selectedText();
    else if (!m_view->GetWordAtCursor(what))
        what = LoadHistory(kFindSection).Latest();
    const CFindHistory finds = LoadHistory(kFindSection);
    const CFindHistory replaces = LoadHistory(kReplaceSection);
    SSearchFlags &flags = SearchFlags();
    auto *dlg = new CFindReplaceDlg(this, replace, what, replaces.Latest(), flags.matchCase,
                                    flags.wholeWord);
    dlg->SetHistories(finds.Entries(), replaces.Entries());
    dlg->ShowReplaceInSelection(CHueditView::Options().replaceInSelection);
    auto takeFlags = [dlg] {
        SearchFlags().matchCase = dlg->MatchCase();
        SearchFlags().wholeWord = dlg->WholeWord();
        CHueditView::Options().replaceInSelection = dlg->ReplaceInSelection();
    };
    connect(dlg, &CFindReplaceDlg::findNext, this, [this, dlg, takeFlags] {
        takeFlags();
        FindText(dlg->FindText(), true);
        dlg->SetHistories(LoadHistory(kFindSection).Entries(),
                          LoadHistory(kReplaceSection).Entries());
    });
    connect(dlg, &CFindReplaceDlg::replaceOne, this, [this, dlg, takeFlags] {
        takeFlags();
        RememberWord(kFindSection, dlg->FindText());
        RememberWord(kReplaceSection, dlg->ReplaceText());
        m_view->OnReplaceSel(dlg->FindText(), true, SearchFlags().matchCase,
                             SearchFlags().wholeWord, dlg->ReplaceText());
        dlg->SetHistories(LoadHistory(kFindSection).Entries(),
                          LoadHistory(kReplaceSection).Entries());
    });
    connect(dlg, &CFindReplaceDlg::replaceAll, this, [this, dlg, takeFlags] {
        takeFlags();
        RememberWord(kFindSection, dlg->FindText());
        RememberWord(kReplaceSection, dlg->ReplaceText());
        m_view->OnReplaceAll(dlg->FindText(), dlg->ReplaceText(), SearchFlags().matchCase,
                             SearchFlags().wholeWord);
        dlg->SetHistories(LoadHistory(kFindSection).Entries(),
                          LoadHistory(kReplaceSection).Entries());
    });
    m_findDialog = dlg;
    dlg->show();
}

int CChildFrame::Print(bool askFirst, QPrinter *target)
{
    CJavaIDEApp *app = GetApp();
    CEditorPrinter printer(GetPathName().isEmpty() ? m_doc.GetTitle() : GetPathName(),
                           QPrinter::HighResolution);
    if (target) {
        printer.setOutputFormat(target->outputFormat());
        printer.setOutputFileName(target->outputFileName());
    } else if (askFirst) {
        if (!app)
            return 0;
        QPrintDialog dlg(&printer, this);
        dlg.setWindowTitle(QStringLiteral("Print"));
        if (app->RunDialog(dlg) != QDialog::Accepted)
            return 0;
    }
    Prompter().SetStatusText(QStringLiteral("Printing %1...").arg(m_doc.GetTitle()));
    printer.ShowProgress(m_doc.GetTitle(), this);
    const int pages = printer.Print(m_view);
    if (printer.WasCancelled())
        Prompter().SetStatusText(QStringLiteral("Printing %1 cancelled.").arg(m_doc.GetTitle()));
    else if (pages == 0)
        Prompter().MessageBox(QStringLiteral("%1 could not be printed.").arg(m_doc.GetTitle()),
                              CPrompter::Ok, CPrompter::Stop);
    return pages;
}

void CChildFrame::GotoLine()
{
    CJavaIDEApp *app = GetApp();
    if (!app)
        return;
    QInputDialog dlg(this);
    dlg.setWindowTitle(QStringLiteral("Goto Line"));
    dlg.setLabelText(QStringLiteral("&Line number:"));
    dlg.setInputMode(QInputDialog::IntInput);
    dlg.setIntRange(1, std::max(1, m_view->LineCount()));
    dlg.setIntValue(m_view->CaretLine());
    if (app->RunDialog(dlg) == QDialog::Accepted)
        m_view->GotoLine(dlg.intValue());
}

QString CChildFrame::MakeWritableQuestion()
{
    return QStringLiteral(
        "This file is read only. Please select YES to make it read write otherwise select NO");
}

QString CChildFrame::CheckoutQuestion()
{
    return QStringLiteral(
        "This file is read only. Please select YES to run the Checkout command otherwise select "
        "NO");
}

QString CChildFrame::ReloadQuestion(const QString &path)
{
    return QStringLiteral(
               "File %1 has been modified from outside. Plese select Yes to reload the file !!!")
        .arg(path);
}

void CChildFrame::OnReadOnlyEdit(const QKeyEvent *attempt)
{
    const QString path = GetPathName();
    // A window Mavu keeps read-only itself (a help text) has nothing to
    // ask: only a file marked read-only does.
    if (path.isEmpty() || m_keptReadOnly || !IsReadOnlyFile(path)) {
        Prompter().SetStatusText(
            QStringLiteral("%1 is read only.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    // Files under version control are made writable by checking them out:
    // the user's "checkout" command does that, and the editor leaves the
    // attribute alone (the command may not succeed, or not at once).
    if (CJavaIDEApp *app = GetApp()) {
        if (CCommand *checkout = app->UserCommands().FindCommand(QStringLiteral("checkout"))) {
            if (Prompter().AskYesNo(CheckoutQuestion(), false))
                app->RunCommandForFile(*checkout, path);
            return;
        }
    }
    if (!Prompter().AskYesNo(MakeWritableQuestion(), false))
        return;
    QFile file(path);
    if (!file.setPermissions(file.permissions() | QFileDevice::WriteOwner |
                             QFileDevice::WriteUser)) {
        Prompter().MessageBox(QStringLiteral("Cannot make %1 writable: %2")
                                  .arg(QDir::toNativeSeparators(path), file.errorString()),
                              CPrompter::Ok, CPrompter::Stop);
        return;
    }
    ApplyReadOnly(false);
    if (attempt)
        m_view->ReplayEdit(*attempt);
}

void CChildFrame::OnFocusGained()
{
    const QString path = GetPathName();
    if (!path.isEmpty() && QFileInfo::exists(path)) {
        // The read-only mark follows the file: another program may have
        // changed its attributes.
        const bool readOnly = IsReadOnlyFile(path);
        if (!m_keptReadOnly && readOnly != m_readOnly)
            ApplyReadOnly(readOnly);
    }
    if (m_seenOnDisk.isValid() && QFileInfo::exists(path))
        QTimer::singleShot(0, this, &CChildFrame::CheckOutsideChange);
}

void CChildFrame::CheckOutsideChange()
{
    const QDateTime seen = m_seenOnDisk;
    m_seenOnDisk = QDateTime();
    const QFileInfo info(GetPathName());
    // A file deleted outside leaves the window as it is: its text is all
    // that is left of it.
    if (!seen.isValid() || !info.exists() || info.lastModified() <= seen)
        return;
    if (Prompter().AskYesNo(ReloadQuestion(QDir::toNativeSeparators(GetPathName())), false))
        Reload();
}

bool CChildFrame::Reload()
{
    const int line = m_view->CaretLine();
    CJavaIDEDoc doc;
    if (!doc.OnOpenDocument(GetPathName()))
        return false;
    m_doc = doc;
    m_view->Serialize(m_doc.File(), false);
    m_view->setModified(false);
    m_readOnly = IsReadOnlyFile(m_doc.GetPathName());
    m_view->SetRO(m_readOnly);
    m_view->GotoLine(line);
    ShowProjectBreakpoints();
    UpdateTitle();
    emit stateChanged();
    return true;
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
    m_readOnly = IsReadOnlyFile(m_doc.GetPathName());
    m_view->SetRO(m_readOnly);
    ShowProjectBreakpoints();
    UpdateTitle();
    return true;
}

void CChildFrame::SetReadOnly(bool readOnly)
{
    m_keptReadOnly = readOnly;
    ApplyReadOnly(readOnly);
}

void CChildFrame::ApplyReadOnly(bool readOnly)
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
    QString title = CJavaIDEDoc::DisplayTitle(m_doc.GetPathName(), QDir::currentPath());
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
    RecordMovedBreakpoints();
    ParseSavedFile();
    emit stateChanged();
    emit saved(path);
    return true;
}

void CChildFrame::ParseSavedFile()
{
    // The class view and the run command read the project's parse
    // results: a saved source of the project brings them up to date.
    CJavaIDEApp *app = GetApp();
    CProject *project = OpenProject();
    const QString path = GetPathName();
    if (app && project && app->Options().m_parseOnSave && IsJavaFile(path) &&
        project->FindFileItem(path))
        project->ParsedFiles().ParseJavaFile(path, true);
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
