#include "tools/OutputToolProcess.h"

#include "tools/ToolHost.h"
#include "tools/ToolManager.h"

bool COutputToolProcess::Execute(int quiet)
{
    if (Manager()) {
        Manager()->Host().ShowOutputTab(CToolHost::OutputTab);
        SetOutputWindow(Manager()->Host().Output(CToolHost::OutputTab));
    }
    return CToolProcess::Execute(quiet);
}
