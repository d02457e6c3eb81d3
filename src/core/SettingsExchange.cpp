#include "core/SettingsExchange.h"

#include "core/SettingsStore.h"

namespace {
// A corrupt count must not make loading crawl through billions of keys.
constexpr int kMaxListCount = 1000;
} // namespace

CSettingsExchange::CSettingsExchange(const CSettingsStore &store) : m_mode(Load), m_in(&store)
{
}

CSettingsExchange::CSettingsExchange(CSettingsStore &store) : m_mode(Save), m_out(&store)
{
}

CSettingsExchange::CSettingsExchange() : m_mode(ListKeys)
{
}

void CSettingsExchange::Int(const QString &section, const QString &key, int &value)
{
    Int(section, key, value, value);
}

void CSettingsExchange::Int(const QString &section, const QString &key, int &value, int def)
{
    switch (m_mode) {
    case Load:
        value = m_in->GetProfileInt(section, key, def);
        break;
    case Save:
        m_out->WriteProfileInt(section, key, value);
        break;
    case ListKeys:
        m_keys.append({section, key});
        break;
    }
}

void CSettingsExchange::String(const QString &section, const QString &key, QString &value)
{
    const QString def = value;
    String(section, key, value, def);
}

void CSettingsExchange::String(const QString &section, const QString &key, QString &value,
                               const QString &def)
{
    switch (m_mode) {
    case Load:
        value = m_in->GetProfileString(section, key, def);
        break;
    case Save:
        // A null string would delete the key; records always keep theirs.
        m_out->WriteProfileString(section, key, value.isNull() ? QStringLiteral("") : value);
        break;
    case ListKeys:
        m_keys.append({section, key});
        break;
    }
}

void CSettingsExchange::List(const QString &section, const QString &name, QStringList &list,
                             const QString &single)
{
    const QString countKey = name + QStringLiteral("Count");
    switch (m_mode) {
    case Load: {
        list.clear();
        const int count = qBound(0, m_in->GetProfileInt(section, countKey, 0), kMaxListCount);
        for (int i = 1; i <= count; ++i) {
            const QString v = m_in->GetProfileString(section, name + QString::number(i), QString());
            if (!v.isEmpty())
                list << v;
        }
        if (count == 0 && !single.isEmpty())
            list << single;
        break;
    }
    case Save: {
        const int oldCount = qBound(0, m_out->GetProfileInt(section, countKey, 0), kMaxListCount);
        m_out->WriteProfileInt(section, countKey, int(list.size()));
        for (int i = 0; i < list.size(); ++i) {
            QString v = list.at(i);
            String(section, name + QString::number(i + 1), v);
        }
        // Entries past the new end would only confuse someone reading the file.
        for (int i = int(list.size()) + 1; i <= oldCount; ++i)
            m_out->WriteProfileString(section, name + QString::number(i), QString());
        break;
    }
    case ListKeys:
        m_keys.append({section, countKey});
        break;
    }
}
