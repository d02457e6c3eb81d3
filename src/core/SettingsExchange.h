#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

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
    // A list kept as name + "Count" and the entries name1, name2, ...; empty
    // entries are skipped when read. A list that was once a single value
    // reads as that value (single) while no count is stored. Saving clears
    // the entries past the new end.
    void List(const QString &section, const QString &name, QStringList &list,
              const QString &single = QString());

    const KeyList &Keys() const { return m_keys; }

    // What every record with an Exchange(CSettingsExchange &, args...) does
    // to load, save and list its keys; args name its section where it has
    // several.
    template <class Record, class... Args>
    static void LoadRecord(Record &record, const CSettingsStore &store, const Args &...args)
    {
        CSettingsExchange exchange(store);
        record.Exchange(exchange, args...);
    }
    template <class Record, class... Args>
    static void SaveRecord(const Record &record, CSettingsStore &store, const Args &...args)
    {
        CSettingsExchange exchange(store);
        Record copy = record; // saving reads the members, but through the same two-way call
        copy.Exchange(exchange, args...);
    }
    template <class Record> static KeyList RecordKeys()
    {
        CSettingsExchange exchange;
        Record record;
        record.Exchange(exchange);
        return exchange.Keys();
    }

private:
    Mode m_mode;
    const CSettingsStore *m_in = nullptr;
    CSettingsStore *m_out = nullptr;
    KeyList m_keys;
};
