#pragma once

#include "app/ProductFiles.h"

#include <QString>

// What a command-line build or run takes from the settings and data files
// the IDE would use: read only, so that neither changes what the IDE finds
// at its next start.
struct CHeadlessSettings
{
    static CHeadlessSettings Load();

    // Where file is, found as the IDE finds it.
    QString Resolve(CProductFiles::File file) const;

    QString jdkExeDir;
    QString jdkLibDir;
    QString ownClassesDir; // empty when the program's own classes are not found

private:
    CProductFiles m_files;
    QString m_programDir;
    QString m_startupDir;
};
