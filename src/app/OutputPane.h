#pragma once

#include "app/CommandMap.h"
#include "tools/NewOutputView.h"

class CProcOutputView;

// The output window as the main frame holds it: the Output and Build tabs,
// and a command target, so that while one of the tabs has the keyboard
// focus the edit commands, Find, word wrap, Stop Process and the error
// navigation go to it first.
class COutputPane : public CNewOutputView, public CCommandTarget
{
    Q_OBJECT
public:
    explicit COutputPane(QWidget *parent = nullptr);

    // The tab's view that has the focus, else the tab in front.
    CProcOutputView *CurrentView() const;

    bool OnCommand(int id) override;
    bool OnUpdateCommand(CCmdUI &ui) override;
};
