#include "project/BaseTreeView.h"

#include "tree/TreeFolder.h"

#include <QAbstractItemDelegate>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPersistentModelIndex>
#include <QScrollBar>
#include <QTreeWidgetItemIterator>
#include <memory>

// The adapter with two refinements a view needs on top of what folders do
// on their own:
//  - a folder that has images of its own (a project shows whether it is
//    open) keeps them when it is expanded or collapsed, instead of the
//    generic folder images the base folder puts on its item;
//  - a collapse replaces the folder's item by a fresh one and deletes the
//    old one later; until then the old item is hidden, and the selection
//    moves to the replacement, so that the view never offers a doomed item.
class CBaseTreeView::CViewControl final : public CTreeWidgetControl
{
public:
    explicit CViewControl(QTreeWidget *tree) : CTreeWidgetControl(tree) {}

    HTREEITEM InsertItem(HTREEITEM parent, const QString &text, int image, int selectedImage,
                         bool expandable, CTreeItem *data, HTREEITEM insertAfter) override
    {
        if (KeepsOwnImages(data)) {
            image = data->GetImage();
            selectedImage = data->GetSelectedImage();
        }
        m_lastInserted = CTreeWidgetControl::InsertItem(parent, text, image, selectedImage,
                                                        expandable, data, insertAfter);
        return m_lastInserted;
    }

    void SetItemImage(HTREEITEM item, int image, int selectedImage) override
    {
        CTreeItem *node = GetItemData(item);
        if (KeepsOwnImages(node)) {
            image = node->GetImage();
            selectedImage = node->GetSelectedImage();
        }
        CTreeWidgetControl::SetItemImage(item, image, selectedImage);
    }

    void PostDeleteItem(HTREEITEM item) override
    {
        QTreeWidgetItem *doomed = ToItem(item);
        if (doomed && item != TVI_ROOT) {
            QTreeWidgetItem *replacement = m_lastInserted ? ToItem(m_lastInserted) : nullptr;
            const bool wasCurrent = Widget()->currentItem() == doomed;
            doomed->setHidden(true);
            if (wasCurrent && replacement && GetItemData(m_lastInserted) == GetItemData(item))
                Widget()->setCurrentItem(replacement);
        }
        CTreeWidgetControl::PostDeleteItem(item);
    }

    void DeleteItem(HTREEITEM item) override
    {
        if (item == m_lastInserted)
            m_lastInserted = nullptr;
        CTreeWidgetControl::DeleteItem(item);
    }

    void Forget() { m_lastInserted = nullptr; }

private:
    static bool KeepsOwnImages(const CTreeItem *node)
    {
        if (!node || !node->IsFolder())
            return false;
        const int image = node->GetImage();
        return image != TreeImage::FolderOpen && image != TreeImage::FolderClosed;
    }

    HTREEITEM m_lastInserted = nullptr;
};

CBaseTreeView::CBaseTreeView(QWidget *parent)
    : QTreeWidget(parent), m_control(new CViewControl(this))
{
    setColumnCount(1);
    header()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Renaming starts only through the view's own command (and F2), which
    // asks the node first.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformRowHeights(true);
    connect(this, &QTreeWidget::itemActivated, this, &CBaseTreeView::OnItemActivated);
    connect(this, &QTreeWidget::itemChanged, this, &CBaseTreeView::OnItemChanged);
    connect(itemDelegate(), &QAbstractItemDelegate::closeEditor, this, [this] {
        // Reached after the text was taken (itemChanged) or when the edit
        // was cancelled: in both cases editing is over.
        if (m_renaming)
            EndRename();
    });
}

CBaseTreeView::~CBaseTreeView()
{
    // Items refer to nodes that may already be gone; drop them without
    // asking anything of the nodes.
    disconnect(this, nullptr, m_control, nullptr);
    blockSignals(true);
    QTreeWidget::clear();
}

CTreeControl &CBaseTreeView::Control()
{
    return *m_control;
}

CTreeItem *CBaseTreeView::NodeOf(QTreeWidgetItem *item) const
{
    return item ? m_control->GetItemData(Handle(item)) : nullptr;
}

QTreeWidgetItem *CBaseTreeView::ItemOf(const CTreeItem *node) const
{
    if (!node)
        return nullptr;
    for (QTreeWidgetItemIterator it(const_cast<CBaseTreeView *>(this)); *it; ++it) {
        if (!(*it)->isHidden() && NodeOf(*it) == node)
            return *it;
    }
    return nullptr;
}

CTreeItem *CBaseTreeView::SelectedNode() const
{
    QTreeWidgetItem *item = currentItem();
    return (item && !item->isHidden()) ? NodeOf(item) : nullptr;
}

bool CBaseTreeView::SelectNode(const CTreeItem *node)
{
    QTreeWidgetItem *item = ItemOf(node);
    if (!item)
        return false;
    setCurrentItem(item);
    scrollToItem(item);
    return true;
}

bool CBaseTreeView::ExpandNode(const CTreeItem *node)
{
    QTreeWidgetItem *item = ItemOf(node);
    if (!item)
        return false;
    if (!item->isExpanded())
        expandItem(item); // the node fills it, or refuses when empty
    return item->isExpanded();
}

void CBaseTreeView::DeleteNodeItems(const CTreeItem *node)
{
    if (!node)
        return;
    // Hidden items waiting for their deletion may refer to node too. Items
    // are found first and deleted afterwards, through persistent indexes,
    // since deleting one deletes the items below it.
    QList<QPersistentModelIndex> doomed;
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        if (NodeOf(*it) == node)
            doomed << QPersistentModelIndex(indexFromItem(*it));
    }
    if (doomed.isEmpty())
        return;
    EndRename();
    m_control->Forget();
    for (const QPersistentModelIndex &index : doomed) {
        if (index.isValid())
            delete itemFromIndex(index);
    }
}

