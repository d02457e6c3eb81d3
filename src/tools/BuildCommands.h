#pragma once

#include <QString>
#include <QStringList>

class CProject;
class CTreeFolder;
class CToolManager;

// The compile commands, from the menus, the project tree and the headless
// build: which files each one gives the compiler, and when it may run.
class CBuildCommands
{
public:
    explicit CBuildCommands(CToolManager &manager);

    // The project that is open, or null.
    CProject *OpenProject() const;

    // Compile this file (the caller has saved it).
    bool CompileFile(const QString &path);
    // The source of the project's main class; false when none is set or it
    // is not among the project's files.
    bool CompileMainFile();
    QString MainFileSource() const;
    // Build project: every Java file of the project that exists, in one run.
    bool BuildProject();
    // Every dirty Java file of the project, in one run; says so in the
    // Output tab when there is none. runAfter: Run once it compiled clean.
    bool RebuildDirty(bool runAfter = false);
    // Every existing Java file under folder.
    bool RebuildFolder(const CTreeFolder &folder);
    // "*.java" in the project's directory.
    bool CompileAllInProjectDir();
    // "*.java" in the directory of the first file under folder.
    bool CompileAllInFolderDir(const CTreeFolder &folder);
    void Stop();
    // Switches between javac and the workspace's own compiler command.
    void ToggleCompiler();

    // Enabling, as the menus ask.
    bool CanCompile() const;        // no compile, javadoc run or program running
    bool CanCompileProject() const; // and a project is open
    bool CanStop() const;
    bool CanToggleCompiler() const; // a compiler command of its own is set
    bool IsUsingOwnCompiler() const;

    // The argument text for files (relative to the project directory,
    // quoted when they hold a blank, each followed by a blank); fills the
    // compile list, newest first.
    static QString ArgumentText(const CProject &project, const QStringList &files,
                                QStringList *compileList);
    static QString NoDirtyFilesMessage();

private:
    bool CompileProjectFiles(const QStringList &files, bool showDirectory);
    bool CompileAllIn(const QString &dir);
    void PrepareProjectCompile(bool clearOutput);

    CToolManager &m_manager;
};
