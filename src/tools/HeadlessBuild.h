#pragma once

#include <QString>

class QTextStream;

// "mavu --build PROJECT.mavu [--dirty]": the project built exactly as
// Build project (or Rebuild Dirty) builds it, without a window. The Build
// tab's text goes to out, messages to err.
struct CHeadlessBuild
{
    enum ExitCode { Succeeded = 0, Failed = 1, Unreadable = 2 };

    QString projectPath;
    bool dirtyOnly = false;
    // The workspace file with the default tool options; empty or missing
    // means the defaults.
    QString workspacePath;
    // "Java"/"ExePath", "Java"/"LibPath" and the program's classes.zip.
    QString jdkExeDir;
    QString jdkLibDir;
    QString ownClassesDir;

    // Runs the build in the current thread's event loop (a
    // QCoreApplication must exist).
    int Run(QTextStream &out, QTextStream &err) const;
};
