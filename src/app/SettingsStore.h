#pragma once

#include <QString>

class QSettings;

// The settings store: sections and keys with four operations. Integers are
// kept as decimal text. Writing a null string deletes the key; an empty
// string is kept as empty. Backed by an INI file, by default
// $XDG_CONFIG_HOME/Mavu/Mavu.ini.
class CSettingsStore
{
public:
    CSettingsStore();                          // the user's Mavu.ini
    explicit CSettingsStore(const QString &iniPath); // a given file (tests)
    ~CSettingsStore();
    CSettingsStore(const CSettingsStore &) = delete;
    CSettingsStore &operator=(const CSettingsStore &) = delete;

    int GetProfileInt(const QString &section, const QString &key, int defaultValue) const;
    QString GetProfileString(const QString &section, const QString &key,
                             const QString &defaultValue = QString()) const;
    bool WriteProfileInt(const QString &section, const QString &key, int value);
    bool WriteProfileString(const QString &section, const QString &key, const QString &value);

    // Writes pending changes to disk; also done on destruction.
    void Sync();
    QString FileName() const;

    static QString DefaultPath();

private:
    QSettings *m_settings;
};
