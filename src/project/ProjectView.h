#pragma once

#include "project/MyTreeView.h"
#include "project/ProjectCommands.h"

#include <QStringList>
#include <functional>
#include <memory>

class CFileChooser;
class CIDEOptions;
class CParsedFileCache;
class CVarContainer;
class CVarMethodDecl;
class CProject;
class CProjectDoc;
class CProjectFileItem;
class CProjectFolder;
class CProjectFolderBase;
class CTreeFolder;
class QAction;

// The workspace's tree in the project pane: the root "Mavu Projects", one
// node per project, and the folders and files of the projects. Every
// project command that acts on a node starts here: the view finds the
// selected node and calls the project or the workspace.
//
// The main frame embeds it and forwards:
//  - Add File (Cmd::AddFile) from its menu to OnAddFile();
//  - the activation of an editor window to SelectFile(path);
//  - the workspace host's UpdateAllViews, RefreshProjectFolder,
//    ShowFileInProjectView and SelectProject to the methods of those names
//    (the view also refreshes itself after its own commands, so a host that
//    forwards nothing still leaves a correct tree);
// and connects openFileRequested to opening an editor window.
//
// Dialogs go through a CFileChooser and messages through the prompter, so
// that tests drive every command without a real dialog.
class CProjectView : public CMyTreeView
{
    Q_OBJECT

public:
    using NodeKind = CProjectCommands::NodeKind;

    // workspace is not owned and must outlive the view.
    CProjectView(QWidget *parent, CProjectDoc *workspace);
    ~CProjectView() override;

    CProjectDoc *Workspace() const { return m_doc; }

    // Dialogs: null means the real file dialogs. Not owned.
    void SetFileChooser(CFileChooser *chooser);
    // Where "Editor"/"AutoExpand" and "Editor"/"ProjectView" are read and
    // written (the application's options); null means the view's own
    // defaults. Not owned.
    void SetOptions(CIDEOptions *options);
    // Asked before the view toggle: tool commands are refused while a tool
    // runs. Unset means no tool ever runs.
    void SetToolBusyQuery(std::function<bool()> busy) { m_toolBusy = std::move(busy); }
    // The commands that the tools carry out for a node (Compile, Rebuild
    // Folder, Compile *.java Folder, the compiler options, Classpath...):
    // the view enables them once a handler is set, and hands it the command
    // and the selected node.
    void SetToolCommands(std::function<void(int, CTreeItem *)> run)
    {
        m_toolCommand = std::move(run);
    }
    // Adds the user's commands to a context menu: file is the file item's
    // path (empty for a project item), project the project file it belongs
    // to.
    using MenuExtender =
        std::function<void(QMenu *, NodeKind, const QString &file, const QString &project)>;
    void SetContextMenuExtender(MenuExtender extend) { m_menuExtender = std::move(extend); }
    // File Info's test of whether a source needs compiling (the class files
    // against the source); unset, the file's dirty mark answers.
    void SetDirtyTest(std::function<bool(CProjectFileItem &)> test)
    {
        m_dirtyTest = std::move(test);
    }
    // The dirty marks changed: the files of the open project show them.
    void RefreshFileImages();
    // Whether the class view can be shown; while not, the toggle stays
    // disabled in the menus.
    void SetClassViewAvailable(bool available) { m_classViewAvailable = available; }
    // Where the Override menu of a class finds the class's base (the class
    // lookup) and the text of a class's API page ("" when the documentation
    // is off or has no page for it). Unset, classes offer no Override menu.
    void SetOverrideSource(std::function<const CVarContainer *(const QString &)> findBase,
                           std::function<QString(const CVarContainer &)> apiPage)
    {
        m_findBase = std::move(findBase);
        m_apiPage = std::move(apiPage);
    }
    // path was parsed again (saved, Parse All): in the class view its
    // classes are shown anew.
    void OnFileParsed(const QString &path);

    // --- What the main frame forwards.
    // Add File: files chosen in a dialog (several at once) join the selected
    // folder of the open project, or its top when nothing there is selected.
    void OnAddFile();
    // The active editor shows path (empty: no editor is active): when
    // "Editor"/"AutoExpand" is 1, its item in the open project is expanded
    // to and selected.
    bool SelectFile(const QString &path);
    // Rebuilds the tree from the workspace (a project opened or closed),
    // keeping the folders that were expanded and the selection.
    void UpdateAllViews();
    void RefreshProjectFolder(CProjectFolder &folder);
    // A file item was added to the open project: show it in place.
    void ShowFileInProjectView(CProjectFileItem &item);
    void SelectProject(CProjectFolder &folder);
    // What item stands for when it is the open project's main class file
    // or main HTML file, for its tooltip; "" for any other item. The tree
    // draws such items in bold.
    QString MainFileTip(const QTreeWidgetItem *item) const;

    // --- Commands, on the selected node.
    // Runs command id; false when it is not one of the view's, or is
    // disabled for the selected node.
    bool OnCommand(int id);
    bool IsCommandEnabled(int id) const;
    // The text of command id's menu item, after its update handler.
    QString CommandText(int id) const;

