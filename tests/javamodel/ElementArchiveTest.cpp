// Elements in archives: every kind written and read back, the layouts of
// older schemas, and damaged data.
#include "javamodel/Argument.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaModel.h"
#include "javamodel/JavaParser.h"
#include "javamodel/VarBlockComment.h"
#include "javamodel/VarImport.h"
#include "javamodel/VarInnerInterface.h"
#include "javamodel/VarLocalClass.h"
#include "javamodel/VarMethod.h"
#include "javamodel/VarPackage.h"
#include "javamodel/Variable.h"
#include "tree/Archive.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Every stored field of an element tree, one line per element.
void Dump(const CObject *obj, QStringList &out, const QString &indent = QString());

QString Fields(const CVarObject *e)
{
    return QStringLiteral("%1 name=%2 type=%3 lines=%4-%5 acc=%6 body=%7 done=%8 s=%9 f=%10 a=%11")
        .arg(QString::fromLatin1(e->GetRuntimeClass()->m_lpszClassName), e->m_name, e->m_type)
        .arg(e->m_startLine)
        .arg(e->m_endLine)
        .arg(e->m_access)
        .arg(e->m_inBody)
        .arg(e->m_complete)
        .arg(e->m_static)
        .arg(e->m_final)
        .arg(e->m_abstract);
}

template <class T> void DumpList(const QList<T *> &list, QStringList &out, const QString &indent)
{
    for (const T *e : list)
        Dump(e, out, indent);
}

void Dump(const CObject *obj, QStringList &out, const QString &indent)
{
    const QString in = indent + QStringLiteral("  ");
    if (const auto *file = dynamic_cast<const CFileObject *>(obj)) {
        out << indent + QStringLiteral("file");
        DumpList(file->m_classes, out, in);
        DumpList(file->m_interfaces, out, in);
        DumpList(file->m_imports, out, in);
        return;
    }
    const auto *e = dynamic_cast<const CVarObject *>(obj);
    ASSERT_TRUE(e);
    out << indent + Fields(e);
    if (const auto *c = dynamic_cast<const CVarContainer *>(e)) {
        out << in + QStringLiteral("base=%1 source=%2").arg(c->m_baseName, c->m_sourceFile);
        DumpList(c->m_methods, out, in);
        DumpList(c->m_variables, out, in);
        if (const auto *cls = dynamic_cast<const CVarClass *>(c))
            out << in + QStringLiteral("implements=") + cls->m_interfaces.join(QLatin1Char(','));
        if (const QList<CVarClass *> *inner = c->InnerClasses())
            DumpList(*inner, out, in);
        if (const QList<CVarInterface *> *inner = c->InnerInterfaces())
            DumpList(*inner, out, in);
    }
    if (const auto *i = dynamic_cast<const CVarInnerClass *>(e))
        out << in + QStringLiteral("outer=") + i->m_outerName;
    if (const auto *l = dynamic_cast<const CVarLocalClass *>(e))
        out << in + QStringLiteral("method=") + l->m_methodName;
    if (const auto *i = dynamic_cast<const CVarInnerInterface *>(e))
        out << in + QStringLiteral("outer=") + i->m_outerName;
    if (const auto *m = dynamic_cast<const CVarMethodDecl *>(e)) {
        out << in + QStringLiteral("sync=%1 native=%2 throws=%3")
                        .arg(m->m_synchronized)
                        .arg(m->m_native)
                        .arg(m->m_throws.join(QLatin1Char(',')));
        DumpList(m->m_arguments, out, in);
    }
    if (const auto *m = dynamic_cast<const CVarMethod *>(e))
        DumpList(m->m_localClasses, out, in);
}

QStringList Dump(const CObject *obj)
{
    QStringList out;
    Dump(obj, out);
    return out;
}

QByteArray Store(const CObject *obj)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::store);
    ar.WriteObject(obj);
    return bytes;
}

// Whether the last Load read an element of an older schema.
bool g_olderSchemaRead = false;

std::unique_ptr<CObject> Load(const QByteArray &bytes, const CRuntimeClass *base)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    CArchive ar(&buffer, CArchive::load);
    g_olderSchemaRead = false;
    std::unique_ptr<CObject> obj(ar.ReadObject(base));
    g_olderSchemaRead = ar.OlderSchemaRead();
    return obj;
}

