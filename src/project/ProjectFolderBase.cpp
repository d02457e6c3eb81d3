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
    // two files, so only an exact match is a duplicate. A file item shows
    // the file name cut from its path, so an item for the same path has the
    // same display name: only the children of that name need a look, which
    // keeps a folder of thousands of files from being read through at every
    // addition.
    const QString name = child->GetName();
    return !AnyChildNamed(child->GetDisplayName(), [&](const CTreeItem &existing) {
        return &existing == child || (existing.IsFile() && existing.GetName() == name);
    });
}
