#pragma once

#include <QString>
#include <QTemporaryDir>
#include <functional>

// Points XDG_CONFIG_HOME, XDG_DATA_HOME, HOME and the working directory at a
// fresh temporary directory for the lifetime of the object, so that a test
// never reads or writes the user's own settings or data files.
class CTestEnv
{
public:
    CTestEnv();
    ~CTestEnv();
    QString Path() const { return m_dir.path(); }
    QString FilePath(const QString &name) const { return m_dir.filePath(name); }
    // Writes bytes to a file under the directory (creating folders) and
    // returns its full path.
    QString WriteFile(const QString &relPath, const QByteArray &bytes) const;
    // Settings of a program started here that asks nothing at start: no tip
    // of the day, no documentation warning; the output window shown when
    // showOutput. False when they could not be written.
    bool WriteQuietSettings(bool showOutput) const;

private:
    QTemporaryDir m_dir;
    QString m_oldCwd;
    QByteArray m_oldConfig, m_oldData, m_oldHome;
};

// The directory that holds tests/fixtures, from the build environment.
QString FixturesDir();

// The whole content of a file; "<unreadable>" when it cannot be read, so
// that a missing file never passes for an empty one.
QByteArray FileBytes(const QString &path);

// Runs the event loop until done() holds or ms pass; returns done().
bool WaitFor(const std::function<bool()> &done, int ms = 60000);
