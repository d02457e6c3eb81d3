#pragma once

#include "tree/TreeItem.h"

class CProject;

// One file of a project. Its name is the file's full path; the tree shows
// the file name. Stored (versionable, current version 3) as: the path
// relative to the project directory, a flag, and the editor state at the
// time of saving (open flag, selection start and end). Version 1 held only
// the path, version 2 added the flag.
class CProjectFileItem : public CTreeItem
{
    DECLARE_SERIAL(CProjectFileItem)

public:
    static constexpr quint32 kCurrentVersion = 3;

    CProjectFileItem();
    explicit CProjectFileItem(const QString &path);

    void Serialize(CArchive &ar) override;

    // Clears the project's references to the file; agrees to the removal
    // only when the file belongs to an open project.
    int OnRemove() override;
    void Activate() override;
    int Open() override;
    bool BelongsToOpenProject() const override;
    bool CanDrag() const override;
    bool IsFile() const override;
    QString GetDisplayName() const override;
    // Renames the file, on disk and in the project, and writes the open
    // project at once; an editor window of it follows. A bare name keeps the file's directory.
    // Refused, with a message and nothing changed, when another file of the project or on disk has
    // that path already or the system refuses the rename.
    bool SetName(const QString &name) override;
    void ForgetTreeHandle() override;
    // By the file's kind: Java source, HTML page, anything else.
    int GetImage() const override;
    int GetSelectedImage() const override;
    // A Java source whose class files are missing or older than it, as the
    // last dirty check found (the project tree marks it). Not stored.
    bool IsDirty() const override { return m_bDirty; }
    void SetDirty(bool dirty) { m_bDirty = dirty; }

    // Sets the path without the checks of SetName (loading, moving).
    void SetPath(const QString &path) { m_name = path; }

    CProject *GetProject() const { return m_pProject; }
    void SetProject(CProject *project) { m_pProject = project; }

    HTREEITEM GetTreeHandle() const { return m_hTreeItem; }
    void SetTreeHandle(HTREEITEM h) { m_hTreeItem = h; }

    // Which layout the item was read with (the current one for new items).
    quint32 GetStoredVersion() const { return m_nStoredVersion; }

    // Takes the editor state to be stored.
    void SetEditorState(bool open, int selStart, int selEnd);
    bool IsOpenInEditor() const { return m_bOpen != 0; }
    int GetSelStart() const { return m_nSelStart; }
    int GetSelEnd() const { return m_nSelEnd; }

    int m_nListPosition = -1; // index in the project's file list when added
    quint32 m_dwExtra = 0;    // kept for the project view; not stored
    int m_nFlag = 0;          // stored as it is

protected:
    CProject *m_pProject = nullptr; // the open project, or none
    HTREEITEM m_hTreeItem = nullptr;
    quint32 m_nStoredVersion = kCurrentVersion;
    int m_bOpen = 0;
    int m_nSelStart = 0;
    int m_nSelEnd = 0;
    bool m_bDirty = false;
};
