#include "tools/RunProcess.h"

#include "tools/ToolHost.h"
#include "tools/ToolManager.h"

CRunProcess::CRunProcess(CToolManager *manager) : COutputToolProcess(manager)
{
    connect(this, &CToolProcess::ended, this, &CRunProcess::OnEnded);
}

QString CRunProcess::StartFailureText()
{
    return QStringLiteral(
        "Error executing a JAVA program. Please check the following - \n"
        "1. JDK is installed and \\jdk\\bin is in the system path or it is set under "
        "Options/Directory in Mavu. \n"
        "2. If you are trying to run an app please make sure the main class file is properly "
        "identified under Mavu.\n"
        "3. If you are trying to run an applet please make sure the main HTML file is properly "
        "identified under Mavu.\n"
        "Please refer to Mavu documentation on setting main class file or main HTML file.");
}

bool CRunProcess::Execute(int quiet)
{
    if (Manager()) {
        Manager()->Host().ShowOutputTab(CToolHost::OutputTab);
        Manager()->Host().ClearOutput(CToolHost::OutputTab);
        SetOutputWindow(Manager()->Host().Output(CToolHost::OutputTab));
    }
    m_bRedirectInput = true;
    m_bEchoCommandLine = false;
    // Owned by the manager for its whole life, never deleted at the end.
    m_bAutoDelete = false;
    if (!CToolProcess::Execute(quiet))
        return false;

    QString header = CommandLine() + QStringLiteral("\nWorking Directory - ") + WorkingDirectory() +
                     QLatin1Char('\n');
    if (m_bShowClassPath)
        header += QStringLiteral("Class Path - ") + ClassPath() + QLatin1Char('\n');
    if (Manager()) {
        Manager()->Host().ClearOutput(CToolHost::OutputTab);
        Manager()->Host().AttachToOutputTab(this);
    }
    Deliver(header);
    return true;
}

void CRunProcess::ReportStartFailure()
{
    Deliver(StartFailureText());
}

void CRunProcess::Stop()
{
    if (Manager())
        Manager()->Host().DetachFromOutputTab(this);
    COutputToolProcess::Stop();
}

void CRunProcess::OnEnded()
{
    // The program is over: what is typed in the tab goes nowhere now.
    if (Manager())
        Manager()->Host().DetachFromOutputTab(this);
}
