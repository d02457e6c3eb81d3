#include "project/ProjectView.h"

#include "core/CommandIds.h"
#include "core/IDEOptions.h"
#include "core/Prompter.h"
#include "javamodel/ElementTreeBuilder.h"
#include "javamodel/FileObject.h"
#include "javamodel/OverrideList.h"
#include "javamodel/ParsedFileCache.h"
#include "javamodel/VarContainer.h"
#include "javamodel/VarMethodDecl.h"
#include "project/FileChooser.h"
#include "project/MainFileDelegate.h"
#include "project/Project.h"
#include "project/ProjectDoc.h"
#include "project/ProjectFileItem.h"
#include "project/ProjectFolder.h"
#include "project/ProjectRootFolder.h"
#include "project/ProjectVirtualFolder.h"
#include "project/ResourceFileItem.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QSet>
#include <QTreeWidgetItemIterator>
#include <QUrl>
#include <algorithm>

namespace {

const QString kOutputTab = QStringLiteral("Output");
const QString kProjectFilter = QStringLiteral("Mavu Files (*.mavu)|*.mavu|All Files (*.*)|*.*||");
const QString kImportFilter = QStringLiteral("Mavu Project(*.mavu)|*.mavu|All Files(*.*)|*.*||");
const QString kAddFileFilter =
    QStringLiteral("Java Files (*.java)|*.java|HTML Files (*.html;*.htm)|*.html;*.htm|"
                   "Resource Files (*.res)|*.res|All Files (*.*)|*.*||");

template <class T> T *As(const CTreeItem *node)
{
    return dynamic_cast<T *>(const_cast<CTreeItem *>(node));
}

bool IsHtml(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    return suffix.compare(QLatin1String("html"), Qt::CaseInsensitive) == 0 ||
           suffix.compare(QLatin1String("htm"), Qt::CaseInsensitive) == 0;
}

QString CleanPath(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// The folders from top down to the one that directly holds node.
bool ChainTo(CTreeFolder *folder, const CTreeItem *node, QList<CTreeFolder *> &chain)
{
    chain.append(folder);
    for (CTreeItem *child : folder->Children()) {
        if (child == node)
            return true;
        if (child->IsFolder() && ChainTo(static_cast<CTreeFolder *>(child), node, chain))
            return true;
    }
    chain.removeLast();
    return false;
}

bool EnsureShown(CProjectView &view, CTreeFolder *root, const CTreeItem *node);

// An item's place in the tree by the texts above it: what survives a
// rebuild, when the items and possibly the nodes are new.
QString KeyOf(const QTreeWidgetItem *item)
{
    QStringList texts;
    for (; item; item = item->parent())
        texts.prepend(item->text(0));
    return texts.join(QChar(0x1F));
}

// Every "*.java" file under dir that is neither hidden nor a special file,
// directory by directory: the files of a directory (by name) before its
// subdirectories. Hidden directories (.git and the like) are tools'
// business, not sources; a directory reached twice through links is read
// once.
void CollectJavaFiles(const QString &dir, QStringList &out, QSet<QString> &seen)
{
    const QString canonical = QFileInfo(dir).canonicalFilePath();
    if (canonical.isEmpty() || seen.contains(canonical))
        return;
    seen.insert(canonical);
    const QDir d(dir);
    const QFileInfoList files =
        d.entryInfoList({QStringLiteral("*.java")}, QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &f : files)
        out << QDir::cleanPath(f.absoluteFilePath());
    const QFileInfoList subdirs = d.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &sub : subdirs)
        CollectJavaFiles(sub.absoluteFilePath(), out, seen);
}

} // namespace

CProjectView::CProjectView(QWidget *parent, CProjectDoc *workspace)
    : CMyTreeView(parent), m_doc(workspace), m_classFiles(std::make_unique<CParsedFileCache>())
{
    setObjectName(QStringLiteral("ProjectView"));
    // Files dropped from outside join the open project; nodes are not
    // dragged around inside the tree.
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    // Elements of the class view are dragged into editors (the class
    // wizard); nodes are not moved inside the tree.
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(false);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *current) {
        if (auto *folder = As<CProjectFolderBase>(NodeOf(current)))
            m_sortMode = folder->m_nSortMode;
    });
    setItemDelegate(new CMainFileDelegate(this));
    // Connected after the tree control's own handler, so that a folder has
    // filled its children when this runs.
    connect(this, &QTreeWidget::itemExpanded, this, &CProjectView::OnItemExpandedInClassView);
    UpdateAllViews();
}

