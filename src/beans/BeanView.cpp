#include "beans/BeanView.h"

#include "beans/BeanDoc.h"
#include "beans/BeanItem.h"
#include "tree/TreeFolder.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QMenu>
#include <QPointer>

CBeanView::CBeanView(CBeanDoc &doc, QWidget *parent) : CMyTreeView(parent), m_doc(doc)
{
    setHeaderHidden(true);
    // Descriptions of properties are long: scroll sideways rather than cut
    // them off.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_chooseFile = [this](const QString &title, const QString &filter) {
        return QFileDialog::getOpenFileName(this, title, QString(), filter);
    };
    m_doc.m_onUpdateAllViews = [this] { Refill(); };
    Refill();
}

CBeanView::~CBeanView()
{
    m_doc.m_onUpdateAllViews = nullptr;
    ClearTree(&m_doc.Root());
}

void CBeanView::Refill()
{
    ClearTree(&m_doc.Root());
    ForgetElements();
    InsertRoot(&m_doc.Root());
}

QString CBeanView::CommandText(Command command)
{
    switch (command) {
    case AddBean:
        return QStringLiteral("Add Bean");
    case AddFolder:
        return QStringLiteral("Add Folder");
    case DeleteItem:
        return QStringLiteral("Delete Item");
    }
    return QString();
}

QString CBeanView::CommandTip(Command command)
{
    switch (command) {
    case AddBean:
        return QStringLiteral("Add a Bean to the Tree");
    case AddFolder:
        return QStringLiteral("Add a new Folder");
    case DeleteItem:
        return QStringLiteral("Delete this Item");
    }
    return QString();
}

QMenu *CBeanView::CreateContextMenu(CTreeItem *node)
{
    auto *menu = new QMenu(this);
    for (const Command command : {AddBean, AddFolder, DeleteItem}) {
        if (command == DeleteItem && !CBeanDoc::CanDelete(m_doc, node))
            continue;
        QAction *action = menu->addAction(CommandText(command));
        action->setStatusTip(CommandTip(command));
        action->setToolTip(CommandTip(command));
        connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
    }
    return menu;
}

void CBeanView::OnCommand(Command command)
{
    switch (command) {
    case AddBean:
        StartAddBean();
        break;
    case AddFolder:
        if (CTreeFolder *folder = m_doc.AddFolder(SelectedNode())) {
            ShowAdded(folder);
            BeginRename(folder);
        }
        break;
    case DeleteItem: {
        CTreeItem *node = SelectedNode();
        if (CBeanDoc::CanDelete(m_doc, node))
            m_doc.DeleteItem(node, [this](CTreeItem *gone) { DeleteNodeItems(gone); });
        break;
    }
    }
}

void CBeanView::StartAddBean()
{
    if (!m_introspectBean || !m_chooseFile)
        return;
    const QString path =
        m_chooseFile(CommandTip(AddBean), QStringLiteral("Bean class files (*.class)"));
    if (path.isEmpty())
        return;
    // The run takes a moment; the bean goes where the selection was when
    // the user asked, if that node is still in the tree then.
    CTreeItem *target = SelectedNode();
    QPointer<CBeanView> self(this);
    m_introspectBean(path, [self, target](const QString &output) {
        if (!self || output.isEmpty())
            return;
        CTreeItem *where = self->m_doc.AncestorCount(target) >= 0 ? target : nullptr;
        if (CTreeItem *bean = self->m_doc.AddDumpedBean(where, output))
            self->ShowAdded(bean);
    });
}

void CBeanView::ShowAdded(CTreeItem *node)
{
    CTreeFolder *parent = m_doc.ParentOf(node);
    if (!parent)
        return;
    QTreeWidgetItem *parentItem = ItemOf(parent);
    if (parentItem && parentItem->isExpanded()) {
        const HTREEITEM h =
            Control().InsertItem(Handle(parentItem), node->GetDisplayName(), node->GetImage(),
                                 node->GetSelectedImage(), node->HasChildren(), node);
        Control().SortChildren(Handle(parentItem));
        Q_UNUSED(h);
    } else if (parentItem) {
        ExpandNode(parent); // the folder fills its item from the tree, the new node with it
    }
    SelectNode(node);
}

void CBeanView::OnActivate(CTreeItem *node)
{
    if (QTreeWidgetItem *item = ItemOf(node))
        item->setExpanded(!item->isExpanded());
}

void CBeanView::OnDeleteKey(CTreeItem *node)
{
    if (CBeanDoc::CanDelete(m_doc, node))
        m_doc.DeleteItem(node, [this](CTreeItem *gone) { DeleteNodeItems(gone); });
}

bool CBeanView::CanRename(CTreeItem *node) const
{
    return node && node->IsFolder() && node != &m_doc.Root();
}

QString CBeanView::OnRenamed(CTreeItem *node, const QString &text)
{
    if (!m_doc.RenameFolder(static_cast<CTreeFolder *>(node), text))
        return node->GetDisplayName();
    return text;
}
