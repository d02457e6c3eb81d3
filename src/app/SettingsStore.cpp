#include "app/SettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

QString CSettingsStore::DefaultPath()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base + QStringLiteral("/Mavu/Mavu.ini");
}

CSettingsStore::CSettingsStore()
    : CSettingsStore(DefaultPath())
{
}

CSettingsStore::CSettingsStore(const QString &iniPath)
    : m_settings(new QSettings(iniPath, QSettings::IniFormat))
{
}

CSettingsStore::~CSettingsStore()
{
    m_settings->sync();
    delete m_settings;
}

static QString KeyOf(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

int CSettingsStore::GetProfileInt(const QString &section, const QString &key, int defaultValue) const
{
    const QVariant v = m_settings->value(KeyOf(section, key));
    if (!v.isValid())
        return defaultValue;
    bool ok = false;
    const int n = v.toString().trimmed().toInt(&ok);
    return ok ? n : defaultValue;
}

QString CSettingsStore::GetProfileString(const QString &section, const QString &key,
                                         const QString &defaultValue) const
{
    const QVariant v = m_settings->value(KeyOf(section, key));
    if (!v.isValid())
        return defaultValue;
    return v.toString();
}

bool CSettingsStore::WriteProfileInt(const QString &section, const QString &key, int value)
{
    m_settings->setValue(KeyOf(section, key), QString::number(value));
    return true;
}

bool CSettingsStore::WriteProfileString(const QString &section, const QString &key,
                                        const QString &value)
{
    if (value.isNull())
        m_settings->remove(KeyOf(section, key));
    else
        m_settings->setValue(KeyOf(section, key), value);
    return true;
}

void CSettingsStore::Sync()
{
    m_settings->sync();
}

QString CSettingsStore::FileName() const
{
    return m_settings->fileName();
}
