#include "tools/DirtyCheck.h"

#include "core/Prompter.h"
#include "javamodel/FileObject.h"
#include "javamodel/ParsedFileCache.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarInterface.h"
#include "javamodel/VarPackage.h"
#include "project/Project.h"
#include "project/ProjectFileItem.h"
#include "project/ToolOptions.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString kOutputTab = QStringLiteral("Output");
}

CDirtyCheck::CDirtyCheck(CProject &project, const CCompilerOptions &global)
    : m_project(project), m_global(global)
{
}

QString CDirtyCheck::OutputDir() const
{
    QString dir;
    if (m_project.m_compiler.m_bOutputDir)
        dir = m_project.m_compiler.m_strOutputDir;
    else if (m_global.m_bOutputDir)
        dir = m_global.m_strOutputDir;
    if (dir.isEmpty())
        return dir;
    return QDir::cleanPath(QDir(m_project.GetProjectDir()).filePath(dir)) + QLatin1Char('/');
}

QString CDirtyCheck::ClassFileOf(const QString &source, const QString &pkg,
                                 const QString &type) const
{
    QString base = OutputDir();
    if (base.isEmpty()) {
        base = QFileInfo(source).absolutePath();
        if (!base.endsWith(QLatin1Char('/')))
            base += QLatin1Char('/');
    } else if (!pkg.isEmpty()) {
        base += QString(pkg).replace(QLatin1Char('.'), QLatin1Char('/')) + QLatin1Char('/');
    }
    return base + type + QStringLiteral(".class");
}

bool CDirtyCheck::IsSourceDirty(const QString &source, bool output)
{
    CPrompter &p = Prompter();
    CFileObject *file = m_project.ParsedFiles().ParseJavaFile(source, true);
    if (!file)
        return true; // unreadable: only a compile can tell what is wrong
    const QString pkg = file->m_package ? file->m_package->GetName() : QString();
    if (!pkg.isEmpty() && output)
        p.OutputLine(kOutputTab, QStringLiteral("\nPackage - %1").arg(pkg));

    const QDateTime sourceTime = QFileInfo(source).fileTime(QFileDevice::FileModificationTime);
    QStringList types;
    for (const CVarClass *c : file->m_classes)
        types << c->GetName();
    for (const CVarInterface *i : file->m_interfaces)
        types << i->GetName();

    bool dirty = false;
    for (const QString &type : types) {
        const QString classFile = ClassFileOf(source, pkg, type);
        const QFileInfo info(classFile);
        const bool upToDate =
            info.exists() && info.fileTime(QFileDevice::FileModificationTime) >= sourceTime;
        if (output)
            p.OutputLine(
                kOutputTab,
                upToDate ? QStringLiteral("\n%1 file found.").arg(classFile)
                         : QStringLiteral("\n%1 file either not found or dirty.").arg(classFile));
        if (!upToDate)
            dirty = true;
    }
    return dirty;
}

int CDirtyCheck::CheckProject(const QStringList &paths, bool update)
{
    if (!m_project.IsOpen())
        return 0;
    CPrompter &p = Prompter();
    p.BeginWaitCursor();
    p.SetStatusText(QStringLiteral("Wait, Checking the project for dirty files..."));
    int found = 0;
    qint64 step = 0;
    for (const QString &path : paths) {
        p.Progress(QString(), ++step, paths.size());
        if (QFileInfo(path).suffix().compare(QLatin1String("java"), Qt::CaseInsensitive) != 0)
            continue;
        const bool dirty = IsSourceDirty(path, false);
        if (!update)
            continue;
        if (CProjectFileItem *item = m_project.FindFileItem(path))
            item->SetDirty(dirty);
        if (dirty)
            ++found;
    }
    p.Progress(QString(), 0, 0);
    p.SetStatusText(QStringLiteral("Done"));
    p.EndWaitCursor();
    return found;
}
