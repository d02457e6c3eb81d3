#pragma once

#include <QString>

// What opening a file does, decided by its extension alone (letter case
// ignored): projects and the program's own data files go to their
// documents, class archives to the package tree, anything else to an
// editor window.
class CDocumentTypes
{
public:
    enum Kind {
        Project,      // ".mavu"
        PackageDb,    // ".pkg"
        Workspace,    // ".proj"
        HelpTree,     // ".hpg"
        SearchIndex,  // ".ipg"
        ClassArchive, // ".zip", ".jar", ".class"
        EditorFile,   // anything else
    };

    static Kind ForPath(const QString &path);

    // A new project's file always ends in ".mavu": any other extension is
    // replaced by it, so "demo.txt" becomes "demo.mavu" in the same folder.
    static QString NewProjectPath(const QString &chosen);

    // Asked before a class archive goes into the package tree.
    static QString AddToPackageTreeQuestion();
};
