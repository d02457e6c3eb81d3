#pragma once

#include "project/ProjectFolderBase.h"

class CProject;

// One project in the workspace. It is also the root of that project's own
// tree: the files and user folders of the project are its children. The
// project document itself is the workspace's current project, bound to the
// folder while the project is open.
//
// Stored as the folder form (child count, name) followed by the project
// file path.
class CProjectFolder : public CProjectFolderBase
{
    DECLARE_SERIAL(CProjectFolder)

public:
    CProjectFolder();
    // A folder for the project file at path, named after the file.
    explicit CProjectFolder(const QString &projectPath);

    void Serialize(CArchive &ar) override;

    QString GetProjectPath() const { return m_strProjectPath; }
    void SetProjectPath(const QString &path) { m_strProjectPath = path; }
    // The directory of the project file, with a trailing '/'.
    QString GetProjectDir() const;

    CProject *GetProject() const { return m_pProject; }
    void SetProject(CProject *project) { m_pProject = project; }

    // Whether the project's own file has been read into this folder once.
    bool IsLoaded() const { return m_bLoaded; }
    void SetLoaded(bool loaded) { m_bLoaded = loaded; }

    // The folder shows whether its project is the open one.
    void SetProjectOpen(bool open);
    bool IsProjectOpen() const { return m_bProjectOpen; }

    // The name a project gets from its file: the file name without extension.
    static QString NameFromPath(const QString &projectPath);

    int m_nExtra1 = 0; // kept for the project view; not stored
    int m_nExtra2 = 0;

private:
    QString m_strProjectPath;
    CProject *m_pProject = nullptr; // not owned
    bool m_bLoaded = false;
    bool m_bProjectOpen = false;
};
