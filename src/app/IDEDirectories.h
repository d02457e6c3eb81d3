#pragma once

#include "core/SettingsExchange.h"

#include <QString>
#include <QStringList>

class CSettingsStore;
class CIDEOptions;
struct CAppLocations;

// The directory settings (JDK, documentation, program and browser paths and
// their lists) and what is derived from them at start-up: the API
// documentation directory, the help directory, the tips file and the
// documentation directory list.
class CIDEDirectories
{
public:
    // The documentation directory list: a directory's number is its 1-based
    // position, and help index entries and help items store that number, so
    // every position is fixed: 1-2 help, 3-31 JDK guides (kDocSubdirs),
    // 32 beans, 33 servlets, 34 "newhelp", empty names up to 100, and the
    // user directories from 101 on.
    static constexpr int kMaxDocDirs = 200;
    static constexpr int kFirstUserDocDir = 101;
    static constexpr int kMaxUserPaths = 100;
    static constexpr int kDocSubdirCount = 29;
    static const char *const kDocSubdirs[kDocSubdirCount];

    // Reads the record and its five lists.
    void LoadSettings(const CSettingsStore &store);
    // Writes the single paths, then each list (count, then its entries) in
    // the order executables, libraries, documentation, Java sources,
    // package sources, then the user directories.
    void SaveSettings(CSettingsStore &store) const;
    // The keys in the order the file shows them.
    static CSettingsExchange::KeyList Keys();
    // The one list of keys that loading, saving and Keys() run through.
    void Exchange(CSettingsExchange &exchange);
    // The values derived at the end of loading. A set documentation
    // directory clears the "do not warn" flag in options.
    void DeriveDirectories(const CAppLocations &loc, CIDEOptions &options);

    // Position (1-based) of dir in the documentation list, 0 when absent;
    // and the directory at a position ("" when out of range).
    int DocDirNumber(const QString &dir) const;
    QString DocDir(int number) const;

    bool operator==(const CIDEDirectories &) const = default;

    // "Java"
    QString m_exePath;     // "ExePath": JDK executables
    QString m_libPath;     // "LibPath": JDK library directory
    QString m_sourcePath;  // "SourcePath": JDK sources
    QString m_docPath;     // "DocPath": JDK HTML documentation
    QString m_beanDocPath; // "BeanDocPath"
    QString m_jsdkDocPath; // "JSDKDocPath": servlet documentation
    // "Package"/"SourcePath": sources scanned for the package database
    QString m_pkgSourcePath;
    // "Mavu"/"Path": the program directory (data files)
    QString m_programPath;
    // "Browser"/"Path": an external web browser
    QString m_browserPath;
    // "Mavu"/"Project": read here, written by the main frame on close
    QString m_lastProject;

    // The five lists ("Java"/"ExePath1".., "LibPath1".., "SrcPath1"..,
    // "DocPath1".., "Package"/"SrcPath1"..) and the user documentation
    // directories ("User"/"Path1".."Path100").
    QStringList m_exePaths;
    QStringList m_libPaths;
    QStringList m_srcPaths;
    QStringList m_docPaths;
    QStringList m_pkgSrcPaths;
    QStringList m_userPaths;

    // Derived, never stored.
    QString m_apiDocPath;  // the API documentation directory, ending with '/'
    QString m_helpDir;     // the program's help directory, or empty
    QString m_helpBase;    // the directory the help directory was found in
    QString m_newHelpDir;  // the "newhelp" directory, or empty
    QString m_tipsFile;    // the Tip of the Day file
    QStringList m_docDirs; // the documentation directory list
};
