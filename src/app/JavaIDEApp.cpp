#include "app/JavaIDEApp.h"

#include "app/AfterFirstPaint.h"
#include "app/AppSettings.h"
#include "app/BakedImage.h"
#include "app/ChildFrame.h"
#include "app/ColorPage.h"
#include "app/DocWarningDlg.h"
#include "app/DocumentTypes.h"
#include "app/EditorOptionsDlg.h"
#include "app/FilePathInfo.h"
#include "app/FocusKeeper.h"
#include "app/JavaClassPath.h"
#include "app/JdkLocator.h"
#include "app/JdkToolCommands.h"
#include "app/MainFrame.h"
#include "app/MainToolHost.h"
#include "app/MessagePrompter.h"
#include "app/NewProjectView.h"
#include "app/OptionsSheet.h"
#include "app/OutputPane.h"
#include "app/QtFileDialogs.h"
#include "app/SplashWnd.h"
#include "app/TipDlg.h"
#include "app/ToolActivity.h"
#include "beans/BeanDoc.h"
#include "core/ActivityMonitor.h"
#include "core/CommandIds.h"
#include "core/SettingsStore.h"
#include "editor/HueditView.h"
#include "javamodel/JavaModel.h"
#include "packages/PkgDoc.h"
#include "project/Project.h"
#include "project/ProjectClasses.h"
#include "project/ProjectDoc.h"
#include "project/ProjectFileItem.h"
#include "project/ProjectFolder.h"
#include "project/ProjectHost.h"
#include "project/ProjectView.h"
#include "tools/BuildCommands.h"
#include "tools/Command.h"
#include "tools/CommandsDoc.h"
#include "tools/CompileProcess.h"
#include "tools/CompilerOptionsDlg.h"
#include "tools/CompilerOptionsPage.h"
#include "tools/CustomCommandsDlg.h"
#include "tools/DefaultHtmlFile.h"
#include "tools/DirtyCheck.h"
#include "tools/ErrorLocator.h"
#include "tools/InterpreterOptionsDlg.h"
#include "tools/InterpreterOptionsPage.h"
#include "tools/OutputWnd.h"
#include "tools/RunCommands.h"
#include "tools/ToolManager.h"
#include "tree/IconCache.h"
#include "tree/ThemeIcon.h"
#include "tree/TreeFolder.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontDialog>
#include <QInputDialog>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QSessionManager>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTimer>
#include <QUrl>

#ifndef MAVU_EXPECT_CLASSES_ZIP
#define MAVU_EXPECT_CLASSES_ZIP 0
#endif

namespace {
CJavaIDEApp *g_app = nullptr;
}

CJavaIDEApp *GetApp()
{
    return g_app;
}

