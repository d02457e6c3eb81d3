#pragma once

#include <QKeySequence>
#include <QList>
#include <QStyle>

// Every command the menus and bars carry: its id, menu text, the tip shown
// in the status bar, its keys and its icon. The menus and the three
// toolbars are laid out from the lists below, so a command appears the same
// way wherever it is.
struct CCommandDef
{
    int id;
    const char *text; // menu text, '&' before the mnemonic
    const char *tip;  // status-bar and tooltip text
    QKeySequence::StandardKey standardKey = QKeySequence::UnknownKey;
    const char *keys = nullptr;     // fixed keys, portable text, ", " between
    const char *iconName = nullptr; // icon theme name
    QStyle::StandardPixmap fallbackIcon = QStyle::SP_CustomBase; // none
};

struct CMenuDef
{
    // Items: a command id, or one of these markers.
    enum Marker { Separator = 0, RecentFiles = -1, WindowList = -2 };
    const char *title;
    QList<int> items;
};

namespace CommandTable {
const QList<CCommandDef> &Commands();
const CCommandDef *Find(int id);
const QList<CMenuDef> &Menus();
// The toolbars' buttons; 0 is a separator.
const QList<int> &MainBar();
const QList<int> &DebugBar();
const QList<int> &BrowserBar();
// The keys of a command as the action gets them: the standard key of the
// desktop first, then the fixed keys.
QList<QKeySequence> Shortcuts(const CCommandDef &def);
} // namespace CommandTable
