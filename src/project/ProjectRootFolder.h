#pragma once

#include "tree/TreeFolder.h"

// The root of the workspace tree, "Mavu Projects". Its children are the
// projects (CProjectFolder); anything else is refused, so that a damaged
// workspace file cannot put stray nodes at the top.
class CProjectRootFolder : public CTreeFolder
{
    DECLARE_SERIAL(CProjectRootFolder)

public:
    CProjectRootFolder();
    explicit CProjectRootFolder(const QString &name);

    bool AddChild(CTreeItem *child, bool sorted) override;
};