CJavaIDEApp::CJavaIDEApp(const QStringList &args, QObject *parent)
    : QObject(parent), m_args(args), m_classesZipExpected(MAVU_EXPECT_CLASSES_ZIP != 0),
      m_runDialog([](QDialog &dialog) { return dialog.exec(); }),
      m_openUrl([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
    m_userCommands = std::make_unique<CCommandsDoc>();
}

CJavaIDEApp::~CJavaIDEApp()
{
    if (m_splash)
        m_splash->close();
    m_mainFrame.reset();
    if (m_startupPrompter)
        SetPrompter(nullptr);
    m_startupPrompter.reset();
    if (g_app == this)
        g_app = nullptr;
}

int CJavaIDEApp::RunDialog(QDialog &dialog)
{
    return m_runDialog(dialog);
}

QIcon CJavaIDEApp::ProgramIcon()
{
    // The bundled pictures are the ones installed into the icon theme, so
    // the theme is not asked: a miss there parses the whole hicolor index,
    // which costs more than the rest of the window. Window managers ask for
    // small icons (launchers take theirs from the desktop file), and every
    // size given here is decoded at start-up.
    // The build stores these as raw pixels (BakedImage), so no PNG is
    // decoded on the way to the first window.
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        const QImage image = BakedImage(QStringLiteral(":/mavu/baked/mavu-%1.img").arg(size));
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

QString CJavaIDEApp::DocumentNotFoundMessage(const QString &path)
{
    return QStringLiteral("File %1 not found !!!").arg(path);
}

QString CJavaIDEApp::AddToProjectQuestion()
{
    return QStringLiteral("Select Yes to add the file to project otherwise select NO.");
}

QString CJavaIDEApp::ProjectFilter()
{
    return QStringLiteral("Mavu Files (*.mavu)|*.mavu|All Files (*.*)|*.*||");
}

CFileDialogs &CJavaIDEApp::FileDialogs()
{
    if (m_fileDialogs)
        return *m_fileDialogs;
    if (!m_ownFileDialogs)
        m_ownFileDialogs = std::make_unique<CQtFileDialogs>(m_mainFrame.get());
    return *m_ownFileDialogs;
}

void CJavaIDEApp::SetActivityMonitor(CActivityMonitor *monitor)
{
    m_activity = monitor;
    if (m_mainFrame)
        m_mainFrame->SetActivityMonitor(monitor);
}

bool CJavaIDEApp::IsToolBusy() const
{
    return m_activity && (m_activity->IsRunning(CActivityMonitor::Compile) ||
                          m_activity->IsRunning(CActivityMonitor::Javadoc) ||
                          m_activity->IsRunning(CActivityMonitor::Application));
}

bool CJavaIDEApp::InitInstance()
{
    QCoreApplication::setApplicationName(QStringLiteral("Mavu"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MAVU_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("mavu"));
    PrepareIconTheme();
    // The same style, but with the pictures Qt's widgets load when they are
    // made left until drawn. A style the factory cannot make again (one set
    // by a platform plugin under another name) is left as it is.
    if (!qobject_cast<CLazyIconStyle *>(QApplication::style()))
        if (QStyle *base = QStyleFactory::create(QApplication::style()->name()))
            QApplication::setStyle(new CLazyIconStyle(base));
    // The toolbar and tree pictures as the last start drew them, unless the
    // theme, the style or the screen changed since; on a first start, as
    // the build drew them (the seed beside the executable) when it found
    // the same theme and style.
    CIconCache::Instance().Open(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                                    QStringLiteral("/icons.cache"),
                                CIconCache::CurrentKey(),
                                QCoreApplication::applicationDirPath() +
                                    QStringLiteral("/icons.cache"));

    // An old profile kept under the plain name "mavu" replaces Mavu.ini.
    CSettingsStore::MigrateProfile(QFileInfo(CSettingsStore::DefaultPath()).absolutePath());

    m_cmdInfo.ParseCommandLine(m_args);

    // Without a window manager nobody gives the keyboard back when a dialog
    // closes; the program does it for each of its dialogs.
    qApp->installEventFilter(new CDialogFocusReturn(this));

    // Until the main frame exists, messages still need a box to appear in;
    // a prompter installed before start-up (a test's) stays in charge.
    if (!IsPrompterInstalled()) {
        m_startupPrompter = std::make_unique<CMessagePrompter>();
        SetPrompter(m_startupPrompter.get());
    }

    g_app = this;
    m_settings = std::make_unique<CSettingsStore>();

    m_locations = CAppLocations::FromEnvironment(QCoreApplication::applicationDirPath());
    // The per-user data directory is the program directory unless the user
    // chose another; it is created on first start.
    QDir().mkpath(m_locations.m_defaultProgramDir);

    ::LoadSettings(*m_settings, m_locations, m_options, m_directories, m_dataFiles);
    // A standard install has the JDK's documentation beside the javac on
    // the PATH: unless the user chose another, it is taken from there.
    if (m_directories.m_docPath.isEmpty() &&
        CJdkLocator::FillDocPath(m_directories,
                                 CJdkLocator::FindJdkHome(qEnvironmentVariable("PATH"))))
        m_directories.DeriveDirectories(m_locations, m_options);
    ReportUnreadableSettings();
    LoadStdProfileSettings(m_options.m_mruLength);
    LoadJavaVM();
    PrepareClassPath();

    CreateToolManager();
    m_mainFrame = std::make_unique<CMainFrame>(m_startupPrompter != nullptr);
    m_mainFrame->SetActivityMonitor(m_activity);
    CreateCommandMap();
    ConfigureEditorComponent();
    CreateTreeImages();
    CreateFonts();
    CreateWorkspaceDocument();

    // The splash goes up before the main frame is built: the display server
    // maps it while this process builds the frame, and it is painted below.
    m_splash = new CSplashWnd;
    m_splash->show();
    if (!m_mainFrame->LoadFrame())
        return false;
    WireTools();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    CreateDebugConsole();
    CreateDocumentTemplates();

    m_dataFiles.SetDefaults(ProgramDir(), StartupDir());
    OpenDataFiles();

    m_mainFrame->RestoreBars();
    m_mainFrame->show();
    m_mainFrame->activateWindow();
    // Registering for file types is the .desktop file's job here, and every
    // open from the desktop starts a new process with the file named on its
    // command line, which OpenInitialDocument handles.
    OpenInitialDocument();

    if (m_splash)
        m_splash->close();

    if (m_options.m_tip == 1)
        ShowTipOfTheDay();

    m_mainFrame->setAcceptDrops(true);
    m_mainFrame->OnStartupComplete();

    if (m_directories.m_docPath.isEmpty() && m_options.m_helpWarning == 0)
        ShowDocumentationWarning();
    // The dialogs above took the focus; give it back to the main window.
    m_mainFrame->activateWindow();
    return true;
}

void CJavaIDEApp::ReportUnreadableSettings()
{
    const int bad = m_settings->CorruptLineCount();
    if (bad == 0)
        return;
    Prompter().MessageBox(
        QStringLiteral("%1 line(s) of the settings file %2 could not be read and are ignored. "
                       "The file as it was is kept as %3 when Mavu next writes its settings.")
            .arg(bad)
            .arg(m_settings->FileName(), m_settings->CorruptCopyName()),
        CPrompter::Ok, CPrompter::Warning);
}

void CJavaIDEApp::LoadStdProfileSettings(int mruLength)
{
    m_recentFiles.SetSize(mruLength);
    m_recentFiles.ReadList(*m_settings);
}

void CJavaIDEApp::LoadJavaVM()
{
    // The JDK's libjvm for the in-process debugger loads here; its failure
    // is reported by the debugger and does not stop start-up.
}

void CJavaIDEApp::PrepareClassPath()
{
    m_ownClassesDir = CJavaClassPath::Prepare(m_locations, ProgramDir(), m_classesZipExpected);
}

void CJavaIDEApp::CreateToolManager()
{
    // The tool manager that runs javac (java, javadoc and friends to come).
    // The workspace it reads options from is made a little later.
    m_toolHost = std::make_unique<CMainToolHost>(*this);
    m_tools = std::make_unique<CToolManager>(m_toolHost.get());
    m_build = std::make_unique<CBuildCommands>(*m_tools);
    m_run = std::make_unique<CRunCommands>(*m_tools, *m_build);
    m_toolActivity = std::make_unique<CToolActivity>(*m_tools);
    // A monitor set before start-up (a test's) stays in charge.
    if (!m_activity)
        m_activity = m_toolActivity.get();
}

void CJavaIDEApp::WireTools()
{
    COutputPane *output = m_mainFrame->Output();
    for (int tab : {COutputPane::OutputTab, COutputPane::BuildTab}) {
        COutputWnd *view = output->View(tab);
        // The views are empty at start-up: loading the fixed-pitch face can
        // wait until the window is on the screen.
        RunAfterFirstPaint(m_mainFrame.get(), [view, font = m_fixedFont] { view->setFont(font); });
        view->SetWordWrap(m_options.m_wordWrap != 0);
        view->SetStopBuild([this] { m_tools->StopBuild(); },
                           [this] { return m_tools->IsBuildBusy(); });
        // A file named without its directory (a stack trace's) is looked
        // for among the open project's files.
        view->SetResolver([this](const CErrorLocator::Place &place) {
            if (QFileInfo(place.file).isAbsolute())
                return QFileInfo::exists(place.file) ? place.file : QString();
            if (!m_projectDoc || !m_projectDoc->GetCurrentProject().IsOpen())
                return QString();
            return CErrorLocator::FindInFiles(m_projectDoc->GetCurrentProject().GetFiles(),
                                              place.file, place.packageDir);
        });
    }
    connect(m_mainFrame.get(), &CMainFrame::editorWindowAdded, this,
            [this](CChildFrame *child) { m_toolHost->ShowErrorMarks(*child); });
    if (CProjectView *tree = m_mainFrame->ProjectView()) {
        tree->SetToolCommands([this](int id, CTreeItem *node) { OnProjectToolCommand(id, node); });
        tree->SetContextMenuExtender([this](QMenu *menu, CProjectView::NodeKind,
                                            const QString &file, const QString &project) {
            const QList<CCommand *> commands = m_userCommands->BuildMenu(
                file.isEmpty() ? CCommandsDoc::ProjectMenu : CCommandsDoc::FileMenu);
            if (commands.isEmpty())
                return;
            menu->addSeparator();
            for (const CCommand *cmd : commands) {
                const int id = cmd->MenuId();
                QAction *action = menu->addAction(cmd->m_strMenuName);
                action->setData(id);
                connect(action, &QAction::triggered, this,
                        [this, id, file, project] { RunUserCommand(id, file, project); });
            }
        });
        tree->SetDirtyTest([this](CProjectFileItem &item) {
            CProject &project = m_projectDoc->GetCurrentProject();
            return CDirtyCheck(project, m_projectDoc->m_compiler)
                .IsSourceDirty(item.GetName(), true);
        });
    }
}

bool CJavaIDEApp::CompileFile(const QString &path)
{
    if (IsToolBusy())
        return false;
    QString file = path;
    if (CChildFrame *editor = m_mainFrame ? m_mainFrame->FindEditor(path) : nullptr) {
        if (editor->IsModified() && !editor->Save())
            return false;
        file = editor->GetPathName();
    }
    return !file.isEmpty() && m_build->CompileFile(file);
}

void CJavaIDEApp::OnProjectToolCommand(int id, CTreeItem *node)
{
    switch (id) {
    case Cmd::ProjectCompile:
        if (node)
            CompileFile(node->GetName());
        break;
    case Cmd::ProjectRebuildFolder:
        if (node && node->IsFolder())
            m_build->RebuildFolder(*static_cast<CTreeFolder *>(node));
        break;
    case Cmd::ProjectCompileFolder:
        if (node && node->IsFolder())
            m_build->CompileAllInFolderDir(*static_cast<CTreeFolder *>(node));
        break;
    case Cmd::CompileOptions:
        OnCompileOptions();
        break;
    case Cmd::RootCompileOptions:
        OnRootCompileOptions();
        break;
    case Cmd::RunOptions:
        OnRunOptions();
        break;
    case Cmd::RootRunOptions:
        OnRootRunOptions();
        break;
    case Cmd::ProjectClasspath:
        OnProjectClasspath();
        break;
    case Cmd::JavadocOptions:
        m_jdkTools->OnDocOptions(false);
        break;
    case Cmd::RootJavadocOptions:
        m_jdkTools->OnDocOptions(true);
        break;
    case Cmd::ProjectFindInFiles:
        m_jdkTools->OnFindInFiles();
        break;
    default:
        break;
    }
}

void CJavaIDEApp::OnCompileOptions()
{
    if (!m_projectDoc || !m_projectDoc->GetCurrentProject().IsOpen())
        return;
    CProject &project = m_projectDoc->GetCurrentProject();
    CCompilerOptionsDlg dlg(m_mainFrame.get(), QStringLiteral("Java Options"));
    dlg.Page()->Load(project.m_compiler, project.m_strClassPath);
    if (RunDialog(dlg) != QDialog::Accepted)
        return;
    dlg.Page()->Save(project.m_compiler, &project.m_strClassPath);
    project.SetModifiedFlag();
}

void CJavaIDEApp::OnRootCompileOptions()
{
    if (!m_projectDoc)
        return;
    CCompilerOptions &options = m_projectDoc->m_compiler;
    CCompilerOptionsDlg dlg(m_mainFrame.get(), QStringLiteral("Root options"));
    dlg.Page()->Load(options, options.m_strClassPath);
    if (RunDialog(dlg) != QDialog::Accepted)
        return;
    dlg.Page()->Save(options, &options.m_strClassPath);
    m_projectDoc->SetModifiedFlag();
    m_projectDoc->Save();
}

void CJavaIDEApp::OnDefaultHtml()
{
    if (!m_projectDoc || !m_projectDoc->GetCurrentProject().IsOpen())
        return;
    CProject &project = m_projectDoc->GetCurrentProject();
    QStringList names;
    for (const QString &path : project.GetFiles())
        names << QFileInfo(path).fileName();
    const QString page = CDefaultHtmlFile::Create(project.GetProjectDir(), QString(), QString(),
                                                  project.GetMainClass(), names);
    if (page.isEmpty())
        return;
    // The new page is what Run starts from now on.
    project.AddFileItem(page);
    project.SetMainHtml(QFileInfo(page).fileName());
}

void CJavaIDEApp::OnRunOptions()
{
    if (!m_projectDoc || !m_projectDoc->GetCurrentProject().IsOpen())
        return;
    CProject &project = m_projectDoc->GetCurrentProject();
    CInterpreterOptionsDlg dlg(m_mainFrame.get(), QStringLiteral("Java Options"), true);
    dlg.Page()->Load(project.m_interpreter);
    if (RunDialog(dlg) != QDialog::Accepted)
        return;
    dlg.Page()->Save(project.m_interpreter);
    project.SetModifiedFlag();
}

void CJavaIDEApp::OnRootRunOptions()
{
    if (!m_projectDoc)
        return;
    CInterpreterOptionsDlg dlg(m_mainFrame.get(), QStringLiteral("Root options"), false);
    dlg.Page()->Load(m_projectDoc->m_interpreter);
    if (RunDialog(dlg) != QDialog::Accepted)
        return;
    dlg.Page()->Save(m_projectDoc->m_interpreter);
    m_projectDoc->SetModifiedFlag();
    m_projectDoc->Save();
}

void CJavaIDEApp::OnProjectClasspath()
{
    if (!m_projectDoc || !m_projectDoc->GetCurrentProject().IsOpen())
        return;
    CProject &project = m_projectDoc->GetCurrentProject();
    QInputDialog dlg(m_mainFrame.get());
    dlg.setWindowTitle(QStringLiteral("Classpath"));
    dlg.setLabelText(QStringLiteral("Classpath of the project (entries separated by ':'):"));
    dlg.setTextValue(project.m_strClassPath);
    if (RunDialog(dlg) != QDialog::Accepted || dlg.textValue() == project.m_strClassPath)
        return;
    project.m_strClassPath = dlg.textValue().trimmed();
    project.SetModifiedFlag();
}

void CJavaIDEApp::ConfigureEditorComponent()
{
    // The default background follows the desktop: a dark desktop gets a
    // dark editor with the colours made for it.
    const DWORD background = m_options.m_editBackColor == CIDEOptions::kWindowColor
                                 ? CHueditView::SystemWindowColor()
                                 : DWORD(m_options.m_editBackColor);
    CHueditView::Init(background, 100);
    CHueditView::Options().spaceForTab = m_options.m_tabSpaces != 0;
    CHueditView::Options().smartIndent = m_options.m_smartIndent != 0;
    CHueditView::Options().maxUndo = m_options.UndoBufferSize();
}

void CJavaIDEApp::CreateTreeImages()
{
    // The icons shared by every tree view are loaded here.
}

void CJavaIDEApp::CreateFonts()
{
    // "Courier" here is whatever fontconfig substitutes for it (often a
    // PostScript face that is slow to load and poor on screen); the
    // desktop's own fixed-pitch font is what users read tool output in.
    m_fixedFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_fixedFont.setPointSize(10);

    // The options keep the character height in pixels (negative, as it was
    // always written; a positive one is taken the same way). The font gets
    // it as points for the screen's resolution: the editor component sizes
    // its styles in points.
    m_editorFont = QFont(m_options.m_fontFace);
    m_editorFont.setStyleHint(QFont::TypeWriter);
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    m_editorFont.setPointSizeF(m_options.FontPixelHeight() * 72.0 / dpi);
    m_editorFont.setWeight(QFont::Normal);

    m_smallFont = QFont(QStringLiteral("MS Sans Serif"));
    m_smallFont.setStyleHint(QFont::SansSerif);
    m_smallFont.setPointSize(8);
}

namespace {

// What projects need from the application: the two editor options that
// change how a project opens and closes, opening files by their type, the
// editor windows of the project's files, and the main frame.
class CAppProjectHost final : public CProjectHost
{
public:
    explicit CAppProjectHost(CJavaIDEApp &app) : m_app(app) {}
    bool CloseProjectFiles() const override { return m_app.Options().m_closeProjectFiles == 1; }
    bool ParseAllFiles() const override { return m_app.Options().m_parseAllFiles == 1; }
    bool OpenDocumentFile(const QString &path) override { return m_app.OpenDocumentFile(path); }

    void CloseEditorWindow(const QString &path) override
    {
        if (CMainFrame *frame = m_app.MainFrame()) {
            if (CChildFrame *child = frame->FindEditor(path))
                child->close();
        }
    }
    void FileRenamed(const QString &oldPath, const QString &newPath) override
    {
        if (CMainFrame *frame = m_app.MainFrame()) {
            if (CChildFrame *child = frame->FindEditor(oldPath))
                child->OnFileRenamed(newPath);
        }
    }
    bool GetEditorState(const QString &path, int &selStart, int &selEnd) const override
    {
        selStart = selEnd = 0;
        CMainFrame *frame = m_app.MainFrame();
        CChildFrame *child = frame ? frame->FindEditor(path) : nullptr;
        if (!child)
            return false;
        selStart = int(child->View()->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART));
        selEnd = int(child->View()->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONEND));
        return true;
    }
    void UpdateAllViews() override
    {
        if (CProjectView *view = ProjectView())
            view->UpdateAllViews();
        // A project opened or closed: the editors already open show its
        // breakpoints, or none.
        if (CMainFrame *frame = m_app.MainFrame())
            frame->ShowProjectBreakpoints();
    }
    void RefreshProjectFolder(CProjectFolder &folder) override
    {
        if (CProjectView *view = ProjectView())
            view->RefreshProjectFolder(folder);
    }
    void ShowFileInProjectView(CProjectFileItem &item) override
    {
        if (CProjectView *view = ProjectView())
            view->ShowFileInProjectView(item);
    }
    void SelectProject(CProjectFolder &folder) override
    {
        if (CProjectView *view = ProjectView())
            view->SelectProject(folder);
    }
    void RefreshMainFrame() override
    {
        if (CMainFrame *frame = m_app.MainFrame())
            frame->UpdateCommandUI();
    }
    void FocusProjectPane() override
    {
        // Queued: the project is still being opened when this is asked.
        if (CMainFrame *frame = m_app.MainFrame())
            QTimer::singleShot(0, frame,
                               [frame] { frame->ActivatePane(CNewProjectView::ProjectPane); });
    }

private:
    CProjectView *ProjectView() const
    {
        return m_app.MainFrame() ? m_app.MainFrame()->ProjectView() : nullptr;
    }

    CJavaIDEApp &m_app;
};

} // namespace

void CJavaIDEApp::CreateWorkspaceDocument()
{
    // The project workspace document (all projects, default tool options).
    RegisterProjectClasses();
    m_projectHost = std::make_unique<CAppProjectHost>(*this);
    m_projectDoc = std::make_unique<CProjectDoc>(m_projectHost.get());
    m_tools->SetWorkspace(m_projectDoc.get());
}

void CJavaIDEApp::CreateDebugConsole()
{
    // The process's standard error is the debug console; the end of the
    // desktop session is the main frame's to answer.
}

void CJavaIDEApp::CreateDocumentTemplates()
{
    // The document types (Java editor windows; project, package, help and
    // bean trees) are registered here.
}

void CJavaIDEApp::OpenDataFiles()
{
    const QString prog = ProgramDir();
    const QString start = StartupDir();
    auto resolve = [&](CProductFiles::File f) {
        m_dataFiles.SetPath(f, CProductFiles::Resolve(f, m_dataFiles.Path(f), prog, start));
        return m_dataFiles.Path(f);
    };
    OpenWorkspace(resolve(CProductFiles::Workspace));
    OpenCustomCommands(resolve(CProductFiles::Commands));
    OpenPackageDatabase(resolve(CProductFiles::Packages));
    OpenHelpTree(resolve(CProductFiles::HelpTree));
    CreateSearchDialog();
    OpenSearchIndex(CProductFiles::DocIndex, resolve(CProductFiles::DocIndex));
    OpenSearchIndex(CProductFiles::UserIndex, resolve(CProductFiles::UserIndex));
    OpenSearchIndex(CProductFiles::HelpIndex, resolve(CProductFiles::HelpIndex));
    OpenBeanTree(resolve(CProductFiles::Beans));
    CreateDebugger();
}

void CJavaIDEApp::OpenWorkspace(const QString &path)
{
    // The workspace document loads path (an empty workspace when it is
    // missing) and is attached to the project tree of the main frame. A
    // file it cannot read has been reported; start-up goes on with an
    // empty workspace.
    if (m_projectDoc)
        m_projectDoc->Load(path);
}

void CJavaIDEApp::OpenCustomCommands(const QString &path)
{
    // A damaged file has been reported and stays as it is on disk.
    m_userCommands->Load(path);
}

void CJavaIDEApp::OnCustomCommands()
{
    CCustomCommandsDlg dlg(*m_userCommands, m_mainFrame.get());
    RunDialog(dlg);
    m_userCommands->SaveModified();
}

void CJavaIDEApp::RunUserCommand(int id, const QString &file, const QString &project)
{
    CCommand *cmd = m_userCommands->FindByMenuId(id);
    if (!cmd || !m_tools)
        return;
    cmd->m_strFileContext = file;
    cmd->m_strProjectContext = project;
    CProject *open = m_projectDoc && m_projectDoc->GetCurrentProject().IsOpen()
                         ? &m_projectDoc->GetCurrentProject()
                         : nullptr;
    cmd->Run(*m_tools, open);
}

bool CJavaIDEApp::ShowHtmlFile(const QString &path)
{
    return !path.isEmpty() && m_openUrl(QUrl::fromLocalFile(path));
}

void CJavaIDEApp::RunCommandForFile(CCommand &command, const QString &file)
{
    if (!m_tools)
        return;
    command.m_strFileContext = file;
    command.m_strProjectContext.clear();
    CProject *open = m_projectDoc && m_projectDoc->GetCurrentProject().IsOpen()
                         ? &m_projectDoc->GetCurrentProject()
                         : nullptr;
    command.Run(*m_tools, open);
}

void CJavaIDEApp::OpenPackageDatabase(const QString &path)
{
    // With the whole JDK in it the file takes a noticeable moment to read:
    // it is read on first use, or once the window has been up for a while,
    // never before the window shows.
    // The file holds source elements: their classes must be known to the
    // archive before it is read.
    RegisterJavaModelClasses();
    if (!m_pkgDoc)
        m_pkgDoc = std::make_unique<CPkgDoc>();
    m_pkgDoc->OpenLater(path);
    if (m_mainFrame)
        m_mainFrame->AttachPackageDatabase();
    QTimer::singleShot(2000, this, [this] {
        if (m_pkgDoc)
            m_pkgDoc->EnsureLoaded();
    });
}

void CJavaIDEApp::OpenHelpTree(const QString &path)
{
    // The help tree loads path and is attached to the help pane.
    Q_UNUSED(path);
}

void CJavaIDEApp::CreateSearchDialog()
{
    // The modeless help "Search" window is created here.
}

void CJavaIDEApp::OpenSearchIndex(CProductFiles::File index, const QString &path)
{
    // The search index of this kind (documentation, user, program help)
    // starts loading path on its worker thread.
    Q_UNUSED(index);
    Q_UNUSED(path);
}

void CJavaIDEApp::OpenBeanTree(const QString &path)
{
    // The file holds bean elements and tree nodes: their classes must be
    // known to the archive before it is read. A damaged file has been
    // reported and stays as it is on disk.
    RegisterBeanClasses();
    if (!m_beanDoc)
        m_beanDoc = std::make_unique<CBeanDoc>();
    m_beanDoc->Open(path);
    if (m_mainFrame)
        m_mainFrame->AttachBeanTree();
}

void CJavaIDEApp::CreateDebugger()
{
    // The in-process debugger driver is created here.
}

void CJavaIDEApp::OpenInitialDocument()
{
    QString path;
    switch (m_cmdInfo.InitialDocument(m_directories.m_lastProject, &path)) {
    case CCommandLineInfo::OpenProject:
        OpenProjectFile(path);
        break;
    case CCommandLineInfo::OpenDocument:
        OpenDocumentFile(path);
        break;
    case CCommandLineInfo::OpenNothing:
        break;
    }
}

void CJavaIDEApp::OpenProjectFile(const QString &path)
{
    // The project is added to the workspace and made the active one.
    if (m_projectDoc)
        m_projectDoc->OpenProject(path, false);
}

QString CJavaIDEApp::NotAvailableMessage(const QString &path, const QString &what) const
{
    return QStringLiteral("%1 was not opened: this version of Mavu has no %2 yet !!!")
        .arg(path, what);
}

bool CJavaIDEApp::CloseCurrentProject()
{
    // Nothing open is nothing to close; a cancelled save prompt keeps it.
    if (!m_projectDoc || !m_projectDoc->GetCurrentProject().IsOpen())
        return true;
    return m_projectDoc->CloseCurrentProject();
}

bool CJavaIDEApp::OpenDocumentFile(const QString &path)
{
    if (!CFilePathInfo(path).Exists()) {
        Prompter().MessageBox(DocumentNotFoundMessage(path), CPrompter::Ok, CPrompter::Warning);
        return false;
    }
    const QString full = QFileInfo(path).absoluteFilePath();
    switch (CDocumentTypes::ForPath(full)) {
    case CDocumentTypes::Project:
        if (!m_projectDoc || !CloseCurrentProject())
            return false;
        return m_projectDoc->OpenProject(full, false);
    case CDocumentTypes::Workspace:
        if (!m_projectDoc || !CloseCurrentProject())
            return false;
        if (m_mainFrame)
            m_mainFrame->ActivatePane(CNewProjectView::ProjectPane);
        if (!m_projectDoc->Load(full))
            return false;
        AddToRecentFileList(full);
        return true;
    case CDocumentTypes::PackageDb:
        if (m_mainFrame)
            m_mainFrame->ActivatePane(CNewProjectView::PackagePane);
        Prompter().MessageBox(NotAvailableMessage(full, QStringLiteral("package database")),
                              CPrompter::Ok, CPrompter::Warning);
        return false;
    case CDocumentTypes::HelpTree:
        if (m_mainFrame)
            m_mainFrame->ActivatePane(CNewProjectView::HelpPane);
        Prompter().MessageBox(NotAvailableMessage(full, QStringLiteral("help tree")), CPrompter::Ok,
                              CPrompter::Warning);
        return false;
    case CDocumentTypes::SearchIndex:
        Prompter().MessageBox(NotAvailableMessage(full, QStringLiteral("search index")),
                              CPrompter::Ok, CPrompter::Warning);
        return false;
    case CDocumentTypes::ClassArchive:
        // Never an editor: its bytes are no text, and a save would ruin it.
        if (!Prompter().AskYesNo(CDocumentTypes::AddToPackageTreeQuestion(), false))
            return false;
        return m_mainFrame && m_mainFrame->AddToPackageDatabase(full);
    case CDocumentTypes::EditorFile:
        break;
    }
    if (!m_mainFrame || !m_mainFrame->OpenEditor(full))
        return false;
    AddToRecentFileList(full);
    return true;
}

void CJavaIDEApp::AddToRecentFileList(const QString &path)
{
    m_recentFiles.Add(path);
    if (m_mainFrame)
        m_mainFrame->RebuildRecentFilesMenu();
}

void CJavaIDEApp::OnOpenRecentFile(int index)
{
    const QString path = m_recentFiles.Files().value(index);
    if (path.isEmpty())
        return;
    // A file that cannot be opened any more leaves the list, as it was
    // reported just now.
    if (!OpenDocumentFile(path)) {
        if (!CFilePathInfo(path).Exists() ||
            CDocumentTypes::ForPath(path) == CDocumentTypes::EditorFile) {
            m_recentFiles.Remove(path);
            if (m_mainFrame)
                m_mainFrame->RebuildRecentFilesMenu();
        }
    }
}

void CJavaIDEApp::OfferToAddToProject(const QString &path)
{
    if (!m_projectDoc)
        return;
    CProject &project = m_projectDoc->GetCurrentProject();
    if (!project.IsOpen())
        return;
    for (const QString &file : project.GetFiles()) {
        if (file.compare(path, Qt::CaseInsensitive) == 0)
            return;
    }
    if (Prompter().AskYesNo(AddToProjectQuestion(), true))
        project.AddFileItem(path);
}

void CJavaIDEApp::OnEditorActivated(const QString &path)
{
    // The project tree follows the active editor when "Editor"/"AutoExpand"
    // says so; the view reads the option.
    if (m_mainFrame && m_mainFrame->ProjectView())
        m_mainFrame->ProjectView()->SelectFile(path);
}

void CJavaIDEApp::ShowTipOfTheDay()
{
    CTipDlg dlg(m_directories.m_tipsFile, *m_settings, m_options.m_tip == 1, m_mainFrame.get());
    if (RunDialog(dlg) == QDialog::Accepted)
        m_options.m_tip = dlg.ShowAtStartup() ? 1 : 0;
}

void CJavaIDEApp::OnTipOfTheDay()
{
    ShowTipOfTheDay();
}

void CJavaIDEApp::ShowDocumentationWarning()
{
    CDocWarningDlg dlg(m_mainFrame.get(), m_settings->FileName());
    RunDialog(dlg);
    if (dlg.DoNotShowAgain())
        m_options.m_helpWarning = 1;
    else
        OpenOptionsSheet(0);
}

void CJavaIDEApp::OpenOptionsSheet(int page)
{
    // The "Options" property sheet opens here on the given page.
    Q_UNUSED(page);
}

bool CJavaIDEApp::OpenFirstExisting(const QStringList &paths)
{
    for (const QString &path : paths) {
        if (QFileInfo(path).isFile()) {
            m_openUrl(QUrl::fromLocalFile(path));
            return true;
        }
    }
    return false;
}

void CJavaIDEApp::OnKeyboardShortcuts()
{
    // The start-up directory first, then the copy shipped with the program.
    // Shown in an editor window of our own, read only: the desktop may
    // have no program registered to open a text file.
    QStringList paths{CFilePathInfo::Join(StartupDir(), QStringLiteral("keyboard.txt"))};
    for (const QString &dir : m_locations.m_ownFileDirs)
        paths << CFilePathInfo::Join(dir, QStringLiteral("keyboard.txt"));
    for (const QString &path : paths) {
        if (QFileInfo(path).isFile()) {
            if (m_mainFrame) {
                if (CChildFrame *child = m_mainFrame->OpenEditor(path))
                    child->SetReadOnly(true);
            }
            return;
        }
    }
    Prompter().MessageBox(QStringLiteral("Keyboard.txt file not found in Mavu directory !!!"),
                          CPrompter::Ok, CPrompter::Warning);
}

// The help pages open in the desktop's browser until Mavu's own help viewer
// is there to show them.
void CJavaIDEApp::OnHelpIndex()
{
    const QString page = QStringLiteral("newhelp/index.htm");
    if (!OpenFirstExisting(
            {CFilePathInfo::Join(StartupDir(), page), CFilePathInfo::Join(ProgramDir(), page)}))
        Prompter().MessageBox(QStringLiteral("Index.htm file not found in Mavu help directory !!!"),
                              CPrompter::Ok, CPrompter::Warning);
}

void CJavaIDEApp::OnBetaNotes()
{
    if (!OpenFirstExisting(
            {CFilePathInfo::Join(StartupDir(), QStringLiteral("help/betanotes.html"))}))
        Prompter().MessageBox(QStringLiteral("Betanotes.html file not found in Mavu directory !!!"),
                              CPrompter::Ok, CPrompter::Warning);
}

void CJavaIDEApp::OnWhatsNew()
{
    const QString page = QStringLiteral("whatsnew.htm");
    if (!OpenFirstExisting(
            {CFilePathInfo::Join(StartupDir(), page), CFilePathInfo::Join(ProgramDir(), page)}))
        Prompter().MessageBox(QStringLiteral("Whatsnew.htm file not found in Mavu directory !!!"),
                              CPrompter::Ok, CPrompter::Warning);
}

void CJavaIDEApp::OnSupport()
{
    Prompter().MessageBox(
        QStringLiteral("Mavu %1 on Qt %2\n\nSettings: %3\nData files: %4\n\nWhen you report a "
                       "problem, please say what you did, what you expected and what happened, "
                       "and add the settings file.")
            .arg(QCoreApplication::applicationVersion(), QString::fromLatin1(qVersion()),
                 m_settings ? m_settings->FileName() : QString(), ProgramDir()),
        CPrompter::Ok, CPrompter::Information);
}

void CJavaIDEApp::OnFileNew()
{
    if (m_mainFrame)
        m_mainFrame->NewEditor();
}

void CJavaIDEApp::OnFileOpen()
{
    CFileDialogRequest request;
    request.m_title = QStringLiteral("Open File");
    request.m_filter = QStringLiteral("Java Files (*.java)|*.java|All Files (*.*)|*.*||");
    request.m_defaultExt = QStringLiteral("java");
    request.m_mode = CFileDialogRequest::OpenAny;
    const QStringList chosen = FileDialogs().Choose(request);
    if (chosen.isEmpty())
        return;
    const QString path = QFileInfo(request.WithDefaultExt(chosen.first())).absoluteFilePath();
    if (!QFileInfo::exists(path)) {
        // A name that does not exist is a new, empty file.
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            Prompter().MessageBox(QStringLiteral("Error creating a new file !!!"), CPrompter::Ok,
                                  CPrompter::Stop);
            return;
        }
        file.close();
        OfferToAddToProject(path);
    }
    OpenDocumentFile(path);
}

