#include "core/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>

namespace {

QString Escape(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (QChar c : value) {
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else
            out += c;
    }
    // Surrounding blanks would be lost to the trimming a hand-edited
    // "key = value" line needs, and surrounding quotes are taken off on
    // reading, so such values are protected by a pair of quotes.
    const bool blankEdge = !out.isEmpty() && (out.front().isSpace() || out.back().isSpace());
    const bool quoted =
        out.size() >= 2 && out.front() == QLatin1Char('"') && out.back() == QLatin1Char('"');
    if (blankEdge || quoted)
        out = QLatin1Char('"') + out + QLatin1Char('"');
    return out;
}

QString Unescape(QString raw)
{
    raw = raw.trimmed();
    if (raw.size() >= 2 && raw.front() == QLatin1Char('"') && raw.back() == QLatin1Char('"'))
        raw = raw.mid(1, raw.size() - 2);
    if (!raw.contains(QLatin1Char('\\')))
        return raw;
    QString out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (c == QLatin1Char('\\') && i + 1 < raw.size()) {
            const QChar n = raw.at(i + 1);
            if (n == QLatin1Char('\\')) {
                out += QLatin1Char('\\');
                ++i;
                continue;
            }
            if (n == QLatin1Char('n')) {
                out += QLatin1Char('\n');
                ++i;
                continue;
            }
            if (n == QLatin1Char('r')) {
                out += QLatin1Char('\r');
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

// A line holding bytes that are no text at all (control characters, broken
// UTF-8) is junk, whatever its shape.
bool IsTextLine(const QByteArray &line, QString *text)
{
    for (char ch : line) {
        const auto u = static_cast<unsigned char>(ch);
        if (u < 0x20 && u != '\t')
            return false;
        if (u == 0x7f)
            return false;
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    *text = decoder(line);
    return !decoder.hasError();
}

} // namespace

QString CSettingsStore::DefaultPath()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base + QStringLiteral("/Mavu/Mavu.ini");
}

bool CSettingsStore::MigrateProfile(const QString &dir)
{
    const QString old = QDir(dir).filePath(QStringLiteral("mavu"));
    const QFileInfo info(old);
    if (!info.exists() || !info.isFile())
        return false;
    const QString ini = QDir(dir).filePath(QStringLiteral("Mavu.ini"));
    QFile::remove(ini);
    return QFile::rename(old, ini);
}

CSettingsStore::CSettingsStore() : CSettingsStore(DefaultPath())
{
}

CSettingsStore::CSettingsStore(const QString &iniPath) : m_path(iniPath)
{
    Load();
}

CSettingsStore::~CSettingsStore()
{
    Sync();
}

void CSettingsStore::Load()
{
    QFile file(m_path);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = file.errorString();
        return;
    }
    const QByteArray bytes = file.readAll();
    qsizetype current = -1; // into m_sections
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QByteArray raw = bytes.mid(start, end - start);
        start = end + 1;
        if (raw.endsWith('\r'))
            raw.chop(1);

        QString line;
        if (!IsTextLine(raw, &line)) {
            ++m_corruptLines;
            continue;
        }
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty())
            continue;
        if (trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#'))) {
            // Comments stay where they were, under the section they follow.
            if (current < 0) {
                m_sections.append(Section{QString(), {}, {}});
                current = m_sections.size() - 1;
            }
            m_sections[current].entries.append(Entry{QString(), line});
            continue;
        }
        if (trimmed.startsWith(QLatin1Char('['))) {
            const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
            const QString name = close > 0 ? trimmed.mid(1, close - 1).trimmed() : QString();
            if (name.isEmpty()) {
                ++m_corruptLines;
                current = -1; // its keys would land in the wrong section
                continue;
            }
            const auto known = m_sectionIndex.find(name);
            if (known != m_sectionIndex.end()) {
                current = known->second;
            } else {
                AddSection(name);
                current = m_sections.size() - 1;
            }
            continue;
        }
        const qsizetype eq = trimmed.indexOf(QLatin1Char('='));
        const QString key = eq > 0 ? trimmed.left(eq).trimmed() : QString();
        if (key.isEmpty() || current < 0 || m_sections[current].name.isNull()) {
            ++m_corruptLines;
            continue;
        }
        Section &s = m_sections[current];
        // The first of duplicate keys is the one that counts.
        if (s.keys.emplace(key, s.entries.size()).second)
            s.entries.append(Entry{key, Unescape(trimmed.mid(eq + 1))});
    }
}

CSettingsStore::Section &CSettingsStore::AddSection(const QString &name)
{
    m_sections.append(Section{name, {}, {}});
    m_sectionIndex.emplace(name, m_sections.size() - 1);
    return m_sections.last();
}

