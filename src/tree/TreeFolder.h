#pragma once

#include "tree/TreeItem.h"

#include <deque>
#include <functional>
#include <list>

// A node that owns an ordered list of children. Destroying a folder destroys
// its children. A folder fills a tree control lazily: its children's items
// are inserted when the folder's item is expanded and dropped again when it
// collapses, so the control always shows the model as it is now.
class CTreeFolder : public CTreeItem
{
    DECLARE_SERIAL(CTreeFolder)

public:
    using ChildList = std::list<CTreeItem *>;
    using Position = ChildList::iterator; // end() of the list stands for "none"

    CTreeFolder();
    CTreeFolder(const QString &name, int image = TreeImage::FolderOpen,
                int selectedImage = TreeImage::FolderClosed);
    ~CTreeFolder() override;

    // Stored form: DWORD child count, then the name. On load the count goes
    // to GetStoredChildCount() for the tree loader.
    void Serialize(CArchive &ar) override;

    bool OnItemExpanding(CTreeControl &tree, const CTreeNotification &notify) override;
    bool OnItemCollapsing(CTreeControl &tree, const CTreeNotification &notify) override;
    bool HasChildren() const override;
    bool BelongsToOpenProject() const override;
    bool CanAcceptChildren() const override;
    bool IsFolder() const override;

    // Takes ownership of child and inserts it before position (end() appends).
    virtual bool InsertChildBefore(Position position, CTreeItem *child);
    // Takes ownership of child. Unsorted: appends. Sorted: inserts before the
    // first child whose display name is greater than or equal to the new
    // one's, ignoring case, so an equal name goes before the existing node.
    // A derived folder may refuse a child (returns false); the caller then
    // still owns it.
    //
    // A folder of thousands of files is filled one sorted insertion at a
    // time, so while the folder knows its children are in name order it
    // finds the place by halving; when they may not be (an unsorted append
    // or an insertion out of order), it walks the list, which gives the
    // same place in an ordered list and the rule's own place otherwise.
    virtual bool AddChild(CTreeItem *child, bool sorted);
    // Where to insert node's item among the tree-control children of parent
    // so that leaves stay in alphabetical order (folders are skipped): the
    // item to insert after, TVI_FIRST or TVI_LAST.
    virtual HTREEITEM FindInsertPosition(const CTreeControl &tree, HTREEITEM parent,
                                         const CTreeItem *node) const;

    // Unlinks child without deleting it; false when it is not a direct child.
    bool RemoveChild(CTreeItem *child);
    // The position of a direct child, or end() of the list.
    Position FindChildPosition(const CTreeItem *child);
    // Depth-first, in list order, ignoring case: the first node whose name
    // equals name, a folder being tested before its subtree.
    CTreeItem *FindByName(const QString &name) const;
    // Depth-first, ignoring case: the folder that directly holds a leaf
    // (not a folder) named name.
    CTreeFolder *FindParentOf(const QString &name);
    void DeleteAllChildren();
    // A child's display name changed while it stayed in the folder, so the
    // name order the folder relies on may be gone: it checks the order again
    // at the next sorted insertion. (Taking the child out and adding it
    // again, as renaming in the project view does, needs no call.)
    void ChildRenamed();
    // Deletes the direct children whose marked flag is set.
    void DeleteMarkedChildren();
    // Marks every node below this folder.
    void MarkAll();

    const ChildList &Children() const { return m_children; }
    Position ChildrenEnd() { return m_children.end(); }
    int GetChildCount() const { return static_cast<int>(m_children.size()); }

    quint32 GetStoredChildCount() const { return m_storedChildCount; }
    void SetStoredChildCount(quint32 n) { m_storedChildCount = n; }

    // The tagged tree form shared by every stored tree. WriteTree writes
    // DWORD 1 and this folder as an object, then each child in list order:
    // DWORD 2 and the object for a leaf, the same form recursively for a
    // folder.
    void WriteTree(CArchive &ar) const;

    // Decides how a child read from an archive joins its folder: the help
    // and bean trees append, project trees add in name order. Returns false
    // when the folder refuses the child; the loader then deletes it.
    using AddChildPolicy = std::function<bool(CTreeFolder &parent, CTreeItem *child)>;
    static bool AppendChild(CTreeFolder &parent, CTreeItem *child);
    static bool AddChildSorted(CTreeFolder &parent, CTreeItem *child);

    // Reads the children of this folder, which has just been read as an
    // object (GetStoredChildCount() of them, recursively). Children already
    // added stay owned by the folder if the archive throws.
    void ReadChildren(CArchive &ar, const AddChildPolicy &add = AppendChild);
    // Reads a whole tree written by WriteTree: the tag, the root folder as an
    // object that must derive from rootClass, and its children. Returns the
    // new root, owned by the caller. Throws CArchiveException.
    static CTreeFolder *ReadTree(CArchive &ar, const CRuntimeClass *rootClass,
                                 const AddChildPolicy &add = AppendChild);

    // Stored trees nest no deeper than this; a deeper one is corrupt data.
    static constexpr int kMaxStoredDepth = 1000;

protected:
    // Offers test the children that may have the display name name
    // (ignoring case) until it answers true, and returns whether it did.
    // While the order is known only the run of such children is offered,
    // otherwise every child: test must be true only for such children.
    bool AnyChildNamed(const QString &name,
                       const std::function<bool(const CTreeItem &)> &test) const;

private:
    // What the folder knows about the name order of its children.
    enum class Order {
        Sorted,   // in name order; m_index mirrors m_children
        Unsorted, // out of order (m_index empty)
        Unknown,  // not known since a removal or a rename (m_index empty)
    };

    Position InsertAt(Position position, CTreeItem *child);
    size_t IndexOf(Position position) const;
    void SetOrder(Order order);
    void RebuildIndex();

    // Changed only through the member functions, which keep m_index and
    // m_order true to it.
    ChildList m_children;
    // While m_order is Sorted: the list's positions in list order, for
    // halving.
    std::deque<Position> m_index;
    Order m_order = Order::Sorted;
    quint32 m_storedChildCount = 0;
};
