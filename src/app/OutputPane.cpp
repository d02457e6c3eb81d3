#include "app/OutputPane.h"

#include "core/CommandIds.h"
#include "tools/OutputWnd.h"

#include <QApplication>

COutputPane::COutputPane(QWidget *parent) : CNewOutputView(parent)
{
}

CProcOutputView *COutputPane::CurrentView() const
{
    for (int tab : {OutputTab, BuildTab}) {
        if (View(tab)->hasFocus())
            return View(tab);
    }
    return View(CurrentTab());
}

bool COutputPane::OnCommand(int id)
{
    return CurrentView()->OnCommand(id);
}

bool COutputPane::OnUpdateCommand(CCmdUI &ui)
{
    bool enabled = false, checked = false;
    if (!CurrentView()->QueryCommand(ui.m_nID, &enabled, &checked))
        return false;
    ui.Enable(enabled);
    if (ui.m_nID == Cmd::ToggleWordWrap)
        ui.SetCheck(checked);
    return true;
}
