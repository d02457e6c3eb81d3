#include "app/RunCommand.h"

#include "app/HeadlessSettings.h"
#include "javamodel/JavaModel.h"
#include "packages/PkgDoc.h"
#include "tools/HeadlessRun.h"

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

    const CHeadlessSettings settings = CHeadlessSettings::Load();
    run.workspacePath = settings.Resolve(CProductFiles::Workspace);
    run.jdkExeDir = settings.jdkExeDir;
    run.jdkLibDir = settings.jdkLibDir;
    run.ownClassesDir = settings.ownClassesDir;

    // The package database: its class path is the program's too, and Run
    // recognises applets through it.
    RegisterJavaModelClasses();
    CPkgDoc packages;
    packages.OpenLater(settings.Resolve(CProductFiles::Packages));
    run.lookup = &packages;
    run.packageClassPath = packages.ClassPath();
    return run.Run(err);
}
