#pragma once

#include <QString>

class CProject;
class CProjectFolder;
class CProjectFileItem;

// What the project and the workspace need from the rest of the program:
// editor windows, the main frame and the project view, the two editor
// options that change how a project opens and closes, and the parser. The
// application implements it; the model works with the do-nothing default,
// so that a project can be opened, edited and saved without any window.
class CProjectHost
{
public:
    virtual ~CProjectHost() = default;

    // "Editor"/"CloseProjectFiles": close the project's editor windows when
    // the project closes.
    virtual bool CloseProjectFiles() const { return false; }
    // "Editor"/"ParseAllFiles": parse every file when a project opens.
    virtual bool ParseAllFiles() const { return false; }

    // Opens a file by its type, as the application's open command does.
    virtual bool OpenDocumentFile(const QString &path)
    {
        (void)path;
        return false;
    }
    virtual void CloseEditorWindow(const QString &path) { (void)path; }
    // A file of the project was renamed on disk: its editor window, if
    // any, takes the new name.
    virtual void FileRenamed(const QString &oldPath, const QString &newPath)
    {
        (void)oldPath;
        (void)newPath;
    }
    // Whether an editor window shows the file, and its selection; stored
    // with the project so that the windows can be restored.
    virtual bool GetEditorState(const QString &path, int &selStart, int &selEnd) const
    {
        (void)path;
        selStart = selEnd = 0;
        return false;
    }

    // Parses a project file for main classes (the run command's lookup).
    virtual void ParseFile(CProject &project, const QString &path)
    {
        (void)project;
        (void)path;
    }

    virtual void RefreshMainFrame() {}
    // The project view: rebuild everything, refresh one project's node,
    // show a newly added file, select a project.
    virtual void UpdateAllViews() {}
    virtual void RefreshProjectFolder(CProjectFolder &folder) { (void)folder; }
    virtual void ShowFileInProjectView(CProjectFileItem &item) { (void)item; }
    virtual void SelectProject(CProjectFolder &folder) { (void)folder; }
    virtual void RefreshOutputWindows() {}
    // Queued: give the keyboard focus to the project pane.
    virtual void FocusProjectPane() {}

    // The host used when none is given.
    static CProjectHost &Default();
};
