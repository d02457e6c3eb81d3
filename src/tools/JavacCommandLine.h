#pragma once

#include <QString>

struct CCompilerOptions;

// The compiler's command line, from the project's options over the
// workspace defaults: a custom compiler command replaces everything;
// otherwise javac from the JDK directory followed by the flags in a fixed
// order, each beginning with a blank, and one closing blank. The target
// (a file name or the list of files) is appended by the caller.
class CJavacCommandLine
{
public:
    // project: the project's options, or null when the defaults alone
    // apply. With a project an option counts as on when it is on in either
    // set; the output directory and the custom options are the project's
    // when on there, else the defaults'.
    static QString Build(const CCompilerOptions *project, const CCompilerOptions &global,
                         const QString &jdkExeDir);
    // The output directory as it goes on the command line: without a
    // trailing '/', except for the root, and in quotes when it has a blank.
    static QString OutputDirArgument(const QString &dir);
    // The compiler's name in the JDK directory (PATH when it is empty).
    static QString CompilerPath(const QString &jdkExeDir);
};
