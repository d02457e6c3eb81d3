#pragma once

#include "editor/TextFormat.h"

// The settings every editor window shares, set at start-up from the
// application's options and changed by the option sheets; editors read them
// when they need them, so a change reaches the open windows too.
struct CEditorOptions
{
    int maxUndo = 100;               // undo depth in steps
    bool smartIndent = false;        // a new line takes the indent of the one above
    bool spaceForTab = false;        // Tab inserts blanks
    bool replaceInSelection = false; // Replace All stays in the selection
    COLORREF background = MakeColorRef(255, 255, 255);
};
