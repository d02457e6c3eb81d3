#include "project/ProjectRootFolder.h"

#include "project/ProjectFolder.h"

IMPLEMENT_SERIAL(CProjectRootFolder, CTreeFolder, 1)

CProjectRootFolder::CProjectRootFolder() = default;

CProjectRootFolder::CProjectRootFolder(const QString &name) : CTreeFolder(name)
{
}

bool CProjectRootFolder::AddChild(CTreeItem *child, bool sorted)
{
    if (!child || !child->IsKindOf(RUNTIME_CLASS(CProjectFolder)))
        return false;
    return CTreeFolder::AddChild(child, sorted);
}
