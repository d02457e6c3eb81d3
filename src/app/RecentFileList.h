#pragma once

#include <QStringList>

class CSettingsStore;

// The File menu's list of recently opened files, newest first, kept in the
// settings under "Recent File List" as "File1", "File2", ...
class CRecentFileList
{
public:
    static constexpr int kMaxSize = 16;

    explicit CRecentFileList(int size = 4);

    // The list holds at most size entries (1 to 16; the options allow 4 to
    // 16): a longer list loses its oldest entries.
    void SetSize(int size);
    int Size() const { return m_size; }

    // Puts path on top; the same file further down (letter case ignored,
    // as paths are compared everywhere) goes.
    void Add(const QString &path);
    void Remove(int index);
    void Remove(const QString &path);
    const QStringList &Files() const { return m_files; }

    void ReadList(const CSettingsStore &store);
    // Writes the entries and deletes the keys of entries no longer there.
    void WriteList(CSettingsStore &store) const;

    // The menu text of entry index: "&1 " and the path, with '&' doubled
    // so that it shows as itself.
    QString MenuText(int index) const;

    static const QString kSection;

private:
    int m_size;
    QStringList m_files;
};
