#include "tools/JavacCommandLine.h"

#include "project/ToolOptions.h"
#include "tools/CommandLine.h"

namespace {

QString CustomCommand(const CCompilerOptions &o)
{
    QString cmd = o.m_strCompiler + QLatin1Char(' ');
    if (o.m_bCustomOptions && !o.m_strCustomOptions.isEmpty())
        cmd += o.m_strCustomOptions + QLatin1Char(' ');
    return cmd;
}

} // namespace

QString CJavacCommandLine::CompilerPath(const QString &jdkExeDir)
{
    QString dir = jdkExeDir;
    if (!dir.isEmpty() && !dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir + QStringLiteral("javac");
}

QString CJavacCommandLine::OutputDirArgument(const QString &dir)
{
    QString d = dir;
    // The root keeps its separator, like a drive root once did.
    if (d.size() > 1 && d.endsWith(QLatin1Char('/')))
        d.chop(1);
    return CCommandLine::Quote(d);
}

QString CJavacCommandLine::Build(const CCompilerOptions *project, const CCompilerOptions &global,
                                 const QString &jdkExeDir)
{
    if (project && project->m_bUseCompiler)
        return CustomCommand(*project);
    if (global.m_bUseCompiler)
        return CustomCommand(global);

    // "javac " and the blank that starts the flag list.
    QString cmd = CompilerPath(jdkExeDir) + QStringLiteral("  ");
    auto on = [&](int CCompilerOptions::*flag) {
        return (project && project->*flag) || global.*flag;
    };
    auto value = [&](int CCompilerOptions::*flag, QString CCompilerOptions::*text) {
        return (project && project->*flag) ? project->*text : global.*text;
    };
    if (on(&CCompilerOptions::m_bOutputDir))
        cmd += QStringLiteral(" -d ") + OutputDirArgument(value(&CCompilerOptions::m_bOutputDir,
                                                                &CCompilerOptions::m_strOutputDir));
    if (on(&CCompilerOptions::m_bDebug))
        cmd += QStringLiteral(" -g");
    if (on(&CCompilerOptions::m_bNoWarn))
        cmd += QStringLiteral(" -nowarn");
    if (on(&CCompilerOptions::m_bOptimize))
        cmd += QStringLiteral(" -O");
    if (on(&CCompilerOptions::m_bVerbose))
        cmd += QStringLiteral(" -verbose");
    if (on(&CCompilerOptions::m_bDeprecation))
        cmd += QStringLiteral(" -deprecation");
    if (on(&CCompilerOptions::m_bCustomOptions)) {
        const QString custom =
            value(&CCompilerOptions::m_bCustomOptions, &CCompilerOptions::m_strCustomOptions);
        if (!custom.isEmpty())
            cmd += QLatin1Char(' ') + custom;
    }
    cmd += QLatin1Char(' ');
    return cmd;
}
