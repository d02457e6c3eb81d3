#pragma once

#include <QHash>
#include <QString>
#include <functional>
#include <optional>

// The state a command shows: enabled, checked, and its menu text when the
// handler changes it ("Float Output" / "Dock Output").
struct CCmdUI
{
    int m_nID = 0;
    bool m_bEnabled = false;
    std::optional<bool> m_checked;
    std::optional<QString> m_text;

    void Enable(bool on = true) { m_bEnabled = on; }
    void SetCheck(bool on) { m_checked = on; }
    void SetText(const QString &text) { m_text = text; }
};

// Something that handles commands by id: a window, a document, the frame,
// the application. A command is offered to each target in turn until one
// handles it; the same order decides who enables it.
class CCommandTarget
{
public:
    virtual ~CCommandTarget() = default;
    // Runs the command; false when this target does not handle it.
    virtual bool OnCommand(int id) = 0;
    // Fills ui when this target handles ui.m_nID; false otherwise.
    virtual bool OnUpdateCommand(CCmdUI &ui) = 0;
};

// A target built from a table of handlers. A command without an update
// handler is enabled whenever it is in the table.
class CCommandMap : public CCommandTarget
{
public:
    using Handler = std::function<void()>;
    using Update = std::function<void(CCmdUI &)>;

    void On(int id, Handler handler, Update update = {});
    // A handled range of ids (the recent files); the handler gets the id.
    void OnRange(int first, int last, std::function<void(int)> handler, Update update = {});
    bool Handles(int id) const;

    bool OnCommand(int id) override;
    bool OnUpdateCommand(CCmdUI &ui) override;

private:
    struct Entry
    {
        Handler handler;
        Update update;
    };
    struct Range
    {
        int first;
        int last;
        std::function<void(int)> handler;
        Update update;
    };
    const Range *FindRange(int id) const;

    QHash<int, Entry> m_entries;
    QList<Range> m_ranges;
};

// Offers a command to targets in order; null targets are skipped.
bool RouteCommand(std::initializer_list<CCommandTarget *> targets, int id);
// The state of a command from the first target that handles it; a command
// nobody handles is disabled.
CCmdUI RouteUpdate(std::initializer_list<CCommandTarget *> targets, int id);
