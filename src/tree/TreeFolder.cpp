#include "tree/TreeFolder.h"

#include "tree/Archive.h"

#include <algorithm>
#include <memory>

IMPLEMENT_SERIAL(CTreeFolder, CTreeItem, 1)

namespace {

// Tags of the stored tree form.
constexpr quint32 kTagFolder = 1;
constexpr quint32 kTagLeaf = 2;

int CompareNames(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive);
}

} // namespace

CTreeFolder::CTreeFolder() : CTreeItem(QString(), TreeImage::FolderOpen, TreeImage::FolderClosed)
{
}

CTreeFolder::CTreeFolder(const QString &name, int image, int selectedImage)
    : CTreeItem(name, image, selectedImage)
{
}

CTreeFolder::~CTreeFolder()
{
    DeleteAllChildren();
}

void CTreeFolder::Serialize(CArchive &ar)
{
    if (ar.IsStoring())
        ar.WriteDWORD(static_cast<quint32>(m_children.size()));
    else
        m_storedChildCount = ar.ReadDWORD();
    CTreeItem::Serialize(ar);
}

bool CTreeFolder::OnItemExpanding(CTreeControl &tree, const CTreeNotification &notify)
{
    if (m_populated)
        return false;
    // An empty folder has nothing to show; refusing keeps the expand button
    // so that a later expansion, after children were added, still works.
    if (m_children.empty())
        return true;
    tree.SetItemImage(notify.hItem, TreeImage::FolderOpen, TreeImage::FolderOpen);
    for (CTreeItem *child : m_children) {
        tree.InsertItem(notify.hItem, child->GetDisplayName(), child->GetImage(),
                        child->GetSelectedImage(), child->HasChildren(), child);
    }
    tree.SortChildren(notify.hItem);
    m_populated = true;
    return false;
}

bool CTreeFolder::OnItemCollapsing(CTreeControl &tree, const CTreeNotification &notify)
{
    // Rather than keep stale child items around, replace the item by a fresh
    // unpopulated one: the next expansion rebuilds the children from the
    // model as it is then. The old item is deleted later because the control
    // is still in the middle of collapsing it.
    tree.SetItemImage(notify.hItem, TreeImage::FolderClosed, TreeImage::FolderClosed);
    const HTREEITEM parent = tree.GetParentItem(notify.hItem);
    tree.InsertItem(parent, tree.GetItemText(notify.hItem), TreeImage::FolderClosed,
                    TreeImage::FolderClosed, true, this);
    tree.SortChildren(parent);
    tree.PostDeleteItem(notify.hItem);
    m_populated = false;
    return false;
}

bool CTreeFolder::HasChildren() const
{
    return true;
}
bool CTreeFolder::BelongsToOpenProject() const
{
    return true;
}
bool CTreeFolder::CanAcceptChildren() const
{
    return true;
}
bool CTreeFolder::IsFolder() const
{
    return true;
}

bool CTreeFolder::InsertChildBefore(Position position, CTreeItem *child)
{
    if (!child)
        return false;
    InsertAt(position, child);
    return true;
}

CTreeFolder::Position CTreeFolder::InsertAt(Position position, CTreeItem *child)
{
    if (m_children.empty())
        m_order = Order::Sorted; // nothing to be out of order with
    if (m_order != Order::Sorted)
        return m_children.insert(position, child);
    // The order holds when the neighbours of the new place are no greater
    // before it and no smaller after it.
    const size_t at = IndexOf(position);
    const QString name = child->GetDisplayName();
    const bool inOrder =
        (at == 0 || CompareNames((*m_index[at - 1])->GetDisplayName(), name) <= 0) &&
        (at == m_index.size() || CompareNames(name, (*m_index[at])->GetDisplayName()) <= 0);
    const Position inserted = m_children.insert(position, child);
    if (inOrder)
        m_index.insert(m_index.begin() + std::ptrdiff_t(at), inserted);
    else
        SetOrder(Order::Unsorted);
    return inserted;
}

size_t CTreeFolder::IndexOf(Position position) const
{
    if (position == m_children.end())
        return m_index.size();
    return size_t(std::find(m_index.begin(), m_index.end(), position) - m_index.begin());
}

void CTreeFolder::SetOrder(Order order)
{
    m_order = order;
    if (order == Order::Sorted)
        RebuildIndex();
    else
        m_index = {};
}

void CTreeFolder::RebuildIndex()
{
    m_index.clear();
    for (auto it = m_children.begin(); it != m_children.end(); ++it)
        m_index.push_back(it);
}

void CTreeFolder::ChildRenamed()
{
    if (!m_children.empty())
        SetOrder(Order::Unknown);
}

