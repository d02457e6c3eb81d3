#include "app/RecentFileList.h"

#include "core/SettingsStore.h"

const QString CRecentFileList::kSection = QStringLiteral("Recent File List");

namespace {

QString Key(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

} // namespace

CRecentFileList::CRecentFileList(int size)
{
    SetSize(size);
}

void CRecentFileList::SetSize(int size)
{
    m_size = qBound(1, size, kMaxSize);
    while (m_files.size() > m_size)
        m_files.removeLast();
}

void CRecentFileList::Add(const QString &path)
{
    if (path.isEmpty())
        return;
    Remove(path);
    m_files.prepend(path);
    while (m_files.size() > m_size)
        m_files.removeLast();
}

void CRecentFileList::Remove(int index)
{
    if (index >= 0 && index < m_files.size())
        m_files.removeAt(index);
}

void CRecentFileList::Remove(const QString &path)
{
    for (int i = int(m_files.size()) - 1; i >= 0; --i) {
        if (m_files.at(i).compare(path, Qt::CaseInsensitive) == 0)
            m_files.removeAt(i);
    }
}

void CRecentFileList::ReadList(const CSettingsStore &store)
{
    m_files.clear();
    for (int i = 0; i < m_size; ++i) {
        const QString path = store.GetProfileString(kSection, Key(i));
        // A gap in the numbering (a key deleted by hand) is skipped rather
        // than ending the list; a name listed twice counts once.
        if (path.isEmpty())
            continue;
        bool seen = false;
        for (const QString &f : std::as_const(m_files))
            seen = seen || f.compare(path, Qt::CaseInsensitive) == 0;
        if (!seen)
            m_files.append(path);
    }
}

void CRecentFileList::WriteList(CSettingsStore &store) const
{
    for (int i = 0; i < kMaxSize; ++i) {
        if (i < m_files.size())
            store.WriteProfileString(kSection, Key(i), m_files.at(i));
        else if (!store.GetProfileString(kSection, Key(i)).isNull())
            store.WriteProfileString(kSection, Key(i), QString());
    }
}

QString CRecentFileList::MenuText(int index) const
{
    QString path = m_files.value(index);
    path.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(path);
}
