#include "app/JavaIDEApp.h"

#include "app/AppSettings.h"
#include "app/DocWarningDlg.h"
#include "app/FilePathInfo.h"
#include "app/JavaClassPath.h"
#include "app/MainFrame.h"
#include "app/MessagePrompter.h"
#include "app/SettingsStore.h"
#include "app/SplashWnd.h"
#include "app/TipDlg.h"
#include "project/ProjectClasses.h"
#include "project/ProjectDoc.h"
#include "project/ProjectHost.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QSessionManager>
#include <QStandardPaths>
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
      m_runDialog([](QDialog &dialog) { return dialog.exec(); })
{
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
    QIcon bundled;
    for (int size : {16, 32, 48, 64, 128, 256})
        bundled.addFile(QStringLiteral(":/mavu/icons/hicolor/%1x%1/apps/mavu.png").arg(size),
                        QSize(size, size));
    return QIcon::fromTheme(QStringLiteral("mavu"), bundled);
}

QString CJavaIDEApp::DocumentNotFoundMessage(const QString &path)
{
    return QStringLiteral("File %1 not found !!!").arg(path);
}

bool CJavaIDEApp::InitInstance()
{
    QCoreApplication::setApplicationName(QStringLiteral("Mavu"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MAVU_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("mavu"));

    // An old profile kept under the plain name "mavu" replaces Mavu.ini.
    CSettingsStore::MigrateProfile(QFileInfo(CSettingsStore::DefaultPath()).absolutePath());

    m_cmdInfo.ParseCommandLine(m_args);

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
    ReportUnreadableSettings();
    LoadStdProfileSettings(m_options.m_mruLength);
    LoadJavaVM();
    PrepareClassPath();

    CreateToolManager();
    m_mainFrame = std::make_unique<CMainFrame>(m_startupPrompter != nullptr);
    ConfigureEditorComponent();
    CreateTreeImages();
    CreateFonts();
    CreateWorkspaceDocument();

    if (!m_mainFrame->LoadFrame())
        return false;
    m_splash = new CSplashWnd;
    m_splash->show();
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
    // The File menu's list of recently opened files loads here, mruLength
    // entries long.
    Q_UNUSED(mruLength);
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
    // The tool manager that runs javac, java, javadoc and friends is
    // created here.
}

void CJavaIDEApp::ConfigureEditorComponent()
{
    // The editor component takes its background colour ("Edit"/"BackColor"),
    // spaces-for-tabs, smart indent and undo depth from the options here.
}

void CJavaIDEApp::CreateTreeImages()
{
    // The icons shared by every tree view are loaded here.
}

void CJavaIDEApp::CreateFonts()
{
    m_fixedFont = QFont(QStringLiteral("Courier"));
    m_fixedFont.setStyleHint(QFont::TypeWriter);
    m_fixedFont.setPointSize(10);

    // A negative height is the character height in pixels, as the options
    // keep it; a positive one is taken the same way.
    m_editorFont = QFont(m_options.m_fontFace);
    m_editorFont.setStyleHint(QFont::TypeWriter);
    m_editorFont.setPixelSize(qMax(1, qAbs(m_options.m_fontHeight)));
    m_editorFont.setWeight(QFont::Normal);

    m_smallFont = QFont(QStringLiteral("MS Sans Serif"));
    m_smallFont.setStyleHint(QFont::SansSerif);
    m_smallFont.setPointSize(8);
}

namespace {

// What projects need from the application: the two editor options that
// change how a project opens and closes, and opening files by their type.
class CAppProjectHost final : public CProjectHost
{
public:
    explicit CAppProjectHost(CJavaIDEApp &app) : m_app(app) {}
    bool CloseProjectFiles() const override { return m_app.Options().m_closeProjectFiles == 1; }
    bool ParseAllFiles() const override { return m_app.Options().m_parseAllFiles == 1; }
    bool OpenDocumentFile(const QString &path) override { return m_app.OpenDocumentFile(path); }

private:
    CJavaIDEApp &m_app;
};

} // namespace

void CJavaIDEApp::CreateWorkspaceDocument()
{
    // The project workspace document (all projects, default tool options).
    RegisterProjectClasses();
    m_projectHost = std::make_unique<CAppProjectHost>(*this);
    m_projectDoc = std::make_unique<CProjectDoc>(m_projectHost.get());
}

void CJavaIDEApp::CreateDebugConsole()
{
    // The process's standard error is the debug console. When the desktop
    // session ends, the settings are written as they are at exit.
    if (auto *gui = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        connect(gui, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager &) { SaveSettings(); });
    }
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
    // The custom commands document loads path.
    Q_UNUSED(path);
}

void CJavaIDEApp::OpenPackageDatabase(const QString &path)
{
    // The package database loads path and is attached to the package tree.
    Q_UNUSED(path);
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
    // The bean tree loads path and is attached to the bean pane.
    Q_UNUSED(path);
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

bool CJavaIDEApp::OpenDocumentFile(const QString &path)
{
    if (!CFilePathInfo(path).Exists()) {
        Prompter().MessageBox(DocumentNotFoundMessage(path), CPrompter::Ok, CPrompter::Warning);
        return false;
    }
    // Files open by their type from here: projects, workspaces, package
    // databases, help trees and indices into their documents, class
    // archives into the package tree, anything else into an editor window.
    return false;
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
    CDocWarningDlg dlg(m_mainFrame.get());
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

void CJavaIDEApp::OnKeyboardShortcuts()
{
    QStringList dirs{StartupDir()};
    dirs += m_locations.m_ownFileDirs;
    for (const QString &dir : dirs) {
        const QString path = CFilePathInfo::Join(dir, QStringLiteral("keyboard.txt"));
        if (QFileInfo(path).isFile()) {
            QDesktopServices::openUrl(QUrl::fromLocalFile(path));
            return;
        }
    }
    Prompter().MessageBox(QStringLiteral("Keyboard.txt file not found in Mavu directory !!!"),
                          CPrompter::Ok, CPrompter::Warning);
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
