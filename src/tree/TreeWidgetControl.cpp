#include "tree/TreeWidgetControl.h"

#include "tree/TreeImageList.h"
#include "tree/TreeItem.h"

#include <QFont>
#include <QPersistentModelIndex>
#include <QTreeWidget>

namespace {

enum Role {
    NodeRole = Qt::UserRole, // the CTreeItem the item stands for
    ImageRole,               // image index
    SelectedImageRole,       // selected image index
};

// Orders items by text ignoring case, as the nodes order their children.
class CaseInsensitiveItem : public QTreeWidgetItem
{
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem &other) const override
    {
        return QString::compare(text(0), other.text(0), Qt::CaseInsensitive) < 0;
    }
};

} // namespace

CTreeWidgetControl::CTreeWidgetControl(QTreeWidget *tree, QList<QIcon> images)
    : QObject(tree), m_tree(tree), m_images(std::move(images))
{
    if (m_images.isEmpty())
        m_images = SharedTreeImages();
    connect(m_tree, &QTreeWidget::itemExpanded, this, &CTreeWidgetControl::OnExpanded);
    connect(m_tree, &QTreeWidget::itemCollapsed, this, &CTreeWidgetControl::OnCollapsed);
}

CTreeWidgetControl::~CTreeWidgetControl() = default;

QTreeWidgetItem *CTreeWidgetControl::ParentItem(HTREEITEM parent) const
{
    if (!parent || parent == TVI_ROOT)
        return m_tree->invisibleRootItem();
    return ToItem(parent);
}

QIcon CTreeWidgetControl::MakeIcon(int image, int selectedImage) const
{
    const auto at = [this](int i) {
        return (i >= 0 && i < m_images.size()) ? m_images[i] : QIcon();
    };
    const QIcon normal = at(image);
    const QIcon selected = at(selectedImage);
    if (image == selectedImage || selected.isNull())
        return normal;
    QIcon icon;
    const QSize size(16, 16);
    icon.addPixmap(normal.pixmap(size), QIcon::Normal);
    icon.addPixmap(selected.pixmap(size), QIcon::Selected);
    return icon;
}

HTREEITEM CTreeWidgetControl::InsertItem(HTREEITEM parent, const QString &text, int image,
                                         int selectedImage, bool expandable, CTreeItem *data,
                                         HTREEITEM insertAfter)
{
    QTreeWidgetItem *parentItem = ParentItem(parent);
    auto *item = new CaseInsensitiveItem;
    item->setText(0, text);
    item->setData(0, NodeRole, QVariant::fromValue(reinterpret_cast<quintptr>(data)));
    item->setData(0, ImageRole, image);
    item->setData(0, SelectedImageRole, selectedImage);
    item->setIcon(0, MakeIcon(image, selectedImage));
    item->setChildIndicatorPolicy(expandable ? QTreeWidgetItem::ShowIndicator
                                             : QTreeWidgetItem::DontShowIndicatorWhenChildless);
    int index = parentItem->childCount();
    if (insertAfter == TVI_FIRST) {
        index = 0;
    } else if (insertAfter && insertAfter != TVI_LAST) {
        const int after = parentItem->indexOfChild(ToItem(insertAfter));
        if (after >= 0)
            index = after + 1;
    }
    parentItem->insertChild(index, item);
    return ToHandle(item);
}

void CTreeWidgetControl::DeleteItem(HTREEITEM item)
{
    if (item && item != TVI_ROOT)
        delete ToItem(item);
}

void CTreeWidgetControl::PostDeleteItem(HTREEITEM item)
{
    if (!item || item == TVI_ROOT)
        return;
    // The item may be gone by the time the call runs (the tree was cleared),
    // so find it again through a persistent index instead of a raw pointer.
    const QPersistentModelIndex index(m_tree->indexFromItem(ToItem(item)));
    QMetaObject::invokeMethod(
        this,
        [this, index] {
            if (index.isValid())
                delete m_tree->itemFromIndex(index);
        },
        Qt::QueuedConnection);
}

void CTreeWidgetControl::SetItemImage(HTREEITEM item, int image, int selectedImage)
{
    QTreeWidgetItem *it = ToItem(item);
    it->setData(0, ImageRole, image);
    it->setData(0, SelectedImageRole, selectedImage);
    it->setIcon(0, MakeIcon(image, selectedImage));
}

