#pragma once

#include <QString>
#include <QStringList>

class CProject;
struct CCompilerOptions;

// Which Java sources of a project need compiling: a source is dirty when a
// class file of one of its top-level classes or interfaces is missing or
// older than the source. The class files are looked for where the compiler
// puts them: under the output directory (in the package's directories)
// when one is set, else beside the source.
class CDirtyCheck
{
public:
    // global: the workspace's compiler defaults.
    CDirtyCheck(CProject &project, const CCompilerOptions &global);

    // The class file of type, declared in source with package pkg ("" for
    // none).
    QString ClassFileOf(const QString &source, const QString &pkg, const QString &type) const;
    // Whether source needs compiling. With output, its package and each
    // class file's state go to the Output tab.
    bool IsSourceDirty(const QString &source, bool output);
    // Checks the .java files among paths; with update, each project file's
    // dirty mark is set or cleared. Returns the number found dirty (0
    // without update). Only while the project is open.
    int CheckProject(const QStringList &paths, bool update);

private:
    QString OutputDir() const;

    CProject &m_project;
    const CCompilerOptions &m_global;
};