void CJavaIDEApp::OnProjectNew()
{
    CFileDialogRequest request;
    request.m_title = QStringLiteral("New Project");
    request.m_filter = ProjectFilter();
    request.m_defaultExt = QStringLiteral("mavu");
    request.m_mode = CFileDialogRequest::Save;
    const QStringList chosen = FileDialogs().Choose(request);
    if (chosen.isEmpty() || !m_projectDoc)
        return;
    const QString path =
        CDocumentTypes::NewProjectPath(QFileInfo(chosen.first()).absoluteFilePath());
    if (!CloseCurrentProject())
        return;
    m_projectDoc->OpenProject(path, true);
}

void CJavaIDEApp::OnProjectOpen()
{
    CFileDialogRequest request;
    request.m_title = QStringLiteral("Open Project");
    request.m_filter = ProjectFilter();
    request.m_defaultExt = QStringLiteral("mavu");
    request.m_mode = CFileDialogRequest::OpenExisting;
    const QStringList chosen = FileDialogs().Choose(request);
    if (chosen.isEmpty() || !m_projectDoc)
        return;
    if (!CloseCurrentProject())
        return;
    m_projectDoc->OpenProject(QFileInfo(chosen.first()).absoluteFilePath(), false);
}

void CJavaIDEApp::OnProjectClose()
{
    CloseCurrentProject();
}

