#include "app/MainFrame.h"

#include "app/BuddyWnd.h"
#include "app/ChildFrame.h"
#include "app/ClassWizardDrop.h"
#include "app/CommandTable.h"
#include "app/CommandUIIdle.h"
#include "app/EditorWindowList.h"
#include "app/EditorWizardTarget.h"
#include "app/FrameMenus.h"
#include "app/FramePanes.h"
#include "app/JavaIDEApp.h"
#include "app/JavaIDEView.h"
#include "app/NewProjectView.h"
#include "app/OutputPane.h"
#include "app/ProjectViewChooser.h"
#include "app/RecentFileList.h"
#include "beans/BeanDoc.h"
#include "beans/BeanView.h"
#include "core/ActivityMonitor.h"
#include "core/CommandIds.h"
#include "core/SettingsStore.h"
#include "editor/HueditView.h"
#include "javamodel/ClassWizard.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaParser.h"
#include "javamodel/OverrideList.h"
#include "javamodel/PackageObject.h"
#include "javamodel/VarContainer.h"
#include "javamodel/VarMethodDecl.h"
#include "packages/ClassDumper.h"
#include "packages/PackageView.h"
#include "packages/PkgDoc.h"
#include "project/Project.h"
#include "project/ProjectClassLookup.h"
#include "project/ProjectDoc.h"
#include "project/ProjectView.h"
#include "tools/OutputWnd.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSessionManager>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <algorithm>

CMainFrame::CMainFrame(bool installPrompter) : m_prompter(this)
{
    setObjectName(QStringLiteral("MainFrame"));
    setWindowTitle(QStringLiteral("Mavu"));
    if (installPrompter) {
        m_previousPrompter = SetPrompter(&m_prompter);
        m_prompterInstalled = true;
    }
}

CMainFrame::~CMainFrame()
{
    // The children go in QWidget's destructor, after this one: by then the
    // window is a plain QWidget, and a slot of ours run by what their going
    // sets off (the focus they leave, the sub-window that stops being
    // active) would run on what is left of it. Nothing may reach us now.
    disconnect(qApp, nullptr, this, nullptr);
    if (m_mdiArea)
        m_mdiArea->disconnect(this);
    if (m_projectView)
        m_projectView->disconnect(this);
    for (CChildFrame *child : EditorWindows())
        child->disconnect(this);
    if (m_updateTimer)
        m_updateTimer->stop();
    delete m_commandIdle;
    m_commandIdle = nullptr;
    m_panes.reset();
    if (m_prompterInstalled)
        SetPrompter(m_previousPrompter);
}

bool CMainFrame::LoadFrame()
{
    setWindowIcon(CJavaIDEApp::ProgramIcon());
    if (CJavaIDEApp *app = GetApp()) {
        m_layout.Load(app->Settings());
        if (QScreen *primary = QGuiApplication::primaryScreen())
            m_layout.PlaceFirstStart(app->Settings(), primary->availableGeometry());
    }

    CreatePanes();
    m_menus =
        std::make_unique<CFrameMenus>(this, m_mdiArea, [this](int id) { ExecuteCommand(id); });
    m_menus->CreateActions();
    m_menus->CreateMenus(
        [this] {
            // Menus are few and small: bring every command up to date, so
            // that the toolbar agrees with what the menu shows.
            UpdateCommandUI();
            SetStatusPanesShown(false);
        },
        [this] { SetStatusPanesShown(true); });
    m_mainBar = m_menus->CreateBar(QStringLiteral("ToolBar"), QStringLiteral("Toolbar"),
                                   CommandTable::MainBar());
    m_debugBar = m_menus->CreateBar(QStringLiteral("DebugBar"), QStringLiteral("Debug Bar"),
                                    CommandTable::DebugBar());
    m_browserBar = m_menus->CreateBar(QStringLiteral("BrowserBar"), QStringLiteral("Browser Bar"),
                                      CommandTable::BrowserBar());
    m_panes->SetBars(m_mainBar, m_debugBar, m_browserBar);
    CreateStatusBar();
    CreateCommandMap();
    if (!m_mainBar || !m_debugBar || !m_browserBar || !m_panes->IsBuilt())
        return false;

    // The stored window comes back on the screen it was on, and never larger
    // than that screen.
    const QPoint origin(m_layout.m_mainOrigX, m_layout.m_mainOrigY);
    QScreen *screen = QGuiApplication::screenAt(origin);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen)
        m_layout.ClampToScreen(screen->availableGeometry());
    move(m_layout.m_mainOrigX, m_layout.m_mainOrigY);
    resize(m_layout.m_mainSizeX, m_layout.m_mainSizeY);

    if (auto *gui = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        connect(gui, &QGuiApplication::commitDataRequest, this, &CMainFrame::OnCommitDataRequest,
                Qt::DirectConnection);
    }
    connect(qApp, &QApplication::focusChanged, this, &CMainFrame::ScheduleCommandUI);

    m_updateTimer = new QTimer(this);
    m_updateTimer->setSingleShot(true);
    m_updateTimer->setInterval(0);
    connect(m_updateTimer, &QTimer::timeout, this, &CMainFrame::UpdateCommandUI);
    m_commandIdle = new CCommandUIIdle(this, [this] { UpdateCommandUI(); });
    statusBar()->showMessage(QStringLiteral("Ready"));
    return true;
}

