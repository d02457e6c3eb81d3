#pragma once

#include <QString>

struct CAppLocations;

// The program's own Java classes (classes.zip) on CLASSPATH: the IDE's
// helper programs run in JVMs started from here, and they find their classes
// through the CLASSPATH the IDE hands down.
class CJavaClassPath
{
public:
    // Where the program's own classes.zip is: the start-up directory, the
    // program directory, then beside the executable. Empty when missing.
    static QString FindOwnClassesZip(const CAppLocations &loc, const QString &programDir);

    // The CLASSPATH that also holds zipPath: unchanged when the old value
    // already holds it (in any letter case), the old value followed by
    // ":.:" and the path when set, else ".:" and the path.
    static QString ExtendedClassPath(const QString &oldValue, bool isSet, const QString &zipPath);

    // The start-up step: finds classes.zip and puts it on this process's
    // CLASSPATH. A missing file is reported (when reportMissing) and a
    // failed update always, through the prompter; neither stops start-up.
    // Returns the directory of the file found, or empty.
    static QString Prepare(const CAppLocations &loc, const QString &programDir, bool reportMissing);

    // The class path of a JVM the IDE starts in its own process: CLASSPATH,
    // ".", the JDK's classes.zip under libPath and our own, each followed by
    // ':'; the two zips only when their directory is known.
    static QString BuildVMClassPath(const QString &envClassPath, const QString &libPath,
                                    const QString &ownZipDir);

    static QString MissingMessage(const QString &path);
    static QString SetFailedMessage(const QString &path);
};
