#pragma once

#include <QString>
#include <QStringList>

class CArchive;

// Tool option records. The workspace keeps one set of each as the defaults
// ("Root options") and every project keeps its own; the command builders add
// a flag when either set has it on. Flags are kept as the ints they are on
// disk so that a file read and written again stays byte for byte the same.
// Which fields each file stores, and in which order, is decided by the
// project and workspace Serialize code, not here.

// javac
struct CCompilerOptions
{
    int m_bClassPath = 0;     // "Classpath path (-classpath)"
    int m_bOutputDir = 0;     // -d
    int m_bDebug = 0;         // -g
    int m_bNoWarn = 0;        // -nowarn
    int m_bVerbose = 0;       // -verbose
    int m_bOptimize = 0;      // -O
    int m_bDeprecation = 0;   // -deprecation
    int m_bUseCompiler = 0;   // custom compiler command replaces javac
    int m_bCustomOptions = 0; // custom options sent as is

    QString m_strClassPath; // per-tool class path (workspace; projects before they had one)
    QString m_strOutputDir;
    QString m_strExtra; // a workspace setting kept for the option dialogs
    QString m_strCustomOptions;
    QString m_strCompiler; // custom compiler command

    // Values used before, offered again by the dialogs.
    QStringList m_prevClassPaths;
    QStringList m_prevOutputDirs;
    QStringList m_prevCustomOptions;

    void ExchangeWorkspace(CArchive &ar);
    // Groups 3, 7, 8, 9 and 11. Before version 15 group 3 held a class path
    // of its own, read into oldClassPath.
    void ExchangeProject(CArchive &ar, int group, quint32 version, QString &oldClassPath);

    bool operator==(const CCompilerOptions &) const = default;
};

// java (and, for a project, what to run and how)
struct CInterpreterOptions
{
    int m_bClassPath = 0;
    int m_bDebug = 0;          // "Debug (-debug)"
    int m_bCheckSource = 0;    // -cs
    int m_bMaxHeap = 0;        // -mx
    int m_bStartHeap = 0;      // -ms
    int m_bNoAsyncGC = 0;      // -noasyncgc
    int m_bVerboseGC = 0;      // -verbosegc
    int m_bJavaStack = 0;      // -oss
    int m_bCStack = 0;         // -ss
    int m_bVerbose = 0;        // -verbose
    int m_bVerify = 0;         // -verify
    int m_bNoVerify = 0;       // -noverify
    int m_bVerifyRemote = 0;   // -verifyremote
    int m_bProperty = 0;       // -D
    int m_bCustomOptions = 0;  // workspace only
    int m_bUseInterpreter = 0; // workspace only

    QString m_strClassPath;
    QString m_strMaxHeap;
    QString m_strStartHeap;
    QString m_strJavaStack;
    QString m_strCStack;
    QString m_strProperty;
    QString m_strExtra; // a workspace setting kept for the option dialogs
    QString m_strCustomOptions;
    QString m_strInterpreter; // custom interpreter command

    QStringList m_prevClassPaths;

    // Project only: what to run, with which arguments, where.
    int m_bArguments = 0;      // "Command Line Options"
    int m_bClassToRun = 0;     // "Java Class Name to Run"
    int m_bRunInDirectory = 0; // "Execute program in directory"
    QString m_strArguments;
    QString m_strClassToRun;
    QString m_strRunDirectory;
    QStringList m_prevArguments;

    // The custom options came with workspace version 103, the custom
    // interpreter with 104.
    void ExchangeWorkspace(CArchive &ar, quint32 version);
    // Groups 3, 8, 11 and 12; see CCompilerOptions.
    void ExchangeProject(CArchive &ar, int group, quint32 version, QString &oldClassPath);

    bool operator==(const CInterpreterOptions &) const = default;
};

// javadoc
struct CDocOptions
{
    int m_bClassPath = 0;
    int m_bOutputDir = 0;
    int m_nDocType = 1; // 1 = HTML, 2 = "-doctype MIF"
    int m_bVersion = 0;
    int m_bAuthor = 0;
    int m_bNoIndex = 0;
    int m_bNoTree = 0;
    int m_bNoDeprecated = 0;
    int m_bCustomOptions = 0; // workspace only

    QString m_strClassPath;
    QString m_strOutputDir;
    QString m_strCustomOptions;

    QStringList m_prevClassPaths;
    QStringList m_prevOutputDirs;

    void ExchangeWorkspace(CArchive &ar);
    // Groups 7 and 12; see CCompilerOptions.
    void ExchangeProject(CArchive &ar, int group, quint32 version, QString &oldClassPath);

    bool operator==(const CDocOptions &) const = default;
};

// rmic, as a project keeps it; the same fields and order as the
// application's "RMIC"/"RIMC" settings.
struct CRmicOptions
{
    int m_bClassPath = 0; // use the project class path
    int m_bCustom = 0;
    int m_bDebug = 0;
    int m_bDebugTables = 0;
    int m_bDepend = 0;
    int m_bOutputDir = 0;
    int m_bKeepGenerated = 0;
    int m_bNoWarn = 0;
    int m_bNoWrite = 0;
    int m_bOptimize = 0;
    int m_bShow = 0;
    int m_bSkelDir = 0;
    int m_bStubDir = 0;
    int m_bVerbose = 0;

    QString m_strCustomOptions;
    QString m_strOutputDirPath;
    QString m_strSkelDirPath;
    QString m_strStubDirPath;

    QStringList m_classNames;

    // Group 13, the only one rmic has.
    void ExchangeProject(CArchive &ar);

    bool operator==(const CRmicOptions &) const = default;
};
