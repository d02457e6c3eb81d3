#include "tree/TreeItem.h"

#include "tree/Archive.h"

IMPLEMENT_SERIAL(CTreeItem, CObject, 1)

CTreeItem::CTreeItem() = default;

CTreeItem::CTreeItem(const QString &name, int image, int selectedImage)
    : m_name(name), m_image(image), m_selectedImage(selectedImage)
{
}

CTreeItem::~CTreeItem() = default;

void CTreeItem::Serialize(CArchive &ar)
{
    if (ar.IsStoring())
        ar.WriteString(m_name);
    else
        m_name = ar.ReadString();
}

void CTreeItem::OnInitialUpdate()
{
}
int CTreeItem::OnRemove()
{
    return 0;
}
void CTreeItem::Activate()
{
}
int CTreeItem::Open()
{
    return 0;
}
void CTreeItem::Populate()
{
}
void CTreeItem::Depopulate()
{
}

bool CTreeItem::OnItemExpanding(CTreeControl &, const CTreeNotification &)
{
    return false;
}
bool CTreeItem::OnItemCollapsing(CTreeControl &, const CTreeNotification &)
{
    return false;
}

int CTreeItem::OnSelChanged()
{
    return 0;
}
bool CTreeItem::HasChildren() const
{
    return false;
}
void CTreeItem::OnContextMenu(const QPoint &)
{
}
void CTreeItem::OnUpdateItem()
{
}
void CTreeItem::RefreshTreeItem(CTreeControl &)
{
}
void CTreeItem::CollapseTreeItem(CTreeControl &)
{
}
void CTreeItem::ExpandTreeItem(CTreeControl &)
{
}
bool CTreeItem::CanDrag() const
{
    return false;
}
bool CTreeItem::CanDrop(const CTreeItem *) const
{
    return false;
}
bool CTreeItem::IsProjectFolder() const
{
    return false;
}
bool CTreeItem::BelongsToOpenProject() const
{
    return false;
}
bool CTreeItem::IsEnabled() const
{
    return true;
}
bool CTreeItem::CanAcceptChildren() const
{
    return false;
}
bool CTreeItem::IsFolder() const
{
    return false;
}
bool CTreeItem::IsFile() const
{
    return false;
}
QString CTreeItem::GetName() const
{
    return m_name;
}
QString CTreeItem::GetDisplayName() const
{
    return GetName();
}

bool CTreeItem::SetName(const QString &name)
{
    m_name = name;
    return true;
}

int CTreeItem::OnCommand(int)
{
    return 0;
}
bool CTreeItem::IsDirty() const
{
    return false;
}
int CTreeItem::OnDrop(CTreeItem *)
{
    return 0;
}
void CTreeItem::ForgetTreeHandle()
{
}
bool CTreeItem::IsURL() const
{
    return false;
}

bool CTreeItem::IsSame(const CTreeItem *other) const
{
    return other && GetName() == other->GetName();
}

int CTreeItem::GetImage() const
{
    return m_image;
}
int CTreeItem::GetSelectedImage() const
{
    return m_selectedImage;
}

void CTreeItem::SetImages(int image, int selectedImage)
{
    m_image = image;
    m_selectedImage = selectedImage;
}
