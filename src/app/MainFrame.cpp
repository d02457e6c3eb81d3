#include "app/MainFrame.h"

#include "app/BuddyWnd.h"
#include "app/ChildFrame.h"
#include "app/ClassWizardDrop.h"
#include "app/CommandTable.h"
#include "app/CommandUIIdle.h"
#include "app/EditorWindowList.h"
#include "app/EditorWizardTarget.h"
#include "app/JavaIDEApp.h"
#include "app/NewProjectView.h"
#include "app/OutputPane.h"
#include "app/ProjectViewChooser.h"
#include "app/RecentFileList.h"
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
#include "project/ProjectFramePlacement.h"
#include "project/ProjectView.h"
#include "tools/Command.h"
#include "tools/CommandsDoc.h"
#include "tools/OutputWnd.h"
#include "tree/ThemeIcon.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSessionManager>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {

Qt::ToolBarArea AreaOf(int dock)
{
    switch (dock) {
    case CBarLayout::DockLeft:
        return Qt::LeftToolBarArea;
    case CBarLayout::DockRight:
        return Qt::RightToolBarArea;
    case CBarLayout::DockBottom:
        return Qt::BottomToolBarArea;
    default:
        return Qt::TopToolBarArea;
    }
}

int DockOf(Qt::ToolBarArea area)
{
    switch (area) {
    case Qt::LeftToolBarArea:
        return CBarLayout::DockLeft;
    case Qt::RightToolBarArea:
        return CBarLayout::DockRight;
    case Qt::BottomToolBarArea:
        return CBarLayout::DockBottom;
    default:
        return CBarLayout::DockTop;
    }
}

QIcon CommandIcon(const CCommandDef &def)
{
    if (!def.iconName && def.fallbackIcon == QStyle::SP_CustomBase)
        return QIcon();
    return ThemeIcon(def.iconName, def.fallbackIcon);
}

QString PlainTitle(const QMdiSubWindow *window)
{
    QString title = window->windowTitle();
    title.replace(QStringLiteral("[*]"),
                  window->isWindowModified() ? QStringLiteral("*") : QString());
    return title;
}

} // namespace

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
    // The panes may sit in floating windows of the editor area; they are
    // children of this window either way and go with it.
    if (m_projectFrame)
        m_projectFrame->removeEventFilter(this);
    if (m_outputFrame)
        m_outputFrame->removeEventFilter(this);
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
    CreateActions();
    CreateMenus();
    m_mainBar =
        CreateBar(QStringLiteral("ToolBar"), QStringLiteral("Toolbar"), CommandTable::MainBar());
    m_debugBar = CreateBar(QStringLiteral("DebugBar"), QStringLiteral("Debug Bar"),
                           CommandTable::DebugBar());
    m_browserBar = CreateBar(QStringLiteral("BrowserBar"), QStringLiteral("Browser Bar"),
                             CommandTable::BrowserBar());
    CreateStatusBar();
    CreateCommandMap();
    if (!m_mainBar || !m_debugBar || !m_browserBar || !m_outputSplitter)
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
    m_outputSplitter = new QSplitter(Qt::Vertical, this);
    m_outputSplitter->setObjectName(QStringLiteral("OutputSplitter"));
    m_outputSplitter->setChildrenCollapsible(false);
    m_paneSplitter = new QSplitter(Qt::Horizontal, m_outputSplitter);
    m_paneSplitter->setObjectName(QStringLiteral("PaneSplitter"));
    m_paneSplitter->setChildrenCollapsible(false);

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
    m_paneSplitter->addWidget(m_projectPane);
    m_paneSplitter->addWidget(m_buddy);
    // A wider window gives its room to the editors.
    m_paneSplitter->setStretchFactor(0, 0);
    m_paneSplitter->setStretchFactor(1, 1);

    m_output = new COutputPane;
    for (int tab : {COutputPane::OutputTab, COutputPane::BuildTab}) {
        COutputWnd *view = m_output->View(tab);
        connect(view, &CProcOutputView::caretReported, this,
                [this](const QString &text) { SetPaneText(1, text); });
        connect(view, &COutputWnd::openSourceRequested, this, &CMainFrame::OpenSourceAt);
    }

    m_outputSplitter->addWidget(m_paneSplitter);
    m_outputSplitter->addWidget(m_output);
    m_outputSplitter->setStretchFactor(0, 1);
    m_outputSplitter->setStretchFactor(1, 0);
    setCentralWidget(m_outputSplitter);

    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::OnSubWindowActivated);
}

