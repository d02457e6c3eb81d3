#include "app/JdkLocator.h"

#include "app/IDEDirectories.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString CJdkLocator::FindJdkHome(const QString &pathList)
{
    const QStringList dirs = pathList.split(QDir::listSeparator(), Qt::SkipEmptyParts);
    if (dirs.isEmpty())
        return QString();
    const QString javac = QStandardPaths::findExecutable(QStringLiteral("javac"), dirs);
    if (javac.isEmpty())
        return QString();
    // /usr/bin/javac -> /etc/alternatives/javac -> <home>/bin/javac
    const QString real = QFileInfo(javac).canonicalFilePath();
    if (real.isEmpty())
        return QString();
    QDir bin = QFileInfo(real).dir();
    if (!bin.cdUp())
        return QString();
    return bin.absolutePath();
}

bool CJdkLocator::FillDocPath(CIDEDirectories &dirs, const QString &home)
{
    if (home.isEmpty() || !dirs.m_docPath.isEmpty() || !dirs.m_docPaths.isEmpty())
        return false;
    const QDir jdk(home);
    if (!QFileInfo(jdk.filePath(QStringLiteral("docs/api"))).isDir())
        return false;
    dirs.m_docPath = jdk.filePath(QStringLiteral("docs"));
    dirs.m_docPaths = {dirs.m_docPath};
    return true;
}
