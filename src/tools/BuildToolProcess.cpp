#include "tools/BuildToolProcess.h"

#include "project/Project.h"
#include "project/ProjectDoc.h"
#include "tools/ToolHost.h"
#include "tools/ToolManager.h"
#include "tools/ToolOutput.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryFile>

CBuildToolProcess::~CBuildToolProcess()
{
    CloseRedirectFile(true);
}

QString CBuildToolProcess::NewRedirectFileName(const QString &tool)
{
    const QDir temp(QDir::tempPath());
    QTemporaryFile file(temp.filePath(QStringLiteral("mavu-%1-XXXXXX.out").arg(tool)));
    file.setAutoRemove(false);
    if (file.open())
        return file.fileName();
    // Execute reports it when this one cannot be made either.
    return temp.filePath(QStringLiteral("mavu-%1.out").arg(tool));
}

bool CBuildToolProcess::OpenRedirectFile()
{
    CloseRedirectFile(false);
    m_redirect = new QFile(m_strRedirectFile);
    if (!m_redirect->open(QIODevice::ReadWrite | QIODevice::Truncate)) {
        delete m_redirect;
        m_redirect = nullptr;
        return false;
    }
    m_bFileOpen = true;
    return true;
}

bool CBuildToolProcess::StartRedirected()
{
    QProcess *proc = NewProcess();
    if (proc) {
        proc->setStandardInputFile(QProcess::nullDevice());
        // Standard error follows standard output into the file.
        proc->setProcessChannelMode(QProcess::MergedChannels);
        proc->setStandardOutputFile(m_strRedirectFile, QIODevice::Truncate);
        connect(proc, &QProcess::finished, this, &CBuildToolProcess::OnFinished,
                Qt::QueuedConnection);
        proc->start();
    }
    if (!proc || !proc->waitForStarted(-1)) {
        DeleteProcess();
        CloseRedirectFile(true);
        return false;
    }
    return true;
}

QString CBuildToolProcess::ReadRedirected()
{
    m_redirect->seek(0);
    return QString::fromLocal8Bit(m_redirect->readAll());
}

void CBuildToolProcess::CloseRedirectFile(bool remove)
{
    if (m_redirect) {
        m_redirect->close();
        if (remove)
            m_redirect->remove();
        delete m_redirect;
        m_redirect = nullptr;
    } else if (remove && !m_strRedirectFile.isEmpty()) {
        QFile::remove(m_strRedirectFile);
    }
    m_bFileOpen = false;
}

bool CBuildToolProcess::StartedWith(const QString &redirect)
{
    if (!IsRunning() && !m_bFileOpen)
        QFile::remove(redirect);
    return IsRunning();
}

void CBuildToolProcess::Append(const QString &text)
{
    if (!Manager())
        return;
    if (CToolOutput *out = Manager()->Host().Output(CToolHost::BuildTab))
        out->AppendOutput(text);
}

CProject *CBuildToolProcess::OpenProject() const
{
    CProjectDoc *ws = Manager() ? Manager()->Workspace() : nullptr;
    if (ws && ws->GetCurrentProject().IsOpen())
        return &ws->GetCurrentProject();
    return nullptr;
}

void CBuildToolProcess::OnFinished()
{
    const int code = IsAborted() ? kUserAbort : 0;
    emit ended(code);
    OnDone(code);
}