void CMainFrame::CreatePanes()
{
    m_projectPane = new CNewProjectView;
    if (CJavaIDEApp *app = GetApp(); app && app->ProjectDoc()) {
        m_projectView = new CProjectView(nullptr, app->ProjectDoc());
        m_projectView->setObjectName(QStringLiteral("ProjectView"));
        m_projectView->SetOptions(&app->Options());
        m_projectView->SetToolBusyQuery([app] { return app->IsToolBusy(); });
        m_projectChooser = std::make_unique<CProjectViewChooser>();
        m_projectView->SetFileChooser(m_projectChooser.get());
        connect(m_projectView, &CProjectView::openFileRequested, app,
                [app](const QString &path) { app->OpenDocumentFile(path); });
        m_projectView->SetOverrideSource(
            [this](const QString &name) { return WizardLookup()->FindClassByName(name); },
            [app](const CVarContainer &base) { return ApiPageText(*app, base); });
        connect(m_projectView, &CProjectView::overrideRequested, this,
                [this](const CVarMethodDecl *method, const CVarContainer *base) {
                    CChildFrame *child = ActiveEditor();
                    if (!child || !method || !base)
                        return;
                    int line = 0, index = 0;
                    child->View()->getCursorPosition(&line, &index);
                    CEditorWizardTarget editor(child->View());
                    CClassWizard::DropMethod(editor, line + 1, *method, *base, WizardLookup());
                });
        connect(m_projectView, &CMyTreeView::openFileAtLineRequested, this,
                [this](const QString &path, int line) { OpenSourceAt(path, line); });
        connect(m_projectView, &CProjectView::clearOutputRequested, this,
                [this](const QString &tab) {
                    const int index = tab == QLatin1String("Build") ? COutputPane::BuildTab
                                                                    : COutputPane::OutputTab;
                    m_output->View(index)->ClearText();
                    ShowOutputTab(index);
                });
        m_projectPane->SetPaneView(CNewProjectView::ProjectPane, m_projectView);
    }
    m_buddy = new CBuddyWnd;
    m_mdiArea = m_buddy->MdiArea();
    m_editors = std::make_unique<CEditorWindowList>(m_mdiArea);

    m_output = new COutputPane;
    for (int tab : {COutputPane::OutputTab, COutputPane::BuildTab}) {
        COutputWnd *view = m_output->View(tab);
        connect(view, &CProcOutputView::caretReported, this,
                [this](const QString &text) { SetPaneText(1, text); });
        connect(view, &COutputWnd::openSourceRequested, this, &CMainFrame::OpenSourceAt);
    }

    m_panes = std::make_unique<CFramePanes>(this, m_layout);
    connect(m_panes.get(), &CFramePanes::changed, this, &CMainFrame::ScheduleCommandUI);
    m_panes->Build(m_projectPane, m_buddy, m_mdiArea, m_output);

    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::OnSubWindowActivated);
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    const QFontMetrics fm(bar->font());
    // Each pane is as wide as what it shows at most; the caret pane gets
    // seven quarters of that, so long line numbers never make it jump.
    const QStringList samples = {QStringLiteral("Ln 9999 Col 999"),
                                 QStringLiteral("OVR"),
                                 QStringLiteral("READ"),
                                 QStringLiteral("HTML"),
                                 QStringLiteral("Latin-1"),
                                 QStringLiteral("MMMMMMMM")};
    for (int i = 0; i < samples.size(); ++i) {
        auto *pane = new QLabel(bar);
        pane->setObjectName(QStringLiteral("StatusPane%1").arg(i + 1));
        pane->setAlignment(Qt::AlignCenter);
        int width = fm.horizontalAdvance(samples.at(i)) + 8;
        if (i == 0)
            width = width * 7 / 4;
        pane->setMinimumWidth(width);
        bar->addPermanentWidget(pane);
        m_statusPanes << pane;
    }
}

void CMainFrame::SetStatusPanesShown(bool shown)
{
    // While a menu is open the hint of its item takes the whole status bar:
    // beside the panes a long hint would be cut off in a narrow window.
    for (QLabel *pane : std::as_const(m_statusPanes))
        pane->setVisible(shown);
}