void CMainFrame::CreateActions()
{
    for (const CCommandDef &def : CommandTable::Commands()) {
        auto *action = new QAction(QString::fromUtf8(def.text), this);
        action->setObjectName(QStringLiteral("cmd%1").arg(def.id));
        action->setData(def.id);
        action->setStatusTip(QString::fromUtf8(def.tip));
        action->setToolTip(QString::fromUtf8(def.tip));
        action->setIcon(CommandIcon(def));
        action->setIconVisibleInMenu(false);
        action->setShortcuts(CommandTable::Shortcuts(def));
        action->setEnabled(false);
        if (def.id == Cmd::AppExit)
            action->setMenuRole(QAction::QuitRole);
        else if (def.id == Cmd::AppAbout)
            action->setMenuRole(QAction::AboutRole);
        else
            action->setMenuRole(QAction::NoRole);
        const int id = def.id;
        connect(action, &QAction::triggered, this, [this, id] { ExecuteCommand(id); });
        addAction(action); // shortcuts work while the menus are closed
        m_actions.insert(id, action);
    }
    for (int id : {int(Cmd::ToggleOutput), int(Cmd::ViewToolBar), int(Cmd::ToggleDebugBar),
                   int(Cmd::ToggleBrowserBar), int(Cmd::ViewStatusBar)})
        m_actions.value(id)->setCheckable(true);
}

void CMainFrame::CreateMenus()
{
    for (const CMenuDef &def : CommandTable::Menus()) {
        QMenu *menu = menuBar()->addMenu(QString::fromUtf8(def.title));
        m_menus << menu;
        for (int item : def.items) {
            switch (item) {
            case CMenuDef::Separator:
                menu->addSeparator();
                break;
            case CMenuDef::RecentFiles:
                m_fileMenu = menu;
                m_recentAnchor = menu->addSeparator();
                break;
            case CMenuDef::WindowList:
                m_windowMenu = menu;
                break;
            default:
                if (QAction *action = m_actions.value(item))
                    menu->addAction(action);
                if (item == Cmd::CustomCommand)
                    m_userCommandsMenu = menu;
            }
        }
        connect(menu, &QMenu::aboutToShow, this, [this, menu] {
            if (menu == m_windowMenu)
                RebuildWindowMenu();
            if (menu == m_userCommandsMenu)
                RebuildUserCommandsMenu();
            UpdateMenu(menu);
            SetStatusPanesShown(false);
        });
        connect(menu, &QMenu::aboutToHide, this, [this] { SetStatusPanesShown(true); });
    }
    RebuildRecentFilesMenu();
}

QToolBar *CMainFrame::CreateBar(const QString &name, const QString &title, const QList<int> &ids)
{
    auto *bar = new QToolBar(title, this);
    bar->setObjectName(name);
    bar->setIconSize(QSize(16, 16));
    for (int id : ids) {
        if (id == 0)
            bar->addSeparator();
        else if (QAction *action = m_actions.value(id))
            bar->addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, bar);
    return bar;
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
    if (!app || !app->PkgDoc() || m_packageView)
        return;
    m_introspector = std::make_unique<CClassDumper>(CClassDumper::ClassKind);
    m_packageView = new CPackageView(*app->PkgDoc(), *m_introspector);
    m_packageView->m_onActivate = [app](const CVarContainer &element,
                                        const CPackageObject &package) {
        const CIDEDirectories &dirs = app->Directories();
        const QString path = app->PkgDoc()->FindSourceFile(
            element, package, dirs.m_sourcePath,
            dirs.m_pkgSourcePath.split(QDir::listSeparator(), Qt::SkipEmptyParts));
        if (!path.isEmpty() && QFileInfo(path).isFile())
            app->OpenDocumentFile(path);
    };
    m_packageView->m_prepareClassDumper = [app](CClassDumper &introspector) {
        const QString exeDir = app->Directories().m_exePath;
        introspector.SetJava(exeDir.isEmpty() ? QString()
                                              : QDir(exeDir).filePath(QStringLiteral("java")));
        const QString own = app->OwnClassesDir();
        introspector.SetOwnClassesZip(
            own.isEmpty() ? QString() : QDir(own).filePath(QStringLiteral("classes.zip")));
    };
    m_projectPane->SetPaneView(CNewProjectView::PackagePane, m_packageView);
}

