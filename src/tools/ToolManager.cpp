#include "tools/ToolManager.h"

#include "project/Project.h"
#include "project/ProjectDoc.h"
#include "tools/CompileProcess.h"
#include "tools/JavaDocProcess.h"
#include "tools/RunProcess.h"
#include "tools/ToolHost.h"
#include "tools/ToolProcess.h"

#include <QDir>
#include <QSet>

CToolManager::CToolManager(CToolHost *host, CProjectDoc *workspace)
    : m_pHost(host ? host : &CToolHost::Default()), m_pWorkspace(workspace),
      m_compile(std::make_unique<CCompileProcess>(this)),
      m_run(std::make_unique<CRunProcess>(this)), m_javadoc(std::make_unique<CJavaDocProcess>(this))
{
}

CToolManager::~CToolManager()
{
    // Deleting a process takes it off the list.
    while (!m_running.isEmpty())
        delete m_running.takeLast();
    m_compile.reset();
    m_run.reset();
    m_javadoc.reset();
}

void CToolManager::SetHost(CToolHost *host)
{
    m_pHost = host ? host : &CToolHost::Default();
}

bool CToolManager::IsToolBusy() const
{
    return IsBuildBusy() || IsRunning();
}

bool CToolManager::IsRunning() const
{
    return m_run->IsRunning();
}

void CToolManager::StopRun()
{
    if (m_run->IsRunning()) {
        m_run->SetAborted(true);
        m_run->Stop();
    }
}

bool CToolManager::IsBuildBusy() const
{
    return m_compile->IsBusy() || m_javadoc->IsBusy();
}

void CToolManager::StopBuild()
{
    if (m_compile->IsRunning()) {
        m_compile->SetAborted(true);
        m_compile->Stop();
    }
    if (m_javadoc->IsRunning()) {
        m_javadoc->SetAborted(true);
        m_javadoc->Stop();
    }
}

void CToolManager::OnProcessEnd(CToolProcess *p)
{
    if (Host().Beep())
        Host().MessageBeep();
    // The process is in the middle of its own signal: it goes once that
    // has returned.
    if (p->m_bAutoDelete)
        p->deleteLater();
}

QString CToolManager::ComposeClassPath(const QStringList &pieces)
{
    const QChar sep = QDir::listSeparator();
    QStringList entries;
    QSet<QString> seen;
    for (const QString &piece : pieces) {
        for (const QString &entry : piece.split(sep)) {
            // An empty entry would mean the current directory to some tools
            // and nothing to others; "." is said explicitly instead.
            if (entry.isEmpty() || seen.contains(entry))
                continue;
            seen.insert(entry);
            entries << entry;
        }
    }
    return entries.join(sep);
}

QString CToolManager::BuildClassPath(bool project) const
{
    const QChar sep = QDir::listSeparator();
    QStringList pieces;
    if (project && m_pWorkspace && m_pWorkspace->GetCurrentProject().IsOpen())
        pieces << m_pWorkspace->GetCurrentProject().m_strClassPath;
    // What every Java program we start sees: the user's CLASSPATH, the
    // current directory, the JDK's classes.zip and our own.
    QString vm = qEnvironmentVariable("CLASSPATH") + sep + QLatin1Char('.') + sep;
    const QString lib = Host().JdkLibDir();
    if (!lib.isEmpty())
        vm += QDir(lib).filePath(QStringLiteral("classes.zip")) + sep;
    const QString own = Host().OwnClassesDir();
    if (!own.isEmpty())
        vm += QDir(own).filePath(QStringLiteral("classes.zip")) + sep;
    pieces << vm << Host().PackageClassPath();
    return ComposeClassPath(pieces);
}

void CToolManager::AddRunning(CToolProcess *p)
{
    if (p->m_bListed)
        return;
    m_running.append(p);
    p->m_bListed = true;
}

void CToolManager::RemoveRunning(CToolProcess *p)
{
    if (m_running.removeOne(p))
        p->m_bListed = false;
}