// A source with an element of every kind the recogniser makes.
const char kEveryKind[] = R"(package p.q;
import java.util.*;
import static java.lang.Math.max;
public abstract class Outer<T> extends p.Base implements java.io.Serializable, Cloneable {
    private static final int[] A = {1}, B = null;
    protected abstract java.util.List<String> names(int a, String... rest) throws java.io.IOException;
    public synchronized native void nat();
    Outer() { class Local extends Thread { int n; void go() { } } }
    static class Inner implements Runnable { public void run() { } }
    interface InnerFace extends Runnable { void stop(); }
    enum Color { RED, GREEN; int shade; }
    record Pair(int a, int b) { }
}
interface Api extends Base2 {
    int LIMIT = 10;
    String name() throws E;
    default void twice() { name(); }
    interface Nested { }
    class Helper { }
}
)";

class ElementArchiveTest : public testing::Test
{
protected:
    void SetUp() override { RegisterJavaModelClasses(); }
};

// Loading makes every method of an interface public.
void MakeInterfaceMethodsPublic(const QList<CVarInterface *> &interfaces)
{
    for (CVarInterface *i : interfaces) {
        for (CVarMethodDecl *m : std::as_const(i->m_methods))
            m->m_access = CVarObject::AccessPublic;
        MakeInterfaceMethodsPublic(i->m_innerInterfaces);
    }
}

void MakeInterfaceMethodsPublic(const QList<CVarClass *> &classes)
{
    for (CVarClass *c : classes) {
        MakeInterfaceMethodsPublic(c->m_innerInterfaces);
        MakeInterfaceMethodsPublic(c->m_innerClasses);
    }
}

TEST_F(ElementArchiveTest, EveryKindSurvivesARoundTrip)
{
    std::unique_ptr<CFileObject> parsed(CJavaParser::ParseText(kEveryKind));
    // Make sure the source did give every kind, or the test proves little.
    const QString all = Dump(parsed.get()).join(QLatin1Char('\n'));
    for (const char *kind : {"CVarClass ", "CVarInnerClass ", "CVarLocalClass ", "CVarInterface ",
                             "CVarInnerInterface ", "CVarMethodDecl ", "CVarMethod ", "CVariable ",
                             "CArgument ", "CVarImport "})
        EXPECT_TRUE(all.contains(QLatin1String(kind))) << kind;
    ASSERT_EQ(parsed->m_interfaces[0]->m_methods[0]->m_access, CVarObject::AccessNone);

    const QByteArray bytes = Store(parsed.get());
    std::unique_ptr<CObject> loaded = Load(bytes, RUNTIME_CLASS(CFileObject));
    EXPECT_FALSE(g_olderSchemaRead);
    const auto *file = static_cast<CFileObject *>(loaded.get());
    for (const CVarMethodDecl *m : file->m_interfaces[0]->m_methods)
        EXPECT_EQ(m->m_access, CVarObject::AccessPublic) << m->m_name.toStdString();

    MakeInterfaceMethodsPublic(parsed->m_interfaces);
    MakeInterfaceMethodsPublic(parsed->m_classes);
    EXPECT_EQ(Dump(loaded.get()), Dump(parsed.get()));
    // Written again, the loaded tree gives the same bytes.
    EXPECT_EQ(Store(loaded.get()), Store(parsed.get()));
}

// Package objects go through the package database's file (PkgDocFileTest).
TEST_F(ElementArchiveTest, SingleElements)
{
    // Elements that only appear alone: the package element, a block
    // comment (a pattern, plain schema 1), a bare element.
    CVarPackage package;
    package.m_name = QStringLiteral("p");
    package.m_startLine = 3;
    package.m_complete = 1;
    CVarBlockComment comment;
    comment.m_startLine = 7;
    CVarObject bare;
    bare.m_name = QStringLiteral("bare");
    bare.m_abstract = 1;
    for (const CVarObject *e :
         std::initializer_list<const CVarObject *>{&package, &comment, &bare}) {
        std::unique_ptr<CObject> back = Load(Store(e), RUNTIME_CLASS(CVarObject));
        EXPECT_EQ(Dump(back.get()), Dump(e));
    }
    EXPECT_FALSE(g_olderSchemaRead);
}

// Writes objects the way an older version of the program stored them.
class COldWriter
{
public:
    COldWriter()
        : m_buffer(&m_bytes),
          m_ar((m_buffer.open(QIODevice::WriteOnly), &m_buffer), CArchive::store)
    {
    }

