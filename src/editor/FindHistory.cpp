#include "editor/FindHistory.h"

#include "core/SettingsStore.h"

#include <algorithm>

void CFindHistory::Use(const QString &word)
{
    if (word.isEmpty())
        return;
    m_entries.removeAll(word);
    m_entries.prepend(word);
    while (m_entries.size() > kMaxEntries)
        m_entries.removeLast();
}

void CFindHistory::Save(CSettingsStore &store) const
{
    const int length = std::min<int>(int(m_entries.size()), kMaxStored);
    // Words of a longer list saved before would come back at the next
    // start: they go.
    const int before =
        std::clamp(store.GetProfileInt(m_section, QStringLiteral("length"), 0), 0, kMaxStored);
    store.WriteProfileInt(m_section, QStringLiteral("length"), length);
    for (int i = 0; i < length; ++i)
        store.WriteProfileString(m_section, QStringLiteral("word%1").arg(i + 1), m_entries[i]);
    for (int i = length; i < before; ++i)
        store.WriteProfileString(m_section, QStringLiteral("word%1").arg(i + 1), QString());
}

void CFindHistory::Load(const CSettingsStore &store)
{
    m_entries.clear();
    const int length =
        std::clamp(store.GetProfileInt(m_section, QStringLiteral("length"), 0), 0, kMaxStored);
    // From the oldest up, each on top: word1 ends first.
    for (int i = length; i >= 1; --i)
        Use(store.GetProfileString(m_section, QStringLiteral("word%1").arg(i)));
}