    void OnProjectOpen();
    void OnProjectClose();
    void OnProjectDelete();
    void OnAddProject();
    void OnAddFolder();
    void OnDeleteFolder();
    void OnAddDirectory();
    void OnImportProject();
    void OnRename();
    void OnRemoveFile();
    void OnMainClass();
    void OnMainHtml();
    void OnFileInfo();
    void OnUpdateImages();
    void OnAlphabeticalOrder();
    void OnProjectView();

    // Adds paths to the open project under folder (null: the target of the
    // selection). With skipPresent, files already in the project are left
    // alone without a word; otherwise the project reports them. Returns
    // how many were added.
    int AddFiles(const QStringList &paths, CProjectFolderBase *folder, bool skipPresent);

    NodeKind KindOf(const CTreeItem *node) const;
    // The context menu's name for a kind ("OpenProjectFileItem", ...).
    static QString MenuName(NodeKind kind) { return CProjectCommands::MenuName(kind); }
    // What the enabling rules see of the selected node and the view.
    CProjectCommands::State CommandState() const;
    QMenu *CreateContextMenu(CTreeItem *node) override;

    // 0 = file view, 1 = class view ("Editor"/"ProjectView").
    int DisplayMode() const;
    // The project that is open, its folder, or null.
    CProjectFolder *OpenProjectFolder() const;
    // The project node above node (node itself for a project), or null.
    CProjectFolder *ProjectOf(const CTreeItem *node) const;

signals:
    // A file's node was activated: open it in an editor window.
    void openFileRequested(const QString &path);
    // A method of base was chosen in a class's Override menu: write its
    // override into the active editor at the caret.
    void overrideRequested(const CVarMethodDecl *method, const CVarContainer *base);
    // The output window is about to get a block of lines (File Info).
    void clearOutputRequested(const QString &tab);

protected:
    void OnActivate(CTreeItem *node) override;
    void OnDeleteKey(CTreeItem *node) override;
    bool CanRename(CTreeItem *node) const override;
    QString OnRenamed(CTreeItem *node, const QString &text) override;
    void AfterRename(CTreeItem *node) override;

    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool DragsProjectClasses() const override { return true; }

private:
    CFileChooser &Chooser();
    CIDEOptions &Options() const;
    bool IsToolBusy() const { return m_toolBusy && m_toolBusy(); }
    CProject *OpenProject() const;
    // node belongs to the project that is open.
    bool InOpenProject(const CTreeItem *node) const;
    // Where files go for the selected node: a folder of the open project.
    CProjectFolderBase *TargetFolder(const CTreeItem *node) const;
    CProjectFolderBase *ParentFolderOf(const CTreeItem *node) const;
    bool AddOneFile(const QString &path, CProjectFolderBase *folder, bool skipPresent);
    void ShowNode(CTreeItem *node, CTreeFolder *parent);
    // In the class view, Java files of the open project show their classes
    // when expanded.
    bool ShowsClasses(const CTreeItem *node) const;
    // The Override menu of the class node's base, or null.
    QMenu *CreateOverrideMenu(CTreeItem *node, QWidget *parent);
    void OnItemExpandedInClassView(QTreeWidgetItem *item);
    void FillFileClasses(QTreeWidgetItem *item);
    HTREEITEM LeafInsertPosition(QTreeWidgetItem *parent, const QString &name) const;
    void RemoveFileNode(CProjectFileItem *item, bool askPhysicalDelete);
    void DeleteFolderNode(CProjectFolderBase *folder);
    void RemoveProjectNode(CProjectFolder *folder);
    void RefreshProjectImages();
    // Runs a workspace change, then rebuilds the tree unless the change
    // already did.
    void RebuildAround(const std::function<void()> &change);
    void ExpandOpenProject();

    CProjectDoc *m_doc;
    CFileChooser *m_chooser = nullptr;
    std::unique_ptr<CFileChooser> m_ownChooser;
    CIDEOptions *m_options = nullptr;
    std::unique_ptr<CIDEOptions> m_ownOptions;
    std::function<bool()> m_toolBusy;
    std::function<void(int, CTreeItem *)> m_toolCommand;
    MenuExtender m_menuExtender;
    std::function<bool(CProjectFileItem &)> m_dirtyTest;
    bool m_classViewAvailable = true;
    std::unique_ptr<CParsedFileCache> m_classFiles; // what the class view shows
    std::function<const CVarContainer *(const QString &)> m_findBase;
    std::function<QString(const CVarContainer &)> m_apiPage;
    int m_sortMode = 1;         // of the selected folder: 1 compile order, 2 alphabetical
    int m_rebuilds = 0;         // counts UpdateAllViews, to skip a second one
    QString m_activeEditorPath; // the file of the active editor, as last told
    int m_batchDepth = 0;       // adding many files: shown once at the end
};

// The "Override" menu of a class whose base class is base: the base's
// methods as COverrideList gives them (apiPage: the base's API page, empty
// when there is none), each with its description; choosing one calls
// chosen. A base that is not known (null) gives a lone greyed "none".
QMenu *CreateOverrideMenu(const CVarContainer *base, const QString &apiPage, QWidget *parent,
                          const std::function<void(const CVarMethodDecl *)> &chosen);
