#include "app/CommandMap.h"

void CCommandMap::On(int id, Handler handler, Update update)
{
    m_entries.insert(id, Entry{std::move(handler), std::move(update)});
}

void CCommandMap::OnRange(int first, int last, std::function<void(int)> handler, Update update)
{
    m_ranges.append(Range{first, last, std::move(handler), std::move(update)});
}

const CCommandMap::Range *CCommandMap::FindRange(int id) const
{
    for (const Range &r : m_ranges) {
        if (id >= r.first && id <= r.last)
            return &r;
    }
    return nullptr;
}

bool CCommandMap::Handles(int id) const
{
    return m_entries.contains(id) || FindRange(id);
}

bool CCommandMap::OnCommand(int id)
{
    // Handlers run with the state their update handler gives: a command that
    // is disabled right now does nothing, even when reached by a shortcut.
    CCmdUI ui;
    ui.m_nID = id;
    if (!OnUpdateCommand(ui))
        return false;
    if (!ui.m_bEnabled)
        return true;
    if (auto it = m_entries.constFind(id); it != m_entries.constEnd()) {
        if (it->handler)
            it->handler();
        return true;
    }
    if (const Range *r = FindRange(id)) {
        // Copied: the handler may change the map (a recent file that is
        // gone is dropped from the list and the menu rebuilt).
        const auto handler = r->handler;
        if (handler)
            handler(id);
        return true;
    }
    return false;
}

bool CCommandMap::OnUpdateCommand(CCmdUI &ui)
{
    const Update *update = nullptr;
    if (auto it = m_entries.constFind(ui.m_nID); it != m_entries.constEnd())
        update = &it->update;
    else if (const Range *r = FindRange(ui.m_nID))
        update = &r->update;
    else
        return false;
    ui.m_bEnabled = true;
    if (*update)
        (*update)(ui);
    return true;
}

bool RouteCommand(std::initializer_list<CCommandTarget *> targets, int id)
{
    for (CCommandTarget *t : targets) {
        if (t && t->OnCommand(id))
            return true;
    }
    return false;
}

CCmdUI RouteUpdate(std::initializer_list<CCommandTarget *> targets, int id)
{
    CCmdUI ui;
    ui.m_nID = id;
    for (CCommandTarget *t : targets) {
        if (t && t->OnUpdateCommand(ui))
            return ui;
    }
    ui.m_bEnabled = false;
    return ui;
}
