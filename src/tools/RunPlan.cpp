#include "tools/RunPlan.h"

#include "core/Prompter.h"
#include "javamodel/FileObject.h"
#include "javamodel/ParsedFileCache.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarPackage.h"
#include "project/Project.h"
#include "tools/DefaultHtmlFile.h"
#include "tools/MainClassSearch.h"

#include <QFileInfo>

namespace {

QString DirOf(const QString &path)
{
    return path.isEmpty() ? QString() : QFileInfo(path).absolutePath();
}

} // namespace

QString CRunPlan::FindProjectFile(const CProject &project, const QString &fileName)
{
    if (fileName.isEmpty())
        return QString();
    for (const QString &path : project.GetFiles())
        if (QFileInfo(path).fileName().compare(fileName, Qt::CaseInsensitive) == 0)
            return path;
    return QString();
}

QString CRunPlan::PackageOf(CProject &project, const QString &path)
{
    if (path.isEmpty())
        return QString();
    const CFileObject *file = project.ParsedFiles().Find(path);
    if (!file)
        file = project.ParsedFiles().ParseJavaFile(path, true);
    return file && file->m_package ? file->m_package->m_name : QString();
}

CRunPlan CRunPlan::ForProject(CProject &project, const CInterpreterOptions &global,
                              const QString &jdkBinDir, const CClassLookup &lookup)
{
    CRunSetup setup;
    setup.project = &project.m_interpreter;
    setup.global = &global;
    setup.jdkBinDir = jdkBinDir;
    setup.projectDir = project.GetProjectDir();

    auto application = [&]() {
        setup.mainClassFile = project.GetMainClass();
        const QString path = FindProjectFile(project, setup.mainClassFile);
        setup.mainClassDir = DirOf(path);
        const CInterpreterOptions &p = project.m_interpreter;
        if (!(p.m_bClassToRun && !p.m_strClassToRun.isEmpty()))
            setup.mainClassPackage = PackageOf(project, path);
        setup.mainHtmlFile = project.GetMainHtml();
        setup.mainHtmlDir = DirOf(FindProjectFile(project, setup.mainHtmlFile));
        CRunPlan plan;
        plan.m_what = Application;
        plan.m_commandLine = CRunCommandLine::ApplicationLine(setup);
        plan.m_workingDir = CRunCommandLine::WorkingDirectory(setup);
        plan.m_projectClassPath = true;
        return plan;
    };
    auto applet = [&]() {
        setup.mainHtmlFile = project.GetMainHtml();
        setup.mainHtmlDir = DirOf(FindProjectFile(project, setup.mainHtmlFile));
        setup.mainClassFile = project.GetMainClass();
        setup.mainClassDir = DirOf(FindProjectFile(project, setup.mainClassFile));
        CRunPlan plan;
        plan.m_what = Applet;
        plan.m_commandLine = CRunCommandLine::AppletLine(setup, false);
        plan.m_workingDir = CRunCommandLine::WorkingDirectory(setup);
        plan.m_projectClassPath = true;
        return plan;
    };

    if (!project.GetMainClass().isEmpty())
        return application();
    if (!project.GetMainHtml().isEmpty())
        return applet();
    const CInterpreterOptions &p = project.m_interpreter;
    if (p.m_bClassToRun && !p.m_strClassToRun.isEmpty())
        return application();

    // Nothing named: parse every Java file of the project, in the project's
    // own order of files, and look for a main, then an applet.
    Prompter().SetStatusText(QStringLiteral("Wait, Parsing all files for main class..."));
    Prompter().BeginWaitCursor();
    QList<CMainClassSearch::Parsed> parsed;
    const QStringList &files = project.GetFiles();
    qint64 done = 0;
    for (const QString &path : files) {
        Prompter().Progress(QStringLiteral("Wait, Parsing all files for main class..."), ++done,
                            files.size());
        const QFileInfo info(path);
        if (!info.exists() || info.suffix().compare(QLatin1String("java"), Qt::CaseInsensitive))
            continue;
        Prompter().SetStatusText(QStringLiteral("Wait, parsing file %1").arg(path));
        if (const CFileObject *file = project.ParsedFiles().ParseJavaFile(path, true))
            parsed.append({path, file});
    }
    Prompter().Progress(QString(), 0, 0);
    Prompter().EndWaitCursor();
    Prompter().SetStatusText(QStringLiteral("Done"));

    const CMainClassSearch::Found found = CMainClassSearch::Search(parsed, lookup);
    if (found.cls && !found.isApplet) {
        project.SetMainClass(QFileInfo(found.path).fileName());
        project.SetModifiedFlag();
        return application();
    }
    if (found.cls) {
        if (Prompter().AskYesNo(CMainClassSearch::AppletQuestion(found.cls->m_name), true)) {
            const QString page = CDefaultHtmlFile::Create(
                project.GetProjectDir(), found.cls->m_name, CMainClassSearch::QualifiedName(found),
                project.GetMainClass(), project.GetFiles());
            if (page.isEmpty())
                return CRunPlan();
            project.AddFileItem(page);
            project.SetMainHtml(QFileInfo(page).fileName());
            project.SetModifiedFlag();
            return applet();
        }
        return CRunPlan();
    }
    Prompter().MessageBox(CMainClassSearch::NothingToRunMessage());
    return CRunPlan();
}

CRunPlan CRunPlan::ForFile(const QString &path, const CInterpreterOptions &global,
                           const QString &jdkBinDir)
{
    CRunSetup setup;
    setup.global = &global;
    setup.jdkBinDir = jdkBinDir;
    setup.file = path;
    CRunPlan plan;
    switch (CRunCommandLine::KindOfFile(path)) {
    case CRunCommandLine::Application:
        plan.m_what = Application;
        plan.m_commandLine = CRunCommandLine::GlobalApplicationLine(setup);
        break;
    case CRunCommandLine::Applet:
        plan.m_what = Applet;
        plan.m_commandLine = CRunCommandLine::GlobalAppletLine(setup);
        break;
    case CRunCommandLine::NotRunnable:
        return plan;
    }
    plan.m_workingDir = CRunCommandLine::GlobalWorkingDirectory(setup);
    return plan;
}
