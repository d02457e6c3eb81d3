#pragma once

#include <QString>
#include <QtGlobal>

class CTreeItem;

// An item of a tree control, opaque to the model. The widget adapter decides
// what it points at; the model only passes handles back.
struct CTreeControlItem;
using HTREEITEM = CTreeControlItem *;

// Insert-position markers, as handles that can never be real items.
inline HTREEITEM const TVI_ROOT = reinterpret_cast<HTREEITEM>(~quintptr(0) - 0xFFFF);
inline HTREEITEM const TVI_FIRST = reinterpret_cast<HTREEITEM>(~quintptr(0) - 0xFFFE);
inline HTREEITEM const TVI_LAST = reinterpret_cast<HTREEITEM>(~quintptr(0) - 0xFFFD);

// What a tree control tells a node about an expansion or collapse.
struct CTreeNotification
{
    HTREEITEM hItem = nullptr; // the item being expanded or collapsed
};

// The tree control as tree nodes see it. Nodes fill and prune the control
// lazily (on expansion and collapse) through this interface, so the node
// classes stay free of widget code and can be tested against a fake.
//
// A null parent or TVI_ROOT means the top level. GetParentItem of a top-level
// item returns null.
class CTreeControl
{
public:
    virtual ~CTreeControl() = default;

    // Inserts an item under parent after insertAfter (an item, TVI_FIRST or
    // TVI_LAST). expandable shows an expand button although the item has no
    // children yet. data is the node the item stands for (not owned).
    virtual HTREEITEM InsertItem(HTREEITEM parent, const QString &text, int image,
                                 int selectedImage, bool expandable, CTreeItem *data,
                                 HTREEITEM insertAfter = TVI_LAST) = 0;
    // Deletes the item and everything under it at once.
    virtual void DeleteItem(HTREEITEM item) = 0;
    // Deletes the item and everything under it once control returns to the
    // event loop: the caller may be inside a notification about that item.
    virtual void PostDeleteItem(HTREEITEM item) = 0;

    virtual void SetItemImage(HTREEITEM item, int image, int selectedImage) = 0;
    virtual int GetItemImage(HTREEITEM item) const = 0;
    virtual int GetItemSelectedImage(HTREEITEM item) const = 0;
    virtual void SetItemText(HTREEITEM item, const QString &text) = 0;
    virtual QString GetItemText(HTREEITEM item) const = 0;
    virtual CTreeItem *GetItemData(HTREEITEM item) const = 0;

    // Orders the direct children of parent by their text, ignoring case.
    virtual void SortChildren(HTREEITEM parent) = 0;

    virtual HTREEITEM GetParentItem(HTREEITEM item) const = 0;
    virtual HTREEITEM GetChildItem(HTREEITEM parent) const = 0; // first child or null
    virtual HTREEITEM GetNextSiblingItem(HTREEITEM item) const = 0;
    virtual HTREEITEM GetPrevSiblingItem(HTREEITEM item) const = 0;

    virtual bool IsExpanded(HTREEITEM item) const = 0;
    // Expands or collapses the item as the user would, notifying its node.
    virtual void Expand(HTREEITEM item, bool expand) = 0;
    virtual void SelectItem(HTREEITEM item) = 0;
    virtual HTREEITEM GetSelectedItem() const = 0;

    // Bold text marks items that stand out (static members); a control
    // that cannot draw it ignores the request.
    virtual void SetItemBold(HTREEITEM item, bool bold)
    {
        (void)item;
        (void)bold;
    }
    virtual bool IsItemBold(HTREEITEM item) const
    {
        (void)item;
        return false;
    }
};
