#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class CArchive;

// Writes project and workspace files the way every earlier release of the
// program laid them out, field by field from the layout tables in
// docs/file-formats.md, with its own object encoding. It shares no code
// with the readers, so a reader that drifts from the documented layout
// fails against it.

struct OldNode
{
    bool folder = false;
    QString name;          // folder name, or the stored file path
    bool resource = false; // a CResourceFileItem
    int flag = 0, open = 0, selStart = 0, selEnd = 0;
    QList<OldNode> children;
};

struct OldBreakpoints
{
    QString path;
    QList<QPair<QString, int>> breakpoints; // class name, line
};

// Every field any version held; a version writes the ones it had.
struct OldProject
{
    QStringList oldFiles; // before version 10
    QString mainClass;
    QString classPath; // from 15
    QString mainHtml;  // from 2
    int compilerFlags[6] = {};
    QString compilerClassPath; // before 15
    QString compilerOutputDir;
    int interpreterFlags[14] = {};
    QString interpreterClassPath; // before 15
    int runInDirectory = 0;       // 16
    QString interpreterValues[7]; // -mx -ms -oss -ss -D, arguments, class to run
    QString runDirectory;         // 16
    QList<OldBreakpoints> breakpoints;
    QString projectDir;
    int deprecation = 0;
    QString compilerCustomOptions;
    QString docClassPath; // before 15
    QString docOutputDir;
    QString docCustomOptions;
    int docFlags[8] = {}; // type, -version, -author, -noindex, -notree, -nodeprecated, cp, -d
    QStringList prevArguments;
    int useCompiler = 0;
    QString compiler;
    int customOptions = 0;
    QStringList prevCustomOptions;
    QString rootPath; // the project file path stored with the tree
    QString rootName;
    quint32 itemSchema = 3; // layout of the file items in the tree
    QList<OldNode> tree;
    QStringList prevCompilerClassPaths, prevCompilerOutputDirs, prevInterpreterClassPaths;
    int classToRun = 0, arguments = 0;
    QStringList prevDocClassPaths, prevDocOutputDirs;
    int rmicFlags[14] = {};
    QString rmicValues[4];
    QStringList rmicClasses;
    int jdbCustom = 0;
    QString jdbOptions;
};

QByteArray WriteOldProject(const OldProject &p, quint32 version);

struct OldProjectEntry
{
    QString name;
    QString path;
    QList<OldNode> children;
};

struct OldWorkspace
{
    int interpreterFlags[16] = {};
    QString interpreterValues[9];
    QStringList interpreterPrev;
    int compilerFlags[9] = {};
    QString compilerValues[5];
    QStringList compilerPrev[3];
    int docFlags1[2] = {};
    QString docValues[3];
    int docFlags2[7] = {};
    QStringList docPrev[2];
    QString rootName = QStringLiteral("Mavu Projects");
    QList<OldProjectEntry> projects;
};

QByteArray WriteOldWorkspace(const OldWorkspace &w, quint32 version);
