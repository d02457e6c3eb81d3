#include "project/MyTreeView.h"

#include "javamodel/ElementDragToken.h"
#include "javamodel/ElementTreeBuilder.h"
#include "javamodel/VarContainer.h"
#include "javamodel/VarObject.h"

#include <QDrag>
#include <QMimeData>

CMyTreeView::CMyTreeView(QWidget *parent)
    : CBaseTreeView(parent), m_builder(std::make_unique<CElementTreeBuilder>(Control()))
{
}

CMyTreeView::~CMyTreeView()
{
    // The items refer to the builder's nodes: empty the widget first.
    blockSignals(true);
    QTreeWidget::clear();
}

CVarObject *CMyTreeView::ElementOf(const CTreeItem *node)
{
    const auto *item = dynamic_cast<const CElementItem *>(node);
    return item ? item->OrderedElement() : nullptr;
}

QString CMyTreeView::FileOf(QTreeWidgetItem *item) const
{
    for (; item; item = item->parent()) {
        CTreeItem *node = NodeOf(item);
        if (node && node->IsFile())
            return node->GetName();
    }
    return QString();
}

bool CMyTreeView::ActivateElement(QTreeWidgetItem *item)
{
    CVarObject *element = ElementOf(NodeOf(item));
    if (!element)
        return false;
    const QString path = FileOf(item);
    if (!path.isEmpty())
        emit openFileAtLineRequested(path, element->m_startLine);
    return true;
}

void CMyTreeView::ForgetElements()
{
    m_builder->Clear();
}

CElementDragToken *CMyTreeView::CreateDragToken(QTreeWidgetItem *item) const
{
    CVarObject *element = ElementOf(NodeOf(item));
    if (!element)
        return nullptr;
    // A method's owner is the element of the folder (or type) above it.
    CVarContainer *owner = nullptr;
    for (QTreeWidgetItem *up = item ? item->parent() : nullptr; up && !owner; up = up->parent()) {
        if (auto *node = dynamic_cast<CElementItem *>(NodeOf(up)))
            owner = dynamic_cast<CVarContainer *>(node->GetElement());
    }
    return CElementDragToken::Create(element, owner, DragsProjectClasses());
}

void CMyTreeView::startDrag(Qt::DropActions)
{
    m_dragToken.reset(CreateDragToken(currentItem()));
    if (!m_dragToken)
        return;
    auto *drag = new QDrag(this);
    auto *mime = new QMimeData;
    m_dragToken->Store(*mime);
    drag->setMimeData(mime);
    drag->exec(Qt::CopyAction, Qt::CopyAction);
    m_dragToken.reset();
}
