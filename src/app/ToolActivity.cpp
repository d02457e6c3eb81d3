#include "app/ToolActivity.h"

#include "tools/CompileProcess.h"
#include "tools/ToolManager.h"

bool CToolActivity::IsRunning(Activity activity) const
{
    return activity == Compile && m_tools.IsBuildBusy();
}

void CToolActivity::Stop(Activity activity)
{
    if (activity == Compile)
        m_tools.StopBuild();
}
