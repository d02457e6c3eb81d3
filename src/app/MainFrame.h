#pragma once

#include "app/CommandMap.h"
#include "app/FrameLayout.h"
#include "app/MessagePrompter.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <memory>

class CActivityMonitor;
class CBeanView;
class CBuddyWnd;
class CChildFrame;
class CProjectClassLookup;
class CClassLookup;
class CJavaIDEApp;
class CVarContainer;
class CEditorWindowList;
class CFrameMenus;
class CFramePanes;
class CNewProjectView;
class COutputPane;
class CClassDumper;
class CPackageView;
class CProjectView;
class CProjectViewChooser;
class CSettingsStore;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QSessionManager;
class QTabWidget;
class QTimer;
class CCommandUIIdle;
class QToolBar;

// The main window. The project pane and the editor area stand side by side
// in a splitter (either may be on the left); the output window sits below
// them or floats in the editor area; the main, debug and browser toolbars
// and a status bar of seven panes go around them. The whole arrangement is
// kept in the settings ("Windows" and one section per bar) and comes back at
// the next start.
//
// Every menu item, button and shortcut is a command id: the frame offers it
// to the active window first, then handles it itself, then hands it to the
// application. A command nobody handles is shown disabled.
class CMainFrame : public QMainWindow, public CCommandTarget
{
    Q_OBJECT
public:
    // installPrompter: make this window's message boxes the program's
    // prompter (not done when a test has installed its own).
    explicit CMainFrame(bool installPrompter);
    ~CMainFrame() override;

    // Builds the panes, menus, bars and status bar and reads the layout
    // from the settings. False on failure, which ends start-up.
    bool LoadFrame();
    // Puts the panes and bars where the layout says.
    void RestoreBars();
    // The last step of start-up, once the window is shown.
    void OnStartupComplete();

    // ---- panes ---------------------------------------------------------
    QMdiArea *MdiArea() const { return m_mdiArea; }
    CNewProjectView *ProjectPane() const { return m_projectPane; }
    // The workspace's tree on the Projects tab (null without a workspace).
    CProjectView *ProjectView() const { return m_projectView; }
    // Puts the package database's tree on the Packages tab (once the
    // application has opened the database).
    void AttachPackageDatabase();
    // Puts the bean tree on the Beans tab (once the application has opened
    // the bean file).
    void AttachBeanTree();
    // The tree views are made when first asked for.
    CBeanView *BeanView() const;
    // Points an introspector at the JDK's java and the program's
    // classes.zip as the settings now say.
    static void PrepareIntrospector(CJavaIDEApp &app, CClassDumper &introspector);
    CPackageView *PackageView() const;
    // Brings the Packages tab to the front and puts a class file, zip or jar
    // into the package database through the introspection dialog. False
    // when nothing was added.
    bool AddToPackageDatabase(const QString &path);
    CBuddyWnd *EditorPane() const { return m_buddy; }
    // The output window (docked or floating) and its two tabs.
    QWidget *OutputArea() const;
    COutputPane *Output() const { return m_output; }
    // Brings a tree of the project pane to the front: 0 projects,
    // 1 packages, 2 beans, 4 help. A floating pane's window is activated.
    void ActivatePane(int pane);
    // Shows the output window with tab 0 (Output) or 1 (Build) in front.
    void ShowOutputTab(int tab);

    bool IsOutputShown() const { return m_layout.m_output; }
    bool IsOutputDocked() const { return m_layout.m_dockOutput; }
    bool IsProjectDocked() const { return m_layout.m_project; }
    void ShowOutput(bool show);
    void SetOutputDocked(bool docked);
    void SetProjectDocked(bool docked);
    // Puts the project pane and the editor area on the other sides.
    void SwapPanes();
    // The column (0 left, 1 right) of the project pane.
    int ProjectColumn() const { return m_layout.m_projectPane; }

    // The debugger window's split, kept with the layout.
    double DebugRatio() const { return m_layout.m_debugRatio; }
    void SetDebugRatio(double ratio) { m_layout.m_debugRatio = ratio; }

    QToolBar *MainBar() const { return m_mainBar; }
    QToolBar *DebugBar() const { return m_debugBar; }
    QToolBar *BrowserBar() const { return m_browserBar; }
    // Status-bar panes 1 to 6 (pane 0 is the message area): 1 the caret's
    // line and column, 2 insert/overwrite, 3 read-only, 4 the language of
    // the active file, 5 its encoding, 6 the open project.
    static constexpr int kStatusPanes = 7;
    QLabel *StatusPane(int pane) const;
    void SetPaneText(int pane, const QString &text);

    // ---- layout --------------------------------------------------------
    // The arrangement as last read or saved.
    const CFrameLayout &Layout() const { return m_layout; }
    // Writes the arrangement as it is now; a minimised window leaves what
    // is stored alone.
    void SaveLayout(CSettingsStore &store);

    // ---- commands ------------------------------------------------------
    QAction *Action(int id) const;
    // Runs command id through the active window, the frame and the
    // application, in that order.
    void ExecuteCommand(int id);
    // Enables, checks and labels every action as the handlers say.
    void UpdateCommandUI();
    // Fills the File menu's recent files from the application's list.
    void RebuildRecentFilesMenu();

