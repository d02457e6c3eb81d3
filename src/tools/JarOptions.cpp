#include "tools/JarOptions.h"

#include "core/SettingsExchange.h"
#include "tools/CommandLine.h"
#include "tools/JdkToolPath.h"

#include <QDir>
#include <QFileInfo>

void CJarOptions::Exchange(CSettingsExchange &ex)
{
    const QString s = QStringLiteral("Jar");
    ex.Int(s, QStringLiteral("Create"), m_bCreate, 0);
    ex.Int(s, QStringLiteral("Verbose"), m_bVerbose, 0);
    ex.Int(s, QStringLiteral("NoCompression"), m_bNoCompression, 0);
    ex.Int(s, QStringLiteral("NoManifestEntries"), m_bNoManifestEntries, 0);
    ex.Int(s, QStringLiteral("IncludeManifest"), m_bIncludeManifest, 0);
    ex.String(s, QStringLiteral("ManifestFile"), m_strManifestFile, QString());
    ex.Int(s, QStringLiteral("SpecifyArchive"), m_bSpecifyArchive, 0);
    ex.String(s, QStringLiteral("OutputFile"), m_strOutputFile, QString());
    ex.Int(s, QStringLiteral("Custom"), m_bCustom, 0);
    ex.String(s, QStringLiteral("CustomOptions"), m_strCustomOptions, QString());
}

QString CJarOptions::WorkingDirectory() const
{
    return m_strOutputFile.isEmpty() ? QString() : QFileInfo(m_strOutputFile).absolutePath();
}

QString CJarOptions::CommandLine(const QString &jdkExeDir) const
{
    QString cmd = JdkToolPath(jdkExeDir, QStringLiteral("jar")) + QLatin1Char(' ');
    if (m_bCreate || m_bVerbose || m_bSpecifyArchive || m_bIncludeManifest ||
        m_bNoManifestEntries || m_bNoCompression) {
        cmd += QLatin1Char('-');
        if (m_bCreate)
            cmd += QLatin1Char('c');
        if (m_bVerbose)
            cmd += QLatin1Char('v');
        if (m_bSpecifyArchive)
            cmd += QLatin1Char('f');
        if (m_bIncludeManifest)
            cmd += QLatin1Char('m');
        if (m_bNoManifestEntries)
            cmd += QLatin1Char('M');
        if (m_bNoCompression)
            cmd += QLatin1Char('0');
        cmd += QLatin1Char(' ');
    }
    if (m_bSpecifyArchive)
        cmd += CCommandLine::Quote(QFileInfo(m_strOutputFile).fileName()) + QLatin1Char(' ');
    if (m_bIncludeManifest)
        cmd += CCommandLine::Quote(m_strManifestFile) + QLatin1Char(' ');
    if (m_bCustom)
        cmd += m_strCustomOptions + QLatin1Char(' ');
    const QDir base(WorkingDirectory());
    for (const QString &file : m_files)
        cmd += QLatin1Char(' ') + CCommandLine::Quote(base.relativeFilePath(file));
    return cmd;
}
