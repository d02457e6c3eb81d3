#include "project/ResourceFileItem.h"

IMPLEMENT_SERIAL(CResourceFileItem, CProjectFileItem,
                 VERSIONABLE_SCHEMA | CProjectFileItem::kCurrentVersion)

CResourceFileItem::CResourceFileItem() = default;

CResourceFileItem::CResourceFileItem(const QString &path) : CProjectFileItem(path)
{
}

int CResourceFileItem::GetImage() const
{
    return TreeImage::ResourceFile;
}

int CResourceFileItem::GetSelectedImage() const
{
    return TreeImage::ResourceFile;
}

bool CResourceFileItem::IsResourcePath(const QString &path)
{
    return path.endsWith(QLatin1String(".res"), Qt::CaseInsensitive);
}
