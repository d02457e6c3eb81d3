#pragma once

#include "project/BaseTreeView.h"

#include <memory>

class CElementDragToken;
class CElementTreeBuilder;
class CVarObject;

// A tree view that shows parsed Java elements below its own nodes: the
// element builder inserts them (in their order, with their images), and
// activating an element opens the file it belongs to with the caret on the
// element's first line.
class CMyTreeView : public CBaseTreeView
{
    Q_OBJECT

public:
    explicit CMyTreeView(QWidget *parent = nullptr);
    ~CMyTreeView() override;

    CElementTreeBuilder &Builder() { return *m_builder; }
    // The element node's element, or null for any other node.
    static CVarObject *ElementOf(const CTreeItem *node);
    // The path of the file that item (or the first of its parents that
    // stands for a file) shows; empty when none does.
    QString FileOf(QTreeWidgetItem *item) const;
    // The drag token for item's element (a class, an interface, a method
    // with its owner), or null; the caller owns it.
    CElementDragToken *CreateDragToken(QTreeWidgetItem *item) const;
    // The token of the drag under way, or null.
    CElementDragToken *DragToken() const { return m_dragToken.get(); }

signals:
    // An element was activated: show path in an editor (opening one when
    // none shows it) with the caret at the start of line (1-based).
    void openFileAtLineRequested(const QString &path, int line);

protected:
    // Handles the activation of an element node; false for other nodes,
    // which the deriving view handles.
    bool ActivateElement(QTreeWidgetItem *item);
    // The tree was emptied: element nodes are dropped.
    void ForgetElements();
    // Elements are dragged as tokens of Mavu's drag format.
    void startDrag(Qt::DropActions actions) override;
    // Whether class tokens of this view are the project view's kind.
    virtual bool DragsProjectClasses() const { return false; }

private:
    std::unique_ptr<CElementTreeBuilder> m_builder;
    std::unique_ptr<CElementDragToken> m_dragToken;
};