void CJavaIDEApp::OnProjectSave()
{
    if (m_projectDoc && m_projectDoc->GetCurrentProject().IsOpen())
        m_projectDoc->GetCurrentProject().Save();
}

void CJavaIDEApp::OnAddFile()
{
    if (!m_mainFrame || !m_mainFrame->ProjectView())
        return;
    m_mainFrame->ActivatePane(CNewProjectView::ProjectPane);
    m_mainFrame->ProjectView()->OnAddFile();
}

void CJavaIDEApp::OnColorOptions()
{
    CColorPage page(
        CHueditView::Options().background, m_editorFont,
        [this](QDialog &d) { return RunDialog(d); }, m_mainFrame.get());
    if (RunDialog(page) != QDialog::Accepted)
        return;
    ApplyColorPage(page);
}

void CJavaIDEApp::ApplyColorPage(const CColorPage &page)
{
    page.ApplyFormats();
    CHueditView::Options().background = page.Background();
    m_options.m_editBackColor = int(page.Background());
    if (page.FontChanged()) {
        const QFont &chosen = page.EditorFont();
        const QScreen *screen = QGuiApplication::primaryScreen();
        const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
        m_options.m_fontFace = chosen.family();
        m_options.m_fontHeight = -qMax(1, qRound(chosen.pointSizeF() * dpi / 72.0));
        CreateFonts();
    }
    // Every open editor takes the new colours and font at once.
    if (m_mainFrame && page.IsModified()) {
        for (CChildFrame *child : m_mainFrame->EditorWindows()) {
            if (page.FontChanged())
                child->View()->SetDefaultFont(m_editorFont);
            child->View()->RefreshColours();
        }
    }
}

