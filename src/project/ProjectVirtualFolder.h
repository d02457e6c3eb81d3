#pragma once

#include "project/ProjectFolderBase.h"

// A folder that the user makes inside a project to group files. It has no
// directory on disk. Stored with the plain folder form (child count, name).
class CProjectVirtualFolder : public CProjectFolderBase
{
    DECLARE_SERIAL(CProjectVirtualFolder)

public:
    CProjectVirtualFolder();
    explicit CProjectVirtualFolder(const QString &name);

    bool CanDrag() const override;

    int m_nUserFlag = 0; // kept for the project view; not stored
};
