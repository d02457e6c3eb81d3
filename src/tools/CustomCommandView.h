#pragma once

#include "tools/ProcOutputView.h"

// The view of a command's own output window: the command's text, the
// input line, and Kill Process in its context menu.
class CCustomCommandView : public CProcOutputView
{
    Q_OBJECT
public:
    using CProcOutputView::CProcOutputView;

    QMenu *CreateContextMenu() override;

signals:
    // Kill Process was chosen.
    void killRequested();
};
