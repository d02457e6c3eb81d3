#include "app/ToolActivity.h"

#include "tools/CompileProcess.h"
#include "tools/ToolManager.h"

bool CToolActivity::IsRunning(Activity activity) const
{
    if (activity == Application)
        return m_tools.IsRunning();
    return activity == Compile && m_tools.IsBuildBusy();
}

void CToolActivity::Stop(Activity activity)
{
    if (activity == Compile)
        m_tools.StopBuild();
    else if (activity == Application)
        m_tools.StopRun();
}
