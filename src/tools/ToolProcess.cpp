#include "tools/ToolProcess.h"

#include "core/Prompter.h"
#include "tools/CommandLine.h"
#include "tools/ToolManager.h"
#include "tools/ToolOutput.h"

#include <QDir>
#include <QProcess>
#include <csignal>
#include <unistd.h>

CToolProcess::CToolProcess(CToolManager *manager, const QString &commandLine,
                           const QString &workingDir, CToolOutput *output)
    : m_pManager(manager)
{
    Reset();
    m_strCommandLine = commandLine;
    m_strWorkingDir = workingDir;
    SetOutputWindow(output);
}

CToolProcess::~CToolProcess()
{
    if (m_bRedirectOutput)
        Stop();
    if (m_bListed && m_pManager)
        m_pManager->RemoveRunning(this);
    DeleteProcess();
}

QString CToolProcess::StartFailedMessage(const QString &commandLine)
{
    return QStringLiteral("Error executing the command %1").arg(commandLine);
}

QString CToolProcess::ExitText()
{
    return QStringLiteral("Process Exit...\n");
}

void CToolProcess::Reset()
{
    m_bRedirectInput = false;
    m_bRedirectOutput = false;
    m_bRunning = false;
    m_bAborted = false;
    m_bTellManager = false;
    m_bEchoCommandLine = true;
    m_bAutoDelete = true;
    m_pOutput = nullptr;
    m_pid = 0;
}

void CToolProcess::SetOutputWindow(CToolOutput *output)
{
    m_pOutput = output;
    if (output)
        m_bRedirectOutput = true;
}

QProcessEnvironment CToolProcess::ChildEnvironment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Our scaling, platform and style settings are not the child's: a Java
    // program started from the IDE must look as it does from a terminal.
    for (const QString &key : env.keys()) {
        if (key.startsWith(QLatin1String("QT_")) || key.startsWith(QLatin1String("QML_")))
            env.remove(key);
    }
    env.insert(QStringLiteral("CLASSPATH"), m_strClassPath);
    return env;
}

QProcess *CToolProcess::NewProcess()
{
    DeleteProcess();
    if (m_strWorkingDir.isEmpty())
        m_strWorkingDir = QDir::currentPath();
    const QStringList words = CCommandLine::SplitExpanded(m_strCommandLine, m_strWorkingDir);
    if (words.isEmpty())
        return nullptr;
    m_pProcess = new QProcess;
    m_pProcess->setProgram(words.first());
    m_pProcess->setArguments(words.mid(1));
    m_pProcess->setWorkingDirectory(m_strWorkingDir);
    m_pProcess->setProcessEnvironment(ChildEnvironment());
    // The child leads a process group of its own, so that Stop also ends
    // what it started (a script's commands, a forked JVM).
    m_pProcess->setChildProcessModifier([] { ::setpgid(0, 0); });
    return m_pProcess;
}

void CToolProcess::DeleteProcess()
{
    if (!m_pProcess)
        return;
    m_pProcess->disconnect(this);
    if (m_pProcess->state() != QProcess::NotRunning) {
        KillChild();
        m_pProcess->waitForFinished(5000);
    }
    delete m_pProcess;
    m_pProcess = nullptr;
}

void CToolProcess::KillChild()
{
    if (!m_pProcess || m_pProcess->state() == QProcess::NotRunning)
        return;
    const qint64 pid = m_pProcess->processId();
    if (pid > 0)
        ::kill(-pid_t(pid), SIGKILL);
    m_pProcess->kill();
}

bool CToolProcess::RunWithClassPath(int quiet, bool projectClassPath)
{
    m_strClassPath = m_pManager ? m_pManager->BuildClassPath(projectClassPath) : QString();
    // The class path goes into the child's environment only; ours is never
    // touched, so there is nothing to restore afterwards.
    Execute(quiet);
    return true;
}

bool CToolProcess::Execute(int quiet)
{
    QProcess *proc = NewProcess();
    if (!proc) {
        ReportStartFailure();
        return false;
    }
    if (!m_bRedirectInput)
        proc->setStandardInputFile(QProcess::nullDevice());

    if (!m_bRedirectOutput) {
        // Started and forgotten: nothing is captured, listed or told, and
        // the child lives on after this object.
        qint64 pid = 0;
        proc->setStandardOutputFile(QString());
        const bool started = proc->startDetached(&pid);
        DeleteProcess();
        if (!started) {
            ReportStartFailure();
            return false;
        }
        m_pid = pid;
        m_bRunning = true;
        m_bAborted = false;
        return true;
    }

    proc->setProcessChannelMode(QProcess::MergedChannels);
    m_decoder.resetState();
    connect(proc, &QProcess::readyReadStandardOutput, this, &CToolProcess::OnReadyRead);
    connect(proc, &QProcess::finished, this, &CToolProcess::OnFinished);
    proc->start(QIODevice::ReadWrite);
    if (!proc->waitForStarted(-1)) {
        DeleteProcess();
        ReportStartFailure();
        return false;
    }
    m_pid = proc->processId();
    m_bRunning = true;
    m_bAborted = false;
    m_bTellManager = quiet == 0 && m_pManager;
    if (m_bEchoCommandLine) {
        m_strCommandLine += QLatin1Char('\n');
        Deliver(m_strCommandLine);
    }
    if (m_bAutoDelete && m_pManager)
        m_pManager->AddRunning(this);
    return true;
}

void CToolProcess::ReportStartFailure()
{
    Prompter().MessageBox(StartFailedMessage(m_strCommandLine), CPrompter::Ok, CPrompter::Stop);
}

void CToolProcess::Deliver(const QString &text)
{
    if (m_pOutput && !text.isEmpty())
        m_pOutput->AppendOutput(text);
}

void CToolProcess::OnReadyRead()
{
    if (!m_pProcess)
        return;
    const QByteArray bytes = m_pProcess->readAllStandardOutput();
    Deliver(m_decoder.decode(bytes));
}

void CToolProcess::OnFinished()
{
    // Whatever the child wrote before it ended is delivered before the end.
    OnReadyRead();
    m_bRunning = false;
    if (m_bListed && m_pManager)
        m_pManager->RemoveRunning(this);
    Deliver(ExitText());
    emit ended(m_bAborted ? kUserAbort : 0);
    if (m_bTellManager && m_pManager) {
        m_bTellManager = false;
        m_pManager->OnProcessEnd(this);
    }
}

void CToolProcess::Stop()
{
    if (m_bRunning && m_pProcess) {
        KillChild();
        m_bRunning = false;
    }
    if (m_bListed && m_pManager)
        m_pManager->RemoveRunning(this);
}

qint64 CToolProcess::SendInput(const QString &line)
{
    if (!m_bRedirectInput)
        return -1;
    if (!m_pProcess || m_pProcess->state() != QProcess::Running)
        return 0;
    // A line ends the way this platform ends lines.
    return m_pProcess->write((line + QLatin1Char('\n')).toLocal8Bit());
}
