#pragma once

#include "tree/TreeItem.h"

#include <memory>

class CBeanObject;

// A bean leaf of the bean tree: its text is the bean's name, and it owns
// what introspection found about the bean. Expanded, it shows the sections
// "Properties", "Events" (each event set with the listener methods below
// it) and "Methods", each entry with its description.
class CBeanItem : public CTreeItem
{
    DECLARE_SERIAL(CBeanItem)
public:
    CBeanItem();
    explicit CBeanItem(std::unique_ptr<CBeanObject> bean);
    ~CBeanItem() override;

    // Stored form: the item's name, then the bean object.
    void Serialize(CArchive &ar) override;
    bool HasChildren() const override { return true; }
    // Builds the sections when the item shows none (the first expansion,
    // or after its folder was collapsed and opened again).
    bool OnItemExpanding(CTreeControl &tree, const CTreeNotification &notify) override;

    const CBeanObject *Bean() const { return m_bean.get(); }

    // Puts the three sections of bean under item.
    static void InsertSections(CTreeControl &tree, HTREEITEM item, const CBeanObject &bean);

private:
    std::unique_ptr<CBeanObject> m_bean;
};
