#include "tools/RunCommandLine.h"

#include <QDir>
#include <QFileInfo>

CRunCommandLine::FileKind CRunCommandLine::KindOfFile(const QString &path)
{
    const QString ext = QFileInfo(path).suffix();
    if (ext.compare(QLatin1String("java"), Qt::CaseInsensitive) == 0)
        return Application;
    if (ext.compare(QLatin1String("html"), Qt::CaseInsensitive) == 0 ||
        ext.compare(QLatin1String("htm"), Qt::CaseInsensitive) == 0)
        return Applet;
    return NotRunnable;
}

QString CRunCommandLine::InJdk(const CRunSetup &setup, const QString &tool)
{
    // An unset JDK directory leaves the tool to be found on PATH.
    QString dir = setup.jdkBinDir;
    if (!dir.isEmpty() && !dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir + tool;
}

QString CRunCommandLine::Interpreter(const CRunSetup &setup)
{
    if (setup.global->m_bUseInterpreter)
        return setup.global->m_strInterpreter + QLatin1Char(' ');
    return InJdk(setup, QStringLiteral("java "));
}

QString CRunCommandLine::Flags(const CInterpreterOptions *project,
                               const CInterpreterOptions &global)
{
    QString out;
    auto flag = [&](int CInterpreterOptions::*on, const char *text) {
        if ((project && project->*on) || global.*on)
            out += QLatin1String(text);
    };
    auto valued = [&](int CInterpreterOptions::*on, QString CInterpreterOptions::*value,
                      const char *text) {
        if (project && project->*on)
            out += QLatin1String(text) + project->*value;
        else if (global.*on)
            out += QLatin1String(text) + global.*value;
    };
    using O = CInterpreterOptions;
    flag(&O::m_bCheckSource, " -cs");
    valued(&O::m_bMaxHeap, &O::m_strMaxHeap, " -mx");
    valued(&O::m_bStartHeap, &O::m_strStartHeap, " -ms");
    flag(&O::m_bNoAsyncGC, " -noasyncgc");
    valued(&O::m_bJavaStack, &O::m_strJavaStack, " -oss");
    valued(&O::m_bCStack, &O::m_strCStack, " -ss");
    flag(&O::m_bVerbose, " -verbose");
    flag(&O::m_bVerify, " -verify");
    flag(&O::m_bNoVerify, " -noverify");
    flag(&O::m_bVerifyRemote, " -verifyremote");
    flag(&O::m_bVerboseGC, " -verbosegc");
    valued(&O::m_bProperty, &O::m_strProperty, " -D");
    return out;
}

QString CRunCommandLine::CustomOptions(const CInterpreterOptions &global)
{
    QString out = QStringLiteral(" ");
    if (global.m_bCustomOptions && !global.m_strCustomOptions.isEmpty())
        out += QLatin1Char(' ') + global.m_strCustomOptions;
    return out + QLatin1Char(' ');
}

QString CRunCommandLine::ClassArgument(const CRunSetup &setup)
{
    const CInterpreterOptions *p = setup.project;
    if (p && p->m_bClassToRun && !p->m_strClassToRun.isEmpty())
        return p->m_strClassToRun;
    if (setup.mainClassFile.isEmpty())
        return QString();
    const QString name = QFileInfo(setup.mainClassFile).completeBaseName();
    return setup.mainClassPackage.isEmpty() ? name
                                            : setup.mainClassPackage + QLatin1Char('.') + name;
}

QString CRunCommandLine::ApplicationLine(const CRunSetup &setup)
{
    const QString cls = ClassArgument(setup);
    QString line = Interpreter(setup) + Flags(setup.project, *setup.global) +
                   CustomOptions(*setup.global) + cls + QLatin1Char(' ');
    const CInterpreterOptions *p = setup.project;
    if (!cls.isEmpty() && p && p->m_bArguments && !p->m_strArguments.isEmpty())
        line += p->m_strArguments;
    return line;
}

QString CRunCommandLine::AppletLine(const CRunSetup &setup, bool debug)
{
    QString line = setup.global->m_bUseInterpreter ? setup.global->m_strInterpreter
                                                   : InJdk(setup, QStringLiteral("appletviewer "));
    line += QLatin1Char(' ');
    if (debug)
        line += QLatin1String(" -debug");
    line += CustomOptions(*setup.global);
    return line + setup.mainHtmlFile;
}

QString CRunCommandLine::GlobalApplicationLine(const CRunSetup &setup)
{
    return Interpreter(setup) + Flags(nullptr, *setup.global) + CustomOptions(*setup.global) +
           QFileInfo(setup.file).completeBaseName();
}

QString CRunCommandLine::GlobalAppletLine(const CRunSetup &setup)
{
    // The applet viewer stays the JDK's even when another interpreter is set.
    return InJdk(setup, QStringLiteral("appletviewer ")) + CustomOptions(*setup.global) +
           QFileInfo(setup.file).fileName();
}

QString CRunCommandLine::WorkingDirectory(const CRunSetup &setup)
{
    const CInterpreterOptions *p = setup.project;
    QString dir;
    if (p && p->m_bRunInDirectory && !p->m_strRunDirectory.isEmpty())
        dir = QDir(setup.projectDir).absoluteFilePath(p->m_strRunDirectory);
    else if (!setup.mainHtmlFile.isEmpty())
        dir = setup.mainHtmlDir;
    else if (!(p && p->m_bClassToRun && !p->m_strClassToRun.isEmpty()))
        dir = setup.mainClassDir;
    else
        dir = setup.projectDir;
    return dir.isEmpty() ? setup.projectDir : dir;
}

QString CRunCommandLine::GlobalWorkingDirectory(const CRunSetup &setup)
{
    return QFileInfo(setup.file).absolutePath();
}
