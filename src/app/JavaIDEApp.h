#pragma once

#include "app/AppLocations.h"
#include "app/CommandLineInfo.h"
#include "app/IDEDirectories.h"
#include "app/IDEOptions.h"
#include "app/ProductFiles.h"

#include <QFont>
#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

class CMainFrame;
class CMessagePrompter;
class CProjectDoc;
class CProjectHost;
class CSettingsStore;
class CSplashWnd;
class QDialog;

// The application object: runs start-up, owns the settings and the paths of
// the data files, creates the main frame and the long-lived documents.
// There is one; everything reaches it through GetApp().
class CJavaIDEApp : public QObject
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

    const QFont &FixedFont() const { return m_fixedFont; }
    const QFont &EditorFont() const { return m_editorFont; }
    const QFont &SmallFont() const { return m_smallFont; }

    // Writes the directories and the options to the settings file.
    bool SaveSettings();
    // Writes the options alone (after an options dialog).
    bool SaveOptions();

    // Opens a file by its type. False when nothing was opened.
    bool OpenDocumentFile(const QString &path);

    static QIcon ProgramIcon();
    static QString DocumentNotFoundMessage(const QString &path);

public slots:
    void OnTipOfTheDay();
    void OnKeyboardShortcuts();
    void OnAppAbout();

private:
    // Start-up steps, in the order InitInstance runs them.
    void LoadStdProfileSettings(int mruLength);
    void LoadJavaVM();
    void PrepareClassPath();
    void CreateToolManager();
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
    QPointer<CSplashWnd> m_splash;
    QFont m_fixedFont, m_editorFont, m_smallFont;
    DialogRunner m_runDialog;
};

// The application object; null before start-up and after it is gone.
CJavaIDEApp *GetApp();
