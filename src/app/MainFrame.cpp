#include "app/MainFrame.h"

#include "app/JavaIDEApp.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>

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
    if (m_prompterInstalled)
        SetPrompter(m_previousPrompter);
}

bool CMainFrame::LoadFrame()
{
    setWindowIcon(CJavaIDEApp::ProgramIcon());
    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("MdiArea"));
    setCentralWidget(m_mdiArea);
    CreateMenus();
    statusBar()->showMessage(QStringLiteral("Ready"));
    resize(1000, 700);
    return true;
}

void CMainFrame::CreateMenus()
{
    CJavaIDEApp *app = GetApp();

    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction *exit = file->addAction(QStringLiteral("E&xit"));
    exit->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_F4), QKeySequence::Quit});
    exit->setMenuRole(QAction::QuitRole);
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    QAction *keyboard = help->addAction(QStringLiteral("&Keyboard Shortcuts"));
    QAction *tip = help->addAction(QStringLiteral("&Tip of the Day"));
    help->addSeparator();
    QAction *about = help->addAction(QStringLiteral("&About Mavu..."));
    about->setMenuRole(QAction::AboutRole);
    if (app) {
        connect(keyboard, &QAction::triggered, app, &CJavaIDEApp::OnKeyboardShortcuts);
        connect(tip, &QAction::triggered, app, &CJavaIDEApp::OnTipOfTheDay);
        connect(about, &QAction::triggered, app, &CJavaIDEApp::OnAppAbout);
    }
}

void CMainFrame::RestoreBars()
{
    // The toolbars, the docking panes and their places are restored here
    // from the "Windows" and bar sections once the frame has them.
}

void CMainFrame::OnStartupComplete()
{
    // Work the frame defers until the first windows are open (showing the
    // output window, activating the project pane) belongs here.
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    // Before the settings are written, the exit sequence records and closes
    // the open project ("Mavu"/"Project"), asks about running compiles,
    // programs and debuggers, waits for the index loaders and saves the
    // layout; those steps join here as their parts arrive.
    if (CJavaIDEApp *app = GetApp())
        app->SaveSettings();
    event->accept();
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
