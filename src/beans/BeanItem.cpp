#include "beans/BeanItem.h"

#include "beans/BeanElements.h"
#include "javamodel/VarMethodDecl.h"
#include "tree/Archive.h"
#include "tree/TreeControl.h"
#include "tree/TreeImages.h"

IMPLEMENT_SERIAL(CBeanItem, CTreeItem, 1)

CBeanItem::CBeanItem() : CTreeItem(QString(), TreeImage::Bean, TreeImage::Bean)
{
}

CBeanItem::CBeanItem(std::unique_ptr<CBeanObject> bean)
    : CTreeItem(bean ? bean->m_name : QString(), TreeImage::Bean, TreeImage::Bean),
      m_bean(std::move(bean))
{
}

CBeanItem::~CBeanItem() = default;

void CBeanItem::Serialize(CArchive &ar)
{
    CTreeItem::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteObject(m_bean.get());
        return;
    }
    m_bean.reset(static_cast<CBeanObject *>(ar.ReadOwnedObject(RUNTIME_CLASS(CBeanObject))));
}

bool CBeanItem::OnItemExpanding(CTreeControl &tree, const CTreeNotification &notify)
{
    if (tree.GetChildItem(notify.hItem))
        return false;
    if (!m_bean)
        return true;
    InsertSections(tree, notify.hItem, *m_bean);
    return false;
}

namespace {

HTREEITEM InsertEntry(CTreeControl &tree, HTREEITEM parent, const CVarObject &e, bool expandable)
{
    const int image = e.GetImage();
    const HTREEITEM h =
        tree.InsertItem(parent, e.GetDescription(), image, image, expandable, nullptr);
    if (h && e.m_static)
        tree.SetItemBold(h, true);
    return h;
}

template <class List>
void InsertSection(CTreeControl &tree, HTREEITEM item, const QString &title, const List &entries)
{
    const HTREEITEM section = tree.InsertItem(item, title, TreeImage::MethodsFolder,
                                              TreeImage::MethodsFolder, true, nullptr);
    if (!section)
        return;
    if (entries.isEmpty()) {
        tree.InsertItem(section, QStringLiteral("<none>"), TreeImage::None, TreeImage::None, false,
                        nullptr);
        return;
    }
    // Static members first, as in the class view; each list is in name order.
    for (int pass = 0; pass < 2; ++pass) {
        for (const auto *e : entries) {
            if (bool(e->m_static) != (pass == 0))
                continue;
            if constexpr (requires { e->m_events; }) {
                const HTREEITEM h = InsertEntry(tree, section, *e, !e->m_events.isEmpty());
                for (const CBeanEvent *fired : e->m_events)
                    InsertEntry(tree, h, *fired, false);
            } else {
                InsertEntry(tree, section, *e, false);
            }
        }
    }
}

} // namespace

void CBeanItem::InsertSections(CTreeControl &tree, HTREEITEM item, const CBeanObject &bean)
{
    InsertSection(tree, item, QStringLiteral("Properties"), bean.Properties());
    InsertSection(tree, item, QStringLiteral("Events"), bean.m_interfaces);
    InsertSection(tree, item, QStringLiteral("Methods"), bean.m_methods);
}
