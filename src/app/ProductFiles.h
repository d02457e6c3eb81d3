#pragma once

#include <QString>

// The paths of the program's eight data files, and the rule that decides
// which copy of each one is opened.
class CProductFiles
{
public:
    enum File {
        Workspace, // "mavu.proj": all projects and the default tool options
        Commands,  // "user.cmd": the custom commands
        Packages,  // "mavu.pkg": the package database
        HelpTree,  // "mavu.hpg": the help tree
        Beans,     // "mavu.bns": the bean tree
        DocIndex,  // "mavu.ipg": the documentation search index
        UserIndex, // "user.ipg": the user search index
        HelpIndex, // "mavuhelp.ipg": the search index of the program's own help
        FileCount
    };

    static QString FileName(File f);

    const QString &Path(File f) const { return m_paths[f]; }
    void SetPath(File f, const QString &path) { m_paths[f] = path; }

    // The defaults used when the program directory is set and exists: every
    // file in the program directory except the two indices, which live in
    // the start-up directory. Nothing changes otherwise.
    void SetDefaults(const QString &programDir, const QString &startupDir);

    // The path to open for f, given the configured path. When it is empty or
    // the file is missing, the other copy is looked at (the program
    // directory's for the two indices, the start-up directory's for the
    // rest): it is taken when it exists or when nothing was configured;
    // otherwise the configured path stays, and the owner starts an empty
    // document there that is created on first save.
    static QString Resolve(File f, const QString &configured, const QString &programDir,
                           const QString &startupDir);
    // Resolve applied to all eight paths.
    void ResolveAll(const QString &programDir, const QString &startupDir);

    bool operator==(const CProductFiles &) const = default;

private:
    // The two indices belong with the start-up directory, all else with the
    // program directory.
    static bool InStartupDir(File f) { return f == DocIndex || f == HelpIndex; }

    QString m_paths[FileCount];
};
