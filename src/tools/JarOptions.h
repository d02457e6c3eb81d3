#pragma once

#include <QString>
#include <QStringList>

class CSettingsExchange;

// The jar dialog's values, kept by the application (section "Jar"), and
// the jar command line they make.
struct CJarOptions
{
    int m_bCreate = 0;            // -c
    int m_bVerbose = 0;           // -v
    int m_bNoCompression = 0;     // -0
    int m_bNoManifestEntries = 0; // -M
    int m_bIncludeManifest = 0;   // -m
    int m_bSpecifyArchive = 0;    // -f
    int m_bCustom = 0;
    QString m_strManifestFile;
    QString m_strOutputFile;
    QString m_strCustomOptions;
    // Full paths; passed relative to the archive's directory. Not kept.
    QStringList m_files;

    void Exchange(CSettingsExchange &exchange);

    // The whole command line.
    QString CommandLine(const QString &jdkExeDir) const;
    // Where jar runs: the archive's directory.
    QString WorkingDirectory() const;

    bool operator==(const CJarOptions &) const = default;
};
