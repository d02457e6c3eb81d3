#include "tools/JdkToolStarter.h"

#include "core/Prompter.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaParser.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarInterface.h"
#include "javamodel/VarPackage.h"
#include "project/Project.h"
#include "project/ProjectDoc.h"
#include "project/ToolOptions.h"
#include "tools/JarOptions.h"
#include "tools/OutputToolProcess.h"
#include "tools/RmicCommandLine.h"
#include "tools/ToolHost.h"
#include "tools/ToolManager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <memory>

CJdkToolStarter::CJdkToolStarter(CToolManager &manager) : m_manager(manager)
{
}

CProject *CJdkToolStarter::OpenProject() const
{
    CProjectDoc *ws = m_manager.Workspace();
    if (ws && ws->GetCurrentProject().IsOpen())
        return &ws->GetCurrentProject();
    return nullptr;
}

namespace {
bool Start(CToolManager &manager, const QString &line, const QString &dir)
{
    auto *p = new COutputToolProcess(&manager, line, dir);
    if (!p->Execute(0)) {
        delete p;
        return false;
    }
    return true;
}
} // namespace

bool CJdkToolStarter::StartJar(const CJarOptions &options)
{
    return Start(m_manager, options.CommandLine(m_manager.Host().JdkExeDir()),
                 options.WorkingDirectory());
}

QString CJdkToolStarter::RmicCommandLine(const CRmicOptions &options) const
{
    CProjectDoc *ws = m_manager.Workspace();
    const CCompilerOptions global = ws ? ws->m_compiler : CCompilerOptions();
    QString projectClassPath;
    if (CProject *project = OpenProject()) {
        // The project's compiler class path: its own when its option is on,
        // else the workspace's when that one is on.
        if (project->m_compiler.m_bClassPath)
            projectClassPath = project->m_strClassPath;
        else if (global.m_bClassPath)
            projectClassPath = global.m_strClassPath;
    }
    const QString globalClassPath = global.m_bClassPath ? global.m_strClassPath : QString();
    return CRmicCommandLine::Build(options, projectClassPath, globalClassPath,
                                   m_manager.Host().JdkExeDir());
}

bool CJdkToolStarter::StartRmic(const CRmicOptions &options)
{
    CProject *project = OpenProject();
    return Start(m_manager, RmicCommandLine(options),
                 project ? project->GetProjectDir() : QString());
}

QStringList CJdkToolStarter::DeclaredTypes(const QString &javaFile)
{
    QStringList out;
    QFile file(javaFile);
    if (!file.open(QIODevice::ReadOnly))
        return out;
    std::unique_ptr<CFileObject> parsed(CJavaParser::ParseText(file.readAll()));
    if (!parsed)
        return out;
    const QString pkg = parsed->m_package ? parsed->m_package->GetName() : QString();
    const QString prefix = pkg.isEmpty() ? QString() : pkg + QLatin1Char('.');
    for (const CVarClass *c : parsed->m_classes)
        out << prefix + c->GetName();
    for (const CVarInterface *i : parsed->m_interfaces)
        out << prefix + i->GetName();
    return out;
}

QString CJdkToolStarter::ClassOutputDir() const
{
    CProject *project = OpenProject();
    if (!project)
        return QString();
    CProjectDoc *ws = m_manager.Workspace();
    QString dir;
    if (project->m_compiler.m_bOutputDir)
        dir = project->m_compiler.m_strOutputDir;
    else if (ws && ws->m_compiler.m_bOutputDir)
        dir = ws->m_compiler.m_strOutputDir;
    // Without an output directory the class files are beside the sources.
    if (dir.isEmpty())
        return QFileInfo(project->GetMainClass()).absolutePath();
    return QDir::cleanPath(QDir(project->GetProjectDir()).filePath(dir));
}

QString CJdkToolStarter::ManifestPath() const
{
    CProject *project = OpenProject();
    if (!project || project->GetMainClass().isEmpty())
        return QString();
    QString dir = ClassOutputDir();
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir + QFileInfo(project->GetMainClass()).completeBaseName() + QStringLiteral(".mft");
}

QString CJdkToolStarter::ManifestEntry(const QString &package, const QString &mainClassFile)
{
    QString entry = package;
    entry.replace(QLatin1Char('.'), QLatin1Char('/'));
    if (!entry.isEmpty() && !entry.endsWith(QLatin1Char('/')))
        entry += QLatin1Char('/');
    return entry + QFileInfo(mainClassFile).completeBaseName() + QStringLiteral(".class");
}

QString CJdkToolStarter::MainClassPackage() const
{
    CProject *project = OpenProject();
    if (!project)
        return QString();
    QFile file(project->GetMainClass());
    std::unique_ptr<CFileObject> parsed(
        file.open(QIODevice::ReadOnly) ? CJavaParser::ParseText(file.readAll()) : nullptr);
    if (!parsed) {
        Prompter().MessageBox(QStringLiteral("Error parsing the main class file..."), CPrompter::Ok,
                              CPrompter::Stop);
        return QString();
    }
    return parsed->m_package ? parsed->m_package->GetName() : QString();
}

bool CJdkToolStarter::ProjectHasManifest() const
{
    CProject *project = OpenProject();
    const QString path = ManifestPath();
    return project && !path.isEmpty() && project->HasFile(path);
}

bool CJdkToolStarter::MakeManifest()
{
    CProject *project = OpenProject();
    const QString path = ManifestPath();
    if (!project || path.isEmpty())
        return false;
    const QString entry = ManifestEntry(MainClassPackage(), project->GetMainClass());
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    // jar ignores a last line that has no line end.
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(
            (QStringLiteral("Name: ") + entry + QStringLiteral("\nJava-Bean: True\n")).toUtf8()) <
            0 ||
        !file.commit()) {
        Prompter().MessageBox(QStringLiteral("Error creating %1 file").arg(path), CPrompter::Ok,
                              CPrompter::Stop);
        return false;
    }
    if (!project->HasFile(path))
        project->AddFileItem(path);
    return true;
}

CJarOptions CJdkToolStarter::BeanJarOptions() const
{
    CJarOptions o;
    o.m_bIncludeManifest = 1;
    o.m_bSpecifyArchive = 1;
    o.m_bVerbose = 1;
    o.m_bCustom = 1;
    if (ProjectHasManifest()) {
        const QFileInfo manifest(ManifestPath());
        o.m_strManifestFile = manifest.absoluteFilePath();
        o.m_strOutputFile =
            manifest.absolutePath() + QLatin1Char('/') + manifest.completeBaseName() + ".jar";
    }
    QString pkg = MainClassPackage();
    pkg.replace(QLatin1Char('.'), QLatin1Char('/'));
    o.m_strCustomOptions = pkg.isEmpty() ? QStringLiteral("*.class") : pkg;
    return o;
}
