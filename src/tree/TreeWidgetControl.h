#pragma once

#include "tree/TreeControl.h"

#include <QIcon>
#include <QList>
#include <QObject>

class QTreeWidget;
class QTreeWidgetItem;

// Puts a QTreeWidget behind the tree-control interface that tree nodes use,
// and forwards the widget's expansions and collapses to the nodes' hooks:
// a node may refuse either, and folders fill and prune their children there.
//
// Handles are the widget's items; each item keeps the node it stands for.
class CTreeWidgetControl : public QObject, public CTreeControl
{
    Q_OBJECT

public:
    // images: the image list that image indexes refer to; empty means the
    // shared tree image list.
    explicit CTreeWidgetControl(QTreeWidget *tree, QList<QIcon> images = {});
    ~CTreeWidgetControl() override;

    QTreeWidget *Widget() const { return m_tree; }
    static QTreeWidgetItem *ToItem(HTREEITEM h) { return reinterpret_cast<QTreeWidgetItem *>(h); }
    static HTREEITEM ToHandle(QTreeWidgetItem *item) { return reinterpret_cast<HTREEITEM>(item); }

    HTREEITEM InsertItem(HTREEITEM parent, const QString &text, int image, int selectedImage,
                         bool expandable, CTreeItem *data,
                         HTREEITEM insertAfter = TVI_LAST) override;
    void DeleteItem(HTREEITEM item) override;
    void PostDeleteItem(HTREEITEM item) override;
    void SetItemImage(HTREEITEM item, int image, int selectedImage) override;
    int GetItemImage(HTREEITEM item) const override;
    int GetItemSelectedImage(HTREEITEM item) const override;
    void SetItemText(HTREEITEM item, const QString &text) override;
    QString GetItemText(HTREEITEM item) const override;
    CTreeItem *GetItemData(HTREEITEM item) const override;
    void SortChildren(HTREEITEM parent) override;
    HTREEITEM GetParentItem(HTREEITEM item) const override;
    HTREEITEM GetChildItem(HTREEITEM parent) const override;
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const override;
    HTREEITEM GetPrevSiblingItem(HTREEITEM item) const override;
    bool IsExpanded(HTREEITEM item) const override;
    void Expand(HTREEITEM item, bool expand) override;
    void SelectItem(HTREEITEM item) override;
    HTREEITEM GetSelectedItem() const override;
    void SetItemBold(HTREEITEM item, bool bold) override;
    bool IsItemBold(HTREEITEM item) const override;

private:
    QTreeWidgetItem *ParentItem(HTREEITEM parent) const;
    QIcon MakeIcon(int image, int selectedImage) const;
    void OnExpanded(QTreeWidgetItem *item);
    void OnCollapsed(QTreeWidgetItem *item);

    QTreeWidget *m_tree;
    QList<QIcon> m_images;
    bool m_reverting = false; // undoing a refused expansion or collapse
};
