#include "tools/JavadocCommandLine.h"

#include "project/ToolOptions.h"
#include "tools/CommandLine.h"
#include "tools/JdkToolPath.h"

QString CJavadocCommandLine::OutputDirArgument(const QString &dir)
{
    QString d = dir;
    // The root keeps its separator.
    if (d.size() > 1 && d.endsWith(QLatin1Char('/')))
        d.chop(1);
    return CCommandLine::Quote(d);
}

QString CJavadocCommandLine::Build(const CDocOptions *project, const CDocOptions &global,
                                   const CCompilerOptions &compiler, const QString &jdkExeDir)
{
    const QString tool = JdkToolPath(jdkExeDir, QStringLiteral("javadoc"));
    struct Flag
    {
        int CDocOptions::*on;
        const char *text;
    };
    static const Flag flags[] = {
        {&CDocOptions::m_bVersion, " -version "},
        {&CDocOptions::m_bNoDeprecated, " -nodeprecated "},
        {&CDocOptions::m_bAuthor, " -author "},
        {&CDocOptions::m_bNoIndex, " -noindex "},
        {&CDocOptions::m_bNoTree, " -notree "},
    };

    if (!project) {
        QString cmd = tool + QStringLiteral("  ");
        if (global.m_bOutputDir)
            cmd += QStringLiteral(" -d ") + OutputDirArgument(global.m_strOutputDir);
        if (global.m_nDocType == 2)
            cmd += QStringLiteral(" -doctype MIF ");
        for (const Flag &f : flags) {
            if (global.*f.on)
                cmd += QLatin1String(f.text);
        }
        if (compiler.m_bCustomOptions && !global.m_strCustomOptions.isEmpty())
            cmd += QLatin1Char(' ') + global.m_strCustomOptions;
        return cmd + QLatin1Char(' ');
    }

    QString cmd = tool + QLatin1Char(' ');
    if (project->m_bOutputDir)
        cmd += QStringLiteral(" -d ") + OutputDirArgument(project->m_strOutputDir);
    else if (global.m_bOutputDir)
        cmd += QStringLiteral(" -d ") + OutputDirArgument(global.m_strOutputDir);
    if (project->m_nDocType == 2)
        cmd += QStringLiteral(" -doctype MIF ");
    for (const Flag &f : flags) {
        if (project->*f.on || global.*f.on)
            cmd += QLatin1String(f.text);
    }
    if (!project->m_strCustomOptions.isEmpty())
        cmd += QLatin1Char(' ') + project->m_strCustomOptions;
    else if (global.m_bCustomOptions && !global.m_strCustomOptions.isEmpty())
        cmd += QLatin1Char(' ') + global.m_strCustomOptions;
    return cmd + QLatin1Char(' ');
}