void CMainFrame::CreateCommandMap()
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
        Cmd::WindowsList, [this] { ShowWindowsList(); }, hasWindows);
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
                m_packageView->OnCommand(command);
            },
            [this](U &ui) { ui.Enable(m_packageView != nullptr); });
    }
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
    CCommandTarget *active = ActiveTarget();
    CJavaIDEApp *app = GetApp();
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
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
    for (int i = 0; i < m_recentActions.size(); ++i) {
        const CCmdUI ui = RouteUpdate({active, this, app}, Cmd::FileMruFirst + i);
        m_recentActions.at(i)->setEnabled(ui.m_bEnabled);
    }
}

void CMainFrame::UpdateMenu(QMenu *menu)
{
    Q_UNUSED(menu);
    // Menus are few and small: bring every command up to date, so that the
    // toolbar agrees with what the menu shows.
    UpdateCommandUI();
}

void CMainFrame::RebuildUserCommandsMenu()
{
    qDeleteAll(m_userCommandActions);
    m_userCommandActions.clear();
    CJavaIDEApp *app = GetApp();
    if (!m_userCommandsMenu || !app)
        return;
    const QList<CCommand *> commands = app->UserCommands().BuildMenu(CCommandsDoc::MainMenu);
    if (commands.isEmpty())
        return;
    m_userCommandActions << m_userCommandsMenu->addSeparator();
    for (const CCommand *cmd : commands) {
        QAction *action = m_userCommandsMenu->addAction(cmd->m_strMenuName);
        const int id = cmd->MenuId();
        action->setData(id);
        action->setObjectName(QStringLiteral("cmd%1").arg(id));
        connect(action, &QAction::triggered, this, [this, id] { ExecuteCommand(id); });
        m_userCommandActions << action;
    }
}

void CMainFrame::RebuildRecentFilesMenu()
{
    if (!m_fileMenu || !m_recentAnchor)
        return;
    qDeleteAll(m_recentActions);
    m_recentActions.clear();
    CJavaIDEApp *app = GetApp();
    const CRecentFileList *list = app ? &app->RecentFiles() : nullptr;
    const int count = list ? int(list->Files().size()) : 0;
    for (int i = 0; i < count; ++i) {
        auto *action = new QAction(list->MenuText(i), m_fileMenu);
        action->setStatusTip(list->Files().at(i));
        const int id = Cmd::FileMruFirst + i;
        connect(action, &QAction::triggered, this, [this, id] { ExecuteCommand(id); });
        m_fileMenu->insertAction(m_recentAnchor, action);
        m_recentActions << action;
    }
    if (count == 0) {
        auto *none = new QAction(QStringLiteral("Recent File"), m_fileMenu);
        none->setEnabled(false);
        m_fileMenu->insertAction(m_recentAnchor, none);
        m_recentActions << none;
    }
}

void CMainFrame::RebuildWindowMenu()
{
    if (!m_windowMenu)
        return;
    qDeleteAll(m_windowActions);
    m_windowActions.clear();
    const QList<QMdiSubWindow *> windows = m_mdiArea->subWindowList();
    QMdiSubWindow *active = m_mdiArea->activeSubWindow();
    for (int i = 0; i < windows.size() && i < 9; ++i) {
        QMdiSubWindow *window = windows.at(i);
        auto *action = m_windowMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            PlainTitle(window).replace(QLatin1Char('&'), QStringLiteral("&&"))));
        action->setCheckable(true);
        action->setChecked(window == active);
        connect(action, &QAction::triggered, this, [this, window = QPointer(window)] {
            if (window) {
                window->show();
                m_mdiArea->setActiveSubWindow(window);
            }
        });
        m_windowActions << action;
    }
}

void CMainFrame::ShowWindowsList()
{
    QDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("Windows"));
    auto *list = new QListWidget(&dialog);
    const QList<QMdiSubWindow *> windows = m_mdiArea->subWindowList();
    for (QMdiSubWindow *window : windows)
        list->addItem(PlainTitle(window));
    list->setCurrentRow(int(windows.indexOf(m_mdiArea->activeSubWindow())));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(list);
    layout->addWidget(buttons);
    CJavaIDEApp *app = GetApp();
    const int result = app ? app->RunDialog(dialog) : dialog.exec();
    const int row = list->currentRow();
    if (result == QDialog::Accepted && row >= 0 && row < windows.size()) {
        windows.at(row)->show();
        m_mdiArea->setActiveSubWindow(windows.at(row));
    }
}

