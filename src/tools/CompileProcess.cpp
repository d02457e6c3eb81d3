#include "tools/CompileProcess.h"

#include "core/Prompter.h"
#include "project/Project.h"
#include "project/ProjectDoc.h"
#include "project/ProjectFileItem.h"
#include "tools/CommandLine.h"
#include "tools/DirtyCheck.h"
#include "tools/JavacCommandLine.h"
#include "tools/ToolHost.h"
#include "tools/ToolManager.h"
#include "tools/ToolOutput.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

CCompileProcess::CCompileProcess(CToolManager *manager) : CBuildToolProcess(manager)
{
    m_bShowClassPath = true;
}

CCompileProcess::~CCompileProcess()
{
    DeleteProcess();
}

QString CCompileProcess::RedirectFailedMessage()
{
    return QStringLiteral("Error creating redirect file. Cannot compile.");
}

QString CCompileProcess::LowDiskSpaceWarning()
{
    return QStringLiteral("**** WARNING : DISK SPACE TOO LOW IN YOUR WINDOWS TEMP DRIVE ****\n");
}

QString CCompileProcess::JavacOutputHeader()
{
    return QStringLiteral(
        "\n--------------------------- Javac Output ---------------------------\n");
}

QString CCompileProcess::Separator()
{
    return QStringLiteral(
        "\n\n-----------------------------------------------------------------------------");
}

QString CCompileProcess::DoubleClickHint()
{
    return QStringLiteral(
        "\nDouble click on the line with file name\nand error number to locate the error.");
}

bool CCompileProcess::Compile(const QString &target, bool projectCompile, CProject *project,
                              const QString &directory, bool showDirectory)
{
    // A compile whose report has not been read yet still counts as running.
    if (!Manager() || Manager()->IsBuildBusy())
        return false;
    CProjectDoc *ws = Manager()->Workspace();
    if (!project && ws)
        project = &ws->GetCurrentProject();
    const CCompilerOptions global = ws ? ws->m_compiler : CCompilerOptions();
    const bool projectOptions =
        project && project->IsOpen() && (projectCompile || project->HasFile(target));

    QString cmd = CJavacCommandLine::Build(projectOptions ? &project->m_compiler : nullptr, global,
                                           Manager()->Host().JdkExeDir());
    QString dir;
    if (!projectCompile) {
        const QFileInfo info(target);
        cmd += CCommandLine::Quote(info.fileName());
        dir = info.absolutePath();
    } else {
        cmd += target;
        dir = project && project->IsOpen() ? project->GetProjectDir() : QDir::currentPath();
    }
    if (!directory.isEmpty())
        dir = directory;

    const QString redirect = NewRedirectFileName(QStringLiteral("javac"));
    Reset();
    SetCommandLine(cmd);
    SetWorkingDirectory(dir);
    m_strRedirectFile = redirect;
    m_bProjectCompile = projectCompile;
    m_bShowDirectory = showDirectory;
    m_strSingleFile = projectCompile ? QString() : target;
    m_bRunAfterCompile = false;
    m_bShowClassPath = true;
    RunWithClassPath(0, projectOptions);
    return StartedWith(redirect);
}

