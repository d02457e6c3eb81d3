#include "project/ProjectFolderBase.h"

IMPLEMENT_SERIAL(CProjectFolderBase, CTreeFolder, 1)

CProjectFolderBase::CProjectFolderBase() = default;

CProjectFolderBase::CProjectFolderBase(const QString &name) : CTreeFolder(name)
{
}

bool CProjectFolderBase::AddChild(CTreeItem *child, bool)
{
    if (!child || !AcceptsChild(child))
        return false;
    return CTreeFolder::AddChild(child, true);
}

bool CProjectFolderBase::IsProjectFolder() const
{
    return true;
}

bool CProjectFolderBase::AcceptsChild(const CTreeItem *child) const
{
    if (!child->IsFile())
        return true;
    // Paths on this platform are case-sensitive: Foo.java and foo.java are
    // two files, so only an exact match is a duplicate.
    const QString name = child->GetName();
    for (const CTreeItem *existing : m_children) {
        if (existing == child)
            return false;
        if (existing->IsFile() && existing->GetName() == name)
            return false;
    }
    return true;
}
