#include "javamodel/ElementItem.h"

#include "javamodel/ElementTreeBuilder.h"
#include "javamodel/VarContainer.h"

CElementItem::CElementItem(CElementTreeBuilder *builder, Kind kind, CVarObject *element)
    : m_builder(builder), m_kind(kind), m_element(element)
{
}

bool CElementItem::HasChildren() const
{
    switch (m_kind) {
    case MethodsFolder:
    case VariablesFolder:
    case Group:
        return true;
    case Element:
        return dynamic_cast<const CVarContainer *>(m_element) != nullptr;
    default:
        return false;
    }
}

bool CElementItem::OnItemExpanding(CTreeControl &tree, const CTreeNotification &notify)
{
    if (m_populated || !m_builder)
        return false;
    // Filled once; the view rebuilds the whole branch when the source is
    // parsed again.
    if (tree.GetChildItem(notify.hItem) == nullptr)
        m_builder->Fill(notify.hItem, *this);
    m_populated = true;
    return false;
}