QLabel *CMainFrame::StatusPane(int pane) const
{
    return pane >= 1 && pane < kStatusPanes ? m_statusPanes.value(pane - 1) : nullptr;
}

void CMainFrame::SetPaneText(int pane, const QString &text)
{
    if (pane == 0)
        statusBar()->showMessage(text);
    else if (QLabel *label = StatusPane(pane))
        label->setText(text);
}

void CMainFrame::AttachPackageDatabase()
{
    CJavaIDEApp *app = GetApp();
    if (!app || !app->PkgDoc() || m_packagesAttached)
        return;
    // The tree is built when its tab is first shown or a command needs it:
    // most sessions never look at it.
    m_packagesAttached = true;
    m_projectPane->SetPaneFactory(CNewProjectView::PackagePane,
                                  [this] { return MakePackageView(); });
}

CPackageView *CMainFrame::MakePackageView()
{
    CJavaIDEApp *app = GetApp();
    m_introspector = std::make_unique<CClassDumper>(CClassDumper::ClassKind);
    m_packageView = new CPackageView(*app->PkgDoc(), *m_introspector);
    m_packageView->m_findSource = [app](const CVarContainer &element,
                                        const CPackageObject &package) {
        const CIDEDirectories &dirs = app->Directories();
        return app->PkgDoc()->FindSourceFile(
            element, package, dirs.m_sourcePath,
            dirs.m_pkgSourcePath.split(QDir::listSeparator(), Qt::SkipEmptyParts));
    };
    connect(m_packageView, &CMyTreeView::openFileAtLineRequested, this,
            [this](const QString &path, int line) { OpenSourceAt(path, line); });
    m_packageView->m_prepareClassDumper = [app](CClassDumper &introspector) {
        PrepareIntrospector(*app, introspector);
    };
    return m_packageView;
}

CPackageView *CMainFrame::PackageView() const
{
    if (!m_packageView && m_packagesAttached)
        m_projectPane->PaneView(CNewProjectView::PackagePane);
    return m_packageView;
}

void CMainFrame::PrepareIntrospector(CJavaIDEApp &app, CClassDumper &introspector)
{
    // The JDK's java of the settings, and the program's own classes.zip,
    // as they are at the moment of the run.
    const QString exeDir = app.Directories().m_exePath;
    introspector.SetJava(exeDir.isEmpty() ? QString()
                                          : QDir(exeDir).filePath(QStringLiteral("java")));
    const QString own = app.OwnClassesDir();
    introspector.SetOwnClassesZip(
        own.isEmpty() ? QString() : QDir(own).filePath(QStringLiteral("classes.zip")));
}

void CMainFrame::AttachBeanTree()
{
    CJavaIDEApp *app = GetApp();
    if (!app || !app->BeanDoc() || m_beansAttached)
        return;
    m_beansAttached = true;
    m_projectPane->SetPaneFactory(CNewProjectView::BeanPane, [this] { return MakeBeanView(); });
}

CBeanView *CMainFrame::MakeBeanView()
{
    CJavaIDEApp *app = GetApp();
    m_beanIntrospector = std::make_unique<CClassDumper>(CClassDumper::BeanKind);
    m_beanIntrospector->m_onOutput = [](const QString &text) {
        Prompter().OutputLine(QStringLiteral("Output"), text);
    };
    m_beanView = new CBeanView(*app->BeanDoc());
    m_beanView->m_introspectBean = [this, app](const QString &path,
                                               std::function<void(const QString &)> done) {
        CClassDumper &introspector = *m_beanIntrospector;
        if (introspector.IsBusy())
            return false;
        PrepareIntrospector(*app, introspector);
        introspector.m_onFinished = [&introspector, done](bool ok) {
            const QString output = introspector.OutputFile();
            if (ok && QFileInfo(output).size() > 0) {
                Prompter().OutputLine(QStringLiteral("Output"), QStringLiteral("Done\n"));
                done(output);
                return;
            }
            Prompter().OutputLine(QStringLiteral("Output"), QStringLiteral("Aborted\n"));
            QFile::remove(output);
            done(QString());
        };
        return introspector.Start(path);
    };
    return m_beanView;
}

CBeanView *CMainFrame::BeanView() const
{
    if (!m_beanView && m_beansAttached)
        m_projectPane->PaneView(CNewProjectView::BeanPane);
    return m_beanView;
}

bool CMainFrame::AddToPackageDatabase(const QString &path)
{
    ActivatePane(CNewProjectView::PackagePane);
    return PackageView() && PackageView()->AddClassFiles({path});
}