void CBaseTreeView::DeleteChildItems(QTreeWidgetItem *item)
{
    if (!item)
        return;
    EndRename();
    m_control->Forget();
    const bool blocked = blockSignals(true);
    const QList<QTreeWidgetItem *> children = item->takeChildren();
    qDeleteAll(children);
    blockSignals(blocked);
}

QTreeWidgetItem *CBaseTreeView::InsertRoot(CTreeItem *root)
{
    if (!root)
        return nullptr;
    const HTREEITEM h =
        m_control->InsertItem(TVI_ROOT, root->GetDisplayName(), root->GetImage(),
                              root->GetSelectedImage(), root->HasChildren(), root, TVI_LAST);
    expandItem(Item(h));
    return Item(h);
}

namespace {

QStringList PathOf(const QTreeWidgetItem *item)
{
    QStringList path;
    for (; item; item = item->parent())
        path.prepend(item->text(0));
    return path;
}

void CollectExpanded(const QTreeWidgetItem *item, QList<QStringList> &expanded)
{
    if (!item->isExpanded())
        return;
    expanded << PathOf(item);
    for (int i = 0; i < item->childCount(); ++i)
        CollectExpanded(item->child(i), expanded);
}

} // namespace

CBaseTreeView::OpenState CBaseTreeView::SaveOpenState() const
{
    OpenState state;
    for (int i = 0; i < topLevelItemCount(); ++i)
        CollectExpanded(topLevelItem(i), state.m_expanded);
    if (const QTreeWidgetItem *current = currentItem())
        state.m_current = PathOf(current);
    state.m_scroll = verticalScrollBar()->value();
    return state;
}

void CBaseTreeView::RestoreOpenState(const OpenState &state)
{
    const auto find = [this](const QStringList &path) -> QTreeWidgetItem * {
        QTreeWidgetItem *item = nullptr;
        for (const QString &text : path) {
            QTreeWidgetItem *next = nullptr;
            const int count = item ? item->childCount() : topLevelItemCount();
            for (int i = 0; i < count && !next; ++i) {
                QTreeWidgetItem *child = item ? item->child(i) : topLevelItem(i);
                if (child->text(0) == text)
                    next = child;
            }
            if (!next)
                return nullptr;
            item = next;
        }
        return item;
    };
    for (const QStringList &path : state.m_expanded) {
        if (QTreeWidgetItem *item = find(path); item && !item->isExpanded())
            expandItem(item);
    }
    if (QTreeWidgetItem *current = find(state.m_current))
        setCurrentItem(current);
    verticalScrollBar()->setValue(state.m_scroll);
}

namespace {
void ForgetShown(CTreeItem *node)
{
    node->SetPopulated(false);
    node->ForgetTreeHandle();
    if (node->IsFolder()) {
        for (CTreeItem *child : static_cast<CTreeFolder *>(node)->Children())
            ForgetShown(child);
    }
}
} // namespace

void CBaseTreeView::ClearTree(CTreeItem *root)
{
    EndRename();
    m_control->Forget();
    // Clearing must not reach the nodes' collapse hooks.
    const bool blocked = blockSignals(true);
    QTreeWidget::clear();
    blockSignals(blocked);
    if (root)
        ForgetShown(root);
}

bool CBaseTreeView::BeginRename(CTreeItem *node)
{
    if (!node || !CanRename(node))
        return false;
    QTreeWidgetItem *item = ItemOf(node);
    if (!item)
        return false;
    EndRename();
    setCurrentItem(item);
    // Changing the flags reports the item as changed: not yet a rename.
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    m_renaming = node;
    m_renameItem = item;
    editItem(item, 0);
    if (state() != QAbstractItemView::EditingState) {
        EndRename();
        return false;
    }
    return true;
}

void CBaseTreeView::EndRename()
{
    QTreeWidgetItem *item = m_renameItem;
    m_renaming = nullptr;
    m_renameItem = nullptr;
    if (item)
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
}

void CBaseTreeView::OnItemChanged(QTreeWidgetItem *item, int column)
{
    if (!m_renaming || item != m_renameItem || column != 0)
        return;
    CTreeItem *node = m_renaming;
    QString text = item->text(0);
    EndRename(); // from here on, changing the text is ours
    if (text.isEmpty())
        text = node->GetDisplayName();
    const QString shown = OnRenamed(node, text);
    item->setText(0, shown);
    AfterRename(node);
}

void CBaseTreeView::AfterRename(CTreeItem *node)
{
    (void)node;
}

void CBaseTreeView::OnItemActivated(QTreeWidgetItem *item)
{
    if (CTreeItem *node = NodeOf(item))
        OnActivate(node);
}

void CBaseTreeView::keyPressEvent(QKeyEvent *event)
{
    if (state() != QAbstractItemView::EditingState) {
        if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
            OnDeleteKey(SelectedNode());
            event->accept();
            return;
        }
        if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier) {
            BeginRename(SelectedNode());
            event->accept();
            return;
        }
    }
    QTreeWidget::keyPressEvent(event);
}

void CBaseTreeView::contextMenuEvent(QContextMenuEvent *event)
{
    QTreeWidgetItem *item =
        event->reason() == QContextMenuEvent::Mouse ? itemAt(event->pos()) : currentItem();
    if (!item || item->isHidden())
        return;
    setCurrentItem(item);
    std::unique_ptr<QMenu> menu(CreateContextMenu(NodeOf(item)));
    if (!menu)
        return;
    const QPoint pos = event->reason() == QContextMenuEvent::Mouse
                           ? event->globalPos()
                           : viewport()->mapToGlobal(visualItemRect(item).bottomLeft());
    menu->exec(pos);
    event->accept();
}
