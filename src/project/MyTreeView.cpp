#include "project/MyTreeView.h"

#include "javamodel/ElementTreeBuilder.h"
#include "javamodel/VarObject.h"

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
