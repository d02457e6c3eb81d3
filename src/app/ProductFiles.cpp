#include "app/ProductFiles.h"

#include "app/FilePathInfo.h"

#include <QFileInfo>

QString CProductFiles::FileName(File f)
{
    switch (f) {
    case Workspace:
        return QStringLiteral("mavu.proj");
    case Commands:
        return QStringLiteral("user.cmd");
    case Packages:
        return QStringLiteral("mavu.pkg");
    case HelpTree:
        return QStringLiteral("mavu.hpg");
    case Beans:
        return QStringLiteral("mavu.bns");
    case DocIndex:
        return QStringLiteral("mavu.ipg");
    case UserIndex:
        return QStringLiteral("user.ipg");
    case HelpIndex:
        return QStringLiteral("mavuhelp.ipg");
    case FileCount:
        break;
    }
    return QString();
}

void CProductFiles::SetDefaults(const QString &programDir, const QString &startupDir)
{
    if (programDir.isEmpty() || !QFileInfo(programDir).isDir())
        return;
    for (int i = 0; i < FileCount; ++i) {
        const File f = File(i);
        m_paths[i] = CFilePathInfo::Join(InStartupDir(f) ? startupDir : programDir, FileName(f));
    }
}

QString CProductFiles::Resolve(File f, const QString &configured, const QString &programDir,
                               const QString &startupDir)
{
    const CFilePathInfo info(configured);
    if (info.Exists())
        return configured;
    const QString other =
        CFilePathInfo::Join(InStartupDir(f) ? programDir : startupDir, FileName(f));
    if (configured.isEmpty() || CFilePathInfo(other).Exists())
        return other;
    return configured;
}

void CProductFiles::ResolveAll(const QString &programDir, const QString &startupDir)
{
    for (int i = 0; i < FileCount; ++i)
        m_paths[i] = Resolve(File(i), m_paths[i], programDir, startupDir);
}