    void Begin(const char *cls, quint32 schema)
    {
        m_ar.WriteWORD(0xFFFF);
        m_ar.WriteDWORD(schema);
        m_ar.WriteString(QString::fromLatin1(cls));
    }
    // The base element part; abstract only from schema 3 on.
    void Element(const QString &name, const QString &type, quint32 schema, int flags = 0)
    {
        m_ar.WriteString(name);
        m_ar.WriteInt(10); // start line
        m_ar.WriteInt(20); // end line
        m_ar.WriteInt(CVarObject::AccessPublic);
        m_ar.WriteInt(0);
        m_ar.WriteInt(1); // complete
        m_ar.WriteInt(flags & 1);
        m_ar.WriteInt((flags >> 1) & 1);
        m_ar.WriteString(type);
        if (schema >= 3)
            m_ar.WriteInt((flags >> 2) & 1);
    }
    CArchive &Ar() { return m_ar; }
    QByteArray Bytes()
    {
        m_buffer.close();
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    QBuffer m_buffer;
    CArchive m_ar;
};

TEST_F(ElementArchiveTest, ReadsOlderSchemas)
{
    // A schema 4 class whose method was stored with schema 2: no abstract,
    // synchronized, native or throws, no local classes.
    {
        COldWriter w;
        w.Begin("CVarClass", 4);
        w.Element(QStringLiteral("C"), QString(), 4, 4);
        w.Ar().WriteDWORD(1);
        w.Begin("CVarMethod", 2);
        w.Element(QStringLiteral("m"), QStringLiteral("int"), 2, 1);
        w.Ar().WriteDWORD(1);
        w.Begin("CArgument", 2);
        w.Element(QStringLiteral("x"), QStringLiteral("long"), 2);
        w.Ar().WriteDWORD(0);                    // variables
        w.Ar().WriteString(QStringLiteral("B")); // base
        w.Ar().WriteString(QString());           // source file
        w.Ar().WriteStringArray({QStringLiteral("I"), QStringLiteral("J")});
        w.Ar().WriteDWORD(0);
        w.Ar().WriteDWORD(0);
        std::unique_ptr<CObject> obj = Load(w.Bytes(), RUNTIME_CLASS(CVarClass));
        const auto *c = dynamic_cast<CVarClass *>(obj.get());
        ASSERT_TRUE(c);
        EXPECT_TRUE(c->m_abstract);
        EXPECT_EQ(c->m_interfaces, (QStringList{"I", "J"}));
        ASSERT_EQ(c->m_methods.size(), 1);
        const auto *m = dynamic_cast<CVarMethod *>(c->m_methods[0]);
        ASSERT_TRUE(m);
        EXPECT_EQ(m->m_loadedSchema, 2);
        EXPECT_FALSE(m->m_abstract);
        EXPECT_FALSE(m->m_synchronized || m->m_native);
        EXPECT_TRUE(m->m_throws.isEmpty());
        EXPECT_TRUE(m->m_localClasses.isEmpty());
        EXPECT_TRUE(m->m_static);
        ASSERT_EQ(m->m_arguments.size(), 1);
        EXPECT_EQ(m->m_arguments[0]->m_type, QStringLiteral("long"));
        EXPECT_TRUE(g_olderSchemaRead);
    }
    // A class of schema 1: one interface name, no inner classes, no
    // source-file name.
    {
        COldWriter w;
        w.Begin("CVarClass", 1);
        w.Element(QStringLiteral("Old"), QString(), 1, 2);
        w.Ar().WriteDWORD(0);
        w.Ar().WriteDWORD(1);
        w.Begin("CVariable", 1);
        w.Element(QStringLiteral("v"), QStringLiteral("int"), 1);
        w.Ar().WriteString(QStringLiteral("Base"));
        w.Ar().WriteString(QStringLiteral("OnlyIface"));
        const QByteArray bytes = w.Bytes();
        std::unique_ptr<CObject> obj = Load(bytes, RUNTIME_CLASS(CVarClass));
        const auto *c = dynamic_cast<CVarClass *>(obj.get());
        ASSERT_TRUE(c);
        EXPECT_EQ(c->m_name, QStringLiteral("Old"));
        EXPECT_TRUE(c->m_final);
        EXPECT_EQ(c->m_baseName, QStringLiteral("Base"));
        EXPECT_EQ(c->m_interfaces, QStringList{QStringLiteral("OnlyIface")});
        EXPECT_TRUE(c->m_innerClasses.isEmpty());
        EXPECT_TRUE(c->m_sourceFile.isEmpty());
        EXPECT_EQ(c->m_variables[0]->m_name, QStringLiteral("v"));
        EXPECT_TRUE(g_olderSchemaRead);
    }
    // Schema 2: the interface array and nothing more; schema 3: everything
    // but the source-file name.
    for (quint32 schema : {2u, 3u}) {
        COldWriter w;
        w.Begin("CVarInnerClass", schema);
        w.Element(QStringLiteral("In"), QString(), schema);
        w.Ar().WriteDWORD(0);
        w.Ar().WriteDWORD(0);
        w.Ar().WriteString(QString());
        w.Ar().WriteStringArray({QStringLiteral("A"), QStringLiteral("B")});
        if (schema == 3) {
            w.Ar().WriteDWORD(1);
            w.Begin("CVarInnerClass", 3);
            w.Element(QStringLiteral("Deeper"), QString(), 3);
            w.Ar().WriteDWORD(0);
            w.Ar().WriteDWORD(0);
            w.Ar().WriteString(QString());
            w.Ar().WriteStringArray({});
            w.Ar().WriteDWORD(0);
            w.Ar().WriteDWORD(0);
            w.Ar().WriteString(QStringLiteral("In"));
            w.Ar().WriteDWORD(0);
        }
        w.Ar().WriteString(QStringLiteral("Outer"));
        std::unique_ptr<CObject> obj = Load(w.Bytes(), RUNTIME_CLASS(CVarClass));
        const auto *c = dynamic_cast<CVarInnerClass *>(obj.get());
        ASSERT_TRUE(c) << schema;
        EXPECT_EQ(c->m_interfaces, (QStringList{"A", "B"}));
        EXPECT_EQ(c->m_outerName, QStringLiteral("Outer"));
        EXPECT_EQ(c->m_innerClasses.size(), schema == 3 ? 1 : 0);
        EXPECT_EQ(g_olderSchemaRead, schema < 3);
    }
}

TEST_F(ElementArchiveTest, DamagedDataIsRefusedWithAReason)
{
    std::unique_ptr<CFileObject> parsed(CJavaParser::ParseText(kEveryKind));
    const QByteArray bytes = Store(parsed.get());

    // Cut anywhere, an unknown class name, something else where a file is
    // expected, an absurd member count: an exception with a reason, never a
    // crash or a half-built tree.
    const auto refused = [](const QByteArray &data, const CRuntimeClass *base) {
        try {
            Load(data, base);
        } catch (const CArchiveException &e) {
            EXPECT_FALSE(e.Message().isEmpty());
            return e;
        }
        ADD_FAILURE() << "loaded";
        return CArchiveException(CArchiveException::WriteFailed, QString());
    };
    for (int len = 0; len < bytes.size(); len += (len < 200 ? 1 : 7))
        refused(bytes.left(len), RUNTIME_CLASS(CFileObject));

    QByteArray unknown = bytes;
    const qsizetype at = unknown.indexOf("CVarMethodDecl");
    ASSERT_GE(at, 0);
    unknown[at + 4] = 'X';
    const CArchiveException e = refused(unknown, RUNTIME_CLASS(CFileObject));
    EXPECT_EQ(e.m_cause, CArchiveException::UnknownClass);
    EXPECT_TRUE(e.m_detail.contains(QLatin1String("CVarXethodDecl")));

    CVarImport import;
    EXPECT_EQ(refused(Store(&import), RUNTIME_CLASS(CFileObject)).m_cause,
              CArchiveException::BadClass);

    COldWriter w;
    w.Begin("CVarClass", 4);
    w.Element(QStringLiteral("C"), QString(), 4);
    w.Ar().WriteDWORD(0x7FFFFFFF);
    refused(w.Bytes(), RUNTIME_CLASS(CVarClass));

    // Random damage: either a clean load or an exception.
    QRandomGenerator rng(1234);
    for (int round = 0; round < 300; ++round) {
        QByteArray damaged = bytes;
        for (int k = 0; k < 3; ++k)
            damaged[rng.bounded(int(damaged.size()))] = char(rng.bounded(256));
        try {
            Load(damaged, RUNTIME_CLASS(CFileObject));
        } catch (const CArchiveException &) {
        }
    }
}

} // namespace
