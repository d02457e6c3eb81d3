#pragma once

#include "tree/TreeWidgetControl.h"

#include <QTreeWidget>

class CTreeItem;
class QMenu;

// What every tree view of the program has in common: a QTreeWidget whose
// items stand for tree nodes, filled lazily by the nodes themselves through
// the tree-control adapter, with the gestures turned into calls a derived
// view answers: activation (double click, Enter), the Delete key, a context
// menu chosen by the node, and renaming a node in place.
//
// A view never owns the nodes: each item refers to its node, and whoever
// deletes a node first deletes its items (DeleteNodeItems).
class CBaseTreeView : public QTreeWidget
{
    Q_OBJECT

public:
    explicit CBaseTreeView(QWidget *parent = nullptr);
    ~CBaseTreeView() override;

    CTreeControl &Control();
    static HTREEITEM Handle(QTreeWidgetItem *item) { return CTreeWidgetControl::ToHandle(item); }
    static QTreeWidgetItem *Item(HTREEITEM h) { return CTreeWidgetControl::ToItem(h); }

    // The node an item stands for (null for none).
    CTreeItem *NodeOf(QTreeWidgetItem *item) const;
    // The item showing node, or null when it is not shown. Items that a
    // collapse has replaced and that wait for their deletion do not count.
    QTreeWidgetItem *ItemOf(const CTreeItem *node) const;
    CTreeItem *SelectedNode() const;
    // Selects node's item (when shown) and makes it visible.
    bool SelectNode(const CTreeItem *node);
    // Expands the item of node as the user would; the node fills it.
    bool ExpandNode(const CTreeItem *node);
    // Removes every item showing node (and the items below them).
    void DeleteNodeItems(const CTreeItem *node);
    // Drops the items below item (not item itself), without asking the
    // nodes anything.
    void DeleteChildItems(QTreeWidgetItem *item);
    // Puts a top-level item for root and expands it.
    QTreeWidgetItem *InsertRoot(CTreeItem *root);
    // Empties the widget and tells every node under root that it is no
    // longer shown, so that the next expansion fills it again.
    void ClearTree(CTreeItem *root);

    // Which items are open and which is current, each named by the texts
    // from its top-level item down: what survives a rebuild of the tree.
    struct OpenState
    {
        QList<QStringList> m_expanded; // parents before their children
        QStringList m_current;
        int m_scroll = 0;
    };
    OpenState SaveOpenState() const;
    // Opens again (the nodes filling them as on a click) the items of state
    // that exist, makes the current one current again and scrolls back.
    void RestoreOpenState(const OpenState &state);

    // Starts editing node's text in place, when CanRename allows it.
    bool BeginRename(CTreeItem *node);
    bool IsRenamePending() const { return m_renaming != nullptr; }

    // The context menu for node (null for none); the caller owns it.
    virtual QMenu *CreateContextMenu(CTreeItem *node) = 0;

protected:
    // Double click or Enter on a node.
    virtual void OnActivate(CTreeItem *node) = 0;
    // The Delete key on the selected node.
    virtual void OnDeleteKey(CTreeItem *node) = 0;
    // Whether node's name may be edited in place.
    virtual bool CanRename(CTreeItem *node) const = 0;
    // The edit of node's text ended with text (never empty: an empty edit
    // gives the node's display name). Returns the text the item shows from
    // now on; the node's old display name keeps it unchanged.
    virtual QString OnRenamed(CTreeItem *node, const QString &text) = 0;
    // After the item shows the new text (re-sorting, for instance).
    virtual void AfterRename(CTreeItem *node);

    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void OnItemActivated(QTreeWidgetItem *item);
    void OnItemChanged(QTreeWidgetItem *item, int column);
    void EndRename();

    class CViewControl;
    CViewControl *m_control;         // a child QObject of the widget
    CTreeItem *m_renaming = nullptr; // node whose text is being edited
    QTreeWidgetItem *m_renameItem = nullptr;
};
