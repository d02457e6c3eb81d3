#pragma once

#include "tree/Object.h"
#include "tree/TreeControl.h"
#include "tree/TreeImages.h"

#include <QPoint>
#include <QString>

// A named node of any tree the program shows and stores: the workspace and
// its projects, the help tree, the bean tree, the debugger's values. Leaves
// are CTreeItem (or derived); nodes with children are CTreeFolder.
//
// The virtual operations below are the hooks that the tree views call; the
// base behaviour of each is given with it. Derived nodes (project files, help
// items, beans) override the ones they need.
class CTreeItem : public CObject
{
    DECLARE_SERIAL(CTreeItem)

public:
    CTreeItem();
    CTreeItem(const QString &name, int image, int selectedImage);
    ~CTreeItem() override;
    CTreeItem(const CTreeItem &) = delete;
    CTreeItem &operator=(const CTreeItem &) = delete;

    // Stored form: the name. Derived classes append their own fields.
    void Serialize(CArchive &ar) override;

    // Called once the node has been created by a view (no base effect).
    virtual void OnInitialUpdate();
    // The node is being taken out of its tree. Project files clear the
    // project's references to themselves. Returns 0.
    virtual int OnRemove();
    // Double-click or Enter on the node (no base effect).
    virtual void Activate();
    // Opens what the node stands for (a file, a help page). Returns 0.
    virtual int Open();
    // For nodes that fill their children lazily, e.g. a Java file that
    // parses itself (no base effect).
    virtual void Populate();
    virtual void Depopulate();
    // The tree control is about to expand / collapse the node's item.
    // Returns true to refuse; the base allows both.
    virtual bool OnItemExpanding(CTreeControl &tree, const CTreeNotification &notify);
    virtual bool OnItemCollapsing(CTreeControl &tree, const CTreeNotification &notify);
    // The node became the selected one; a project file tells the main frame
    // its name. Returns 0.
    virtual int OnSelChanged();
    // Whether the tree control shows an expand button for the node.
    virtual bool HasChildren() const;
    // Right-click at a global position (no base effect).
    virtual void OnContextMenu(const QPoint &globalPos);
    // The view refreshes its images or texts (no base effect).
    virtual void OnUpdateItem();
    // Tree-control hooks for nodes that keep their own item handle (project
    // files refresh, collapse and re-expand their item); no base effect.
    virtual void RefreshTreeItem(CTreeControl &tree);
    virtual void CollapseTreeItem(CTreeControl &tree);
    virtual void ExpandTreeItem(CTreeControl &tree);
    // Drag and drop.
    virtual bool CanDrag() const;
    virtual bool CanDrop(const CTreeItem *dragged) const;
    // True for project folders and the folders users create in them.
    virtual bool IsProjectFolder() const;
    // True for folders; a project file answers whether it belongs to the
    // project that is open.
    virtual bool BelongsToOpenProject() const;
    // Whether commands on the node are enabled (true in the base).
    virtual bool IsEnabled() const;
    // Whether other nodes can be put into this one (true for folders).
    virtual bool CanAcceptChildren() const;
    // The test the tree loader and savers use to tell folders from leaves.
    virtual bool IsFolder() const;
    virtual bool IsFile() const;
    virtual QString GetName() const;
    // The text shown in a tree control; the name unless overridden.
    virtual QString GetDisplayName() const;
    // Assigns the name; returns true.
    virtual bool SetName(const QString &name);
    // A command addressed to the node. Returns 0 (not handled).
    virtual int OnCommand(int commandId);
    // Whether the node has changes not yet saved (false in the base).
    virtual bool IsDirty() const;
    // Drop of a dragged node onto this one. Returns 0 (refused).
    virtual int OnDrop(CTreeItem *dragged);
    // The view's tree-control item for this node is going away.
    virtual void ForgetTreeHandle();
    // True for help items that stand for a web address.
    virtual bool IsURL() const;
    // Names are equal (exact, case-sensitive comparison).
    virtual bool IsSame(const CTreeItem *other) const;
    virtual int GetImage() const;
    virtual int GetSelectedImage() const;

    void SetImages(int image, int selectedImage);
    bool IsPopulated() const { return m_populated; }
    void SetPopulated(bool populated) { m_populated = populated; }
    bool IsMarked() const { return m_marked; }
    void SetMarked(bool marked) { m_marked = marked; }
    // Two words of bookkeeping for the view that shows the node; the node
    // only initialises them to 0. Wide enough to hold a pointer.
    quintptr GetTreeData1() const { return m_treeData1; }
    quintptr GetTreeData2() const { return m_treeData2; }
    void SetTreeData1(quintptr v) { m_treeData1 = v; }
    void SetTreeData2(quintptr v) { m_treeData2 = v; }

protected:
    bool m_populated = false; // children are in a tree control
    QString m_name;           // for files: the full path
    quintptr m_treeData1 = 0;
    quintptr m_treeData2 = 0;
    int m_image = TreeImage::Leaf;
    int m_selectedImage = TreeImage::Leaf;
    bool m_marked = false; // set by MarkAll, consumed by DeleteMarkedChildren
};