bool CTreeFolder::AddChild(CTreeItem *child, bool sorted)
{
    if (!child)
        return false;
    if (!sorted || m_children.empty()) {
        InsertAt(m_children.end(), child);
        return true;
    }
    const QString name = child->GetDisplayName();
    // The child goes before the first one not smaller than itself.
    const auto goesBefore = [&name](const CTreeItem *other) {
        return CompareNames(name, other->GetDisplayName()) <= 0;
    };

    if (m_order == Order::Sorted) {
        // Files come in name order when a project is read and in reverse
        // order when a directory is added: try both ends before halving.
        auto at = m_index.end();
        if (goesBefore(*m_index.back())) {
            at = goesBefore(*m_index.front())
                     ? m_index.begin()
                     : std::partition_point(m_index.begin(), m_index.end(),
                                            [&](Position p) { return !goesBefore(*p); });
        }
        const Position before = at == m_index.end() ? m_children.end() : *at;
        m_index.insert(at, m_children.insert(before, child));
        return true;
    }

    // The rule's own walk. When the order is unknown the walk goes on to
    // the end to learn it, so that the next insertions can halve again.
    Position before = m_children.end();
    bool ordered = m_order == Order::Unknown;
    QString previous;
    for (auto it = m_children.begin(); it != m_children.end(); ++it) {
        if (before != m_children.end() && !ordered)
            break;
        const QString current = (*it)->GetDisplayName();
        if (before == m_children.end() && CompareNames(name, current) <= 0)
            before = it;
        if (ordered && it != m_children.begin() && CompareNames(previous, current) > 0)
            ordered = false;
        previous = current;
    }
    m_children.insert(before, child);
    // Inserted at the rule's place in an ordered list, the child keeps the
    // order.
    SetOrder(ordered ? Order::Sorted : Order::Unsorted);
    return true;
}

bool CTreeFolder::AnyChildNamed(const QString &name,
                                const std::function<bool(const CTreeItem &)> &test) const
{
    if (m_order != Order::Sorted) {
        return std::any_of(m_children.begin(), m_children.end(),
                           [&](const CTreeItem *child) { return test(*child); });
    }
    auto it = std::partition_point(m_index.begin(), m_index.end(), [&](Position p) {
        return CompareNames(name, (*p)->GetDisplayName()) > 0;
    });
    for (; it != m_index.end() && CompareNames(name, (**it)->GetDisplayName()) == 0; ++it) {
        if (test(***it))
            return true;
    }
    return false;
}

HTREEITEM CTreeFolder::FindInsertPosition(const CTreeControl &tree, HTREEITEM parent,
                                          const CTreeItem *node) const
{
    HTREEITEM item = tree.GetChildItem(parent);
    if (!item)
        return TVI_FIRST;
    const QString name = node->GetDisplayName();
    for (; item; item = tree.GetNextSiblingItem(item)) {
        const CTreeItem *data = tree.GetItemData(item);
        if (data && data->IsFolder())
            continue;
        if (CompareNames(tree.GetItemText(item), name) >= 0) {
            const HTREEITEM before = tree.GetPrevSiblingItem(item);
            return before ? before : TVI_FIRST;
        }
    }
    return TVI_LAST;
}

bool CTreeFolder::RemoveChild(CTreeItem *child)
{
    const Position pos = FindChildPosition(child);
    if (pos == m_children.end())
        return false;
    if (m_order == Order::Sorted)
        m_index.erase(m_index.begin() + std::ptrdiff_t(IndexOf(pos)));
    else
        m_order = Order::Unknown; // the child taken out may have been the one out of order
    m_children.erase(pos);
    return true;
}

CTreeFolder::Position CTreeFolder::FindChildPosition(const CTreeItem *child)
{
    if (!child)
        return m_children.end();
    for (auto it = m_children.begin(); it != m_children.end(); ++it) {
        if (*it == child && (*it)->IsSame(child))
            return it;
    }
    return m_children.end();
}

CTreeItem *CTreeFolder::FindByName(const QString &name) const
{
    for (CTreeItem *child : m_children) {
        if (CompareNames(child->GetName(), name) == 0)
            return child;
        if (child->IsFolder()) {
            if (CTreeItem *found = static_cast<const CTreeFolder *>(child)->FindByName(name))
                return found;
        }
    }
    return nullptr;
}

CTreeFolder *CTreeFolder::FindParentOf(const QString &name)
{
    for (CTreeItem *child : m_children) {
        if (child->IsFolder()) {
            if (CTreeFolder *found = static_cast<CTreeFolder *>(child)->FindParentOf(name))
                return found;
        } else if (CompareNames(child->GetName(), name) == 0) {
            return this;
        }
    }
    return nullptr;
}

void CTreeFolder::DeleteAllChildren()
{
    // Unlink first, so that a child's destructor never sees a list that
    // still holds nodes already deleted.
    ChildList doomed;
    doomed.swap(m_children);
    SetOrder(Order::Sorted);
    for (CTreeItem *child : doomed)
        delete child;
}

