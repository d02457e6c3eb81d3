#pragma once

#include "project/ToolOptions.h"

#include <QString>

// What a run is built from: the two option sets and where the program's
// files are. The caller resolves the files' directories.
struct CRunSetup
{
    // The project's interpreter options; null for a run without a project
    // (the global form).
    const CInterpreterOptions *project = nullptr;
    // The workspace defaults; they also hold the custom options and the
    // interpreter that replaces the JDK's.
    const CInterpreterOptions *global = nullptr;
    QString jdkBinDir; // the JDK executables directory; empty: found on PATH

    // Project form.
    QString projectDir;
    QString mainClassFile;    // file name and extension ("Main.java"), or empty
    QString mainClassPackage; // the package that file declares, or empty
    QString mainClassDir;     // the directory of the main class file
    QString mainHtmlFile;     // file name and extension, or empty
    QString mainHtmlDir;      // the directory of the main HTML file

    // Global form: the file to run (a .java or an HTML file), full path.
    QString file;
};

// The command lines of Run: the program in the JDK interpreter, an applet in
// the applet viewer. Flags are appended in a fixed order, each starting with
// a blank, values glued to their flags; a flag is on when the project or the
// workspace has it on, and its value comes from the project when the
// project has the flag on.
class CRunCommandLine
{
public:
    // What a file without a project runs as: a .java file as an
    // application, an .html or .htm file (any case) as an applet.
    enum FileKind { NotRunnable, Application, Applet };
    static FileKind KindOfFile(const QString &path);

    // The interpreter and its flags, without the class.
    static QString Interpreter(const CRunSetup &setup);
    static QString Flags(const CInterpreterOptions *project, const CInterpreterOptions &global);
    // The class to run: the project's class to run when it is on and set,
    // else the main class file's package, ".", and its name without
    // extension; empty when neither is set.
    static QString ClassArgument(const CRunSetup &setup);

    static QString ApplicationLine(const CRunSetup &setup);
    static QString AppletLine(const CRunSetup &setup, bool debug);
    static QString GlobalApplicationLine(const CRunSetup &setup);
    static QString GlobalAppletLine(const CRunSetup &setup);

    // Where the program runs: the run directory when it is on and set (made
    // absolute against the project directory), else the main HTML file's
    // directory, else (without a class to run) the main class file's, else
    // the project directory.
    static QString WorkingDirectory(const CRunSetup &setup);
    // Without a project: the file's own directory.
    static QString GlobalWorkingDirectory(const CRunSetup &setup);

private:
    static QString CustomOptions(const CInterpreterOptions &global);
    static QString InJdk(const CRunSetup &setup, const QString &tool);
};
