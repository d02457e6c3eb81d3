#pragma once

#include <QString>
#include <QStringList>
#include <utility>

class CSettingsStore;

// The words recently searched for (or put in their place), newest first, as
// the find dialog's drop-down list shows them. Kept in a section of the
// settings store so that they survive a restart.
class CFindHistory
{
public:
    // More than this many entries and the oldest is dropped.
    static constexpr int kMaxEntries = 15;
    // A "length" above this in the store is not believed.
    static constexpr int kMaxStored = 20;

    explicit CFindHistory(QString section) : m_section(std::move(section)) {}

    // A word used (again): it moves to the top. Empty words are not kept.
    void Use(const QString &word);
    const QStringList &Entries() const { return m_entries; }
    QString Latest() const { return m_entries.value(0); }
    const QString &Section() const { return m_section; }

    // "length" and "word1" (the newest) to "word<length>".
    void Save(CSettingsStore &store) const;
    // Replaces the entries with those of the store; a damaged section
    // (length out of range, missing words) gives what can be read.
    void Load(const CSettingsStore &store);

private:
    QString m_section;
    QStringList m_entries;
};
