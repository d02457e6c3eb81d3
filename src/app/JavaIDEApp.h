#pragma once

#include "app/AppLocations.h"
#include "app/CommandLineInfo.h"
#include "app/CommandMap.h"
#include "app/IDEDirectories.h"
#include "app/ProductFiles.h"
#include "app/RecentFileList.h"
#include "core/IDEOptions.h"

#include <QFont>
#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

class CActivityMonitor;
class CBuildCommands;
class CColorPage;
class CEditorOptionsDlg;
class CCommand;
class CCommandsDoc;
class CJdkToolCommands;
class CMainToolHost;
class CToolActivity;
class CRunCommands;
class CToolManager;
class CTreeItem;
class CFileDialogs;
class CMainFrame;
class CMessagePrompter;
class CPkgDoc;
class CBeanDoc;
class CProjectDoc;
class CProjectHost;
class CSettingsStore;
class CSplashWnd;
class QDialog;
class QUrl;

// The application object: runs start-up, owns the settings and the paths of
// the data files, creates the main frame and the long-lived documents.
// There is one; everything reaches it through GetApp(). It is the last
// stop of every command: what no window handles, it may.
class CJavaIDEApp : public QObject, public CCommandTarget
{
    Q_OBJECT
public:
    // args: the command line without the program name.
    explicit CJavaIDEApp(const QStringList &args, QObject *parent = nullptr);
    ~CJavaIDEApp() override;

    // The start-up sequence. False ends the program.
    bool InitInstance();

    // How start-up and commands run their dialogs; the default is exec().
    // Tests replace it to look at a dialog and answer it without showing it.
    using DialogRunner = std::function<int(QDialog &)>;
    void SetDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    int RunDialog(QDialog &dialog);

    // The file dialogs of the commands; tests answer them from a script.
    // Not owned; null restores the real ones.
    void SetFileDialogs(CFileDialogs *dialogs) { m_fileDialogs = dialogs; }
    CFileDialogs &FileDialogs();
    // How files are shown in the desktop's own viewer (keyboard.txt, and
    // help pages until the help viewer is there); the default is
    // QDesktopServices. Tests record the calls instead.
    using UrlOpener = std::function<bool(const QUrl &)>;
    void SetUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }

    // What runs in the background (tools, debugger), asked before exit and
    // before commands that need the tools idle. Not owned; null while
    // nothing can run.
    void SetActivityMonitor(CActivityMonitor *monitor);
    // A compile, javadoc run or program is running.
    bool IsToolBusy() const;
    // The tools (javac today) and their commands.
    CToolManager &Tools() const { return *m_tools; }
    CBuildCommands &Build() const { return *m_build; }
    CRunCommands &RunCommands() const { return *m_run; }
    CMainToolHost &ToolHost() const { return *m_toolHost; }

    // Whether start-up reports a missing classes.zip. It is expected once
    // the build packs the program's Java helpers (see CMakeLists.txt).
    void SetClassesZipExpected(bool expected) { m_classesZipExpected = expected; }

    CSettingsStore &Settings() { return *m_settings; }
    CIDEOptions &Options() { return m_options; }
    CIDEDirectories &Directories() { return m_directories; }
    const CProductFiles &DataFiles() const { return m_dataFiles; }
    const CAppLocations &Locations() const { return m_locations; }
    QString StartupDir() const { return m_locations.m_startupDir; }
    QString ProgramDir() const { return m_directories.m_programPath; }
    // The directory of the program's own classes.zip ("" when not found).
    QString OwnClassesDir() const { return m_ownClassesDir; }
    CMainFrame *MainFrame() const { return m_mainFrame.get(); }
    // The project workspace (all projects, the open one, default options).
    CProjectDoc *ProjectDoc() const { return m_projectDoc.get(); }
    // The package database; its file is read on first use.
    CPkgDoc *PkgDoc() const { return m_pkgDoc.get(); }
    // The bean tree ("mavu.bns").
    CBeanDoc *BeanDoc() const { return m_beanDoc.get(); }

    const QFont &FixedFont() const { return m_fixedFont; }
    const QFont &EditorFont() const { return m_editorFont; }
    const QFont &SmallFont() const { return m_smallFont; }

    // Writes the directories and the options to the settings file.
    bool SaveSettings();
    // Writes the options alone (after an options dialog).
    bool SaveOptions();

    // Opens a file by its type. False when nothing was opened.
    bool OpenDocumentFile(const QString &path);
    // The File menu's recent files.
    CRecentFileList &RecentFiles() { return m_recentFiles; }
    // The user's own commands ("user.cmd").
    CCommandsDoc &UserCommands() { return *m_userCommands; }
    CJdkToolCommands &JdkTools() { return *m_jdkTools; }
    // Runs the command a menu gave id to, for a file and a project.
    void RunUserCommand(int id, const QString &file, const QString &project);
    // Shows an HTML file in the desktop's browser until Mavu has a viewer
    // of its own; false when it could not be shown.
    bool ShowHtmlFile(const QString &path);
    // Runs command for file alone (the read-only guard's checkout).
    void RunCommandForFile(CCommand &command, const QString &file);
    // Adds path to the recent files and refreshes the menu.
    void AddToRecentFileList(const QString &path);
    // When a project is open and path is not one of its files, asks whether
    // to add it, and adds it on Yes.
    void OfferToAddToProject(const QString &path);
    // An editor window showing path became the active window.
    void OnEditorActivated(const QString &path);

    bool OnCommand(int id) override;
    bool OnUpdateCommand(CCmdUI &ui) override;

    // Application commands.
    void OnFileNew();
    void OnFileOpen();
    void OnProjectNew();
    void OnProjectOpen();
    void OnProjectClose();
    void OnProjectSave();
    void OnAddFile();
    void OnSetFont();
    void OnColorOptions();
    // The "Editor" options dialog: applied at once and written to the
    // settings file.
    void OnEditorOptions();
    // The "Options" sheet (its editor and colour pages), applied as the
    // two dialogs apply them.
    void OnOptions();
    void OnHelpIndex();
    void OnBetaNotes();
    void OnWhatsNew();
    void OnSupport();
    void OnOpenRecentFile(int index);
    // The project's "Java Options" sheet (its compiler page), and the
    // workspace's "Root options".
    void OnCompileOptions();
    void OnCustomCommands();

    void OnRootCompileOptions();
    void OnRunOptions();
    void OnDefaultHtml();
    void OnRootRunOptions();
    // The project's class path.
    void OnProjectClasspath();
    // Compile (this file) from an editor or the project tree: the file's
    // editor is saved first; false when it could not be, or nothing ran.
    bool CompileFile(const QString &path);

    static QIcon ProgramIcon();
    static QString DocumentNotFoundMessage(const QString &path);
    static QString AddToProjectQuestion();
    static QString UndoSizeNextStartMessage();
    // Project file dialogs' filter.
    static QString ProjectFilter();