QString CJavaIDEApp::UndoSizeNextStartMessage()
{
    return QStringLiteral("Undo buffer size will take effect next time you start Mavu !!!");
}

void CJavaIDEApp::OnEditorOptions()
{
    CEditorOptionsDlg dlg(m_options, m_mainFrame.get());
    if (RunDialog(dlg) != QDialog::Accepted)
        return;
    ApplyEditorPage(dlg);
}

void CJavaIDEApp::OnOptions()
{
    auto *editor = new CEditorOptionsDlg(m_options);
    auto *colours = new CColorPage(CHueditView::Options().background, m_editorFont,
                                   [this](QDialog &d) { return RunDialog(d); });
    COptionsSheet sheet(editor, colours, m_mainFrame.get());
    if (RunDialog(sheet) != QDialog::Accepted)
        return;
    ApplyEditorPage(*editor);
    // An untouched colour page leaves the background following the
    // desktop's, as it may.
    if (colours->IsModified())
        ApplyColorPage(*colours);
}

void CJavaIDEApp::ApplyEditorPage(const CEditorOptionsDlg &dlg)
{
    const CIDEOptions before = m_options;
    dlg.Save(m_options);
    if (m_options == before)
        return;
    // The editor settings reach every open editor at once; the undo depth
    // the editors were started with stays until the next start.
    CHueditView::Options().spaceForTab = m_options.m_tabSpaces != 0;
    CHueditView::Options().smartIndent = m_options.m_smartIndent != 0;
    if (m_mainFrame) {
        for (CChildFrame *child : m_mainFrame->EditorWindows())
            child->View()->SetTabStops(m_options.TabSize());
        if (COutputPane *output = m_mainFrame->Output()) {
            for (int tab : {COutputPane::OutputTab, COutputPane::BuildTab})
                output->View(tab)->SetWordWrap(m_options.m_wordWrap != 0);
        }
    }
    SaveOptions();
    if (m_options.m_undoBufferSize != before.m_undoBufferSize)
        Prompter().MessageBox(UndoSizeNextStartMessage(), CPrompter::Ok, CPrompter::Information);
}

