#include "app/BuildCommand.h"

#include "app/HeadlessSettings.h"
#include "tools/HeadlessBuild.h"

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

    const CHeadlessSettings settings = CHeadlessSettings::Load();
    build.workspacePath = settings.Resolve(CProductFiles::Workspace);
    build.jdkExeDir = settings.jdkExeDir;
    build.jdkLibDir = settings.jdkLibDir;
    build.ownClassesDir = settings.ownClassesDir;
    return build.Run(out, err);
}
