#include "OldLayoutWriter.h"

#include "tree/Archive.h"

#include <QBuffer>
#include <QHash>

namespace {

// Object tags of the archive: a class seen for the first time is written
// with its schema and name; later objects of it refer to its number.
// Classes and objects share one numbering from 1.
class ObjectWriter
{
public:
    explicit ObjectWriter(CArchive &ar) : m_ar(ar) {}

    void Begin(const QString &className, quint32 schema)
    {
        const auto it = m_classes.constFind(className);
        if (it != m_classes.constEnd()) {
            m_ar.WriteWORD(static_cast<quint16>(0x8000 | *it));
        } else {
            m_ar.WriteWORD(0xFFFF);
            m_ar.WriteDWORD(schema);
            m_ar.WriteString(className);
            m_classes.insert(className, m_next++);
        }
        ++m_next; // the object's own number
    }

private:
    CArchive &m_ar;
    QHash<QString, quint32> m_classes;
    quint32 m_next = 1;
};

void WriteNodes(CArchive &ar, ObjectWriter &ow, const QList<OldNode> &nodes, quint32 itemSchema)
{
    for (const OldNode &n : nodes) {
        if (n.folder) {
            ar.WriteDWORD(1);
            ow.Begin(QStringLiteral("CProjectVirtualFolder"), 1);
            ar.WriteDWORD(static_cast<quint32>(n.children.size()));
            ar.WriteString(n.name);
            WriteNodes(ar, ow, n.children, itemSchema);
            continue;
        }
        ar.WriteDWORD(2);
        ow.Begin(n.resource ? QStringLiteral("CResourceFileItem")
                            : QStringLiteral("CProjectFileItem"),
                 itemSchema);
        ar.WriteString(n.name);
        if (itemSchema >= 2)
            ar.WriteDWORD(static_cast<quint32>(n.flag));
        if (itemSchema >= 3) {
            ar.WriteDWORD(static_cast<quint32>(n.open));
            ar.WriteDWORD(static_cast<quint32>(n.selStart));
            ar.WriteDWORD(static_cast<quint32>(n.selEnd));
        }
    }
}

} // namespace

QByteArray WriteOldProject(const OldProject &p, quint32 v)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::store);
    ObjectWriter ow(ar);
    auto dword = [&ar](int x) { ar.WriteDWORD(static_cast<quint32>(x)); };

    dword(static_cast<int>(v));
    if (v < 10)
        ar.WriteStringList(p.oldFiles);
    ar.WriteString(p.mainClass);
    if (v >= 15)
        ar.WriteString(p.classPath);
    if (v >= 2)
        ar.WriteString(p.mainHtml);
    if (v >= 3) { // group A
        for (int f : p.compilerFlags)
            dword(f);
        if (v < 15)
            ar.WriteString(p.compilerClassPath);
        ar.WriteString(p.compilerOutputDir);
        for (int f : p.interpreterFlags)
            dword(f);
        if (v < 15)
            ar.WriteString(p.interpreterClassPath);
        if (v >= 16)
            dword(p.runInDirectory);
        for (const QString &s : p.interpreterValues)
            ar.WriteString(s);
        if (v >= 16)
            ar.WriteString(p.runDirectory);
    }
    if (v >= 4) { // group B
        dword(static_cast<int>(p.breakpoints.size()));
        for (const OldBreakpoints &b : p.breakpoints) {
            ar.WriteString(b.path);
            dword(static_cast<int>(b.breakpoints.size()));
            for (const auto &bp : b.breakpoints) {
                ar.WriteString(bp.first);
                ar.WriteWORD(static_cast<quint16>(bp.second));
            }
        }
    }
    if (v == 5 || v == 6)
        ar.WriteString(p.projectDir);
    if (v >= 7) { // group C
        ar.WriteString(p.projectDir);
        dword(p.deprecation);
        ar.WriteString(p.compilerCustomOptions);
        if (v < 15)
            ar.WriteString(p.docClassPath);
        ar.WriteString(p.docOutputDir);
        ar.WriteString(p.docCustomOptions);
        for (int f : p.docFlags)
            dword(f);
    }
    if (v >= 8) { // group D
        ar.WriteStringArray(p.prevArguments);
        dword(p.useCompiler);
        ar.WriteString(p.compiler);
    }
    if (v >= 9) { // group E
        dword(p.customOptions);
        ar.WriteStringArray(p.prevCustomOptions);
    }
    if (v >= 10) { // group F
        dword(1);
        ow.Begin(QStringLiteral("CProjectFolder"), 1);
        dword(static_cast<int>(p.tree.size()));
        ar.WriteString(p.rootName);
        ar.WriteString(p.rootPath);
        WriteNodes(ar, ow, p.tree, p.itemSchema);
    }
    if (v >= 11) { // group G
        ar.WriteStringArray(p.prevCompilerClassPaths);
        ar.WriteStringArray(p.prevCompilerOutputDirs);
        ar.WriteStringArray(p.prevInterpreterClassPaths);
    }
    if (v >= 12) { // group H
        dword(p.classToRun);
        dword(p.arguments);
        ar.WriteStringArray(p.prevDocClassPaths);
        ar.WriteStringArray(p.prevDocOutputDirs);
    }
    if (v >= 13) { // group I
        for (int f : p.rmicFlags)
            dword(f);
        for (const QString &s : p.rmicValues)
            ar.WriteString(s);
        ar.WriteStringArray(p.rmicClasses);
    }
    if (v >= 14) {
        dword(p.jdbCustom);
        ar.WriteString(p.jdbOptions);
    }
    return bytes;
}

QByteArray WriteOldWorkspace(const OldWorkspace &w, quint32 v)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::store);
    ObjectWriter ow(ar);
    auto dword = [&ar](int x) { ar.WriteDWORD(static_cast<quint32>(x)); };

    dword(static_cast<int>(v));
    if (v >= 101) {
        // Interpreter: 14 flags, then the custom-options flag (103) and the
        // custom-interpreter flag (104); 7 strings, then the custom options
        // (103) and the interpreter command (104).
        const int flags = v >= 104 ? 16 : v >= 103 ? 15 : 14;
        for (int i = 0; i < flags; ++i)
            dword(w.interpreterFlags[i]);
        const int values = v >= 104 ? 9 : v >= 103 ? 8 : 7;
        for (int i = 0; i < values; ++i)
            ar.WriteString(w.interpreterValues[i]);
        ar.WriteStringArray(w.interpreterPrev);
        for (int f : w.compilerFlags)
            dword(f);
        for (const QString &s : w.compilerValues)
            ar.WriteString(s);
        for (const QStringList &l : w.compilerPrev)
            ar.WriteStringArray(l);
        for (int f : w.docFlags1)
            dword(f);
        for (const QString &s : w.docValues)
            ar.WriteString(s);
        for (int f : w.docFlags2)
            dword(f);
        for (const QStringList &l : w.docPrev)
            ar.WriteStringArray(l);
    }
    dword(1);
    ow.Begin(QStringLiteral("CProjectRootFolder"), 1);
    dword(static_cast<int>(w.projects.size()));
    ar.WriteString(w.rootName);
    for (const OldProjectEntry &e : w.projects) {
        dword(1);
        ow.Begin(QStringLiteral("CProjectFolder"), 1);
        dword(static_cast<int>(e.children.size()));
        ar.WriteString(e.name);
        ar.WriteString(e.path);
        WriteNodes(ar, ow, e.children, 3);
    }
    return bytes;
}