// Where the panes and bars stand: the View menu's commands.
void CMainFrame::CreateLayoutCommands()
{
    using U = CCmdUI;
    m_commands.On(
        Cmd::BaseClassOverrides,
        [this] {
            CChildFrame *child = ActiveEditor();
            if (!child)
                return;
            std::unique_ptr<QMenu> menu(CreateEditorOverrideMenu(child, this));
            if (!menu) {
                Prompter().SetStatusText(
                    QStringLiteral("No class with a base class holds the caret's line."));
                return;
            }
            // Where the user looks: at the caret.
            CJavaIDEView *view = child->View();
            const long pos = view->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
            const QPoint at(
                int(view->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0, pos)),
                int(view->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0, pos)) +
                    view->textHeight(view->CaretLine() - 1));
            menu->exec(view->viewport()->mapToGlobal(at));
        },
        [this](U &ui) {
            CChildFrame *child = ActiveEditor();
            ui.Enable(child &&
                      child->GetPathName().endsWith(QLatin1String(".java"), Qt::CaseInsensitive));
        });
    m_commands.On(
        Cmd::ToggleOutput, [this] { ShowOutput(!m_layout.m_output); },
        [this](U &ui) { ui.SetCheck(m_layout.m_output); });
    m_commands.On(
        Cmd::FloatDockOutput, [this] { SetOutputDocked(!m_layout.m_dockOutput); },
        [this](U &ui) {
            ui.SetText(m_layout.m_dockOutput ? QStringLiteral("Float Output")
                                             : QStringLiteral("Dock Output"));
        });
    m_commands.On(
        Cmd::FloatDockProject, [this] { SetProjectDocked(!m_layout.m_project); },
        [this](U &ui) {
            ui.SetText(m_layout.m_project ? QStringLiteral("Float Project")
                                          : QStringLiteral("Dock Project"));
        });
    m_commands.On(
        Cmd::PaneSide, [this] { SwapPanes(); },
        [this](U &ui) {
            ui.Enable(m_layout.m_project);
            ui.SetText(m_layout.m_projectPane == 0 ? QStringLiteral("Dock Right")
                                                   : QStringLiteral("Dock Left"));
        });
    auto barToggle = [this](int id, QToolBar *bar) {
        m_commands.On(
            id, [this, bar] { ToggleBar(bar); }, [bar](U &ui) { ui.SetCheck(!bar->isHidden()); });
    };
    barToggle(Cmd::ViewToolBar, m_mainBar);
    barToggle(Cmd::ToggleDebugBar, m_debugBar);
    barToggle(Cmd::ToggleBrowserBar, m_browserBar);
    m_commands.On(
        Cmd::ViewStatusBar, [this] { statusBar()->setVisible(statusBar()->isHidden()); },
        [this](U &ui) { ui.SetCheck(!statusBar()->isHidden()); });
}

