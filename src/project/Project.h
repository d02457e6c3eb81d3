#pragma once

#include "project/Breakpoint.h"
#include "project/ToolOptions.h"

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class CArchive;
class CParsedFileCache;
class CProjectFileItem;
class CProjectFolder;
class CProjectFolderBase;
class CProjectHost;

// A project: its files (kept as the children of its CProjectFolder in the
// workspace), the main class or main HTML page to run, the options of every
// tool, and the breakpoints set in its files. Stored in a ".mavu" file; the
// layout and its versions are in docs/file-formats.md.
//
// The workspace has one CProject and binds it to whichever project is open.
class CProject
{
public:
    static constexpr quint32 kCurrentVersion = 16;

    explicit CProject(CProjectHost *host = nullptr);
    ~CProject();
    CProject(const CProject &) = delete;
    CProject &operator=(const CProject &) = delete;

    CProjectHost &Host() const { return *m_pHost; }
    void SetHost(CProjectHost *host);

    // Binds the project to folder and its project file, then reads the
    // file (create false) or starts a new project there (create true).
    // Returns false, with a message and nothing changed, when the file is of
    // a newer version, cannot be read, or (create) cannot be made.
    bool Open(CProjectFolder *folder, bool create);
    // Saves (asking first when modified), closes the project's editor
    // windows when the options say so, and unbinds the file. Returns false
    // when the user cancels or the project cannot be saved; the project
    // then stays open.
    bool Close();
    // Writes the project file now. Returns false, after a message, when it
    // cannot be written; the file on disk is then unchanged.
    bool Save();
    // The framework's question before a modified document goes away:
    // true to go on (saved or not), false to stay.
    bool SaveModified();

    void Serialize(CArchive &ar);
    // Back to an empty project (options cleared, no files, no breakpoints).
    void DeleteContents();

    bool IsOpen() const { return m_bOpened; }
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }
    QString GetPathName() const { return m_strPathName; }
    // The directory of the project file, with a trailing '/'.
    QString GetProjectDir() const { return m_strProjectDir; }
    // The project file's name without its directory.
    QString GetTitle() const;
    CProjectFolder *GetRootFolder() const { return m_pRootFolder; }
    // The version of the file as it was read.
    quint32 GetFileVersion() const { return m_nStoredVersion; }
    quint32 GetVersion() const { return m_nVersion; }

    // The main class (a file name such as "Hello.java") or the main HTML
    // page: setting one clears the other.
    QString GetMainClass() const { return m_strMainClass; }
    QString GetMainHtml() const { return m_strMainHtml; }
    void SetMainClass(const QString &fileName);
    void SetMainHtml(const QString &fileName);

    // Full paths of the project's files, newest additions first.
    const QStringList &GetFiles() const { return m_files; }
    bool HasFile(const QString &path) const { return m_files.contains(path); }
    // Adds path to the file list, creating an empty file when none exists.
    // A path already in the project is refused with a message. Returns the
    // position in the list, or -1.
    int AddFile(const QString &path);
    // AddFile, then an item for the file under folder (the project's root
    // folder when null), which the project view is asked to show.
    CProjectFileItem *AddFileItem(const QString &path, CProjectFolderBase *folder = nullptr);
    // Forgets a file: the main class or HTML page it was, its breakpoints,
    // its parse result and its place in the list. The item is not touched.
    void RemoveFile(const QString &path);
    // Removes the item from the project and from its folder, and deletes
    // it. False when the item does not belong to this open project.
    bool RemoveFileItem(CProjectFileItem *item);
    // Renames a file within the project; false when newPath is already one
    // of its files.
    bool RenameFile(const QString &oldPath, const QString &newPath);
    CProjectFileItem *FindFileItem(const QString &path) const;

    // Breakpoints, by file path and line.
    bool HasBreakpoint(const QString &path, int line) const;
    QString GetBreakpointClass(const QString &path, int line) const;
    // Adds a breakpoint or, when one is at the line, gives it the class.
    // Lines are stored as 16-bit values: a line outside 0..65535 is refused.
    bool AddBreakpoint(const QString &path, const QString &className, int line);
    bool RemoveBreakpoint(const QString &path, int line);
    QList<CBreakpoint> GetBreakpoints(const QString &path) const;
    const QMap<QString, CBreakpointList> &GetBreakpointMap() const { return m_breakpoints; }

    // The recogniser's results for the project's files, kept while the
    // project is open; a file's result goes when the file leaves the project.
    CParsedFileCache &ParsedFiles() { return *m_parsedFiles; }

    // Tool options, edited by the project's option dialogs.
    QString m_strClassPath; // entries separated by ':'
    CCompilerOptions m_compiler;
    CInterpreterOptions m_interpreter;
    CDocOptions m_doc;
    CRmicOptions m_rmic;
    int m_bJdbCustomOptions = 0;
    QString m_strJdbCustomOptions;

private:
    bool ReadProjectFile(CProjectFolder &folder);
    void TakeContentsFrom(CProject &staged, CProjectFolder &stagedRoot, CProjectFolder &folder);
    void RecordEditorStates();
    void SerializeTree(CArchive &ar);
    void ExchangeBreakpoints(CArchive &ar);
    void AfterLoad(const QStringList &oldFiles, const QString &storedDir,
                   const QString &compilerClassPath, const QString &interpreterClassPath,
                   const QString &docClassPath);
    void RebuildFileList();
    CProjectFileItem *NewFileItem(const QString &path);
    void ForEachFileItem(const std::function<void(CProjectFileItem &)> &fn) const;

    CProjectHost *m_pHost;

    int m_bLoadFlag1 = 0; // the file was moved: its stored paths were corrected
    int m_bLoadFlag2 = 0; // the stored tree needed repair
    bool m_bModified = false;
    QString m_strPathName;
    QString m_strProjectDir;
    quint32 m_nVersion = kCurrentVersion;
    quint32 m_nStoredVersion = kCurrentVersion;
    bool m_bOpened = false;

    QString m_strMainClass;
    QString m_strMainHtml;
    QStringList m_files;
    QMap<QString, CBreakpointList> m_breakpoints; // ordered: stable files
    std::unique_ptr<CParsedFileCache> m_parsedFiles;
    CProjectFolder *m_pRootFolder = nullptr; // not owned
};
