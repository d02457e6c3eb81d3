#include "TestEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

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
