#include "TestEnv.h"

#include "core/SettingsStore.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

CTestEnv::CTestEnv()
    : m_oldCwd(QDir::currentPath()), m_oldConfig(qgetenv("XDG_CONFIG_HOME")),
      m_oldData(qgetenv("XDG_DATA_HOME")), m_oldHome(qgetenv("HOME"))
{
    QDir(m_dir.path()).mkpath(QStringLiteral("config"));
    QDir(m_dir.path()).mkpath(QStringLiteral("data"));
    qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toLocal8Bit());
    QDir::setCurrent(m_dir.path());
}

CTestEnv::~CTestEnv()
{
    QDir::setCurrent(m_oldCwd);
    qputenv("XDG_CONFIG_HOME", m_oldConfig);
    qputenv("XDG_DATA_HOME", m_oldData);
    qputenv("HOME", m_oldHome);
}

QString CTestEnv::WriteFile(const QString &relPath, const QByteArray &bytes) const
{
    const QString path = m_dir.filePath(relPath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

QString FixturesDir()
{
    return QStringLiteral(MAVU_SOURCE_DIR "/tests/fixtures");
}

bool CTestEnv::WriteQuietSettings(bool showOutput) const
{
    CSettingsStore store(FilePath(QStringLiteral("config/Mavu/Mavu.ini")));
    store.WriteProfileInt(QStringLiteral("Editor"), QStringLiteral("Tip"), 0);
    store.WriteProfileInt(QStringLiteral("Help"), QStringLiteral("Warning"), 1);
    if (showOutput)
        store.WriteProfileInt(QStringLiteral("Windows"), QStringLiteral("Output"), 1);
    return store.Sync();
}

bool WaitFor(const std::function<bool()> &done, int ms)
{
    QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        // Objects let go of outside any event loop (a test's own calls)
        // are deleted only when asked.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::msleep(1);
    }
    return true;
}

QByteArray FileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}