void CMainFrame::CreateCommandMap()
{
    using U = CCmdUI;
    CreateLayoutCommands();

    m_commands.On(Cmd::OutputWindow, [this] {
        ShowOutput(true);
        m_output->View(m_output->CurrentTab())->setFocus();
    });
    m_commands.On(Cmd::ProjectSpace, [this] { ActivatePane(m_projectPane->CurrentPane()); });
    m_commands.On(
        Cmd::ProjectViewMode,
        [this] {
            if (m_projectView)
                m_projectView->OnCommand(Cmd::ProjectViewMode);
        },
        [this](U &ui) {
            ui.Enable(m_projectView && m_projectView->IsCommandEnabled(Cmd::ProjectViewMode));
            // The menu's own mnemonic, whichever view it offers.
            if (m_projectView)
                ui.SetText(m_projectView->DisplayMode() == 1 ? QStringLiteral("F&ile View")
                                                             : QStringLiteral("&Class View"));
        });
    m_commands.On(
        Cmd::GoToDeclaration, [this] { GoToDeclaration(); },
        [this](U &ui) { ui.Enable(ActiveEditor() != nullptr); });
    m_commands.On(Cmd::ProjectTab, [this] { ActivatePane(CNewProjectView::ProjectPane); });

    auto hasWindows = [this](U &ui) { ui.Enable(!m_mdiArea->subWindowList().isEmpty()); };
    m_commands.On(
        Cmd::NextWindow, [this] { m_mdiArea->activateNextSubWindow(); }, hasWindows);
    m_commands.On(
        Cmd::WindowCascade, [this] { m_mdiArea->cascadeSubWindows(); }, hasWindows);
    m_commands.On(
        Cmd::WindowTileHorz, [this] { m_mdiArea->tileSubWindows(); }, hasWindows);
    m_commands.On(
        Cmd::WindowsList, [this] { m_menus->ShowWindowsList(); }, hasWindows);
    m_commands.On(
        Cmd::CloseAll, [this] { CloseAllEditors(); },
        [this](U &ui) { ui.Enable(!EditorWindows().isEmpty()); });
    m_commands.On(
        Cmd::SaveAll, [this] { SaveAll(); },
        [this](U &ui) {
            CJavaIDEApp *app = GetApp();
            const bool project =
                app && app->ProjectDoc() && app->ProjectDoc()->GetCurrentProject().IsOpen();
            ui.Enable(project || !EditorWindows().isEmpty());
        });
    // Until there is help to point at, say so rather than wait for a click
    // that would lead nowhere.
    m_commands.On(Cmd::ContextHelp, [] {
        Prompter().MessageBox(
            QStringLiteral("Context help is not available in this version of Mavu yet !!!"),
            CPrompter::Ok, CPrompter::Information);
    });
    // The compiler's errors in the Build tab, from wherever the focus is.
    for (int id : {Cmd::FindNextError, Cmd::FindPrevError}) {
        m_commands.On(
            id, [this, id] { m_output->BuildView()->OnCommand(id); },
            [this, id](U &ui) {
                bool enabled = false, checked = false;
                m_output->BuildView()->QueryCommand(id, &enabled, &checked);
                ui.Enable(enabled);
            });
    }
    // The package tree's commands, from the Tools menu too.
    const std::pair<int, CPackageView::Command> packageCommands[] = {
        {Cmd::PackageAddUpdate, CPackageView::AddUpdate},
        {Cmd::PackageFindClass, CPackageView::FindClass},
        {Cmd::PackageFindInterface, CPackageView::FindInterface},
    };
    for (const auto &[id, command] : packageCommands) {
        m_commands.On(
            id,
            [this, command] {
                ActivatePane(CNewProjectView::PackagePane);
                PackageView()->OnCommand(command);
            },
            [this](U &ui) { ui.Enable(m_packagesAttached); });
    }
    m_commands.On(
        Cmd::AddBean,
        [this] {
            ActivatePane(CNewProjectView::BeanPane);
            BeanView()->OnCommand(CBeanView::AddBean);
        },
        [this](U &ui) { ui.Enable(m_beansAttached); });
    // The word at the caret of the source editor, looked up in the
    // package database.
    m_commands.On(
        Cmd::LocateInPackages,
        [this] {
            CChildFrame *editor = ActiveEditor();
            QString word;
            if (!editor || !m_packagesAttached || !editor->View()->GetWordAtCursor(word))
                return;
            ActivatePane(CNewProjectView::PackagePane);
            PackageView()->Locate(word);
        },
        [this](U &ui) { ui.Enable(m_packagesAttached && ActiveEditor()); });
    m_commands.On(Cmd::AppExit, [this] { close(); });
}

// ---- command routing ----------------------------------------------------

CCommandTarget *CMainFrame::ActiveTarget() const
{
    // The window with the keyboard focus comes first (an editor, or a tree
    // that handles its own commands), else the active editor window.
    for (QWidget *w = QApplication::focusWidget(); w && w != this; w = w->parentWidget()) {
        if (auto *target = dynamic_cast<CCommandTarget *>(w))
            return target;
    }
    if (QMdiSubWindow *active = m_mdiArea ? m_mdiArea->activeSubWindow() : nullptr)
        return dynamic_cast<CCommandTarget *>(active);
    return nullptr;
}

void CMainFrame::ExecuteCommand(int id)
{
    RouteCommand({ActiveTarget(), this, GetApp()}, id);
    ScheduleCommandUI();
}

bool CMainFrame::OnCommand(int id)
{
    return m_commands.OnCommand(id);
}

bool CMainFrame::OnUpdateCommand(CCmdUI &ui)
{
    return m_commands.OnUpdateCommand(ui);
}

void CMainFrame::ScheduleCommandUI()
{
    if (m_updateTimer && !m_updateTimer->isActive())
        m_updateTimer->start();
}

void CMainFrame::UpdateCommandUI()
{
    if (!m_menus)
        return; // nothing to bring up to date before the frame is loaded
    CCommandTarget *active = ActiveTarget();
    CJavaIDEApp *app = GetApp();
    const QHash<int, QAction *> &actions = m_menus->Actions();
    for (auto it = actions.cbegin(); it != actions.cend(); ++it) {
        const CCmdUI ui = RouteUpdate({active, this, app}, it.key());
        QAction *action = it.value();
        action->setEnabled(ui.m_bEnabled);
        if (ui.m_checked) {
            action->setCheckable(true);
            action->setChecked(*ui.m_checked);
        }
        if (ui.m_text)
            action->setText(*ui.m_text);
    }
    const QList<QAction *> &recent = m_menus->RecentActions();
    for (int i = 0; i < recent.size(); ++i) {
        const CCmdUI ui = RouteUpdate({active, this, app}, Cmd::FileMruFirst + i);
        recent.at(i)->setEnabled(ui.m_bEnabled);
    }
}