void CJavaIDEApp::OnSetFont()
{
    QFontDialog dialog(m_editorFont, m_mainFrame.get());
    dialog.setWindowTitle(QStringLiteral("Font"));
    dialog.setOption(QFontDialog::MonospacedFonts);
    if (RunDialog(dialog) != QDialog::Accepted)
        return;
    const QFont chosen = dialog.selectedFont();
    // The options keep a character height in pixels, negative as it was
    // always written.
    int pixels = chosen.pixelSize();
    if (pixels <= 0) {
        const QScreen *screen = QGuiApplication::primaryScreen();
        const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
        pixels = qRound(chosen.pointSizeF() * dpi / 72.0);
    }
    m_options.m_fontFace = chosen.family();
    m_options.m_fontHeight = -qMax(1, pixels);
    CreateFonts();
    if (m_mainFrame) {
        for (CChildFrame *child : m_mainFrame->EditorWindows())
            child->View()->SetDefaultFont(m_editorFont);
    }
}

void CJavaIDEApp::CreateCommandMap()
{
    using U = CCmdUI;
    auto toolsIdle = [this](U &ui) { ui.Enable(!IsToolBusy()); };
    auto projectOpen = [this] {
        return m_projectDoc && m_projectDoc->GetCurrentProject().IsOpen();
    };
    m_commands.On(Cmd::FileNew, [this] { OnFileNew(); });
    m_commands.On(Cmd::FileOpen, [this] { OnFileOpen(); });
    m_commands.On(
        Cmd::ProjectNew, [this] { OnProjectNew(); }, toolsIdle);
    m_commands.On(
        Cmd::ProjectOpen, [this] { OnProjectOpen(); }, toolsIdle);
    m_commands.On(
        Cmd::ProjectClose, [this] { OnProjectClose(); },
        [this, projectOpen](U &ui) { ui.Enable(projectOpen() && !IsToolBusy()); });
    m_commands.On(
        Cmd::ProjectSave, [this] { OnProjectSave(); },
        [this, projectOpen](U &ui) {
            ui.Enable(projectOpen() && m_projectDoc->GetCurrentProject().IsModified());
        });
    m_commands.On(
        Cmd::AddFile, [this] { OnAddFile(); },
        [this, projectOpen](U &ui) {
            ui.Enable(projectOpen() && m_mainFrame && m_mainFrame->ProjectView());
        });
    m_commands.On(Cmd::SetFont, [this] { OnSetFont(); });
    m_commands.On(Cmd::ColorOptions, [this] { OnColorOptions(); });
    m_commands.On(Cmd::EditorOptions, [this] { OnEditorOptions(); });
    m_commands.On(Cmd::Options, [this] { OnOptions(); });
    m_commands.On(Cmd::KeyboardShortcuts, [this] { OnKeyboardShortcuts(); });
    m_commands.On(Cmd::HelpIndex, [this] { OnHelpIndex(); });
    m_commands.On(Cmd::BetaNotes, [this] { OnBetaNotes(); });
    m_commands.On(Cmd::WhatsNew, [this] { OnWhatsNew(); });
    m_commands.On(Cmd::Support, [this] { OnSupport(); });
    m_commands.On(Cmd::AppAbout, [this] { OnAppAbout(); });
    m_commands.On(Cmd::TipOfTheDay, [this] { OnTipOfTheDay(); });

    // Build
    auto canCompileProject = [this](U &ui) { ui.Enable(m_build->CanCompileProject()); };
    m_commands.On(
        Cmd::CompileMain,
        [this] {
            const QString source = m_build->MainFileSource();
            if (!source.isEmpty())
                CompileFile(source);
        },
        [this](U &ui) {
            ui.Enable(m_build->CanCompile() && !m_build->MainFileSource().isEmpty());
        });
    m_commands.On(
        Cmd::RebuildAll, [this] { m_build->BuildProject(); }, canCompileProject);
    m_commands.On(
        Cmd::RebuildDirty, [this] { m_build->RebuildDirty(false); }, canCompileProject);
    m_commands.On(
        Cmd::CompileAllJava, [this] { m_build->CompileAllInProjectDir(); }, canCompileProject);
    m_commands.On(
        Cmd::StopBuild, [this] { m_build->Stop(); },
        [this](U &ui) { ui.Enable(m_build->CanStop()); });
    m_commands.On(
        Cmd::ToggleCompiler, [this] { m_build->ToggleCompiler(); },
        [this](U &ui) {
            ui.Enable(m_build->CanToggleCompiler());
            ui.SetCheck(m_build->IsUsingOwnCompiler());
        });
    // Run
    auto canRun = [this, projectOpen](U &ui) {
        ui.Enable(m_run->CanRun() &&
                  (projectOpen() || (m_mainFrame && m_mainFrame->ActiveEditor())));
    };
    m_commands.On(
        Cmd::Run, [this] { m_run->RunWithSetting(); }, canRun);
    m_commands.On(
        Cmd::RunApplication, [this] { m_run->RunWithSetting(); }, canRun);
    m_commands.On(
        Cmd::RunOrStopRun, [this] { m_run->RunOrStop(); },
        [this, projectOpen](U &ui) {
            ui.Enable(m_run->CanStop() || (projectOpen() && m_run->CanRun()));
        });
    m_commands.On(
        Cmd::StopRun, [this] { m_run->Stop(); }, [this](U &ui) { ui.Enable(m_run->CanStop()); });
    m_commands.On(
        Cmd::DefaultHtml, [this] { OnDefaultHtml(); },
        [projectOpen](U &ui) { ui.Enable(projectOpen()); });
    m_commands.On(
        Cmd::RunOptions, [this] { OnRunOptions(); },
        [projectOpen](U &ui) { ui.Enable(projectOpen()); });
    m_commands.On(
        Cmd::CompileOptions, [this] { OnCompileOptions(); },
        [projectOpen](U &ui) { ui.Enable(projectOpen()); });

    m_commands.On(Cmd::CustomCommand, [this] { OnCustomCommands(); });
    m_jdkTools = std::make_unique<CJdkToolCommands>(*this);
    m_jdkTools->Register(m_commands);
    m_commands.OnRange(Cmd::UserCommandFirst, Cmd::UserCommandLast, [this](int id) {
        // From the Tools menu: the active editor's file and the open project.
        CChildFrame *editor = m_mainFrame ? m_mainFrame->ActiveEditor() : nullptr;
        const bool open = m_projectDoc && m_projectDoc->GetCurrentProject().IsOpen();
        RunUserCommand(id, editor ? editor->GetPathName() : QString(),
                       open ? m_projectDoc->GetCurrentProject().GetPathName() : QString());
    });
    m_commands.OnRange(
        Cmd::FileMruFirst, Cmd::FileMruLast,
        [this](int id) { OnOpenRecentFile(id - Cmd::FileMruFirst); },
        [this](U &ui) { ui.Enable(ui.m_nID - Cmd::FileMruFirst < m_recentFiles.Files().size()); });
}

