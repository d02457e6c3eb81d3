#pragma once

#include <QString>
#include <QStringList>

// Where the program is running: the directories the settings are resolved
// against. The application fills it once at start-up; tests build their own.
struct CAppLocations
{
    // The working directory at start-up, always ending with '/'.
    QString m_startupDir;
    // The program directory used when "Mavu"/"Path" is empty: the per-user
    // data directory ($XDG_DATA_HOME/Mavu), where the data files live.
    QString m_defaultProgramDir;
    // Where the program's own shipped files (classes.zip, help, tips.txt)
    // are also looked for: beside the executable and in the installed share
    // directory.
    QStringList m_ownFileDirs;

    // The locations of this process; exeDir is the executable's directory.
    static CAppLocations FromEnvironment(const QString &exeDir);
};
