#include "project/ProjectVirtualFolder.h"

IMPLEMENT_SERIAL(CProjectVirtualFolder, CProjectFolderBase, 1)

CProjectVirtualFolder::CProjectVirtualFolder() = default;

CProjectVirtualFolder::CProjectVirtualFolder(const QString &name) : CProjectFolderBase(name)
{
}

bool CProjectVirtualFolder::CanDrag() const
{
    return true;
}