    bool OnCommand(int id) override;
    bool OnUpdateCommand(CCmdUI &ui) override;

    // ---- editor windows -----------------------------------------------
    // The window showing path (letter case ignored), or null.
    CChildFrame *FindEditor(const QString &path) const;
    QList<CChildFrame *> EditorWindows() const;
    CChildFrame *ActiveEditor() const;
    // Opens path in an editor with the caret at the start of line (1-based;
    // a line the file does not have leaves the caret where it is) and gives
    // it the focus.
    CChildFrame *OpenSourceAt(const QString &path, int line);
    // F12: the declaration of the name at the active editor's caret, in the
    // open project's sources; false (and a word in the status bar) when
    // there is none.
    bool GoToDeclaration();
    // The classes the class wizard checks against: the open project's, then
    // the package database's.
    const CClassLookup *WizardLookup();
    // The methods the base class of the class at child's caret offers to
    // override (the class wizard's "Override" menu); choosing one writes
    // it at the caret's line. Null when no class with a base holds that
    // line. The caller owns the menu.
    QMenu *CreateEditorOverrideMenu(CChildFrame *child, QWidget *parent);
    // The text of type's API documentation page, "" when there is none.
    static QString ApiPageText(CJavaIDEApp &app, const CVarContainer &type);
    // Opens path in an editor window, or activates the one that shows it.
    // Null (after a message) when the file cannot be shown.
    CChildFrame *OpenEditor(const QString &path);
    // Where the debugger stopped: path opened (or activated) with the
    // execution mark on line (from 1) shown, and the mark taken off every
    // other editor. Null when the file cannot be shown.
    CChildFrame *ShowDebuggerLine(const QString &path, int line);
    // The program runs on or the debugger ended: no execution mark.
    void ClearDebuggerLine();
    // Every editor draws the breakpoints the open project (if any) keeps
    // for its file: after a project opened or closed.
    void ShowProjectBreakpoints();
    // An empty editor window for a new file.
    CChildFrame *NewEditor();
    // Closes every editor window, asking about unsaved changes; false when
    // one of them was kept.
    bool CloseAllEditors();
    // Saves every editor window with changes and the open project; false
    // when one could not be saved.
    bool SaveAll();

    // ---- exit ------------------------------------------------------------
    // What runs and must be asked about before exit (the tool manager and
    // the debugger); null while nothing can run. Not owned.
    void SetActivityMonitor(CActivityMonitor *monitor) { m_activity = monitor; }
    // The exit sequence; true when the window may close.
    bool OnClose();
    // The desktop session is ending: true when the program agrees.
    bool OnQueryEndSession();

signals:
    // An editor window joined the editor area.
    void editorWindowAdded(CChildFrame *child);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void CreatePanes();
    CPackageView *MakePackageView();
    CBeanView *MakeBeanView();
    void CreateStatusBar();
    void SetStatusPanesShown(bool shown);
    void CreateCommandMap();
    void CreateLayoutCommands();
    void OnCommitDataRequest(QSessionManager &manager);
    bool AskRunningActivities();
    // What both ways out share once the project is put away: the running
    // tools asked about, the layout and settings saved, the editors asked
    // to save. False when the user keeps the program running.
    bool FinishExit();
    void ScheduleCommandUI();
    void OnSubWindowActivated(QMdiSubWindow *window);
    CCommandTarget *ActiveTarget() const;

    void AddEditorWindow(CChildFrame *child);

    void ToggleBar(QToolBar *bar);

    CMessagePrompter m_prompter;
    bool m_prompterInstalled = false;
    CPrompter *m_previousPrompter = nullptr;
    CActivityMonitor *m_activity = nullptr;

    CFrameLayout m_layout;
    std::unique_ptr<CFramePanes> m_panes; // the splitters, floating panes and bars
    CNewProjectView *m_projectPane = nullptr;
    CProjectView *m_projectView = nullptr;
    std::unique_ptr<CClassDumper> m_introspector;
    bool m_packagesAttached = false;
    bool m_beansAttached = false;
    CPackageView *m_packageView = nullptr; // the Packages tab
    std::unique_ptr<CClassDumper> m_beanIntrospector;
    CBeanView *m_beanView = nullptr; // the Beans tab
    std::unique_ptr<CProjectViewChooser> m_projectChooser;
    std::unique_ptr<CProjectClassLookup> m_classLookup; // the class wizard's, of the open project
    CBuddyWnd *m_buddy = nullptr;
    QMdiArea *m_mdiArea = nullptr;
    std::unique_ptr<CEditorWindowList> m_editors; // the editor windows of m_mdiArea
    COutputPane *m_output = nullptr;
    bool m_closing = false;

    QToolBar *m_mainBar = nullptr;
    QToolBar *m_debugBar = nullptr;
    QToolBar *m_browserBar = nullptr;
    QList<QLabel *> m_statusPanes;

    std::unique_ptr<CFrameMenus> m_menus; // actions, menus, bars
    CCommandMap m_commands;
    QTimer *m_updateTimer = nullptr;
    CCommandUIIdle *m_commandIdle = nullptr;
};