bool CJavaIDEApp::OnCommand(int id)
{
    return m_commands.OnCommand(id);
}

bool CJavaIDEApp::OnUpdateCommand(CCmdUI &ui)
{
    return m_commands.OnUpdateCommand(ui);
}

void CJavaIDEApp::OnAppAbout()
{
    QMessageBox::about(
        m_mainFrame.get(), QStringLiteral("About Mavu"),
        QStringLiteral("<h3>Mavu %1</h3><p>A native IDE for Java, built on Qt %2.</p>")
            .arg(QCoreApplication::applicationVersion(), QString::fromLatin1(qVersion())));
}

bool CJavaIDEApp::SaveSettings()
{
    if (!m_settings)
        return false;
    ::SaveSettings(*m_settings, m_options, m_directories);
    m_recentFiles.WriteList(*m_settings);
    return WriteSettingsFile();
}

bool CJavaIDEApp::SaveOptions()
{
    if (!m_settings)
        return false;
    m_options.SaveSettings(*m_settings);
    return WriteSettingsFile();
}

bool CJavaIDEApp::WriteSettingsFile()
{
    if (m_settings->Sync())
        return true;
    Prompter().MessageBox(QStringLiteral("Error writing the settings file %1: %2 !!!")
                              .arg(m_settings->FileName(), m_settings->ErrorString()),
                          CPrompter::Ok, CPrompter::Stop);
    return false;
}
