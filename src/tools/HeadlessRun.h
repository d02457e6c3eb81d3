#pragma once

#include <QString>
#include <QStringList>

class CClassLookup;
class QTextStream;

// "mavu --run PROJECT.mavu [ARGS...]": the project's program run as Run
// runs it (its dirty files compiled first, the same class, command line,
// working directory and class path), without a window. The program's
// standard input, output and error are this process's; the compiler's text
// and any message go to err. Returns the program's exit code, or
// CouldNotRun when the project cannot be read, its compile fails, nothing
// can run or the program cannot be started.
struct CHeadlessRun
{
    static constexpr int CouldNotRun = 2;

    QString projectPath;
    // Replace the project's program arguments when given.
    QStringList arguments;
    bool hasArguments = false;
    QString workspacePath;
    QString jdkExeDir;
    QString jdkLibDir;
    QString ownClassesDir;
    QString packageClassPath;
    const CClassLookup *lookup = nullptr; // the package database, if any

    // Needs a QCoreApplication.
    int Run(QTextStream &err) const;

    // The arguments as one text the command line splits back into them.
    static QString JoinArguments(const QStringList &args);
};