QString CProjectView::MainFileTip(const QTreeWidgetItem *item) const
{
    const auto *file = As<CProjectFileItem>(NodeOf(const_cast<QTreeWidgetItem *>(item)));
    const CProject *project = file ? file->GetProject() : nullptr;
    if (!project || !project->IsOpen() || project != OpenProject())
        return QString();
    const QString name = file->GetDisplayName();
    if (!project->GetMainClass().isEmpty() &&
        name.compare(project->GetMainClass(), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Main class of the project");
    if (!project->GetMainHtml().isEmpty() &&
        name.compare(project->GetMainHtml(), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Main HTML file of the project");
    return QString();
}

CProjectView::~CProjectView() = default;

void CProjectView::SetFileChooser(CFileChooser *chooser)
{
    m_chooser = chooser;
}

void CProjectView::SetOptions(CIDEOptions *options)
{
    m_options = options;
}

CFileChooser &CProjectView::Chooser()
{
    if (m_chooser)
        return *m_chooser;
    if (!m_ownChooser)
        m_ownChooser = std::make_unique<CDialogFileChooser>();
    return *m_ownChooser;
}

CIDEOptions &CProjectView::Options() const
{
    if (m_options)
        return *m_options;
    if (!m_ownOptions)
        const_cast<CProjectView *>(this)->m_ownOptions = std::make_unique<CIDEOptions>();
    return *m_ownOptions;
}

int CProjectView::DisplayMode() const
{
    return Options().m_projectView == 1 ? 1 : 0;
}

// ------------------------------------------------------------ node queries

CProject *CProjectView::OpenProject() const
{
    if (!m_doc)
        return nullptr;
    CProject &project = m_doc->GetCurrentProject();
    return project.IsOpen() ? &project : nullptr;
}

CProjectFolder *CProjectView::OpenProjectFolder() const
{
    CProject *project = OpenProject();
    return project ? project->GetRootFolder() : nullptr;
}

bool CProjectView::InOpenProject(const CTreeItem *node) const
{
    CProjectFolder *open = OpenProjectFolder();
    return open && ProjectOf(node) == open;
}

CProjectFolder *CProjectView::ProjectOf(const CTreeItem *node) const
{
    if (!node || !m_doc || !m_doc->GetRoot())
        return nullptr;
    if (auto *folder = As<CProjectFolder>(node))
        return folder;
    QList<CTreeFolder *> chain;
    if (!ChainTo(m_doc->GetRoot(), node, chain) || chain.size() < 2)
        return nullptr;
    return As<CProjectFolder>(chain[1]);
}

CProjectFolderBase *CProjectView::ParentFolderOf(const CTreeItem *node) const
{
    if (!node || !m_doc || !m_doc->GetRoot())
        return nullptr;
    QList<CTreeFolder *> chain;
    if (!ChainTo(m_doc->GetRoot(), node, chain))
        return nullptr;
    return As<CProjectFolderBase>(chain.last());
}

CProjectView::NodeKind CProjectView::KindOf(const CTreeItem *node) const
{
    if (!node || !m_doc)
        return NodeKind::None;
    if (node == m_doc->GetRoot())
        return NodeKind::Root;
    if (auto *folder = As<CProjectFolder>(node)) {
        if (folder != OpenProjectFolder())
            return NodeKind::ClosedProject;
        return DisplayMode() == 1 ? NodeKind::OpenProjectClassView : NodeKind::OpenProject;
    }
    if (ElementOf(node))
        return NodeKind::ClassElement;
    if (As<CProjectVirtualFolder>(node))
        return NodeKind::VirtualFolder;
    if (As<CResourceFileItem>(node)) {
        return node->BelongsToOpenProject() ? NodeKind::OpenProjectResItem
                                            : NodeKind::ClosedProjectResItem;
    }
    if (As<CProjectFileItem>(node)) {
        return node->BelongsToOpenProject() ? NodeKind::OpenProjectFileItem
                                            : NodeKind::ClosedProjectFileItem;
    }
    return NodeKind::None;
}

CProjectFolderBase *CProjectView::TargetFolder(const CTreeItem *node) const
{
    CProjectFolder *open = OpenProjectFolder();
    if (!open)
        return nullptr;
    if (ProjectOf(node) != open)
        return open;
    if (auto *folder = As<CProjectFolderBase>(node))
        return folder;
    if (CProjectFolderBase *parent = ParentFolderOf(node))
        return parent;
    return open;
}

// ------------------------------------------------------- showing the model

void CProjectView::UpdateAllViews()
{
    ++m_rebuilds;
    // What the user had open and selected comes back after the rebuild,
    // found again by the texts of the items.
    QSet<QString> expanded;
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        if (!(*it)->isHidden() && (*it)->isExpanded())
            expanded.insert(KeyOf(*it));
    }
    const QString selected =
        currentItem() && !currentItem()->isHidden() ? KeyOf(currentItem()) : QString();

    CProjectRootFolder *root = m_doc ? m_doc->GetRoot() : nullptr;
    ClearTree(root);
    ForgetElements();
    if (!root)
        return;
    RefreshProjectImages();
    QTreeWidgetItem *rootItem = InsertRoot(root);

    // Expanding fills the children, which may be expanded in turn.
    std::function<void(QTreeWidgetItem *)> reopen = [&](QTreeWidgetItem *item) {
        for (int i = 0; i < item->childCount(); ++i) {
            QTreeWidgetItem *child = item->child(i);
            if (expanded.contains(KeyOf(child)) && !child->isExpanded())
                expandItem(child);
            reopen(child);
        }
    };
    reopen(rootItem);
    ExpandOpenProject();

    if (!selected.isEmpty()) {
        for (QTreeWidgetItemIterator it(this); *it; ++it) {
            if (!(*it)->isHidden() && KeyOf(*it) == selected) {
                setCurrentItem(*it);
                break;
            }
        }
    }
}

void CProjectView::RebuildAround(const std::function<void()> &change)
{
    const int before = m_rebuilds;
    change();
    // A host that forwards the workspace's UpdateAllViews has rebuilt the
    // tree already; a second rebuild would only cost time.
    if (m_rebuilds == before)
        UpdateAllViews();
}

void CProjectView::ExpandOpenProject()
{
    if (CProjectFolder *open = OpenProjectFolder()) {
        if (m_doc->GetRoot())
            ExpandNode(m_doc->GetRoot());
        ExpandNode(open);
    }
}

void CProjectView::RefreshProjectImages()
{
    if (!m_doc || !m_doc->GetRoot())
        return;
    CProjectFolder *open = OpenProjectFolder();
    for (CTreeItem *child : m_doc->GetRoot()->Children()) {
        auto *folder = As<CProjectFolder>(child);
        if (!folder)
            continue;
        folder->SetProjectOpen(folder == open);
        if (QTreeWidgetItem *item = ItemOf(folder))
            Control().SetItemImage(Handle(item), folder->GetImage(), folder->GetSelectedImage());
    }
}

void CProjectView::RefreshProjectFolder(CProjectFolder &folder)
{
    // The project's children are being replaced: drop their items, so that
    // the next expansion shows what the project holds now.
    QTreeWidgetItem *item = ItemOf(&folder);
    if (!item)
        return;
    DeleteChildItems(item);
    const bool blocked = blockSignals(true);
    item->setExpanded(false);
    blockSignals(blocked);
    folder.SetPopulated(false);
    std::function<void(CTreeItem *)> forget = [&](CTreeItem *node) {
        node->SetPopulated(false);
        node->ForgetTreeHandle();
        if (node->IsFolder()) {
            for (CTreeItem *child : static_cast<CTreeFolder *>(node)->Children())
                forget(child);
        }
    };
    forget(&folder);
    Control().SetItemImage(Handle(item), folder.GetImage(), folder.GetSelectedImage());
}

void CProjectView::SelectProject(CProjectFolder &folder)
{
    if (m_doc && m_doc->GetRoot())
        ExpandNode(m_doc->GetRoot());
    SelectNode(&folder);
    ExpandNode(&folder);
}

// Where a leaf named name goes among the items of parent: before the first
// leaf whose text is not smaller, ignoring case, folders skipped; that is
// after the item before it (TVI_FIRST when none), or last. The same answer
// as the folders' own search, walked by index: that one steps from sibling
// to sibling, and each step looks the item up among all its siblings, which
// made adding a few thousand files to one folder take seconds.
HTREEITEM CProjectView::LeafInsertPosition(QTreeWidgetItem *parent, const QString &name) const
{
    const int count = parent->childCount();
    for (int i = 0; i < count; ++i) {
        QTreeWidgetItem *child = parent->child(i);
        const CTreeItem *data = NodeOf(child);
        if (data && data->IsFolder())
            continue;
        if (QString::compare(child->text(0), name, Qt::CaseInsensitive) >= 0)
            return i > 0 ? Handle(parent->child(i - 1)) : TVI_FIRST;
    }
    return count > 0 ? TVI_LAST : TVI_FIRST;
}

namespace {
// Makes node's item exist by expanding the folders above it, top down.
bool EnsureShown(CProjectView &view, CTreeFolder *root, const CTreeItem *node)
{
    QList<CTreeFolder *> chain;
    if (!root || !ChainTo(root, node, chain))
        return false;
    for (CTreeFolder *folder : chain) {
        if (!view.ItemOf(folder))
            return false;
        view.ExpandNode(folder);
    }
    return view.ItemOf(node) != nullptr;
}
} // namespace

void CProjectView::ShowNode(CTreeItem *node, CTreeFolder *parent)
{
    if (!node || !parent || ItemOf(node))
        return;
    QTreeWidgetItem *parentItem = ItemOf(parent);
    if (!parentItem) {
        EnsureShown(*this, m_doc->GetRoot(), node);
        return;
    }
    if (!parent->IsPopulated()) {
        // The folder fills itself, the new node included.
        expandItem(parentItem);
        return;
    }
    const HTREEITEM parentHandle = Handle(parentItem);
    if (node->IsFolder()) {
        Control().InsertItem(parentHandle, node->GetDisplayName(), node->GetImage(),
                             node->GetSelectedImage(), true, node);
        Control().SortChildren(parentHandle);
    } else {
        Control().InsertItem(parentHandle, node->GetDisplayName(), node->GetImage(),
                             node->GetSelectedImage(), false, node,
                             LeafInsertPosition(parentItem, node->GetDisplayName()));
    }
}

void CProjectView::ShowFileInProjectView(CProjectFileItem &item)
{
    if (m_batchDepth == 0)
        ShowNode(&item, ParentFolderOf(&item));
}

bool CProjectView::SelectFile(const QString &path)
{
    m_activeEditorPath = path;
    if (Options().m_autoExpand != 1 || path.isEmpty())
        return false;
    CProjectFolder *open = OpenProjectFolder();
    if (!open)
        return false;
    // Editors may name the file with another letter case than the project.
    CTreeItem *node = open->FindByName(path);
    if (!node || node->IsFolder())
        return false;
    if (!EnsureShown(*this, m_doc->GetRoot(), node))
        return false;
    if (!SelectNode(node))
        return false;
    // In the class view the file's item opens on its classes.
    if (ShowsClasses(node))
        ExpandNode(node);
    return true;
}

// ---------------------------------------------------------------- commands

CProjectCommands::State CProjectView::CommandState() const
{
    const CTreeItem *node = SelectedNode();
    CProjectCommands::State state;
    state.kind = KindOf(node);
    state.haveWorkspace = m_doc != nullptr;
    state.projectOpen = OpenProject() != nullptr;
    state.inOpenProject = InOpenProject(node);
    state.canRename = CanRename(const_cast<CTreeItem *>(node));
    state.isHtml = node && IsHtml(node->GetName());
    state.isJava =
        node &&
        QFileInfo(node->GetName()).suffix().compare(QLatin1String("java"), Qt::CaseInsensitive) ==
            0;
    state.toolsAvailable = bool(m_toolCommand);
    state.folderShown = node && node->IsFolder() && ItemOf(node);
    state.toolBusy = IsToolBusy();
    state.classViewAvailable = m_classViewAvailable;
    state.displayMode = DisplayMode();
    state.sortMode = m_sortMode;
    return state;
}

bool CProjectView::IsCommandEnabled(int id) const
{
    return CProjectCommands::IsEnabled(id, CommandState());
}

QString CProjectView::CommandText(int id) const
{
    return CProjectCommands::Text(id, CommandState());
}

bool CProjectView::OnCommand(int id)
{
    if (!IsCommandEnabled(id))
        return false;
    switch (id) {
    case Cmd::ProjectNodeOpen:
        OnProjectOpen();
        break;
    case Cmd::ProjectNodeClose:
        OnProjectClose();
        break;
    case Cmd::ProjectNodeDelete:
        OnProjectDelete();
        break;
    case Cmd::ProjectAddProject:
        OnAddProject();
        break;
    case Cmd::AddFile:
    case Cmd::ProjectAddFileCtx:
        OnAddFile();
        break;
    case Cmd::ProjectAddFolder:
        OnAddFolder();
        break;
    case Cmd::ProjectDeleteFolder:
        OnDeleteFolder();
        break;
    case Cmd::ProjectAddDirectory:
        OnAddDirectory();
        break;
    case Cmd::ProjectImport:
        OnImportProject();
        break;
    case Cmd::ProjectRename:
        OnRename();
        break;
    case Cmd::ProjectRemoveFile:
        OnRemoveFile();
        break;
    case Cmd::ProjectMainClass:
        OnMainClass();
        break;
    case Cmd::ProjectMainHtml:
        OnMainHtml();
        break;
    case Cmd::ProjectFileInfo:
        OnFileInfo();
        break;
    case Cmd::ProjectUpdateImages:
        OnUpdateImages();
        break;
    case Cmd::ProjectAlphaOrder:
    case Cmd::ProjectSortLabel:
        OnAlphabeticalOrder();
        break;
    case Cmd::ProjectViewMode:
        OnProjectView();
        break;
    case Cmd::ClassViewOpen:
        ActivateElement(currentItem());
        break;
    case Cmd::ProjectCompile:
    case Cmd::ProjectRebuildFolder:
    case Cmd::ProjectCompileFolder:
    case Cmd::CompileOptions:
    case Cmd::RunOptions:
    case Cmd::ProjectClasspath:
    case Cmd::RootCompileOptions:
    case Cmd::RootRunOptions:
    case Cmd::JavadocOptions:
    case Cmd::RootJavadocOptions:
    case Cmd::ProjectFindInFiles:
        m_toolCommand(id, SelectedNode());
        break;
    default:
        return false;
    }
    return true;
}

void CProjectView::RefreshFileImages()
{
    CProjectFolder *open = OpenProjectFolder();
    if (!open || !open->GetProject())
        return;
    for (const QString &path : open->GetProject()->GetFiles()) {
        CProjectFileItem *item = open->GetProject()->FindFileItem(path);
        if (QTreeWidgetItem *treeItem = item ? ItemOf(item) : nullptr)
            Control().SetItemImage(Handle(treeItem), item->GetImage(), item->GetSelectedImage());
    }
}

void CProjectView::OnProjectOpen()
{
    auto *folder = As<CProjectFolder>(SelectedNode());
    if (!folder || !m_doc)
        return;
    const QString path = folder->GetProjectPath();
    RebuildAround([&] { m_doc->OpenProject(path, false); });
    if (CProjectFolder *open = OpenProjectFolder())
        SelectProject(*open);
}

void CProjectView::OnProjectClose()
{
    if (!m_doc)
        return;
    RebuildAround([&] { m_doc->CloseCurrentProject(); });
}

void CProjectView::OnProjectDelete()
{
    auto *folder = As<CProjectFolder>(SelectedNode());
    if (folder && KindOf(folder) == NodeKind::ClosedProject)
        RemoveProjectNode(folder);
}

void CProjectView::RemoveProjectNode(CProjectFolder *folder)
{
    // The items go first: they refer to the nodes the workspace deletes.
    DeleteNodeItems(folder);
    RebuildAround([&] { m_doc->RemoveProject(folder); });
}

void CProjectView::OnAddProject()
{
    if (!m_doc)
        return;
    const QStringList chosen = Chooser().GetOpenFileNames(
        this, QStringLiteral("Add Project"), kProjectFilter, QStringLiteral("mavu"), false);
    if (chosen.isEmpty())
        return;
    CProjectFolder *folder = m_doc->AddProject(CleanPath(chosen.first()));
    if (!folder)
        return;
    ShowNode(folder, m_doc->GetRoot());
    SelectNode(folder);
}

void CProjectView::OnAddFile()
{
    if (!OpenProject())
        return;
    CProjectFolderBase *target = TargetFolder(SelectedNode());
    const QStringList chosen = Chooser().GetOpenFileNames(this, QStringLiteral("Add File"),
                                                          kAddFileFilter, QString(), true);
    if (!chosen.isEmpty())
        AddFiles(chosen, target, false);
}

int CProjectView::AddFiles(const QStringList &paths, CProjectFolderBase *folder, bool skipPresent)
{
    if (!OpenProject())
        return 0;
    if (!folder || ProjectOf(folder) != OpenProjectFolder())
        folder = TargetFolder(SelectedNode());
    // Many files at once (a directory, an imported project) are shown by
    // one rebuild at the end: placing thousands of items one by one costs
    // a walk over the folder's items each.
    const bool batch = paths.size() > 1;
    QStringList ordered = paths;
    if (batch) {
        ++m_batchDepth;
        // Folders insert in name order, searching from their first child:
        // files taken from the last name to the first each land at the
        // front at once, where ascending order would walk the whole folder
        // for every file. The folder ends up in the same order either way.
        std::stable_sort(ordered.begin(), ordered.end(), [](const QString &a, const QString &b) {
            return QString::compare(QFileInfo(a).fileName(), QFileInfo(b).fileName(),
                                    Qt::CaseInsensitive) > 0;
        });
    }
    int added = 0;
    for (const QString &path : std::as_const(ordered)) {
        if (AddOneFile(CleanPath(path), folder, skipPresent))
            ++added;
    }
    if (batch && --m_batchDepth == 0 && added > 0) {
        UpdateAllViews();
        EnsureShown(*this, m_doc->GetRoot(), folder);
        ExpandNode(folder);
    }
    return added;
}

bool CProjectView::AddOneFile(const QString &path, CProjectFolderBase *folder, bool skipPresent)
{
    CProject *project = OpenProject();
    if (!project)
        return false;
    if (QFileInfo(path).suffix().compare(QLatin1String("mavu"), Qt::CaseInsensitive) == 0 &&
        path.compare(project->GetPathName(), Qt::CaseInsensitive) == 0) {
        Prompter().MessageBox(QStringLiteral("Cannot add Mavu project !!!"), CPrompter::Ok,
                              CPrompter::Warning);
        return false;
    }
    if (skipPresent && project->HasFile(path))
        return false;
    CProjectFileItem *item = project->AddFileItem(path, folder);
    if (!item)
        return false;
    ShowFileInProjectView(*item);
    return true;
}

void CProjectView::OnAddFolder()
{
    CTreeItem *node = SelectedNode();
    const NodeKind kind = KindOf(node);
    CProject *project = OpenProject();
    if (!project || (kind != NodeKind::OpenProject && kind != NodeKind::VirtualFolder) ||
        !InOpenProject(node))
        return;
    auto *parent = static_cast<CProjectFolderBase *>(node);
    auto *folder = new CProjectVirtualFolder(QStringLiteral("Folder"));
    if (!parent->AddChild(folder, true)) {
        delete folder;
        return;
    }
    project->SetModifiedFlag();
    ShowNode(folder, parent);
    SelectNode(folder);
}

void CProjectView::OnDeleteFolder()
{
    auto *folder = As<CProjectVirtualFolder>(SelectedNode());
    if (folder && InOpenProject(folder))
        DeleteFolderNode(folder);
}

void CProjectView::DeleteFolderNode(CProjectFolderBase *folder)
{
    CProject *project = OpenProject();
    CProjectFolderBase *parent = ParentFolderOf(folder);
    if (!project || !parent)
        return;
    // The files inside leave the project with their folder; otherwise the
    // project would go on listing files that no node shows.
    std::function<void(CTreeFolder *)> release = [&](CTreeFolder *f) {
        for (CTreeItem *child : f->Children()) {
            if (child->IsFolder())
                release(static_cast<CTreeFolder *>(child));
            else
                child->OnRemove();
        }
    };
    release(folder);
    DeleteNodeItems(folder);
    parent->RemoveChild(folder);
    delete folder;
    project->SetModifiedFlag();
}

void CProjectView::OnAddDirectory()
{
    if (!OpenProject())
        return;
    CProjectFolderBase *target = TargetFolder(SelectedNode());
    const QString dir = Chooser().GetExistingDirectory(this, QStringLiteral("AddDirectory"));
    if (dir.isEmpty())
        return;
    Prompter().SetStatusText(QStringLiteral("Wait, reading all the files in the directory..."));
    Prompter().BeginWaitCursor();
    QStringList files;
    QSet<QString> seen;
    CollectJavaFiles(dir, files, seen);
    AddFiles(files, target, true);
    Prompter().EndWaitCursor();
    Prompter().SetStatusText(QString());
}

void CProjectView::OnImportProject()
{
    if (!OpenProject())
        return;
    CProjectFolderBase *target = TargetFolder(SelectedNode());
    const QStringList chosen =
        Chooser().GetOpenFileNames(this, QStringLiteral("Select Mavu Project to Add"),
                                   kImportFilter, QStringLiteral("mavu"), false);
    if (chosen.isEmpty())
        return;
    const QString path = CleanPath(chosen.first());
    Prompter().SetStatusText(QStringLiteral("Wait, Importing project..."));
    Prompter().BeginWaitCursor();
    QStringList files;
    {
        // The other project is read on its own, with no window attached;
        // opening it would make its directory the current one.
        const QString cwd = QDir::currentPath();
        CProjectFolder folder(path);
        CProject other;
        if (other.Open(&folder, false))
            files = other.GetFiles();
        QDir::setCurrent(cwd);
    }
    AddFiles(files, target, true);
    Prompter().EndWaitCursor();
    Prompter().SetStatusText(QStringLiteral("Done"));
}

void CProjectView::OnRename()
{
    BeginRename(SelectedNode());
}

bool CProjectView::CanRename(CTreeItem *node) const
{
    switch (KindOf(node)) {
    case NodeKind::OpenProjectFileItem:
    case NodeKind::OpenProjectResItem:
        return true;
    case NodeKind::VirtualFolder:
        return InOpenProject(node);
    default:
        return false;
    }
}

QString CProjectView::OnRenamed(CTreeItem *node, const QString &text)
{
    if (!CanRename(node))
        return node->GetDisplayName();
    const QString before = node->GetName();
    // A file's rename writes the project itself, with the file's new name.
    if (node->SetName(text) && node->GetName() != before && !node->IsFile()) {
        if (CProject *project = OpenProject())
            project->SetModifiedFlag();
    }
    return node->GetDisplayName();
}

void CProjectView::AfterRename(CTreeItem *node)
{
    // Folders keep their children in name order; a renamed node moves to
    // its new place, in the model and among the items.
    CProjectFolderBase *parent = ParentFolderOf(node);
    if (!parent)
        return;
    parent->RemoveChild(node);
    if (!parent->AddChild(node, true))
        parent->InsertChildBefore(parent->ChildrenEnd(), node);
    if (QTreeWidgetItem *parentItem = ItemOf(parent))
        Control().SortChildren(Handle(parentItem));
    SelectNode(node);
}

void CProjectView::OnRemoveFile()
{
    CTreeItem *node = SelectedNode();
    const NodeKind kind = KindOf(node);
    if (kind == NodeKind::OpenProjectFileItem || kind == NodeKind::OpenProjectResItem)
        RemoveFileNode(static_cast<CProjectFileItem *>(node), false);
}

void CProjectView::RemoveFileNode(CProjectFileItem *item, bool askPhysicalDelete)
{
    CProject *project = OpenProject();
    if (!project || item->GetProject() != project)
        return;
    const QString path = item->GetName();
    DeleteNodeItems(item);
    if (!project->RemoveFileItem(item)) {
        UpdateAllViews();
        return;
    }
    if (!askPhysicalDelete || path.isEmpty())
        return;
    if (Prompter().AskYesNo(
            QStringLiteral("Do you want to physically delete the file %1 from the disk ???")
                .arg(path),
            false)) {
        QFile file(path);
        if (file.exists() && !file.remove()) {
            Prompter().MessageBox(
                QStringLiteral("Error deleting the file %1.\n%2 !!!").arg(path, file.errorString()),
                CPrompter::Ok, CPrompter::Stop);
        }
    }
}

void CProjectView::OnMainClass()
{
    CTreeItem *node = SelectedNode();
    if (KindOf(node) != NodeKind::OpenProjectFileItem)
        return;
    OpenProject()->SetMainClass(QFileInfo(node->GetName()).fileName());
    viewport()->update();
}

void CProjectView::OnMainHtml()
{
    CTreeItem *node = SelectedNode();
    if (KindOf(node) != NodeKind::OpenProjectFileItem || !IsHtml(node->GetName()))
        return;
    OpenProject()->SetMainHtml(QFileInfo(node->GetName()).fileName());
    viewport()->update();
}

void CProjectView::OnFileInfo()
{
    auto *item = As<CProjectFileItem>(SelectedNode());
    if (!item)
        return;
    emit clearOutputRequested(kOutputTab);
    CPrompter &p = Prompter();
    p.OutputLine(kOutputTab, QStringLiteral("\n---------------- File Info Begin ----------------"));
    p.OutputLine(kOutputTab, QStringLiteral("\nFile Path - %1").arg(item->GetName()));
    // The file is looked at now, and its mark follows what was found.
    if (m_dirtyTest && item->BelongsToOpenProject()) {
        item->SetDirty(m_dirtyTest(*item));
        if (QTreeWidgetItem *treeItem = ItemOf(item))
            Control().SetItemImage(Handle(treeItem), item->GetImage(), item->GetSelectedImage());
    }
    p.OutputLine(kOutputTab, item->IsDirty() ? QStringLiteral("\nFile Dirty...")
                                             : QStringLiteral("\nFile Clean..."));
    p.OutputLine(kOutputTab, QStringLiteral("\n---------------- File Info End   ----------------"));
}

void CProjectView::OnUpdateImages()
{
    RefreshProjectImages();
}

void CProjectView::OnAlphabeticalOrder()
{
    CTreeItem *node = SelectedNode();
    QTreeWidgetItem *item = ItemOf(node);
    if (!node || !node->IsFolder() || !item)
        return;
    Control().SortChildren(Handle(item));
    m_sortMode = 2;
    if (auto *folder = As<CProjectFolderBase>(node))
        folder->m_nSortMode = 2;
}

void CProjectView::OnProjectView()
{
    if (IsToolBusy())
        return;
    Options().m_projectView = DisplayMode() == 1 ? 0 : 1;
    UpdateAllViews();
    ExpandOpenProject();
    if (!m_activeEditorPath.isEmpty())
        SelectFile(m_activeEditorPath);
}

// ------------------------------------------------------------ class view

bool CProjectView::ShowsClasses(const CTreeItem *node) const
{
    const auto *file = As<CProjectFileItem>(node);
    return file && DisplayMode() == 1 && !As<CResourceFileItem>(node) &&
           file->BelongsToOpenProject() &&
           QFileInfo(file->GetName())
                   .suffix()
                   .compare(QLatin1String("java"), Qt::CaseInsensitive) == 0;
}

void CProjectView::OnItemExpandedInClassView(QTreeWidgetItem *item)
{
    if (DisplayMode() != 1 || !item)
        return;
    if (ShowsClasses(NodeOf(item))) {
        if (item->childCount() == 0)
            FillFileClasses(item);
        return;
    }
    // A folder just filled: its Java files get an expand button, and are
    // parsed only when the user opens one.
    for (int i = 0; i < item->childCount(); ++i) {
        QTreeWidgetItem *child = item->child(i);
        if (!child->isHidden() && ShowsClasses(NodeOf(child)))
            child->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    }
}

void CProjectView::FillFileClasses(QTreeWidgetItem *item)
{
    CTreeItem *node = NodeOf(item);
    if (!node)
        return;
    // The view's own cache: a parse elsewhere (Run's lookup, Parse All)
    // never frees elements that items still show; here a result is only
    // replaced after the items showing it are gone.
    CFileObject *file = m_classFiles->ParseJavaFile(node->GetName(), true);
    if (file)
        Builder().AddFile(Handle(item), *file);
    if (item->childCount() == 0)
        Builder().InsertNone(Handle(item));
}

void CProjectView::OnFileParsed(const QString &path)
{
    if (DisplayMode() != 1)
        return;
    CProject *project = OpenProject();
    CProjectFileItem *fileItem = project ? project->FindFileItem(path) : nullptr;
    QTreeWidgetItem *item = fileItem ? ItemOf(fileItem) : nullptr;
    if (!item)
        return;
    const bool wasExpanded = item->isExpanded();
    DeleteChildItems(item);
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    if (wasExpanded)
        FillFileClasses(item);
}

// ------------------------------------------------------------ the gestures

void CProjectView::OnActivate(CTreeItem *node)
{
    if (ActivateElement(ItemOf(node)))
        return;
    if (auto *item = As<CProjectFileItem>(node))
        emit openFileRequested(item->GetName());
}

void CProjectView::OnDeleteKey(CTreeItem *node)
{
    switch (KindOf(node)) {
    case NodeKind::OpenProjectFileItem:
    case NodeKind::OpenProjectResItem:
        RemoveFileNode(static_cast<CProjectFileItem *>(node), true);
        break;
    case NodeKind::VirtualFolder:
        if (InOpenProject(node))
            DeleteFolderNode(static_cast<CProjectFolderBase *>(node));
        break;
    case NodeKind::ClosedProject:
        RemoveProjectNode(static_cast<CProjectFolder *>(node));
        break;
    default:
        break; // the root, the open project, files of closed projects
    }
}

QMenu *CProjectView::CreateContextMenu(CTreeItem *node)
{
    const NodeKind kind = KindOf(node);
    if (kind == NodeKind::None)
        return nullptr;
    SelectNode(node); // the commands act on the selected node
    auto *menu = new QMenu(this);
    menu->setObjectName(MenuName(kind));
    const CProjectCommands::State state = CommandState();
    for (const CProjectCommands::Entry &entry : CProjectCommands::Menu(kind)) {
        if (entry.id == 0) {
            menu->addSeparator();
            continue;
        }
        const int id = entry.id;
        const QString label = CProjectCommands::Text(id, state);
        QAction *action =
            menu->addAction(label.isEmpty() ? QString::fromLatin1(entry.text) : label);
        action->setData(id);
        action->setEnabled(CProjectCommands::IsEnabled(id, state));
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    }
    if (m_menuExtender) {
        const bool isFile =
            kind == NodeKind::OpenProjectFileItem || kind == NodeKind::ClosedProjectFileItem;
        const bool isProject = kind == NodeKind::OpenProject || kind == NodeKind::ClosedProject;
        if (isFile || isProject) {
            const CProjectFolder *project = ProjectOf(node);
            m_menuExtender(menu, kind, isFile ? node->GetName() : QString(),
                           project ? project->GetProjectPath() : QString());
        }
    }
    if (QMenu *overrides = CreateOverrideMenu(node, menu)) {
        menu->addSeparator();
        menu->addMenu(overrides);
    }
    return menu;
}

QMenu *CProjectView::CreateOverrideMenu(CTreeItem *node, QWidget *parent)
{
    auto *type = dynamic_cast<CVarContainer *>(ElementOf(node));
    if (!type || !type->IsClass() || type->m_baseName.isEmpty() || !m_findBase)
        return nullptr;
    const CVarContainer *base = m_findBase(type->m_baseName);
    return ::CreateOverrideMenu(
        base, base && m_apiPage ? m_apiPage(*base) : QString(), parent,
        [this, base](const CVarMethodDecl *method) { emit overrideRequested(method, base); });
}

QMenu *CreateOverrideMenu(const CVarContainer *base, const QString &apiPage, QWidget *parent,
                          const std::function<void(const CVarMethodDecl *)> &chosen)
{
    auto *menu = new QMenu(QStringLiteral("Override"), parent);
    menu->setObjectName(QStringLiteral("Override"));
    if (!base) {
        menu->addAction(QStringLiteral("none"))->setEnabled(false);
        return menu;
    }
    for (const COverrideList::Entry &entry :
         COverrideList::Build(*base, apiPage, !apiPage.isEmpty())) {
        QAction *action = menu->addAction(entry.text);
        if (!entry.method) {
            action->setEnabled(false);
            continue;
        }
        action->setStatusTip(entry.description);
        action->setToolTip(entry.description);
        const CVarMethodDecl *method = entry.method;
        QObject::connect(action, &QAction::triggered, menu, [chosen, method] { chosen(method); });
    }
    return menu;
}

// ---------------------------------------------------- files from outside

namespace {
QStringList DroppedFiles(const QMimeData *mime)
{
    QStringList files;
    if (!mime || !mime->hasUrls())
        return files;
    for (const QUrl &url : mime->urls()) {
        if (!url.isLocalFile())
            continue;
        const QFileInfo info(url.toLocalFile());
        if (info.isFile())
            files << QDir::cleanPath(info.absoluteFilePath());
    }
    return files;
}
} // namespace

void CProjectView::dragEnterEvent(QDragEnterEvent *event)
{
    dragMoveEvent(event);
}

void CProjectView::dragMoveEvent(QDragMoveEvent *event)
{
    if (OpenProject() && !DroppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void CProjectView::dropEvent(QDropEvent *event)
{
    const QStringList files = DroppedFiles(event->mimeData());
    if (!OpenProject() || files.isEmpty()) {
        event->ignore();
        return;
    }
    CTreeItem *under = NodeOf(itemAt(event->position().toPoint()));
    AddFiles(files, TargetFolder(under), false);
    event->acceptProposedAction();
}
