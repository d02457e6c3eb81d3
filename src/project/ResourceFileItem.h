#pragma once

#include "project/ProjectFileItem.h"

// A GUI-builder resource file (".res") of a project. The stored form is
// that of a project file item; the six words below belong to the resource
// commands and start at 0.
class CResourceFileItem : public CProjectFileItem
{
    DECLARE_SERIAL(CResourceFileItem)

public:
    CResourceFileItem();
    explicit CResourceFileItem(const QString &path);

    int GetImage() const override;
    int GetSelectedImage() const override;

    int m_resourceState[6] = {0, 0, 0, 0, 0, 0};

    // Whether a path names a resource file (extension ".res", any case).
    static bool IsResourcePath(const QString &path);
};
