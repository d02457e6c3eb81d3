#include "ProjectTestSupport.h"

#include "project/Project.h"
#include "project/ProjectFileItem.h"
#include "project/ProjectFolder.h"
#include "project/ResourceFileItem.h"

#include <QFile>

bool CFakeHost::GetEditorState(const QString &path, int &selStart, int &selEnd) const
{
    const auto it = m_editors.constFind(path);
    if (it == m_editors.constEnd()) {
        selStart = selEnd = 0;
        return false;
    }
    selStart = it->first;
    selEnd = it->second;
    return true;
}

namespace {
QString Ints(std::initializer_list<int> values)
{
    QStringList out;
    for (int v : values)
        out << QString::number(v);
    return out.join(QLatin1Char(','));
}
QString List(const QStringList &l)
{
    return QLatin1Char('[') + l.join(QLatin1Char('|')) + QLatin1Char(']');
}
} // namespace

QStringList DumpTree(const CTreeFolder &folder, int depth)
{
    QStringList out;
    const QString indent(depth * 2, QLatin1Char(' '));
    for (const CTreeItem *child : folder.Children()) {
        if (child->IsFolder()) {
            out << indent + QStringLiteral("folder ") + child->GetName() + QLatin1Char(' ') +
                       QString::fromLatin1(child->GetRuntimeClass()->m_lpszClassName);
            out << DumpTree(static_cast<const CTreeFolder &>(*child), depth + 1);
            continue;
        }
        QString line = indent + QString::fromLatin1(child->GetRuntimeClass()->m_lpszClassName) +
                       QLatin1Char(' ') + child->GetName();
        if (child->IsKindOf(RUNTIME_CLASS(CProjectFileItem))) {
            const auto *item = static_cast<const CProjectFileItem *>(child);
            line += QStringLiteral(" flag=%1 open=%2 sel=%3-%4")
                        .arg(item->m_nFlag)
                        .arg(item->IsOpenInEditor())
                        .arg(item->GetSelStart())
                        .arg(item->GetSelEnd());
        }
        out << line;
    }
    return out;
}

QStringList SortedFiles(const CProject &project)
{
    QStringList files = project.GetFiles();
    files.sort();
    return files;
}

QStringList DumpProject(const CProject &p)
{
    const CCompilerOptions &c = p.m_compiler;
    const CInterpreterOptions &i = p.m_interpreter;
    const CDocOptions &d = p.m_doc;
    const CRmicOptions &r = p.m_rmic;
    QStringList out;
    out << QStringLiteral("path=") + p.GetPathName() << QStringLiteral("dir=") + p.GetProjectDir()
        << QStringLiteral("mainClass=") + p.GetMainClass()
        << QStringLiteral("mainHtml=") + p.GetMainHtml()
        << QStringLiteral("classPath=") + p.m_strClassPath
        << QStringLiteral("compiler=") +
               Ints({c.m_bClassPath, c.m_bOutputDir, c.m_bDebug, c.m_bNoWarn, c.m_bVerbose,
                     c.m_bOptimize, c.m_bDeprecation, c.m_bUseCompiler, c.m_bCustomOptions})
        << QStringLiteral("compilerText=") + QStringList{c.m_strClassPath, c.m_strOutputDir,
                                                         c.m_strCustomOptions, c.m_strCompiler}
                                                 .join(QLatin1Char('|'))
        << QStringLiteral("compilerPrev=") + List(c.m_prevClassPaths) + List(c.m_prevOutputDirs) +
               List(c.m_prevCustomOptions)
        << QStringLiteral("interpreter=") +
               Ints({i.m_bClassPath, i.m_bDebug, i.m_bCheckSource, i.m_bMaxHeap, i.m_bStartHeap,
                     i.m_bNoAsyncGC, i.m_bVerboseGC, i.m_bJavaStack, i.m_bCStack, i.m_bVerbose,
                     i.m_bVerify, i.m_bNoVerify, i.m_bVerifyRemote, i.m_bProperty, i.m_bArguments,
                     i.m_bClassToRun, i.m_bRunInDirectory})
        << QStringLiteral("interpreterText=") +
               QStringList{i.m_strClassPath, i.m_strMaxHeap,    i.m_strStartHeap,
                           i.m_strJavaStack, i.m_strCStack,     i.m_strProperty,
                           i.m_strArguments, i.m_strClassToRun, i.m_strRunDirectory}
                   .join(QLatin1Char('|'))
        << QStringLiteral("interpreterPrev=") + List(i.m_prevClassPaths) + List(i.m_prevArguments)
        << QStringLiteral("doc=") +
               Ints({d.m_bClassPath, d.m_bOutputDir, d.m_nDocType, d.m_bVersion, d.m_bAuthor,
                     d.m_bNoIndex, d.m_bNoTree, d.m_bNoDeprecated})
        << QStringLiteral("docText=") + d.m_strClassPath + QLatin1Char('|') + d.m_strOutputDir +
               QLatin1Char('|') + d.m_strCustomOptions
        << QStringLiteral("docPrev=") + List(d.m_prevClassPaths) + List(d.m_prevOutputDirs)
        << QStringLiteral("rmic=") +
               Ints({r.m_bClassPath, r.m_bCustom, r.m_bDebug, r.m_bDebugTables, r.m_bDepend,
                     r.m_bOutputDir, r.m_bKeepGenerated, r.m_bNoWarn, r.m_bNoWrite, r.m_bOptimize,
                     r.m_bShow, r.m_bSkelDir, r.m_bStubDir, r.m_bVerbose})
        << QStringLiteral("rmicText=") +
               QStringList{r.m_strCustomOptions, r.m_strOutputDirPath, r.m_strSkelDirPath,
                           r.m_strStubDirPath}
                   .join(QLatin1Char('|')) +
               List(r.m_classNames)
        << QStringLiteral("jdb=%1|").arg(p.m_bJdbCustomOptions) + p.m_strJdbCustomOptions;
    out << QStringLiteral("files=") + List(SortedFiles(p));
    for (const CBreakpointList &list : p.GetBreakpointMap()) {
        QString line = QStringLiteral("breakpoints ") + list.m_strPath + QLatin1Char(':');
        for (const CBreakpoint &bp : list.m_breakpoints)
            line += QStringLiteral(" %1@%2").arg(bp.m_strClassName).arg(bp.m_nLine);
        out << line;
    }
    if (p.GetRootFolder())
        out << DumpTree(*p.GetRootFolder());
    return out;
}
