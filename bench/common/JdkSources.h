#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// The JDK's own Java sources ($JDK/lib/src.zip), read into memory once per
// process so that benchmarks time their work and not the disk.
struct CJdkSource
{
    QString path; // the entry's name in the archive, e.g. java.base/java/lang/String.java
    QByteArray text;
};

class CJdkSources
{
public:
    // Loads every .java entry on first use. The archive is
    // $MAVU_JDK_SRC_ZIP if set, else <JDK home>/lib/src.zip, where the JDK
    // home is $MAVU_JDK_HOME or the one found when the benchmarks were
    // configured.
    static const CJdkSources &Get();

    const std::vector<CJdkSource> &Files() const { return m_files; }
    qint64 TotalBytes() const { return m_totalBytes; }
    // Empty when loading worked; else what went wrong.
    const QString &Error() const { return m_error; }
    const QString &ArchivePath() const { return m_archive; }

    // Reads the .java entries of any zip archive (stored or deflated, with
    // or without zip64 records).
    static bool ReadZip(const QString &zipPath, std::vector<CJdkSource> &out, QString *error);

private:
    CJdkSources();

    std::vector<CJdkSource> m_files;
    qint64 m_totalBytes = 0;
    QString m_error;
    QString m_archive;
};
