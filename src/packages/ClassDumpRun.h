#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class CFileObject;
class CClassDumper;

// Works through a list of chosen files one introspector run at a time:
// skips what is not a class file, zip or jar, parses each introspector's
// output and notes where each class or archive must be on the class path.
// The introspection dialog shows its status texts; the package database
// takes its files and class-path additions when it ends with Ok.
class CClassDumpRun : public QObject
{
    Q_OBJECT
public:
    enum Result { Running, Ok, Cancel };

    CClassDumpRun(CClassDumper &introspector, const QStringList &paths, QObject *parent = nullptr);
    ~CClassDumpRun() override;

    // Starts with the first path once the event loop runs again, so that the
    // dialog shows before the first process starts.
    void Start();
    // Stops the run as Cancel (the dialog's Cancel button).
    void Abort();
    Result State() const { return m_result; }

    // The parsed outputs so far; the caller owns what it takes.
    std::vector<std::unique_ptr<CFileObject>> TakeFiles();
    const QString &ClassPathAdditions() const { return m_classPathAdditions; }
    const QString &CurrentPath() const { return m_current; }
    const QStringList &Paths() const { return m_paths; }

    // Whether introspection reads a file of that name (.class, .jar, .zip).
    static bool IsDumpable(const QString &path);
    // The directory or archive to put on the class path so that the classes
    // parsed from path's output load: an archive itself; for a class file
    // the directory its package hangs from (its own directory for a class
    // without package). Empty when the output names no class.
    static QString ClassPathAddition(const QString &path, const CFileObject &parsed);

    std::function<void(const QString &)> m_onStatus;
    std::function<void(const QString &)> m_onOutput;
    std::function<void(Result)> m_onDone;

private:
    void ProcessNext();
    void OnFinished(bool ok);
    void Finish(Result result);

    CClassDumper &m_introspector;
    QStringList m_paths;
    int m_next = 0;
    QString m_current;
    QString m_classPathAdditions;
    std::vector<std::unique_ptr<CFileObject>> m_files;
    Result m_result = Running;
};