// ---- panes ----------------------------------------------------------------

void CMainFrame::ActivatePane(int pane)
{
    if (!CNewProjectView::IsPane(pane))
        return;
    if (!m_layout.m_project && m_projectFrame) {
        m_projectFrame->show();
        m_mdiArea->setActiveSubWindow(m_projectFrame);
    }
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
    m_layout.m_output = show;
    PlaceOutput();
    ScheduleCommandUI();
}

void CMainFrame::SetOutputDocked(bool docked)
{
    if (m_layout.m_dockOutput == docked)
        return;
    m_layout.m_dockOutput = docked;
    PlaceOutput();
    ScheduleCommandUI();
}

void CMainFrame::SetProjectDocked(bool docked)
{
    if (m_layout.m_project == docked)
        return;
    m_layout.m_project = docked;
    PlaceProjectPane();
    ScheduleCommandUI();
}

void CMainFrame::SwapPanes()
{
    if (!m_layout.m_project)
        return;
    // The project pane keeps its width on the other side.
    const QList<int> sizes = m_paneSplitter->sizes();
    m_layout.SwapPanes();
    m_paneSplitter->insertWidget(m_layout.m_projectPane, m_projectPane);
    if (sizes.size() == 2)
        m_paneSplitter->setSizes({sizes.at(1), sizes.at(0)});
    ScheduleCommandUI();
}

// A floating pane lives in an MDI window of its own; the frame watches it
// so that closing the window does not lose the pane (see eventFilter).
QMdiSubWindow *CMainFrame::NewPaneFrame(const QString &name, const QString &title, QWidget *pane)
{
    auto *frame = new QMdiSubWindow;
    frame->setObjectName(name);
    frame->setWindowTitle(title);
    frame->setWidget(pane);
    CChildFrame::ReleaseCloseShortcut(frame);
    m_mdiArea->addSubWindow(frame);
    frame->installEventFilter(this);
    return frame;
}

// The pane is taken out first: it goes back into the main window.
void CMainFrame::DeletePaneFrame(QMdiSubWindow *frame)
{
    frame->removeEventFilter(this);
    frame->setWidget(nullptr);
    m_mdiArea->removeSubWindow(frame);
    delete frame;
}

void CMainFrame::PlaceProjectPane()
{
    CJavaIDEApp *app = GetApp();
    if (m_layout.m_project) {
        if (m_projectFrame) {
            if (app) {
                CProjectFramePlacement placement;
                const QRect g = m_projectFrame->geometry();
                placement.Save(app->Settings(), g.x(), g.y(), g.width(), g.height(),
                               m_projectFrame->isMaximized(), m_projectFrame->isMinimized());
            }
            DeletePaneFrame(m_projectFrame);
        }
        m_paneSplitter->insertWidget(m_layout.m_projectPane, m_projectPane);
        m_projectPane->show();
        return;
    }
    if (m_projectFrame)
        return;
    QMdiSubWindow *frame =
        NewPaneFrame(QStringLiteral("ProjectFrame"), QStringLiteral("Project"), m_projectPane);
    frame->setWindowIcon(windowIcon());
    CProjectFramePlacement placement;
    if (app)
        placement.Load(app->Settings());
    // The editor area is never larger than the main window.
    placement.ClampTo(m_layout.m_mainSizeX, m_layout.m_mainSizeY);
    if (placement.HasStoredGeometry())
        frame->setGeometry(placement.m_nOrigX, placement.m_nOrigY, placement.m_nWidth,
                           placement.m_nHeight);
    else
        frame->resize(qMax(200, m_layout.ProjectWidth(m_mdiArea->width())), 400);
    m_projectFrame = frame;
    if (placement.m_nMaximize)
        frame->showMaximized();
    else
        frame->show();
    m_projectPane->show();
}