int CTreeWidgetControl::GetItemImage(HTREEITEM item) const
{
    return ToItem(item)->data(0, ImageRole).toInt();
}

int CTreeWidgetControl::GetItemSelectedImage(HTREEITEM item) const
{
    return ToItem(item)->data(0, SelectedImageRole).toInt();
}

void CTreeWidgetControl::SetItemText(HTREEITEM item, const QString &text)
{
    ToItem(item)->setText(0, text);
}

QString CTreeWidgetControl::GetItemText(HTREEITEM item) const
{
    return ToItem(item)->text(0);
}

CTreeItem *CTreeWidgetControl::GetItemData(HTREEITEM item) const
{
    return reinterpret_cast<CTreeItem *>(ToItem(item)->data(0, NodeRole).value<quintptr>());
}

void CTreeWidgetControl::SortChildren(HTREEITEM parent)
{
    ParentItem(parent)->sortChildren(0, Qt::AscendingOrder);
}

HTREEITEM CTreeWidgetControl::GetParentItem(HTREEITEM item) const
{
    return ToHandle(ToItem(item)->parent()); // null for a top-level item
}

HTREEITEM CTreeWidgetControl::GetChildItem(HTREEITEM parent) const
{
    QTreeWidgetItem *p = ParentItem(parent);
    return p->childCount() > 0 ? ToHandle(p->child(0)) : nullptr;
}

HTREEITEM CTreeWidgetControl::GetNextSiblingItem(HTREEITEM item) const
{
    QTreeWidgetItem *it = ToItem(item);
    QTreeWidgetItem *p = it->parent() ? it->parent() : m_tree->invisibleRootItem();
    const int i = p->indexOfChild(it);
    return (i >= 0 && i + 1 < p->childCount()) ? ToHandle(p->child(i + 1)) : nullptr;
}

HTREEITEM CTreeWidgetControl::GetPrevSiblingItem(HTREEITEM item) const
{
    QTreeWidgetItem *it = ToItem(item);
    QTreeWidgetItem *p = it->parent() ? it->parent() : m_tree->invisibleRootItem();
    const int i = p->indexOfChild(it);
    return i > 0 ? ToHandle(p->child(i - 1)) : nullptr;
}

bool CTreeWidgetControl::IsExpanded(HTREEITEM item) const
{
    return ToItem(item)->isExpanded();
}

void CTreeWidgetControl::Expand(HTREEITEM item, bool expand)
{
    if (expand)
        m_tree->expandItem(ToItem(item));
    else
        m_tree->collapseItem(ToItem(item));
}

void CTreeWidgetControl::SelectItem(HTREEITEM item)
{
    m_tree->setCurrentItem(item ? ToItem(item) : nullptr);
}

HTREEITEM CTreeWidgetControl::GetSelectedItem() const
{
    return ToHandle(m_tree->currentItem());
}

void CTreeWidgetControl::SetItemBold(HTREEITEM item, bool bold)
{
    QTreeWidgetItem *it = ToItem(item);
    if (!it || item == TVI_ROOT)
        return;
    QFont font = it->font(0);
    font.setBold(bold);
    it->setFont(0, font);
}

bool CTreeWidgetControl::IsItemBold(HTREEITEM item) const
{
    const QTreeWidgetItem *it = ToItem(item);
    return it && item != TVI_ROOT && it->font(0).bold();
}

// The widget reports an expansion only after it happened, so a refusal is
// carried out by collapsing the item again (and the other way round).
void CTreeWidgetControl::OnExpanded(QTreeWidgetItem *item)
{
    if (m_reverting)
        return;
    CTreeItem *node = GetItemData(ToHandle(item));
    if (!node)
        return;
    if (node->OnItemExpanding(*this, CTreeNotification{ToHandle(item)})) {
        m_reverting = true;
        m_tree->collapseItem(item);
        m_reverting = false;
    }
}

void CTreeWidgetControl::OnCollapsed(QTreeWidgetItem *item)
{
    if (m_reverting)
        return;
    CTreeItem *node = GetItemData(ToHandle(item));
    if (!node)
        return;
    if (node->OnItemCollapsing(*this, CTreeNotification{ToHandle(item)})) {
        m_reverting = true;
        m_tree->expandItem(item);
        m_reverting = false;
    }
}
