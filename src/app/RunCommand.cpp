#include "app/RunCommand.h"

#include "app/AppLocations.h"
#include "app/AppSettings.h"
#include "app/IDEDirectories.h"
#include "app/JavaClassPath.h"
#include "app/ProductFiles.h"
#include "core/IDEOptions.h"
#include "core/SettingsStore.h"
#include "javamodel/JavaModel.h"
#include "packages/PkgDoc.h"
#include "tools/HeadlessRun.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

int RunRunCommand(const QStringList &args, QTextStream &err)
{
    if (args.isEmpty() || args.first().startsWith(QLatin1String("--"))) {
        err << QStringLiteral("usage: mavu --run PROJECT.mavu [ARGS...]") << Qt::endl;
        return CHeadlessRun::CouldNotRun;
    }
    CHeadlessRun run;
    run.projectPath = args.first();
    run.arguments = args.mid(1);
    run.hasArguments = args.size() > 1;

    // The settings and data files the IDE would use.
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
    auto resolve = [&](CProductFiles::File f) {
        return CProductFiles::Resolve(f, files.Path(f), programDir, loc.m_startupDir);
    };
    run.workspacePath = resolve(CProductFiles::Workspace);
    run.jdkExeDir = dirs.m_exePath;
    run.jdkLibDir = dirs.m_libPath;
    const QString zip = CJavaClassPath::FindOwnClassesZip(loc, programDir);
    if (!zip.isEmpty())
        run.ownClassesDir = QFileInfo(zip).absolutePath();

    // The package database: its class path is the program's too, and Run
    // recognises applets through it.
    RegisterJavaModelClasses();
    CPkgDoc packages;
    packages.OpenLater(resolve(CProductFiles::Packages));
    run.lookup = &packages;
    run.packageClassPath = packages.ClassPath();
    return run.Run(err);
}
