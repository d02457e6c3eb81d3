#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <functional>

// Runs one of the program's Java introspectors (DumpClass for class files
// and archives, DumpBean for beans) in a JVM of its own. The introspector
// writes what it found, as Java declarations, into a temporary file that the
// caller parses when the run has ended. One run at a time.
class CClassDumper : public QObject
{
    Q_OBJECT
public:
    enum Kind { ClassKind, BeanKind };

    explicit CClassDumper(Kind kind, QObject *parent = nullptr);
    ~CClassDumper() override;

    // The java launcher to run; "java" (found on PATH) when empty.
    void SetJava(const QString &java) { m_java = java; }
    // The program's own classes.zip, put on the child's class path after
    // CLASSPATH when given (start-up also puts it on CLASSPATH).
    void SetOwnClassesZip(const QString &zip) { m_ownClassesZip = zip; }

    bool IsBusy() const { return m_busy; }
    // Starts the introspector on path. False when a run is going on or the
    // JVM could not be started (the failure text then went to m_onOutput).
    bool Start(const QString &path);
    // Stops a running introspector; m_onFinished is not called.
    void Abort();

    // What the last start ran, for the output window and for tests.
    const QString &CommandLine() const { return m_commandLine; }
    const QString &WorkingDirectory() const { return m_workDir; }
    const QString &OutputFile() const { return m_outputFile; }
    const QString &ChildClassPath() const { return m_childClassPath; }

    // The class path the introspector runs with: oldValue, then, for a class
    // file, its directory and each directory above it up to the root (the
    // class's package root is among them, whatever the package), or for an
    // archive the archive itself. Entries are ':'-separated.
    static QString ExtendClassPath(const QString &oldValue, const QString &path);
    // A path naming modules of the JDK the introspector runs on rather than
    // a file: "jrt:/java.base,java.desktop", "jrt:/java.*".
    static bool IsPlatformPath(const QString &path)
    {
        return path.startsWith(QLatin1String("jrt:/"));
    }
    static QString PlatformApiPath() { return QStringLiteral("jrt:/java.*"); }
    // The text written when the JVM could not be started.
    static QString StartFailedText(Kind kind);

    // Text for the output window.
    std::function<void(const QString &)> m_onOutput;
    // The run ended: ok when the introspector exited normally with status 0.
    std::function<void(bool ok)> m_onFinished;

private:
    void OnProcessFinished(int exitCode, QProcess::ExitStatus status);
    void Output(const QString &text);

    Kind m_kind;
    QString m_java;
    QString m_ownClassesZip;
    QProcess *m_process = nullptr;
    bool m_busy = false;
    QString m_commandLine;
    QString m_workDir;
    QString m_outputFile;
    QString m_childClassPath;
};
