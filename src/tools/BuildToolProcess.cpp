#include "tools/BuildToolProcess.h"

#include "tools/ToolHost.h"
#include "tools/ToolManager.h"

bool CBuildToolProcess::Execute(int quiet)
{
    if (Manager()) {
        Manager()->Host().ShowOutputTab(CToolHost::BuildTab);
        Manager()->Host().ClearOutput(CToolHost::BuildTab);
    }
    return CToolProcess::Execute(quiet);
}
