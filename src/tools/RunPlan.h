#pragma once

#include "tools/RunCommandLine.h"

#include <QString>

class CClassLookup;
class CProject;

// What Run starts, decided before any process exists: the project's main
// class file, else its main HTML file, else its class to run, else a class
// with a static main found by parsing the project's files (which becomes the
// main class file), else an applet class the user agrees to run through a
// generated page. Without a project, the editor's file by its extension.
class CRunPlan
{
public:
    enum What { Nothing, Application, Applet };

    What m_what = Nothing;
    QString m_commandLine;
    QString m_workingDir;
    bool m_projectClassPath = false; // the project's class path goes on CLASSPATH

    // The plan for an open project. Asks the user about an applet, creates
    // the default page, and says when nothing can run, through the prompter.
    static CRunPlan ForProject(CProject &project, const CInterpreterOptions &global,
                               const QString &jdkBinDir, const CClassLookup &lookup);
    // The plan for a file run without a project (global options only).
    static CRunPlan ForFile(const QString &path, const CInterpreterOptions &global,
                            const QString &jdkBinDir);

    // The project file with that file name (any case), or empty.
    static QString FindProjectFile(const CProject &project, const QString &fileName);
    // The package the file declares (from the project's parse results, or
    // parsed now), empty without a package statement.
    static QString PackageOf(CProject &project, const QString &path);
};
