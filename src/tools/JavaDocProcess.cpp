#include "tools/JavaDocProcess.h"

#include "core/Prompter.h"
#include "project/Project.h"
#include "project/ProjectDoc.h"
#include "tools/CommandLine.h"
#include "tools/CompileProcess.h"
#include "tools/JavadocCommandLine.h"
#include "tools/ToolHost.h"
#include "tools/ToolManager.h"
#include "tools/ToolOutput.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

CJavaDocProcess::CJavaDocProcess(CToolManager *manager) : CBuildToolProcess(manager)
{
}

CJavaDocProcess::~CJavaDocProcess()
{
    DeleteProcess();
}

QString CJavaDocProcess::OutputHeader()
{
    return QStringLiteral(
        "\n--------------------------- Javadoc Output ---------------------------\n");
}

QString CJavaDocProcess::AllSeparator()
{
    return QStringLiteral("\n\n--------------------------------------------\n");
}

bool CJavaDocProcess::Refused() const
{
    // One build tool at a time: a second request is ignored.
    return !Manager() || IsBusy() || Manager()->CompileProcess().IsBusy();
}

QString CJavaDocProcess::BaseCommandLine(bool projectOptions) const
{
    CProjectDoc *ws = Manager() ? Manager()->Workspace() : nullptr;
    const CDocOptions global = ws ? ws->m_doc : CDocOptions();
    const CCompilerOptions compiler = ws ? ws->m_compiler : CCompilerOptions();
    CProject *project = OpenProject();
    return CJavadocCommandLine::Build(projectOptions && project ? &project->m_doc : nullptr, global,
                                      compiler, Manager()->Host().JdkExeDir());
}

bool CJavaDocProcess::JavaDoc(const QString &target, bool all, CProject *project)
{
    if (Refused())
        return false;
    if (!project)
        project = OpenProject();
    const bool projectOptions = project && project->IsOpen() && (all || project->HasFile(target));
    QString cmd = BaseCommandLine(projectOptions);
    QString dir;
    if (all) {
        cmd += target;
        dir = project && project->IsOpen() ? project->GetProjectDir() : QDir::currentPath();
    } else {
        const QFileInfo info(target);
        cmd += CCommandLine::Quote(info.fileName());
        dir = info.absolutePath();
    }
    const QString redirect = NewRedirectFileName(QStringLiteral("javadoc"));
    Reset();
    SetCommandLine(cmd);
    SetWorkingDirectory(dir);
    m_strRedirectFile = redirect;
    m_bAll = all;
    RunWithClassPath(0, projectOptions);
    return StartedWith(redirect);
}

bool CJavaDocProcess::JavaDocFolder(const QString &folder)
{
    if (Refused())
        return false;
    CProject *project = OpenProject();
    QString dir = folder;
    if (dir.isEmpty())
        dir = project ? project->GetProjectDir() : QDir::currentPath();
    const QString redirect = NewRedirectFileName(QStringLiteral("javadoc"));
    Reset();
    SetCommandLine(BaseCommandLine(project != nullptr) + QStringLiteral(" *.java"));
    SetWorkingDirectory(dir);
    // The environment's own class path, untouched.
    SetClassPath(qEnvironmentVariable("CLASSPATH"));
    m_strRedirectFile = redirect;
    m_bAll = false;
    Execute(0);
    return StartedWith(redirect);
}

bool CJavaDocProcess::Execute(int)
{
    CToolHost &host = Manager()->Host();
    if (!OpenRedirectFile()) {
        if (CToolOutput *out = host.Output(CToolHost::OutputTab))
            out->AppendOutput(CCompileProcess::RedirectFailedMessage());
        return false;
    }

    if (!StartRedirected()) {
        host.ShowOutputTab(CToolHost::BuildTab);
        host.ClearOutput(CToolHost::BuildTab);
        Append(StartFailedMessage(CommandLine()) + QLatin1Char('\n'));
        Prompter().SetStatusText(StartFailedMessage(CommandLine()));
        m_bAll = false;
        return false;
    }
    SetRunning(true);
    SetAborted(false);
    host.ShowOutputTab(CToolHost::BuildTab);
    host.ClearOutput(CToolHost::BuildTab);
    Append(CommandLine() + QStringLiteral("...\n"));
    host.SetBuildBaseDirectory(WorkingDirectory());
    return true;
}

void CJavaDocProcess::OnJavaDocDone(int code)
{
    CToolHost &host = Manager()->Host();
    if (code == 0)
        Append(QStringLiteral("Done...\n"));
    else if (code == kUserAbort)
        Append(QStringLiteral("User Abort...\n"));
    if (m_bFileOpen) {
        Append(OutputHeader());
        Append(ReadRedirected());
        CloseRedirectFile(true);
    }
    SetRunning(false);
    if (host.Beep())
        host.MessageBeep();
    if (m_bAll) {
        Append(AllSeparator());
        Append(QStringLiteral("Javadoc All Complete..."));
        m_bAll = false;
    }
}
