#pragma once

#include "project/BaseTreeView.h"

#include <memory>

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

private:
    std::unique_ptr<CElementTreeBuilder> m_builder;
};
