#pragma once

#include <QString>
#include <functional>
#include <memory>

class CArchive;
class CBeanItem;
class CBeanObject;
class CTreeFolder;
class CTreeItem;

// The bean tree: folders of beans under the root folder "Beans", kept in
// "mavu.bns" in the data directory. The file is written again whenever the
// user changes the tree, so that what the user did survives a crash.
class CBeanDoc
{
public:
    // A folder deeper than this many folders above it takes no sub-folder.
    static constexpr int kMaxAncestors = 4;

    CBeanDoc();
    ~CBeanDoc();
    CBeanDoc(const CBeanDoc &) = delete;
    CBeanDoc &operator=(const CBeanDoc &) = delete;

    // Reads the file at path. A missing file starts an empty tree under
    // that path. A file holding elements of an older schema is written back
    // at once. A damaged or truncated file is refused with a message: the
    // tree starts empty and is never saved over the file. Returns false
    // only for a refused file.
    bool Open(const QString &path);
    // Writes the tree to its own path (all or nothing). Refused files and
    // documents without a path are not written.
    bool Save();
    void Serialize(CArchive &ar);

    const QString &PathName() const { return m_path; }
    bool IsSaveBlocked() const { return m_saveBlocked; }
    // Set when the file just read was written back in the current form.
    bool WasRewritten() const { return m_rewritten; }

    CTreeFolder &Root() const { return *m_root; }
    // The folder that directly holds node, null for the root and for nodes
    // not in the tree.
    CTreeFolder *ParentOf(const CTreeItem *node) const;
    // How many folders stand above node; -1 when it is not in the tree.
    int AncestorCount(const CTreeItem *node) const;
    // The folder a command on the selected node works in: the node itself
    // when it is a folder, else the folder that holds it; the root when
    // nothing is selected.
    CTreeFolder *FolderFor(CTreeItem *selected) const;

    // The commands of the Beans tab. Each saves the tree when it changed it
    // and tells the user when it refuses.
    //
    // A folder "New Folder" in FolderFor(selected), unless selected has
    // kMaxAncestors folders above it ("Nested too deep !!!").
    CTreeFolder *AddFolder(CTreeItem *selected);
    // The bean (parsed from DumpBean's output) in FolderFor(selected),
    // unless that folder holds a bean of that name already.
    CBeanItem *AddBean(CTreeItem *selected, std::unique_ptr<CBeanObject> bean);
    // AddBean with the bean that DumpBean wrote into outputFile, which is
    // deleted afterwards. A file that cannot be read or holds no whole bean
    // is reported and adds nothing.
    CBeanItem *AddDumpedBean(CTreeItem *selected, const QString &outputFile);
    // Asks first; on Yes removes node (a folder with all it holds) after
    // beforeDelete was told, so that views drop their items of it. The
    // root is never deleted.
    bool DeleteItem(CTreeItem *node, const std::function<void(CTreeItem *)> &beforeDelete = {});
    // A folder's name edited in place; saved.
    bool RenameFolder(CTreeFolder *folder, const QString &name);
    static bool CanDelete(const CBeanDoc &doc, const CTreeItem *node);

    // After the tree was replaced (open).
    std::function<void()> m_onUpdateAllViews;

private:
    void NewRoot();

    std::unique_ptr<CTreeFolder> m_root;
    QString m_path;
    bool m_saveBlocked = false;
    bool m_rewritten = false;
};

// Registers the bean classes, and the element and tree classes they build
// on, with the class registry. Idempotent; called before a bean file is
// read.
void RegisterBeanClasses();
