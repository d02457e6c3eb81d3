#pragma once

#include "tree/TreeFolder.h"

// Common base of the folders inside the workspace's project tree: one
// project (CProjectFolder) and the folders users make in it
// (CProjectVirtualFolder). Such a folder keeps its children in name order
// whatever the caller asks, and refuses a second item for a file it already
// holds.
class CProjectFolderBase : public CTreeFolder
{
    DECLARE_SERIAL(CProjectFolderBase)

public:
    CProjectFolderBase();
    explicit CProjectFolderBase(const QString &name);

    bool AddChild(CTreeItem *child, bool sorted) override;
    bool IsProjectFolder() const override;

    // Whether child may join this folder: a file item is refused when the
    // folder already holds an item for the same path.
    virtual bool AcceptsChild(const CTreeItem *child) const;

    // Two words kept for the project view (its folder state and sort mode);
    // not stored.
    int m_nViewState = 0;
    int m_nSortMode = 1;
};
