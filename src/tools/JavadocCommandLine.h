#pragma once

#include <QString>

struct CCompilerOptions;
struct CDocOptions;

// The javadoc command line without its target. Today's javadoc no longer
// knows "-doctype MIF" and says so; the line still carries it when the
// options ask for it, so the user sees the tool's own answer.
class CJavadocCommandLine
{
public:
    // project: the project's options when they apply, else null for the
    // workspace's alone. compiler: the workspace's compiler options, whose
    // custom-options switch lets the global javadoc text through.
    static QString Build(const CDocOptions *project, const CDocOptions &global,
                         const CCompilerOptions &compiler, const QString &jdkExeDir);
    // The documentation output directory as the line needs it.
    static QString OutputDirArgument(const QString &dir);
};