QAction *CMainFrame::Action(int id) const
{
    return m_menus ? m_menus->Action(id) : nullptr;
}

void CMainFrame::RebuildRecentFilesMenu()
{
    if (m_menus)
        m_menus->RebuildRecentFiles();
}

// ---- panes ----------------------------------------------------------------

void CMainFrame::ActivatePane(int pane)
{
    if (!CNewProjectView::IsPane(pane))
        return;
    m_panes->RaiseProjectFrame();
    m_projectPane->ActivatePane(pane);
    if (QWidget *page = m_projectPane->Tabs()->currentWidget())
        page->setFocus();
}

void CMainFrame::ShowOutputTab(int tab)
{
    ShowOutput(true);
    if (tab == COutputPane::OutputTab || tab == COutputPane::BuildTab)
        m_output->ShowTab(tab);
}

void CMainFrame::ShowOutput(bool show)
{
    m_panes->ShowOutput(show);
}

void CMainFrame::SetOutputDocked(bool docked)
{
    m_panes->SetOutputDocked(docked);
}

void CMainFrame::SetProjectDocked(bool docked)
{
    m_panes->SetProjectDocked(docked);
}

void CMainFrame::SwapPanes()
{
    m_panes->SwapPanes();
}

void CMainFrame::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_panes)
        m_panes->OnShown();
}

// ---- layout ---------------------------------------------------------------

void CMainFrame::RestoreBars()
{
    m_panes->Restore();
}

void CMainFrame::SaveLayout(CSettingsStore &store)
{
    // A minimised window has no sizes worth keeping.
    if (isMinimized())
        return;
    m_panes->Save(store);
}

void CMainFrame::ToggleBar(QToolBar *bar)
{
    bar->setVisible(bar->isHidden());
    ScheduleCommandUI();
}

void CMainFrame::OnStartupComplete()
{
    ScheduleCommandUI();
}

// ---- editor windows -------------------------------------------------------

QList<CChildFrame *> CMainFrame::EditorWindows() const
{
    return m_editors ? m_editors->Windows() : QList<CChildFrame *>();
}

CChildFrame *CMainFrame::FindEditor(const QString &path) const
{
    return m_editors ? m_editors->Find(path) : nullptr;
}

CChildFrame *CMainFrame::ActiveEditor() const
{
    return m_editors ? m_editors->Active() : nullptr;
}

CChildFrame *CMainFrame::OpenEditor(const QString &path)
{
    if (CChildFrame *open = m_editors->Activate(path))
        return open;
    auto *child = new CChildFrame;
    if (!child->OpenDocument(path)) {
        delete child;
        return nullptr;
    }
    AddEditorWindow(child);
    return child;
}

CChildFrame *CMainFrame::ShowDebuggerLine(const QString &path, int line)
{
    // One place in the program is where execution stopped: the mark leaves
    // every other window.
    CChildFrame *child = OpenEditor(path);
    for (CChildFrame *editor : EditorWindows()) {
        if (editor != child)
            editor->View()->ClearDebugLine();
    }
    if (child)
        child->View()->SetDebugLine(line);
    return child;
}

void CMainFrame::ClearDebuggerLine()
{
    for (CChildFrame *editor : EditorWindows())
        editor->View()->ClearDebugLine();
}

void CMainFrame::ShowProjectBreakpoints()
{
    for (CChildFrame *editor : EditorWindows())
        editor->ShowProjectBreakpoints();
}

CChildFrame *CMainFrame::NewEditor()
{
    auto *child = new CChildFrame;
    AddEditorWindow(child);
    return child;
}

void CMainFrame::AddEditorWindow(CChildFrame *child)
{
    connect(child, &CChildFrame::caretMoved, this, [this, child](int line, int column) {
        if (ActiveEditor() == child)
            SetPaneText(1, QStringLiteral("Ln %1 Col %2").arg(line).arg(column));
    });
    connect(child, &CChildFrame::stateChanged, this, [this, child] {
        if (ActiveEditor() == child)
            OnSubWindowActivated(child);
        ScheduleCommandUI();
    });
    // Elements dragged from the class view write code into the editor.
    new CClassWizardDrop(child->View(), [this] { return WizardLookup(); });
    connect(child, &CChildFrame::saved, this, [this](const QString &path) {
        // A saved source is parsed again: the class view shows what it
        // declares now.
        if (m_projectView && path.endsWith(QLatin1String(".java"), Qt::CaseInsensitive))
            m_projectView->OnFileParsed(path);
    });
    m_editors->Place(child);
    emit editorWindowAdded(child);
}

