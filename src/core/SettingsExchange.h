#pragma once

#include <QList>
#include <QPair>
#include <QString>

class CSettingsStore;

// One pass of a settings record over its keys. A record lists each of its
// keys once, in the order the file shows them, as calls of Int and String on
// an exchange; the same list then loads the record, saves it, or names its
// keys (for tests and tools), so a key is never spelled in two places.
class CSettingsExchange
{
public:
    enum Mode { Load, Save, ListKeys };
    using KeyList = QList<QPair<QString, QString>>;

    // Reads from store into the record.
    explicit CSettingsExchange(const CSettingsStore &store);
    // Writes the record into store.
    explicit CSettingsExchange(CSettingsStore &store);
    // Only collects the keys, in order.
    CSettingsExchange();

    Mode GetMode() const { return m_mode; }
    bool IsLoading() const { return m_mode == Load; }

    // A key whose absent value leaves what the record holds.
    void Int(const QString &section, const QString &key, int &value);
    // A key whose absent value is def.
    void Int(const QString &section, const QString &key, int &value, int def);
    void String(const QString &section, const QString &key, QString &value);
    void String(const QString &section, const QString &key, QString &value, const QString &def);

    const KeyList &Keys() const { return m_keys; }

private:
    Mode m_mode;
    const CSettingsStore *m_in = nullptr;
    CSettingsStore *m_out = nullptr;
    KeyList m_keys;
};
