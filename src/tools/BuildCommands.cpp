#include "tools/BuildCommands.h"

#include "core/Prompter.h"
#include "project/Project.h"
#include "project/ProjectDoc.h"
#include "project/ProjectFileItem.h"
#include "tools/CommandLine.h"
#include "tools/CompileProcess.h"
#include "tools/DirtyCheck.h"
#include "tools/ToolHost.h"
#include "tools/ToolManager.h"
#include "tree/TreeFolder.h"

#include <QDir>
#include <QFileInfo>
#include <functional>

namespace {

bool IsJava(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("java"), Qt::CaseInsensitive) == 0;
}

void CollectFiles(const CTreeFolder &folder, QStringList &out)
{
    for (CTreeItem *child : folder.Children()) {
        if (child->IsFolder())
            CollectFiles(*static_cast<CTreeFolder *>(child), out);
        else if (child->IsKindOf(RUNTIME_CLASS(CProjectFileItem)))
            out << child->GetName();
    }
}

} // namespace

CBuildCommands::CBuildCommands(CToolManager &manager) : m_manager(manager)
{
}

QString CBuildCommands::NoDirtyFilesMessage()
{
    return QStringLiteral("No dirty project files found...");
}

CProject *CBuildCommands::OpenProject() const
{
    CProjectDoc *ws = m_manager.Workspace();
    if (ws && ws->GetCurrentProject().IsOpen())
        return &ws->GetCurrentProject();
    return nullptr;
}

bool CBuildCommands::CanCompile() const
{
    return !m_manager.IsToolBusy();
}

bool CBuildCommands::CanCompileProject() const
{
    return CanCompile() && OpenProject();
}

bool CBuildCommands::CanStop() const
{
    return m_manager.IsBuildBusy();
}

bool CBuildCommands::CanToggleCompiler() const
{
    CProjectDoc *ws = m_manager.Workspace();
    return ws && !ws->m_compiler.m_strCompiler.isEmpty();
}

bool CBuildCommands::IsUsingOwnCompiler() const
{
    CProjectDoc *ws = m_manager.Workspace();
    return ws && ws->m_compiler.m_bUseCompiler;
}

void CBuildCommands::ToggleCompiler()
{
    CProjectDoc *ws = m_manager.Workspace();
    if (!ws)
        return;
    ws->m_compiler.m_bUseCompiler = ws->m_compiler.m_bUseCompiler ? 0 : 1;
    ws->SetModifiedFlag();
}

void CBuildCommands::Stop()
{
    m_manager.StopBuild();
}

bool CBuildCommands::CompileFile(const QString &path)
{
    if (!CanCompile() || path.isEmpty())
        return false;
    return m_manager.CompileProcess().Compile(path, false);
}

QString CBuildCommands::MainFileSource() const
{
    CProject *project = OpenProject();
    if (!project || project->GetMainClass().isEmpty())
        return QString();
    QString name = project->GetMainClass();
    if (QFileInfo(name).suffix().isEmpty())
        name += QStringLiteral(".java");
    for (const QString &path : project->GetFiles()) {
        if (QFileInfo(path).fileName().compare(name, Qt::CaseInsensitive) == 0)
            return path;
    }
    return QString();
}

bool CBuildCommands::CompileMainFile()
{
    const QString source = MainFileSource();
    return !source.isEmpty() && CompileFile(source);
}

QString CBuildCommands::ArgumentText(const CProject &project, const QStringList &files,
                                     QStringList *compileList)
{
    const QDir dir(project.GetProjectDir());
    QString args;
    for (const QString &path : files) {
        args += CCommandLine::Quote(dir.relativeFilePath(path)) + QLatin1Char(' ');
        if (compileList)
            compileList->prepend(path);
    }
    return args;
}

void CBuildCommands::PrepareProjectCompile(bool clearOutput)
{
    m_manager.Host().SaveModifiedProjectFiles();
    if (clearOutput) {
        m_manager.Host().ClearOutput(CToolHost::OutputTab);
        m_manager.Host().ShowOutputTab(CToolHost::OutputTab);
    }
}

bool CBuildCommands::CompileProjectFiles(const QStringList &files, bool showDirectory)
{
    CProject *project = OpenProject();
    QStringList &list = m_manager.CompileProcess().CompileList();
    list.clear();
    QStringList existing;
    for (const QString &path : files) {
        if (IsJava(path) && QFileInfo::exists(path))
            existing << path;
    }
    const QString args = ArgumentText(*project, existing, &list);
    if (args.isEmpty())
        return false;
    return m_manager.CompileProcess().Compile(args, true, project, QString(), showDirectory);
}

bool CBuildCommands::BuildProject()
{
    if (!CanCompileProject())
        return false;
    PrepareProjectCompile(true);
    return CompileProjectFiles(OpenProject()->GetFiles(), true);
}

bool CBuildCommands::RebuildDirty(bool runAfter)
{
    if (!CanCompileProject())
        return false;
    PrepareProjectCompile(true);
    CProject *project = OpenProject();
    const int dirty = CDirtyCheck(*project, m_manager.Workspace()->m_compiler)
                          .CheckProject(project->GetFiles(), true);
    m_manager.Host().RefreshProjectTree();
    if (dirty == 0) {
        Prompter().OutputLine(QStringLiteral("Output"), NoDirtyFilesMessage());
        return false;
    }
    QStringList files;
    for (const QString &path : project->GetFiles()) {
        const CProjectFileItem *item = project->FindFileItem(path);
        if (item && item->IsDirty())
            files << path;
    }
    if (!CompileProjectFiles(files, true))
        return false;
    m_manager.CompileProcess().SetRunAfterCompile(runAfter);
    return true;
}

bool CBuildCommands::RebuildFolder(const CTreeFolder &folder)
{
    if (!CanCompileProject())
        return false;
    PrepareProjectCompile(false);
    QStringList files;
    CollectFiles(folder, files);
    return CompileProjectFiles(files, true);
}

bool CBuildCommands::CompileAllIn(const QString &dirPath)
{
    CProject *project = OpenProject();
    QStringList &list = m_manager.CompileProcess().CompileList();
    list.clear();
    const QDir dir(dirPath);
    for (const QString &path : project->GetFiles()) {
        if (QDir::cleanPath(dir.filePath(QFileInfo(path).fileName()))
                .compare(QDir::cleanPath(path), Qt::CaseInsensitive) == 0)
            list.prepend(path);
    }
    return m_manager.CompileProcess().Compile(QStringLiteral("*.java"), true, project, dirPath,
                                              true);
}

bool CBuildCommands::CompileAllInProjectDir()
{
    if (!CanCompileProject())
        return false;
    PrepareProjectCompile(false);
    return CompileAllIn(OpenProject()->GetProjectDir());
}

bool CBuildCommands::CompileAllInFolderDir(const CTreeFolder &folder)
{
    if (!CanCompileProject())
        return false;
    QStringList files;
    CollectFiles(folder, files);
    if (files.isEmpty())
        return false;
    PrepareProjectCompile(false);
    return CompileAllIn(QFileInfo(files.first()).absolutePath());
}