QMenu *CMainFrame::CreateEditorOverrideMenu(CChildFrame *child, QWidget *parent)
{
    CJavaIDEApp *app = GetApp();
    if (!app || !child)
        return nullptr;
    // The text as it is now says which class the caret is in.
    std::unique_ptr<CFileObject> parsed(CJavaParser::ParseEditorText(child->View()->text()));
    const CVarContainer *type =
        parsed ? parsed->FindClassAtLine(child->View()->CaretLine()) : nullptr;
    if (!type || !type->IsClass() || type->m_baseName.isEmpty())
        return nullptr;
    const CClassLookup *lookup = WizardLookup();
    const CVarContainer *base = lookup ? lookup->FindClassByName(type->m_baseName) : nullptr;
    QPointer<CChildFrame> target(child);
    // On the declaration's own line the method would land above the class:
    // it goes in after the line that opens the class, before the one that
    // closes it.
    const int first = type->m_startLine + 1;
    const int last = std::max(first, type->m_endLine);
    return CreateOverrideMenu(base, base ? ApiPageText(*app, *base) : QString(), parent,
                              [this, target, base, first, last](const CVarMethodDecl *method) {
                                  if (!target)
                                      return;
                                  CEditorWizardTarget editor(target->View());
                                  CClassWizard::DropMethod(
                                      editor, std::clamp(target->View()->CaretLine(), first, last),
                                      *method, *base, WizardLookup());
                              });
}

const CClassLookup *CMainFrame::WizardLookup()
{
    CJavaIDEApp *app = GetApp();
    if (!app)
        return nullptr;
    if (!app->ProjectDoc() || !app->ProjectDoc()->GetCurrentProject().IsOpen())
        return app->PkgDoc();
    m_classLookup = std::make_unique<CProjectClassLookup>(app->ProjectDoc()->GetCurrentProject(),
                                                          app->PkgDoc());
    return m_classLookup.get();
}