public slots:
    void OnTipOfTheDay();
    void OnKeyboardShortcuts();
    void OnAppAbout();

private:
    // Start-up steps, in the order InitInstance runs them.
    void CreateCommandMap();
    bool CloseCurrentProject();
    // Shows the first of paths that exists; false when none does.
    bool OpenFirstExisting(const QStringList &paths);
    QString NotAvailableMessage(const QString &path, const QString &what) const;
    void LoadStdProfileSettings(int mruLength);
    void LoadJavaVM();
    void PrepareClassPath();
    void CreateToolManager();
    // Connects the output window and the project tree to the tools, once
    // the main frame has its panes.
    void WireTools();
    void OnProjectToolCommand(int id, CTreeItem *node);
    void ConfigureEditorComponent();
    void CreateTreeImages();
    void CreateFonts();
    void CreateWorkspaceDocument();
    void CreateDebugConsole();
    void CreateDocumentTemplates();
    void OpenDataFiles();
    void OpenWorkspace(const QString &path);
    void OpenCustomCommands(const QString &path);
    void OpenPackageDatabase(const QString &path);
    void OpenHelpTree(const QString &path);
    void CreateSearchDialog();
    void OpenSearchIndex(CProductFiles::File index, const QString &path);
    void OpenBeanTree(const QString &path);
    void CreateDebugger();
    void OpenInitialDocument();
    void OpenProjectFile(const QString &path);
    void ShowTipOfTheDay();
    void ShowDocumentationWarning();
    void OpenOptionsSheet(int page);
    // What OK of the editor options and of the colour page change.
    void ApplyEditorPage(const CEditorOptionsDlg &dlg);
    void ApplyColorPage(const CColorPage &page);
    void ReportUnreadableSettings();
    bool WriteSettingsFile();

    QStringList m_args;
    CCommandLineInfo m_cmdInfo;
    CAppLocations m_locations;
    std::unique_ptr<CSettingsStore> m_settings;
    CIDEOptions m_options;
    CIDEDirectories m_directories;
    CProductFiles m_dataFiles;
    QString m_ownClassesDir;
    bool m_classesZipExpected;

    std::unique_ptr<CMessagePrompter> m_startupPrompter;
    std::unique_ptr<CMainFrame> m_mainFrame;
    std::unique_ptr<CProjectHost> m_projectHost;
    std::unique_ptr<CProjectDoc> m_projectDoc;
    std::unique_ptr<CPkgDoc> m_pkgDoc;
    std::unique_ptr<CBeanDoc> m_beanDoc;
    QPointer<CSplashWnd> m_splash;
    QFont m_fixedFont, m_editorFont, m_smallFont;
    DialogRunner m_runDialog;
    std::unique_ptr<CFileDialogs> m_ownFileDialogs;
    CFileDialogs *m_fileDialogs = nullptr;
    UrlOpener m_openUrl;
    CActivityMonitor *m_activity = nullptr;
    std::unique_ptr<CMainToolHost> m_toolHost;
    std::unique_ptr<CToolManager> m_tools;
    std::unique_ptr<CBuildCommands> m_build;
    std::unique_ptr<CRunCommands> m_run;
    std::unique_ptr<CToolActivity> m_toolActivity;
    CRecentFileList m_recentFiles;
    std::unique_ptr<CCommandsDoc> m_userCommands;
    // Javadoc, jar, rmic, the bean manifest and find in files.
    std::unique_ptr<CJdkToolCommands> m_jdkTools;
    CCommandMap m_commands;
};

// The application object; null before start-up and after it is gone.
CJavaIDEApp *GetApp();
