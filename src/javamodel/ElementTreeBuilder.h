#pragma once

#include "javamodel/ElementItem.h"
#include "tree/TreeControl.h"

#include <QString>
#include <memory>
#include <vector>

class CFileObject;
class CVarContainer;
class CVarObject;

// Puts parsed elements into a tree control: a file's imports, classes and
// interfaces, a class's "Methods" and "Variables" folders, nested types,
// members. The insert operations are virtual so that a view may show a
// kind of node its own way; each inserts one node and returns it (null
// when the control could not take it).
//
// Sibling elements are ordered by FindTreeInsertPos: static members first
// (and drawn in bold), each group by name ignoring case. Elements without
// a name (a declaration the recogniser could not read) are left out.
// Texts and images are computed whenever nodes are built; nothing is kept
// in the nodes but the element they stand for.
//
// The builder owns the item data of the nodes it makes; Clear() drops them
// once the control no longer shows them.
class CElementTreeBuilder
{
public:
    explicit CElementTreeBuilder(CTreeControl &tree);
    virtual ~CElementTreeBuilder();
    CElementTreeBuilder(const CElementTreeBuilder &) = delete;
    CElementTreeBuilder &operator=(const CElementTreeBuilder &) = delete;

    CTreeControl &Tree() const { return m_tree; }

    virtual HTREEITEM InsertMethodsFolder(HTREEITEM parent, CVarContainer *container,
                                          HTREEITEM after = TVI_LAST);
    virtual HTREEITEM InsertVariablesFolder(HTREEITEM parent, CVarContainer *container,
                                            HTREEITEM after = TVI_LAST);
    virtual HTREEITEM InsertClass(HTREEITEM parent, const QString &text, CVarContainer *element,
                                  HTREEITEM after = TVI_LAST);
    virtual HTREEITEM InsertInterface(HTREEITEM parent, const QString &text, CVarContainer *element,
                                      HTREEITEM after = TVI_LAST);
    virtual HTREEITEM InsertNone(HTREEITEM parent);
    virtual HTREEITEM InsertMember(HTREEITEM parent, const QString &text, CVarObject *element,
                                   HTREEITEM after = TVI_LAST);
    virtual HTREEITEM InsertExpandableMember(HTREEITEM parent, const QString &text,
                                             CVarObject *element, HTREEITEM after = TVI_LAST);
    // A node of the workspace or help trees: its text and images come from
    // the item, and it is selected when select is set.
    virtual HTREEITEM InsertTreeItem(HTREEITEM parent, CTreeItem *item, bool select,
                                     HTREEITEM after = TVI_LAST);
    virtual HTREEITEM InsertText(HTREEITEM parent, const QString &text, HTREEITEM after = TVI_LAST);

    // The sibling under parent after which element goes (TVI_FIRST when
    // before all).
    HTREEITEM FindTreeInsertPos(HTREEITEM parent, const CVarObject &element) const;
    // Inserts element in its place under parent with the node its kind
    // needs; null for an element without a name.
    HTREEITEM AddToTree(HTREEITEM parent, CVarObject &element);
    // A file's elements under parent: the imports under an "Imports" label,
    // then its classes and interfaces.
    void AddFile(HTREEITEM parent, CFileObject &file);
    // Fills the item of node when it is expanded for the first time.
    void Fill(HTREEITEM item, CElementItem &node);

    // The text of element's node: its description, with the kind of type
    // in front for enums, records and annotation types.
    static QString TreeText(const CVarObject &element);
    // The image of element's node: by kind for types, by access otherwise.
    static int TreeImageOf(const CVarObject &element);

    // Forgets every node made so far (the control was emptied).
    void Clear();
    int NodeCount() const { return int(m_items.size()); }

protected:
    CElementItem *MakeNode(CElementItem::Kind kind, CVarObject *element);
    // Inserts, reporting a failure once per build.
    HTREEITEM Insert(HTREEITEM parent, const QString &text, int image, bool expandable,
                     CTreeItem *data, HTREEITEM after);
    // A new node of kind for element, showing image whether selected or
    // not: every insert but plain text makes its node this way.
    HTREEITEM InsertNode(HTREEITEM parent, const QString &text, CElementItem::Kind kind,
                         CVarObject *element, int image, bool expandable, HTREEITEM after);

private:
    void FillContainer(HTREEITEM item, CVarContainer &container);
    void FillMembers(HTREEITEM item, CElementItem &folder);

    CTreeControl &m_tree;
    std::vector<std::unique_ptr<CElementItem>> m_items;
    bool m_reportedFailure = false;
};
