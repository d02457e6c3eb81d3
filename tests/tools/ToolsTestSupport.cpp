#include "ToolsTestSupport.h"

#include "TestEnv.h"
#include "project/Project.h"
#include "project/ProjectClasses.h"
#include "project/ProjectDoc.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

QStringList FixtureLines(const QString &name)
{
    QFile file(FixturesDir() + QStringLiteral("/tools/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.split(u'\n');
}

CTestProject::CTestProject(const QString &root, const QList<QPair<QString, QByteArray>> &files)
    : m_dir(root + "/proj/"), m_workspace(std::make_unique<CProjectDoc>())
{
    RegisterProjectClasses();
    QDir().mkpath(m_dir);
    m_workspace->Load(root + "/mavu.proj");
    m_workspace->OpenProject(m_dir + "proj.mavu", true);
    for (const auto &f : files) {
        Write(f.first, f.second);
        Project().AddFileItem(Path(f.first));
    }
}

CTestProject::~CTestProject() = default;

CProject &CTestProject::Project()
{
    return m_workspace->GetCurrentProject();
}

void SetFileTime(const QString &path, int secs)
{
    QFile f(path);
    if (f.open(QIODevice::ReadWrite))
        f.setFileTime(QDateTime::currentDateTime().addSecs(secs),
                      QFileDevice::FileModificationTime);
}

void CTestProject::Write(const QString &rel, const QByteArray &text, int secs) const
{
    const QString path = Path(rel);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(text);
    f.close();
    if (secs)
        SetFileTime(path, secs);
}
