#include "core/SettingsExchange.h"

#include "core/SettingsStore.h"

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
