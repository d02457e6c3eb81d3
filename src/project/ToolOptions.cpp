#include "project/ToolOptions.h"

#include "tree/Archive.h"

#include <initializer_list>

namespace {

void ExchangeAll(CArchive &ar, std::initializer_list<int *> flags)
{
    for (int *flag : flags)
        ar.Exchange(*flag);
}

void ExchangeAll(CArchive &ar, std::initializer_list<QString *> values)
{
    for (QString *value : values)
        ar.Exchange(*value);
}

} // namespace

// ---- javac

void CCompilerOptions::ExchangeWorkspace(CArchive &ar)
{
    ExchangeAll(ar, {&m_bClassPath, &m_bOutputDir, &m_bVerbose, &m_bOptimize, &m_bDebug, &m_bNoWarn,
                     &m_bDeprecation, &m_bUseCompiler, &m_bCustomOptions});
    ExchangeAll(
        ar, {&m_strClassPath, &m_strOutputDir, &m_strExtra, &m_strCustomOptions, &m_strCompiler});
    ar.ExchangeStringArray(m_prevClassPaths);
    ar.ExchangeStringArray(m_prevOutputDirs);
    ar.ExchangeStringArray(m_prevCustomOptions);
}

void CCompilerOptions::ExchangeProject(CArchive &ar, int group, quint32 version,
                                       QString &oldClassPath)
{
    switch (group) {
    case 3:
        ExchangeAll(
            ar, {&m_bClassPath, &m_bOutputDir, &m_bDebug, &m_bNoWarn, &m_bVerbose, &m_bOptimize});
        if (version < 15)
            ar.Exchange(oldClassPath);
        ar.Exchange(m_strOutputDir);
        break;
    case 7:
        ar.Exchange(m_bDeprecation);
        ar.Exchange(m_strCustomOptions);
        break;
    case 8:
        ar.Exchange(m_bUseCompiler);
        ar.Exchange(m_strCompiler);
        break;
    case 9:
        ar.Exchange(m_bCustomOptions);
        ar.ExchangeStringArray(m_prevCustomOptions);
        break;
    case 11:
        ar.ExchangeStringArray(m_prevClassPaths);
        ar.ExchangeStringArray(m_prevOutputDirs);
        break;
    }
}

// ---- java

void CInterpreterOptions::ExchangeWorkspace(CArchive &ar, quint32 version)
{
    ExchangeAll(ar, {&m_bClassPath, &m_bDebug, &m_bCheckSource, &m_bMaxHeap, &m_bStartHeap,
                     &m_bNoAsyncGC, &m_bVerboseGC, &m_bJavaStack, &m_bCStack, &m_bVerbose,
                     &m_bVerify, &m_bNoVerify, &m_bVerifyRemote, &m_bProperty});
    if (version >= 103)
        ar.Exchange(m_bCustomOptions);
    if (version >= 104)
        ar.Exchange(m_bUseInterpreter);
    ExchangeAll(ar, {&m_strClassPath, &m_strMaxHeap, &m_strStartHeap, &m_strJavaStack, &m_strCStack,
                     &m_strProperty, &m_strExtra});
    if (version >= 103)
        ar.Exchange(m_strCustomOptions);
    if (version >= 104)
        ar.Exchange(m_strInterpreter);
    ar.ExchangeStringArray(m_prevClassPaths);
}

void CInterpreterOptions::ExchangeProject(CArchive &ar, int group, quint32 version,
                                          QString &oldClassPath)
{
    switch (group) {
    case 3:
        ExchangeAll(ar, {&m_bClassPath, &m_bDebug, &m_bCheckSource, &m_bMaxHeap, &m_bStartHeap,
                         &m_bNoAsyncGC, &m_bVerboseGC, &m_bJavaStack, &m_bCStack, &m_bVerbose,
                         &m_bVerify, &m_bNoVerify, &m_bVerifyRemote, &m_bProperty});
        if (version < 15)
            ar.Exchange(oldClassPath);
        if (version >= 16)
            ar.Exchange(m_bRunInDirectory);
        ExchangeAll(ar, {&m_strMaxHeap, &m_strStartHeap, &m_strJavaStack, &m_strCStack,
                         &m_strProperty, &m_strArguments, &m_strClassToRun});
        if (version >= 16)
            ar.Exchange(m_strRunDirectory);
        break;
    case 8:
        ar.ExchangeStringArray(m_prevArguments);
        break;
    case 11:
        ar.ExchangeStringArray(m_prevClassPaths);
        break;
    case 12:
        ar.Exchange(m_bClassToRun);
        ar.Exchange(m_bArguments);
        break;
    }
}

// ---- javadoc

void CDocOptions::ExchangeWorkspace(CArchive &ar)
{
    ar.Exchange(m_bClassPath);
    ar.Exchange(m_bOutputDir);
    ExchangeAll(ar, {&m_strClassPath, &m_strOutputDir, &m_strCustomOptions});
    ExchangeAll(ar, {&m_nDocType, &m_bVersion, &m_bAuthor, &m_bNoIndex, &m_bNoTree,
                     &m_bNoDeprecated, &m_bCustomOptions});
    ar.ExchangeStringArray(m_prevClassPaths);
    ar.ExchangeStringArray(m_prevOutputDirs);
}

void CDocOptions::ExchangeProject(CArchive &ar, int group, quint32 version, QString &oldClassPath)
{
    switch (group) {
    case 7:
        if (version < 15)
            ar.Exchange(oldClassPath);
        ar.Exchange(m_strOutputDir);
        ar.Exchange(m_strCustomOptions);
        ExchangeAll(ar, {&m_nDocType, &m_bVersion, &m_bAuthor, &m_bNoIndex, &m_bNoTree,
                         &m_bNoDeprecated, &m_bClassPath, &m_bOutputDir});
        break;
    case 12:
        ar.ExchangeStringArray(m_prevClassPaths);
        ar.ExchangeStringArray(m_prevOutputDirs);
        break;
    }
}

// ---- rmic

void CRmicOptions::ExchangeProject(CArchive &ar)
{
    ExchangeAll(ar, {&m_bClassPath, &m_bCustom, &m_bDebug, &m_bDebugTables, &m_bDepend,
                     &m_bOutputDir, &m_bKeepGenerated, &m_bNoWarn, &m_bNoWrite, &m_bOptimize,
                     &m_bShow, &m_bSkelDir, &m_bStubDir, &m_bVerbose});
    ExchangeAll(ar,
                {&m_strCustomOptions, &m_strOutputDirPath, &m_strSkelDirPath, &m_strStubDirPath});
    ar.ExchangeStringArray(m_classNames);
}
