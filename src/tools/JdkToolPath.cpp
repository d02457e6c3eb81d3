#include "tools/JdkToolPath.h"

QString JdkToolPath(const QString &jdkExeDir, const QString &tool)
{
    QString dir = jdkExeDir;
    if (!dir.isEmpty() && !dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir + tool;
}
