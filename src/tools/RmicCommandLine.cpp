#include "tools/RmicCommandLine.h"

#include "core/SettingsExchange.h"
#include "project/ToolOptions.h"
#include "tools/CommandLine.h"
#include "tools/JdkToolPath.h"

void CRmicCommandLine::Exchange(CSettingsExchange &ex, CRmicOptions &o)
{
    const QString s = QStringLiteral("RMIC");
    ex.Int(s, QStringLiteral("ClassPath"), o.m_bClassPath, 0);
    ex.Int(s, QStringLiteral("Debug"), o.m_bDebug, 0);
    ex.Int(s, QStringLiteral("DebugTables"), o.m_bDebugTables, 0);
    ex.Int(s, QStringLiteral("Optimize"), o.m_bOptimize, 0);
    ex.Int(s, QStringLiteral("Depend"), o.m_bDepend, 0);
    ex.Int(s, QStringLiteral("Verbose"), o.m_bVerbose, 0);
    ex.Int(s, QStringLiteral("KeepGenerated"), o.m_bKeepGenerated, 0);
    ex.Int(s, QStringLiteral("NoWarn"), o.m_bNoWarn, 0);
    ex.Int(s, QStringLiteral("NoWrite"), o.m_bNoWrite, 0);
    ex.Int(s, QStringLiteral("Show"), o.m_bShow, 0);
    ex.Int(s, QStringLiteral("OutputDir"), o.m_bOutputDir, 0);
    ex.Int(s, QStringLiteral("StubDir"), o.m_bStubDir, 0);
    ex.Int(s, QStringLiteral("SkelDir"), o.m_bSkelDir, 0);
    ex.Int(s, QStringLiteral("Custom"), o.m_bCustom, 0);
    // The texts have always lived in a section of their own, spelt so.
    const QString t = QStringLiteral("RIMC");
    ex.String(t, QStringLiteral("OutputDirPath"), o.m_strOutputDirPath, QString());
    ex.String(t, QStringLiteral("StubDirPath"), o.m_strStubDirPath, QString());
    ex.String(t, QStringLiteral("SkelDirPath"), o.m_strSkelDirPath, QString());
    ex.String(t, QStringLiteral("CustomOptions"), o.m_strCustomOptions, QString());
}

QString CRmicCommandLine::Build(const CRmicOptions &o, const QString &projectClassPath,
                                const QString &globalClassPath, const QString &jdkExeDir)
{
    QString cmd = JdkToolPath(jdkExeDir, QStringLiteral("rmic")) + QLatin1Char(' ');
    if (o.m_bClassPath && !projectClassPath.isEmpty())
        cmd += QStringLiteral("-classpath ") + CCommandLine::Quote(projectClassPath) +
               QLatin1Char(' ');
    else if (!globalClassPath.isEmpty())
        cmd +=
            QStringLiteral("-classpath ") + CCommandLine::Quote(globalClassPath) + QLatin1Char(' ');
    const struct
    {
        int CRmicOptions::*on;
        const char *text;
    } switches[] = {
        {&CRmicOptions::m_bDebug, "-debug "},
        {&CRmicOptions::m_bDebugTables, "-g "},
        {&CRmicOptions::m_bOptimize, "-O "},
        {&CRmicOptions::m_bDepend, "-depend "},
        {&CRmicOptions::m_bVerbose, "-verbose "},
        {&CRmicOptions::m_bKeepGenerated, "-keepgenerated "},
        {&CRmicOptions::m_bNoWarn, "-nowarn "},
        {&CRmicOptions::m_bNoWrite, "-nowrite "},
        {&CRmicOptions::m_bShow, "-show "},
    };
    for (const auto &s : switches) {
        if (o.*s.on)
            cmd += QLatin1String(s.text);
    }
    if (o.m_bOutputDir && !o.m_strOutputDirPath.isEmpty())
        cmd += QStringLiteral("-d ") + CCommandLine::Quote(o.m_strOutputDirPath) + QLatin1Char(' ');
    if (o.m_bStubDir && !o.m_strStubDirPath.isEmpty())
        cmd +=
            QStringLiteral("-dstub ") + CCommandLine::Quote(o.m_strStubDirPath) + QLatin1Char(' ');
    // The skeleton directory has always gone out with "-d" too.
    if (o.m_bSkelDir && !o.m_strSkelDirPath.isEmpty())
        cmd += QStringLiteral("-d ") + CCommandLine::Quote(o.m_strSkelDirPath) + QLatin1Char(' ');
    if (o.m_bCustom && !o.m_strCustomOptions.isEmpty())
        cmd += QLatin1Char(' ') + o.m_strCustomOptions + QLatin1Char(' ');
    for (const QString &name : o.m_classNames)
        cmd += QLatin1Char(' ') + name;
    return cmd;
}