bool CCompileProcess::Execute(int)
{
    CToolHost &host = Manager()->Host();
    host.ClearOutput(CToolHost::BuildTab);

    if (!OpenRedirectFile()) {
        Prompter().MessageBox(RedirectFailedMessage(), CPrompter::Ok, CPrompter::Stop);
        return false;
    }
    const QStorageInfo disk(QFileInfo(m_strRedirectFile).absolutePath());
    if (disk.isValid() && disk.bytesAvailable() >= 0 && disk.bytesAvailable() < 10240)
        Append(LowDiskSpaceWarning());

    if (!StartRedirected()) {
        // Without a word the user would wait for a compile that never
        // began: say which command could not be run.
        host.ShowOutputTab(CToolHost::BuildTab);
        Append(StartFailedMessage(CommandLine()) + QLatin1Char('\n'));
        Prompter().SetStatusText(StartFailedMessage(CommandLine()));
        return false;
    }

    SetRunning(true);
    SetAborted(false);
    host.ShowOutputTab(CToolHost::BuildTab);
    Append(CommandLine() + QLatin1Char('\n'));
    if (m_bShowDirectory)
        Append(QStringLiteral("Working Directory - ") + WorkingDirectory() + QLatin1Char('\n'));
    if (m_bShowClassPath)
        Append(QStringLiteral("Class Path - ") + ClassPath() + QLatin1Char('\n'));
    Prompter().SetStatusText(QStringLiteral("Wait, Compiling..."));
    host.SetBuildBaseDirectory(WorkingDirectory());
    return true;
}

void CCompileProcess::OnCompileDone(int code)
{
    CToolHost &host = Manager()->Host();
    CPrompter &p = Prompter();
    if (code == 0) {
        Append(QStringLiteral("File Compiled...\n"));
        p.SetStatusText(QStringLiteral("File Compiled..."));
    } else if (code == kUserAbort) {
        Append(QStringLiteral("User Abort...\n"));
        p.SetStatusText(QStringLiteral("User Abort..."));
    }

    m_result = CCompileResult();
    m_result.endCode = code;
    bool succeeded = false;
    if (m_bFileOpen) {
        const QString text = ReadRedirected();
        qsizetype start = 0;
        while (start < text.size() &&
               (text.at(start) == QLatin1Char('\r') || text.at(start) == QLatin1Char('\n')))
            ++start;
        const QString rest = text.mid(start);
        bool reported = false;
        if (!rest.isEmpty()) {
            Append(JavacOutputHeader());
            Append(rest);
            if (rest.contains(QLatin1String(" error"))) {
                if (!m_bProjectCompile)
                    Append(Separator());
                Append(DoubleClickHint());
                host.MoveBuildCaretToStart();
            } else {
                succeeded = true;
            }
            reported = true;
        } else if (code != kUserAbort) {
            Append(QStringLiteral("No Errors..."));
            succeeded = true;
            reported = true;
        }
        if (reported && !m_strSingleFile.isEmpty()) {
            if (CProject *project = OpenProject()) {
                if (CProjectFileItem *item = project->FindFileItem(m_strSingleFile)) {
                    item->SetDirty(false);
                    host.RefreshProjectTree();
                }
            }
        }

        CJavacLineParser parser;
        for (const QString &line : rest.split(QLatin1Char('\n')))
            parser.Feed(line);
        const QDir dir(WorkingDirectory());
        for (CCompileDiagnostic d : parser.Diagnostics()) {
            d.file = QDir::cleanPath(dir.filePath(d.file));
            m_result.diagnostics << d;
        }
        CloseRedirectFile(true);
    }

    SetRunning(false);
    if (host.Beep())
        host.MessageBeep();

    if (m_bProjectCompile) {
        m_bProjectCompile = false;
        CProject *project = OpenProject();
        if (project && !m_compileList.isEmpty()) {
            const CCompilerOptions global =
                Manager()->Workspace() ? Manager()->Workspace()->m_compiler : CCompilerOptions();
            CDirtyCheck(*project, global).CheckProject(m_compileList, true);
            host.RefreshProjectTree();
        }
    }

    m_result.succeeded = succeeded;
    const QStringList words = CCommandLine::SplitExpanded(CommandLine(), WorkingDirectory());
    const QDir dir(WorkingDirectory());
    for (const QString &word : words.mid(1)) {
        if (word.endsWith(QLatin1String(".java"), Qt::CaseInsensitive))
            m_result.compiledFiles << QDir::cleanPath(dir.filePath(word));
    }
    host.OnCompileFinished(m_result);
    emit compileFinished(m_result);
    if (m_bRunAfterCompile && succeeded)
        host.StartRun();
}
