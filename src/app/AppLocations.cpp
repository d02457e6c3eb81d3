#include "app/AppLocations.h"

#include "app/FilePathInfo.h"

#include <QDir>
#include <QStandardPaths>

CAppLocations CAppLocations::FromEnvironment(const QString &exeDir)
{
    CAppLocations loc;
    loc.m_startupDir = CFilePathInfo::WithSlash(QDir::currentPath());
    loc.m_defaultProgramDir =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
        QStringLiteral("/Mavu");
    if (!exeDir.isEmpty()) {
        loc.m_ownFileDirs << QDir::cleanPath(exeDir)
                          << QDir::cleanPath(exeDir + QStringLiteral("/../share/mavu"));
    }
    return loc;
}
