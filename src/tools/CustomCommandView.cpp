#include "tools/CustomCommandView.h"

#include "core/CommandIds.h"
#include "tools/ToolProcess.h"

#include <QMenu>

QMenu *CCustomCommandView::CreateContextMenu()
{
    auto *menu = new QMenu(this);
    QAction *kill = menu->addAction(tr("Kill Process"));
    kill->setData(int(Cmd::KillProcess));
    kill->setEnabled(AttachedProcess() && AttachedProcess()->IsRunning());
    connect(kill, &QAction::triggered, this, &CCustomCommandView::killRequested);
    menu->addSeparator();
    AddEditCommands(menu);
    return menu;
}
