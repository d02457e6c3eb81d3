#pragma once

#include <QList>
#include <QString>
#include <map>

// The settings store: sections and keys with four operations. Integers are
// kept as decimal text. Writing a null string deletes the key; an empty
// string is kept as empty. Backed by an INI file, by default
// $XDG_CONFIG_HOME/Mavu/Mavu.ini.
//
// The file keeps sections and keys in the order they were first written, and
// a section or key that already exists keeps its place when it is written
// again, so the file reads in the same order as the tables that write it.
// (QSettings' INI writer sorts keys alphabetically, which is why this is a
// small reader/writer of our own.) Section and key names are looked up without
// regard to letter case, as profile files always were; the spelling of the
// first write is kept.
//
// File form: "[Section]" lines, "key=value" lines, blank lines and comment
// lines starting with ';' or '#'. Values are written exactly, except that a
// backslash, a line feed and a carriage return are written as "\\", "\n" and
// "\r"; any other backslash reads as itself. Lines that fit none of these
// forms (corrupt or binary junk) are skipped when reading; the store then
// keeps a copy of the original file beside it before it first overwrites it,
// so nothing the user had is lost.
class CSettingsStore
{
public:
    CSettingsStore();                                // the user's Mavu.ini
    explicit CSettingsStore(const QString &iniPath); // a given file (tests)
    ~CSettingsStore();                               // writes pending changes
    CSettingsStore(const CSettingsStore &) = delete;
    CSettingsStore &operator=(const CSettingsStore &) = delete;

    int GetProfileInt(const QString &section, const QString &key, int defaultValue) const;
    QString GetProfileString(const QString &section, const QString &key,
                             const QString &defaultValue = QString()) const;
    bool WriteProfileInt(const QString &section, const QString &key, int value);
    bool WriteProfileString(const QString &section, const QString &key, const QString &value);

    // Writes pending changes to disk atomically; also done on destruction.
    // Returns false (and sets ErrorString) when the file cannot be written.
    bool Sync();
    QString FileName() const { return m_path; }
    QString ErrorString() const { return m_error; }

    // Lines of the file that could not be read (0 for a clean file), and
    // where the original file is kept once the store has overwritten it.
    int CorruptLineCount() const { return m_corruptLines; }
    QString CorruptCopyName() const { return m_path + QStringLiteral(".corrupt"); }

    // Every (section, key) pair in file order; for tests and diagnostics.
    QList<QPair<QString, QString>> Keys() const;

    static QString DefaultPath();

    // An old profile left under the plain name "mavu" in dir replaces
    // Mavu.ini there (deleting the current one). Returns true when it did.
    static bool MigrateProfile(const QString &dir);

private:
    // Names compare as the lookups do, without regard to letter case.
    struct NameLess
    {
        bool operator()(const QString &a, const QString &b) const
        {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        }
    };
    using NameIndex = std::map<QString, qsizetype, NameLess>;

    // A key, or a comment line (null key, the line as value). A deleted key
    // stays in the list as a gap until the file is written again.
    struct Entry
    {
        QString key;
        QString value;
        bool deleted = false;
    };
    // Entries in file order, and where each key is among them: a file of
    // many keys is read, and each key found, without going through all the
    // others.
    struct Section
    {
        QString name;
        QList<Entry> entries;
        NameIndex keys;
    };

    void Load();
    const Entry *Find(const QString &section, const QString &key) const;
    Section *FindSection(const QString &section);
    const Section *FindSection(const QString &section) const;
    Section &AddSection(const QString &name);

    QString m_path;
    QList<Section> m_sections;
    NameIndex m_sectionIndex; // named sections only
    QString m_error;
    int m_corruptLines = 0;
    bool m_dirty = false;
    bool m_corruptCopyKept = false;
};
