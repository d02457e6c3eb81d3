#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <memory>

class CCompileProcess;
class CJavaDocProcess;
class CRunProcess;
class CProjectDoc;
class CToolHost;
class CToolProcess;

// The tools of the program: one long-lived process object per built-in tool
// (the compiler today), the list of the heap-made processes that are
// running (commands, jar), and the busy queries that enable the tool
// commands. The application owns one.
class CToolManager : public QObject
{
    Q_OBJECT
public:
    // host and workspace are not owned; null means no window and no
    // workspace (nothing open, no default options).
    explicit CToolManager(CToolHost *host = nullptr, CProjectDoc *workspace = nullptr);
    // Deletes every process still on the running list, which ends their
    // captured children.
    ~CToolManager() override;

    CToolHost &Host() const { return *m_pHost; }
    void SetHost(CToolHost *host);
    CProjectDoc *Workspace() const { return m_pWorkspace; }
    void SetWorkspace(CProjectDoc *workspace) { m_pWorkspace = workspace; }

    CCompileProcess &CompileProcess() const { return *m_compile; }
    CJavaDocProcess &JavaDocProcess() const { return *m_javadoc; }
    // The user's program, run with its console in the Output tab.
    CRunProcess &RunProcess() const { return *m_run; }
    bool IsRunning() const;
    // Stop Run: the program ends as stopped by the user.
    void StopRun();

    // A compile or a javadoc run, a program or the
    // console debugger is running: the commands that start a tool wait.
    bool IsToolBusy() const;
    // A compile or javadoc run is going on (until its report is shown).
    bool IsBuildBusy() const;
    // Stops the running compile or javadoc run on the user's request.
    void StopBuild();

    // A captured process's output is finished: beep when the settings ask
    // for it, and delete the process when it is one of ours to delete.
    virtual void OnProcessEnd(CToolProcess *p);

    // The class path for a child: the open project's (when project), then
    // CLASSPATH, "." and the two classes.zip of the JDK and of the program,
    // then the package database's; each entry once, the first kept.
    QString BuildClassPath(bool project) const;
    // The same from its pieces, for the tests.
    static QString ComposeClassPath(const QStringList &pieces);

    const QList<CToolProcess *> &RunningList() const { return m_running; }
    void AddRunning(CToolProcess *p);
    void RemoveRunning(CToolProcess *p);

private:
    CToolHost *m_pHost;
    CProjectDoc *m_pWorkspace;
    QList<CToolProcess *> m_running; // not owned while listed; deleted at the end
    std::unique_ptr<CCompileProcess> m_compile;
    std::unique_ptr<CRunProcess> m_run;
    std::unique_ptr<CJavaDocProcess> m_javadoc;
};