void CMainFrame::PlaceOutput()
{
    if (m_layout.m_dockOutput) {
        if (m_outputFrame) {
            DeletePaneFrame(m_outputFrame);
        }
        if (m_output->parentWidget() != m_outputSplitter)
            m_outputSplitter->addWidget(m_output);
        m_output->setVisible(m_layout.m_output);
        if (m_layout.m_output) {
            // A row that was never shown gets a quarter of the height.
            const QList<int> sizes = m_outputSplitter->sizes();
            if (sizes.size() == 2 && sizes.at(1) == 0) {
                const int total = qMax(sizes.at(0), 100);
                const int row = m_layout.m_split1Y2 > 0 ? m_layout.m_split1Y2 : total / 4;
                m_outputSplitter->setSizes({qMax(total - row, 50), row});
            }
        }
        return;
    }
    if (!m_outputFrame) {
        m_outputFrame =
            NewPaneFrame(QStringLiteral("OutputFrame"), QStringLiteral("Output Window"), m_output);
        m_outputFrame->resize(qMax(300, m_mdiArea->width() * 2 / 3),
                              qMax(150, m_mdiArea->height() / 3));
    }
    m_output->show();
    m_outputFrame->setVisible(m_layout.m_output);
    if (m_layout.m_output)
        m_mdiArea->setActiveSubWindow(m_outputFrame);
}

bool CMainFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close) {
        // Closing a floating pane's window does not lose the pane: the
        // output window is hidden (Toggle Output brings it back), the
        // project pane goes back beside the editors.
        if (watched == m_outputFrame) {
            event->ignore();
            ShowOutput(false);
            return true;
        }
        if (watched == m_projectFrame) {
            event->ignore();
            QTimer::singleShot(0, this, [this] { SetProjectDocked(true); });
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::ApplySplitterSizes()
{
    const int width =
        m_outputSplitter->width() > 1 ? m_outputSplitter->width() : m_layout.m_mainSizeX;
    if (m_layout.m_project) {
        QList<int> sizes(2);
        sizes[m_layout.m_projectPane] = m_layout.ProjectWidth(width);
        sizes[m_layout.m_editorPane] = m_layout.EditorWidth(width);
        m_paneSplitter->setSizes(sizes);
    }
    if (m_layout.m_dockOutput && m_layout.m_output) {
        const int height =
            m_outputSplitter->height() > 1 ? m_outputSplitter->height() : m_layout.m_mainSizeY;
        const int row = m_layout.m_split1Y2 > 0 ? m_layout.m_split1Y2 : height / 4;
        m_outputSplitter->setSizes({m_layout.m_split1Y1, row});
    }
}

void CMainFrame::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_sizesApplied) {
        // Only now do the splitters know the room they have, which the
        // rules for unset widths need.
        m_sizesApplied = true;
        ApplySplitterSizes();
    }
}

// ---- layout ---------------------------------------------------------------

void CMainFrame::RestoreBars()
{
    if (m_layout.m_projectPane != 0)
        m_paneSplitter->insertWidget(m_layout.m_projectPane, m_projectPane);
    PlaceProjectPane();
    PlaceOutput();
    ApplySplitterSizes();
    statusBar()->setVisible(m_layout.m_statusBar);

    // Docked bars are added side by side in the order they stood, with a
    // new row where they stood on different rows.
    struct Entry
    {
        QToolBar *bar;
        const CBarLayout *layout;
    };
    QList<Entry> entries = {{m_mainBar, &m_layout.m_toolBar},
                            {m_debugBar, &m_layout.m_debugBar},
                            {m_browserBar, &m_layout.m_browserBar}};
    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        const QRect &ra = a.layout->m_rect;
        const QRect &rb = b.layout->m_rect;
        return ra.top() != rb.top() ? ra.top() < rb.top() : ra.left() < rb.left();
    });
    QHash<int, const CBarLayout *> lastInArea;
    for (const Entry &e : entries) {
        if (!e.layout->m_float) {
            const CBarLayout *previous = lastInArea.value(e.layout->m_dock);
            const bool vertical = e.layout->m_dock == CBarLayout::DockLeft ||
                                  e.layout->m_dock == CBarLayout::DockRight;
            if (previous) {
                const bool newRow = vertical ? previous->m_rect.left() != e.layout->m_rect.left()
                                             : previous->m_rect.top() != e.layout->m_rect.top();
                if (newRow)
                    addToolBarBreak(AreaOf(e.layout->m_dock));
            }
            lastInArea.insert(e.layout->m_dock, e.layout);
        }
        RestoreBar(e.bar, *e.layout);
    }
}