void CTreeFolder::DeleteMarkedChildren()
{
    for (auto it = m_children.begin(); it != m_children.end();) {
        if ((*it)->IsMarked()) {
            CTreeItem *doomed = *it;
            it = m_children.erase(it);
            delete doomed;
        } else {
            ++it;
        }
    }
    // Taking children out keeps an order; it may also end a disorder.
    SetOrder(m_order == Order::Sorted ? Order::Sorted : Order::Unknown);
}

void CTreeFolder::MarkAll()
{
    for (CTreeItem *child : m_children) {
        child->SetMarked(true);
        if (child->IsFolder())
            static_cast<CTreeFolder *>(child)->MarkAll();
    }
}

namespace {

void WriteFolder(CArchive &ar, const CTreeFolder &folder, int depth)
{
    // Never write what the reader would reject as corrupt.
    if (depth > CTreeFolder::kMaxStoredDepth)
        throw CArchiveException(CArchiveException::BadFormat,
                                QStringLiteral("the tree is nested more than %1 levels deep")
                                    .arg(CTreeFolder::kMaxStoredDepth));
    ar.WriteDWORD(kTagFolder);
    ar.WriteObject(&folder);
    for (const CTreeItem *child : folder.Children()) {
        if (child->IsFolder()) {
            WriteFolder(ar, *static_cast<const CTreeFolder *>(child), depth + 1);
        } else {
            ar.WriteDWORD(kTagLeaf);
            ar.WriteObject(child);
        }
    }
}

// A child the folder refused is deleted with its subtree; the archive must
// not hand any of those nodes out again.
void ForgetSubtree(CArchive &ar, const CTreeItem *node)
{
    ar.ForgetObject(node);
    if (node->IsFolder()) {
        for (const CTreeItem *child : static_cast<const CTreeFolder *>(node)->Children())
            ForgetSubtree(ar, child);
    }
}

void ReadFolderChildren(CArchive &ar, CTreeFolder &folder, const CTreeFolder::AddChildPolicy &add,
                        int depth)
{
    if (depth > CTreeFolder::kMaxStoredDepth)
        throw CArchiveException(CArchiveException::BadFormat,
                                QStringLiteral("the tree is nested more than %1 levels deep")
                                    .arg(CTreeFolder::kMaxStoredDepth));
    const quint32 count = folder.GetStoredChildCount();
    for (quint32 i = 0; i < count; ++i) {
        const quint32 tag = ar.ReadDWORD();
        if (tag == kTagLeaf) {
            std::unique_ptr<CTreeItem> child(
                static_cast<CTreeItem *>(ar.ReadOwnedObject(RUNTIME_CLASS(CTreeItem))));
            if (add(folder, child.get()))
                child.release();
            else
                ForgetSubtree(ar, child.get());
            continue;
        }
        std::unique_ptr<CTreeFolder> sub(
            static_cast<CTreeFolder *>(ar.ReadOwnedObject(RUNTIME_CLASS(CTreeFolder))));
        CTreeFolder *raw = sub.get();
        // Once the folder takes the child it owns it, also if reading the
        // child's own children fails below.
        const bool taken = add(folder, raw);
        if (taken)
            sub.release();
        ReadFolderChildren(ar, *raw, add, depth + 1);
        if (!taken)
            ForgetSubtree(ar, raw);
    }
}

} // namespace

void CTreeFolder::WriteTree(CArchive &ar) const
{
    WriteFolder(ar, *this, 0);
}

bool CTreeFolder::AppendChild(CTreeFolder &parent, CTreeItem *child)
{
    return parent.AddChild(child, false);
}

bool CTreeFolder::AddChildSorted(CTreeFolder &parent, CTreeItem *child)
{
    return parent.AddChild(child, true);
}

void CTreeFolder::ReadChildren(CArchive &ar, const AddChildPolicy &add)
{
    ReadFolderChildren(ar, *this, add ? add : AddChildPolicy(AppendChild), 0);
}

CTreeFolder *CTreeFolder::ReadTree(CArchive &ar, const CRuntimeClass *rootClass,
                                   const AddChildPolicy &add)
{
    const quint32 tag = ar.ReadDWORD();
    if (tag != kTagFolder)
        throw CArchiveException(
            CArchiveException::BadFormat,
            QStringLiteral("a stored tree must begin with tag 1, not %1").arg(tag));
    if (!rootClass || !rootClass->IsDerivedFrom(RUNTIME_CLASS(CTreeFolder)))
        rootClass = RUNTIME_CLASS(CTreeFolder);
    std::unique_ptr<CTreeFolder> root(static_cast<CTreeFolder *>(ar.ReadOwnedObject(rootClass)));
    root->ReadChildren(ar, add);
    return root.release();
}
