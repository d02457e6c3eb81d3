#include "app/BuildCommand.h"

#include "app/AppLocations.h"
#include "app/AppSettings.h"
#include "app/IDEDirectories.h"
#include "app/JavaClassPath.h"
#include "app/ProductFiles.h"
#include "core/IDEOptions.h"
#include "core/SettingsStore.h"
#include "tools/HeadlessBuild.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

int RunBuildCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    CHeadlessBuild build;
    for (const QString &arg : args) {
        if (arg == QLatin1String("--dirty"))
            build.dirtyOnly = true;
        else if (build.projectPath.isEmpty() && !arg.startsWith(QLatin1String("--")))
            build.projectPath = arg;
        else {
            err << QStringLiteral("mavu --build: unexpected argument %1").arg(arg) << Qt::endl;
            return CHeadlessBuild::Unreadable;
        }
    }
    if (build.projectPath.isEmpty()) {
        err << QStringLiteral("usage: mavu --build PROJECT.mavu [--dirty]") << Qt::endl;
        return CHeadlessBuild::Unreadable;
    }

    // The settings and data files the IDE would use, read only.
    const CSettingsStore store;
    const CAppLocations loc =
        CAppLocations::FromEnvironment(QCoreApplication::applicationDirPath());
    CIDEOptions options;
    CIDEDirectories dirs;
    CProductFiles files;
    LoadSettings(store, loc, options, dirs, files);
    const QString programDir =
        dirs.m_programPath.isEmpty() ? loc.m_defaultProgramDir : dirs.m_programPath;
    files.SetDefaults(programDir, loc.m_startupDir);
    build.workspacePath =
        CProductFiles::Resolve(CProductFiles::Workspace, files.Path(CProductFiles::Workspace),
                               programDir, loc.m_startupDir);
    build.jdkExeDir = dirs.m_exePath;
    build.jdkLibDir = dirs.m_libPath;
    const QString zip = CJavaClassPath::FindOwnClassesZip(loc, programDir);
    if (!zip.isEmpty())
        build.ownClassesDir = QFileInfo(zip).absolutePath();
    return build.Run(out, err);
}
