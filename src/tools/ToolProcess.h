#pragma once

#include <QObject>
#include <QProcessEnvironment>
#include <QString>
#include <QStringDecoder>

class CToolManager;
class CToolOutput;
class QProcess;

// One external tool run as a child process. The command line is kept as
// one string; the class path goes into the child's own environment as
// CLASSPATH, never into ours. With an output window the child's standard
// output and standard error are captured together and handed to it as they
// arrive: first the command line itself (when echo is on), then the child's
// text in pieces, and last, always, "Process Exit...\n". Without an output
// window the child is started and forgotten: it outlives this object.
//
// The end notification (ended) carries 0 when the child ended by itself
// and kUserAbort when the one who stopped it set the aborted flag first.
class CToolProcess : public QObject
{
    Q_OBJECT
public:
    static constexpr int kUserAbort = 101;

    // manager: told when the output is finished (unless started quietly),
    // keeps the running list, builds the class path; null for none.
    explicit CToolProcess(CToolManager *manager, const QString &commandLine = QString(),
                          const QString &workingDir = QString(), CToolOutput *output = nullptr);
    // A captured child never outlives its object: it is stopped first.
    ~CToolProcess() override;

    // Puts the class path for the child together (the project's when
    // projectClassPath and a project is open) and starts it. False when
    // it could not even be tried.
    virtual bool RunWithClassPath(int quiet, bool projectClassPath);
    // Starts the child. With quiet 0 the manager is told when the output is
    // finished. False, after "Error executing the command ...", when it
    // cannot be started.
    virtual bool Execute(int quiet);
    // Ends the child at once and takes it off the running list. Its text so
    // far is still delivered, then "Process Exit...\n" and the notification.
    virtual void Stop();
    // Sends line and a line end to the child's standard input: the number
    // of bytes written, or -1 when the input is not redirected.
    virtual qint64 SendInput(const QString &line);

    // Every field back to its start value, except the command line, the
    // working directory, the class path and the show-class-path flag.
    void Reset();
    // Sets where the text goes; a valid output turns capturing on (and a
    // null one never turns it off).
    void SetOutputWindow(CToolOutput *output);
    // The output window went away: its text is dropped from now on.
    void ForgetOutputWindow() { m_pOutput = nullptr; }
    CToolOutput *OutputWindow() const { return m_pOutput; }

    bool IsRunning() const { return m_bRunning; }
    bool IsAborted() const { return m_bAborted; }
    void SetAborted(bool aborted = true) { m_bAborted = aborted; }
    // The process id of a started child, 0 before.
    qint64 ProcessId() const { return m_pid; }

    QString CommandLine() const { return m_strCommandLine; }
    void SetCommandLine(const QString &line) { m_strCommandLine = line; }
    QString WorkingDirectory() const { return m_strWorkingDir; }
    void SetWorkingDirectory(const QString &dir) { m_strWorkingDir = dir; }
    QString ClassPath() const { return m_strClassPath; }
    void SetClassPath(const QString &classPath) { m_strClassPath = classPath; }

    bool m_bRedirectInput = false;
    bool m_bRedirectOutput = false;
    bool m_bShowClassPath = false;
    bool m_bEchoCommandLine = true;
    // The manager deletes the object when its output is finished.
    bool m_bAutoDelete = true;
    // Set by the manager while the object is on its running list.
    bool m_bListed = false;

    // The environment the child gets: ours, without the variables that
    // steer our own Qt, and with CLASSPATH set to the class path.
    QProcessEnvironment ChildEnvironment() const;

    static QString StartFailedMessage(const QString &commandLine);
    static QString ExitText();

signals:
    // The child has ended: 0, or kUserAbort when it was stopped.
    void ended(int code);

protected:
    CToolManager *Manager() const { return m_pManager; }
    // Creates the QProcess for a start (program, arguments, directory,
    // environment, process group). False with the failure message when the
    // command line is empty.
    QProcess *NewProcess();
    QProcess *Process() const { return m_pProcess; }
    void DeleteProcess();
    void Deliver(const QString &text);
    // The child could not be started: a message box, unless the tool says
    // so in its own way.
    virtual void ReportStartFailure();
    void SetRunning(bool running) { m_bRunning = running; }

private:
    void OnReadyRead();
    void OnFinished();
    void KillChild();

    CToolManager *m_pManager;
    CToolOutput *m_pOutput = nullptr;
    QString m_strCommandLine;
    QString m_strWorkingDir;
    QString m_strClassPath;
    bool m_bRunning = false;
    bool m_bAborted = false;
    bool m_bTellManager = false; // the end callback
    qint64 m_pid = 0;
    QProcess *m_pProcess = nullptr; // owned
    QStringDecoder m_decoder{QStringDecoder::System};
};
