#include "app/JavaClassPath.h"

#include "app/AppLocations.h"
#include "app/FilePathInfo.h"
#include "core/Prompter.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString kClassesZip = QStringLiteral("classes.zip");
}

QString CJavaClassPath::MissingMessage(const QString &path)
{
    return QStringLiteral("Unable to find file %1. This file is essential for Mavu to function "
                          "properly. Please set the program path under Customize/Directory to "
                          "Mavu directory and restart Mavu !!!")
        .arg(path);
}

QString CJavaClassPath::SetFailedMessage(const QString &path)
{
    return QStringLiteral("Error setting the environment variable. Please add the variable %1 "
                          "to CLASSPATH manually and reboot the PC for it to take effect")
        .arg(path);
}

QString CJavaClassPath::FindOwnClassesZip(const CAppLocations &loc, const QString &programDir)
{
    QStringList dirs{loc.m_startupDir, programDir};
    dirs += loc.m_ownFileDirs;
    for (const QString &dir : dirs) {
        if (dir.isEmpty())
            continue;
        const QString path = CFilePathInfo::Join(dir, kClassesZip);
        if (QFileInfo(path).isFile())
            return QDir::cleanPath(path);
    }
    return QString();
}

QString CJavaClassPath::ExtendedClassPath(const QString &oldValue, bool isSet,
                                          const QString &zipPath)
{
    const QChar sep = QDir::listSeparator();
    if (!isSet)
        return QStringLiteral(".") + sep + zipPath;
    if (oldValue.contains(zipPath, Qt::CaseInsensitive))
        return oldValue;
    return oldValue + sep + QLatin1Char('.') + sep + zipPath;
}

QString CJavaClassPath::Prepare(const CAppLocations &loc, const QString &programDir,
                                bool reportMissing)
{
    const QString zip = FindOwnClassesZip(loc, programDir);
    if (zip.isEmpty()) {
        if (reportMissing)
            Prompter().MessageBox(MissingMessage(CFilePathInfo::Join(programDir, kClassesZip)),
                                  CPrompter::Ok, CPrompter::Warning);
        return QString();
    }
    const bool isSet = qEnvironmentVariableIsSet("CLASSPATH");
    const QString oldValue = qEnvironmentVariable("CLASSPATH");
    const QString newValue = ExtendedClassPath(oldValue, isSet, zip);
    if (!isSet || newValue != oldValue) {
        if (!qputenv("CLASSPATH", newValue.toLocal8Bit()))
            Prompter().MessageBox(SetFailedMessage(zip), CPrompter::Ok, CPrompter::Stop);
    }
    return CFilePathInfo(zip, false).GetDriveDir();
}

QString CJavaClassPath::BuildVMClassPath(const QString &envClassPath, const QString &libPath,
                                         const QString &ownZipDir)
{
    const QChar sep = QDir::listSeparator();
    QString cp = envClassPath + sep + QLatin1Char('.') + sep;
    if (!libPath.isEmpty())
        cp += CFilePathInfo::Join(libPath, kClassesZip) + sep;
    if (!ownZipDir.isEmpty())
        cp += CFilePathInfo::Join(ownZipDir, kClassesZip) + sep;
    return cp;
}
