#pragma once

#include "tree/TreeItem.h"

class CElementTreeBuilder;
class CVarObject;

// What an item of an element tree stands for: a parsed element, one of the
// folders "Methods" and "Variables" of a class, a group label of a file
// ("Classes", "Imports", ...), or the placeholder "<none>". Folders refer
// to the element whose members they list. Nothing here is owned: the
// elements belong to their parse result, the items to the builder.
class CElementItem : public CTreeItem
{
public:
    enum Kind { Element, MethodsFolder, VariablesFolder, Group, Placeholder, Text };

    CElementItem(CElementTreeBuilder *builder, Kind kind, CVarObject *element);

    Kind GetKind() const { return m_kind; }
    CVarObject *GetElement() const { return m_element; }
    // The element itself for an element node, null for folders and labels:
    // only element nodes take part in name order.
    CVarObject *OrderedElement() const { return m_kind == Element ? m_element : nullptr; }

    // Classes and folders fill their items when first expanded.
    bool OnItemExpanding(CTreeControl &tree, const CTreeNotification &notify) override;
    bool HasChildren() const override;

private:
    CElementTreeBuilder *m_builder;
    Kind m_kind;
    CVarObject *m_element;
};
