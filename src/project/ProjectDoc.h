#pragma once

#include "project/Project.h"
#include "project/ToolOptions.h"

#include <QString>

class CArchive;
class CProjectFolder;
class CProjectHost;
class CProjectRootFolder;

// The workspace: every project the user has worked with, under the root
// "Mavu Projects", and the default options of the Java tools for projects
// that do not set their own. Stored in "mavu.proj"; the layout and its
// versions are in docs/file-formats.md.
//
// At most one project is open at a time: the workspace's one CProject,
// bound to the active project folder.
class CProjectDoc
{
public:
    static constexpr quint32 kCurrentVersion = 104;
    static constexpr quint32 kFirstVersionWithOptions = 101;

    explicit CProjectDoc(CProjectHost *host = nullptr);
    ~CProjectDoc();
    CProjectDoc(const CProjectDoc &) = delete;
    CProjectDoc &operator=(const CProjectDoc &) = delete;

    CProjectHost &Host() const { return *m_pHost; }

    // Reads the workspace file at path; a missing file gives an empty
    // workspace that is written on the first save. A file that cannot be
    // read is reported and left alone, the workspace stays empty, and it
    // is never overwritten in this session. Returns false in that case.
    bool Load(const QString &path);
    // Writes the workspace file. False, after a message, when it cannot be
    // written (the file on disk is then unchanged) or must not be.
    bool Save();
    void Serialize(CArchive &ar);

    // Back to the defaults: no projects, every option off, document type 1.
    void DeleteContents();

    // The project among the root's children whose project file is path
    // (letter case ignored), or null.
    CProjectFolder *FindProject(const QString &path) const;
    // Closes the open project (which may ask to save and may be
    // cancelled). False when no project was open or the user cancelled.
    bool CloseCurrentProject();
    // Opens the project file at path, adding it to the workspace when it is
    // not there yet; create starts a new project there. The project that
    // was open is closed first.
    bool OpenProject(const QString &path, bool create);
    // Adds the project file at path to the workspace without opening it.
    // Refused, with a message, when it is there already.
    CProjectFolder *AddProject(const QString &path);
    // Takes a project out of the workspace (closing it first when it is
    // open); its file stays on disk.
    bool RemoveProject(CProjectFolder *folder);

    // The open project's name and file, or empty strings.
    QString GetActiveProjectName() const;
    QString GetActiveProjectPath() const;

    CProject &GetCurrentProject() { return m_project; }
    const CProject &GetCurrentProject() const { return m_project; }
    CProjectFolder *GetActiveFolder() const { return m_pActiveFolder; }
    CProjectRootFolder *GetRoot() const { return m_pRoot; }

    QString GetPathName() const { return m_strPathName; }
    quint32 GetVersion() const { return m_nVersion; }
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }
    // Set when Load could not read the file: the workspace then refuses to
    // overwrite it.
    bool IsSaveBlocked() const { return m_bSaveBlocked; }

    // Default tool options ("Root options").
    CInterpreterOptions m_interpreter;
    CCompilerOptions m_compiler;
    CDocOptions m_doc;

private:
    bool FinishOpen(CProjectFolder *folder);
    void ResolveProjectPaths();

    CProjectHost *m_pHost;
    quint32 m_nVersion = kCurrentVersion;
    bool m_bModifiedWhileLoading = false;
    bool m_bModified = false;
    bool m_bSaveBlocked = false;
    QString m_strPathName;
    CProjectRootFolder *m_pRoot = nullptr; // owned
    CProject m_project;
    CProjectFolder *m_pActiveFolder = nullptr;
};
