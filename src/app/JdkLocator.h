#pragma once

#include <QString>

class CIDEDirectories;

// Finds the JDK a standard install has: the one whose javac is on the PATH
// (through the links Debian's alternatives put in between), with its API
// documentation in docs/api when the documentation package is installed.
// Start-up takes the documentation directory from it while the user has set
// none, so that the help finds the JDK's pages without being told. The tools
// themselves keep following the PATH while "Java"/"ExePath" is unset: a
// directory written down here would pin one JDK for good.
class CJdkLocator
{
public:
    // The JDK's home directory (the parent of the bin holding javac), or ""
    // when no javac is on pathList (directories separated as in PATH).
    static QString FindJdkHome(const QString &pathList);
    // Sets the documentation directory (and its list) to home/docs when it
    // is unset and home/docs/api is there. True when it was set.
    static bool FillDocPath(CIDEDirectories &dirs, const QString &home);
};
