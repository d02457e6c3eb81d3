#pragma once

#include <QString>
#include <QStringList>

// What the command line asks the program to open at start-up: one file
// name; a ".mavu" file is a project, anything else opens by its type.
class CCommandLineInfo
{
public:
    enum ShellCommand { FileNew, FileOpen };
    enum InitialOpen { OpenNothing, OpenProject, OpenDocument };

    // args without the program name. The first argument that is not an
    // option is the file to open, made absolute against the working
    // directory.
    void ParseCommandLine(const QStringList &args);

    // What start-up opens, given the file named on the command line (if any)
    // and the project that was open at the last exit. *path receives the file.
    InitialOpen InitialDocument(const QString &lastProject, QString *path) const;

    static bool IsProjectFile(const QString &path);

    ShellCommand m_nShellCommand = FileNew;
    QString m_strFileName;
};