CSettingsStore::Section *CSettingsStore::FindSection(const QString &section)
{
    const auto found = m_sectionIndex.find(section);
    return found == m_sectionIndex.end() ? nullptr : &m_sections[found->second];
}

const CSettingsStore::Section *CSettingsStore::FindSection(const QString &section) const
{
    const auto found = m_sectionIndex.find(section);
    return found == m_sectionIndex.end() ? nullptr : &m_sections.at(found->second);
}

const CSettingsStore::Entry *CSettingsStore::Find(const QString &section, const QString &key) const
{
    const Section *s = FindSection(section);
    if (!s)
        return nullptr;
    const auto found = s->keys.find(key);
    return found == s->keys.end() ? nullptr : &s->entries.at(found->second);
}

int CSettingsStore::GetProfileInt(const QString &section, const QString &key,
                                  int defaultValue) const
{
    const Entry *e = Find(section, key);
    if (!e)
        return defaultValue;
    // Like the profile calls of old: the leading number counts ("12px" is
    // 12); a value with no number at all falls back to the default.
    const QString v = e->value.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < v.size() && (v.at(i) == QLatin1Char('-') || v.at(i) == QLatin1Char('+'))) {
        negative = v.at(i) == QLatin1Char('-');
        ++i;
    }
    const qsizetype digitsStart = i;
    qint64 n = 0;
    while (i < v.size() && v.at(i).isDigit() && v.at(i).unicode() < 128) {
        n = n * 10 + (v.at(i).unicode() - '0');
        if (n > qint64(INT_MAX) + 1)
            n = qint64(INT_MAX) + 1;
        ++i;
    }
    if (i == digitsStart)
        return defaultValue;
    if (negative)
        n = -n;
    return static_cast<int>(qBound(qint64(INT_MIN), n, qint64(INT_MAX)));
}

QString CSettingsStore::GetProfileString(const QString &section, const QString &key,
                                         const QString &defaultValue) const
{
    const Entry *e = Find(section, key);
    if (!e)
        return defaultValue;
    return e->value.isNull() ? QString(QLatin1String("")) : e->value;
}

bool CSettingsStore::WriteProfileInt(const QString &section, const QString &key, int value)
{
    return WriteProfileString(section, key, QString::number(value));
}

bool CSettingsStore::WriteProfileString(const QString &section, const QString &key,
                                        const QString &value)
{
    if (section.isEmpty() || key.isEmpty())
        return false;
    Section *s = FindSection(section);
    if (value.isNull()) {
        if (!s)
            return true;
        const auto found = s->keys.find(key);
        if (found != s->keys.end()) {
            Entry &e = s->entries[found->second];
            e.deleted = true;
            e.value.clear();
            s->keys.erase(found);
            m_dirty = true;
        }
        return true;
    }
    if (!s)
        s = &AddSection(section);
    const auto found = s->keys.find(key);
    if (found != s->keys.end()) {
        Entry &e = s->entries[found->second];
        if (e.value != value || e.value.isNull() != value.isNull()) {
            e.value = value;
            m_dirty = true;
        }
        return true;
    }
    s->keys.emplace(key, s->entries.size());
    s->entries.append(Entry{key, value});
    m_dirty = true;
    return true;
}

QList<QPair<QString, QString>> CSettingsStore::Keys() const
{
    QList<QPair<QString, QString>> keys;
    for (const Section &s : m_sections) {
        for (const Entry &e : s.entries) {
            if (!e.key.isNull() && !e.deleted)
                keys.append({s.name, e.key});
        }
    }
    return keys;
}

bool CSettingsStore::Sync()
{
    if (!m_dirty)
        return true;
    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath())) {
        m_error = QStringLiteral("cannot create the folder %1").arg(info.absolutePath());
        return false;
    }
    if (m_corruptLines > 0 && !m_corruptCopyKept && info.exists()) {
        QFile::remove(CorruptCopyName());
        if (!QFile::copy(m_path, CorruptCopyName())) {
            // Overwriting now would lose the lines we could not read.
            m_error =
                QStringLiteral("cannot keep a copy of %1 as %2").arg(m_path, CorruptCopyName());
            return false;
        }
        m_corruptCopyKept = true;
    }

    QByteArray out;
    for (const Section &s : m_sections) {
        if (s.name.isNull()) {
            for (const Entry &e : s.entries)
                out += e.value.toUtf8() + '\n';
            continue;
        }
        if (!out.isEmpty())
            out += '\n';
        out += '[' + s.name.toUtf8() + "]\n";
        for (const Entry &e : s.entries) {
            if (e.deleted)
                continue;
            if (e.key.isNull())
                out += e.value.toUtf8() + '\n';
            else
                out += e.key.toUtf8() + '=' + Escape(e.value).toUtf8() + '\n';
        }
    }

    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit()) {
        m_error = file.errorString();
        return false;
    }
    m_error.clear();
    m_dirty = false;
    return true;
}