void CMainFrame::RestoreBar(QToolBar *bar, const CBarLayout &layout)
{
    if (layout.m_float) {
        FloatBar(bar, layout.m_rect.topLeft());
    } else {
        if (bar->isFloating())
            bar->setWindowFlags(Qt::Widget);
        addToolBar(AreaOf(layout.m_dock), bar);
    }
    bar->setVisible(layout.m_display);
}

void CMainFrame::FloatBar(QToolBar *bar, const QPoint &pos)
{
    // What a toolbar becomes when the user drags it off its dock: a small
    // tool window of its own that the main window's layout leaves out.
    bar->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    bar->adjustSize();
    bar->move(pos);
}

void CMainFrame::ReadBar(QToolBar *bar, CBarLayout &layout) const
{
    layout.m_display = !bar->isHidden();
    layout.m_float = bar->isFloating();
    if (!layout.m_float)
        layout.m_dock = DockOf(toolBarArea(bar));
    layout.m_rect =
        layout.m_float ? bar->frameGeometry() : QRect(bar->mapToGlobal(QPoint(0, 0)), bar->size());
}

void CMainFrame::CaptureLayout()
{
    m_layout.m_mainOrigX = pos().x();
    m_layout.m_mainOrigY = pos().y();
    m_layout.m_mainSizeX = width();
    m_layout.m_mainSizeY = height();
    // A pane that is not in its splitter keeps the size it had there.
    const QList<int> rows = m_outputSplitter->sizes();
    if (rows.size() == 2) {
        m_layout.m_split1Y1 = rows.at(0);
        if (m_layout.m_dockOutput && m_layout.m_output && rows.at(1) > 0)
            m_layout.m_split1Y2 = rows.at(1);
    }
    if (m_layout.m_project) {
        const QList<int> columns = m_paneSplitter->sizes();
        if (columns.size() == 2) {
            m_layout.m_split2X1 = columns.at(m_layout.m_projectPane);
            m_layout.m_split2X2 = columns.at(m_layout.m_editorPane);
        }
    }
    m_layout.m_statusBar = !statusBar()->isHidden();
    ReadBar(m_mainBar, m_layout.m_toolBar);
    ReadBar(m_debugBar, m_layout.m_debugBar);
    ReadBar(m_browserBar, m_layout.m_browserBar);
}

void CMainFrame::SaveLayout(CSettingsStore &store)
{
    // A minimised window has no sizes worth keeping.
    if (isMinimized())
        return;
    CaptureLayout();
    m_layout.Save(store);
    if (m_projectFrame) {
        CProjectFramePlacement placement;
        const QRect g = m_projectFrame->geometry();
        placement.Save(store, g.x(), g.y(), g.width(), g.height(), m_projectFrame->isMaximized(),
                       m_projectFrame->isMinimized());
    }
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
    auto *menu = new QMenu(QStringLiteral("Override"), parent);
    menu->setObjectName(QStringLiteral("Override"));
    if (!base) {
        menu->addAction(QStringLiteral("none"))->setEnabled(false);
        return menu;
    }
    const QString page = ApiPageText(*app, *base);
    QPointer<CChildFrame> target(child);
    // On the declaration's own line the method would land above the class:
    // it goes in after the line that opens the class, before the one that
    // closes it.
    const int first = type->m_startLine + 1;
    const int last = std::max(first, type->m_endLine);
    for (const COverrideList::Entry &entry : COverrideList::Build(*base, page, !page.isEmpty())) {
        QAction *action = menu->addAction(entry.text);
        if (!entry.method) {
            action->setEnabled(false);
            continue;
        }
        action->setStatusTip(entry.description);
        const CVarMethodDecl *method = entry.method;
        connect(action, &QAction::triggered, this, [this, target, method, base, first, last] {
            if (!target)
                return;
            CEditorWizardTarget editor(target->View());
            CClassWizard::DropMethod(editor, std::clamp(target->View()->CaretLine(), first, last),
                                     *method, *base, WizardLookup());
        });
    }
    return menu;
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
    if (!AskRunningActivities())
        return false;
    if (m_activity)
        m_activity->WaitForIndexLoaders();
    if (app) {
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
    if (!AskRunningActivities())
        return false;
    if (m_activity)
        m_activity->WaitForIndexLoaders();
    if (CJavaIDEApp *app = GetApp()) {
        SaveLayout(app->Settings());
        app->SaveSettings();
    }
    for (CChildFrame *child : EditorWindows()) {
        if (!child->SaveModified())
            return false;
    }
    return true;
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