QString CMainFrame::ApiPageText(CJavaIDEApp &app, const CVarContainer &type)
{
    const QString docDir = app.Directories().m_apiDocPath;
    if (docDir.isEmpty())
        return QString();
    QString packageName;
    if (CPkgDoc *pkg = app.PkgDoc()) {
        if (const CPackageObject *package = pkg->FindPackageOf(type))
            packageName = package->m_packageName;
    }
    QString path = COverrideList::ApiPagePath(docDir, packageName, type.m_name);
    if (!QFileInfo::exists(path) && !packageName.isEmpty()) {
        // Today's JDK documentation: a folder per module, then the package
        // as folders.
        const QString rel = QString(packageName).replace(QLatin1Char('.'), QLatin1Char('/')) +
                            QLatin1Char('/') + type.m_name + QLatin1String(".html");
        const QDir dir(docDir);
        for (const QString &module : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (QFileInfo::exists(dir.filePath(module + QLatin1Char('/') + rel))) {
                path = dir.filePath(module + QLatin1Char('/') + rel);
                break;
            }
        }
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

bool CMainFrame::GoToDeclaration()
{
    CChildFrame *child = ActiveEditor();
    CJavaIDEApp *app = GetApp();
    if (!child || !app || !app->ProjectDoc())
        return false;
    int line = 0;
    int index = 0;
    child->View()->getCursorPosition(&line, &index);
    const QString word = child->View()->wordAtLineIndex(line, index);
    CProject &project = app->ProjectDoc()->GetCurrentProject();
    QString path;
    int declLine = 0;
    if (word.isEmpty() || !project.IsOpen() ||
        !CProjectClassLookup(project).FindDeclaration(word, &path, &declLine)) {
        statusBar()->showMessage(QStringLiteral("No declaration of %1 found").arg(word));
        return false;
    }
    return OpenSourceAt(path, declLine) != nullptr;
}

CChildFrame *CMainFrame::OpenSourceAt(const QString &path, int line)
{
    CChildFrame *child = OpenEditor(path);
    if (!child)
        return nullptr;
    CHueditView *view = child->View();
    if (line >= 1 && line <= view->lines()) {
        view->setCursorPosition(line - 1, 0);
        view->ensureLineVisible(line - 1);
    }
    m_mdiArea->setActiveSubWindow(child);
    child->raise();
    view->setFocus();
    return child;
}

QWidget *CMainFrame::OutputArea() const
{
    return m_output;
}

void CMainFrame::OnSubWindowActivated(QMdiSubWindow *window)
{
    auto *child = qobject_cast<CChildFrame *>(window);
    if (child) {
        const CLanguage *lang = child->View()->GetLanguage();
        QString language = QStringLiteral("Text");
        if (lang == &CLanguage::m_JavaLanguage)
            language = QStringLiteral("Java");
        else if (lang == &CLanguage::m_HTMLLanguage)
            language = QStringLiteral("HTML");
        else if (lang == &CLanguage::m_CPPLanguage)
            language = QStringLiteral("C++");
        int line = 0, index = 0;
        child->View()->getCursorPosition(&line, &index);
        SetPaneText(1, QStringLiteral("Ln %1 Col %2").arg(line + 1).arg(index + 1));
        SetPaneText(2, child->View()->overwriteMode() ? QStringLiteral("OVR") : QString());
        SetPaneText(3, child->IsReadOnly() ? QStringLiteral("READ") : QString());
        SetPaneText(4, language);
        SetPaneText(5, child->Document().GetEncoding() == CJavaIDEDoc::Latin1
                           ? QStringLiteral("Latin-1")
                           : QStringLiteral("UTF-8"));
    } else if (!ActiveEditor()) {
        for (int pane = 1; pane <= 5; ++pane)
            SetPaneText(pane, QString());
    }
    if (CJavaIDEApp *app = GetApp(); app && child)
        app->OnEditorActivated(child->GetPathName());
    ScheduleCommandUI();
}

bool CMainFrame::CloseAllEditors()
{
    return !m_editors || m_editors->CloseAll();
}

bool CMainFrame::SaveAll()
{
    bool ok = !m_editors || m_editors->SaveModified();
    CJavaIDEApp *app = GetApp();
    if (app && app->ProjectDoc()) {
        CProject &project = app->ProjectDoc()->GetCurrentProject();
        if (project.IsOpen() && project.IsModified())
            ok = project.Save() && ok;
    }
    ScheduleCommandUI();
    return ok;
}

// ---- exit -----------------------------------------------------------------

bool CMainFrame::AskRunningActivities()
{
    if (!m_activity)
        return true;
    struct Row
    {
        CActivityMonitor::Activity activity;
        const char *question;
    };
    static const Row kRows[] = {
        {CActivityMonitor::Compile, "Compile is in progress. Select Yes to exit."},
        {CActivityMonitor::Javadoc, "Javadoc is in progress. Select Yes to exit."},
        {CActivityMonitor::Application,
         "Application is running. Select Yes to Stop the app and exit."},
        {CActivityMonitor::Debugger,
         "Mavu Debugger is running. Select Yes to Stop the debugger and exit."},
    };
    for (const Row &row : kRows) {
        if (!m_activity->IsRunning(row.activity))
            continue;
        if (!Prompter().AskYesNo(QString::fromLatin1(row.question), true))
            return false;
        m_activity->SetExiting();
        m_activity->Stop(row.activity);
    }
    return true;
}

bool CMainFrame::OnClose()
{
    CJavaIDEApp *app = GetApp();
    // The open project is remembered for the next start and closed, which
    // may ask to save it; Cancel there keeps everything running.
    if (app && app->ProjectDoc()) {
        CProjectDoc &workspace = *app->ProjectDoc();
        if (workspace.GetCurrentProject().IsOpen()) {
            const QString path = workspace.GetActiveProjectPath();
            app->Directories().m_lastProject = path;
            app->Settings().WriteProfileString(QStringLiteral("Mavu"), QStringLiteral("Project"),
                                               path);
            if (!workspace.CloseCurrentProject())
                return false;
        }
        if (workspace.IsModified())
            workspace.Save();
    }
    return FinishExit();
}

bool CMainFrame::FinishExit()
{
    if (!AskRunningActivities())
        return false;
    if (m_activity)
        m_activity->WaitForIndexLoaders();
    if (CJavaIDEApp *app = GetApp()) {
        SaveLayout(app->Settings());
        app->SaveSettings();
    }
    // Last, as closing any main window does: unsaved editor windows.
    for (CChildFrame *child : EditorWindows()) {
        if (!child->SaveModified())
            return false;
    }
    return true;
}

bool CMainFrame::OnQueryEndSession()
{
    if (isMinimized())
        showNormal();
    return FinishExit();
}

void CMainFrame::OnCommitDataRequest(QSessionManager &manager)
{
    if (!manager.allowsInteraction()) {
        // No questions may be asked: keep what can be kept without them.
        if (CJavaIDEApp *app = GetApp()) {
            SaveLayout(app->Settings());
            app->SaveSettings();
        }
        return;
    }
    const bool agreed = OnQueryEndSession();
    manager.release();
    if (!agreed)
        manager.cancel();
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    if (m_closing || OnClose()) {
        m_closing = true;
        event->accept();
    } else {
        event->ignore();
    }
}

void CMainFrame::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent *event)
{
    CJavaIDEApp *app = GetApp();
    if (!app)
        return;
    for (const QUrl &url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            app->OpenDocumentFile(url.toLocalFile());
    }
    event->acceptProposedAction();
}
