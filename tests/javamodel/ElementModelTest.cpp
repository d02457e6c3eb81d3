// Queries and operations on parsed files and their elements: name order,
// descriptions, equality, lookups by line and by name, merging.
#include "javamodel/Argument.h"
#include "javamodel/ClassLookup.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaNames.h"
#include "javamodel/JavaParser.h"
#include "javamodel/NameOrder.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarInnerClass.h"
#include "javamodel/VarInterface.h"
#include "javamodel/VarLocalClass.h"
#include "javamodel/VarMethod.h"
#include "javamodel/VarPackage.h"
#include "javamodel/Variable.h"

#include <QHash>
#include <gtest/gtest.h>
#include <memory>

namespace {

std::unique_ptr<CFileObject> Parse(const char *source)
{
    return std::unique_ptr<CFileObject>(CJavaParser::ParseText(QByteArray(source)));
}

QStringList Names(const QList<CVarMethodDecl *> &list)
{
    QStringList names;
    for (const CVarObject *e : list)
        names << e->m_name;
    return names;
}

CVarMethodDecl *MakeMethod(const QString &name, const QString &type, const QStringList &argTypes)
{
    auto *m = new CVarMethodDecl;
    m->m_name = name;
    m->m_type = type;
    m->m_complete = 1;
    m->m_access = CVarObject::AccessPublic;
    for (const QString &t : argTypes) {
        auto *a = new CArgument;
        a->m_type = t;
        a->m_name = QStringLiteral("p");
        m->m_arguments.append(a);
    }
    return m;
}

TEST(ElementModelTest, MembersStayInNameOrderIgnoringCase)
{
    auto file = Parse("class A {\n"
                      "    void b() { } void C() { } void a() { } void B() { } void c(int x) { }\n"
                      "    int z, Y, x;\n"
                      "}\n");
    const CVarClass *a = file->m_classes[0];
    // An equal name goes before the one already there.
    EXPECT_EQ(Names(a->m_methods), (QStringList{"a", "B", "b", "c", "C"}));
    QStringList vars;
    for (const CVariable *v : a->m_variables)
        vars << v->m_name;
    EXPECT_EQ(vars, (QStringList{"x", "Y", "z"}));

    QList<CVarMethodDecl *> list;
    std::vector<std::unique_ptr<CVarMethodDecl>> owned;
    for (const char *n : {"m", "A.java", "C.java", "b.java", "a.java"}) {
        owned.emplace_back(MakeMethod(QString::fromLatin1(n), QString(), {}));
        InsertByName(list, owned.back().get());
    }
    EXPECT_EQ(Names(list), (QStringList{"a.java", "A.java", "b.java", "C.java", "m"}));
}

TEST(ElementModelTest, ShortensNames)
{
    const struct
    {
        const char *in, *name, *type;
    } rows[] = {
        {"java.awt.Button", "Button", "Button"},
        {"a.b.", "", ""},
        {"java.util.Map<java.lang.String, java.util.List<int[]>>", "List<int[]>>",
         "Map<String, List<int[]>>"},
        {"java.lang.String...", "", "String..."},
        {"Outer<T>.Inner", "Inner", "Outer<T>.Inner"},
    };
    for (const auto &row : rows) {
        const QString in = QString::fromLatin1(row.in);
        EXPECT_EQ(JavaNames::Shorten(in), QString::fromLatin1(row.name)) << row.in;
        EXPECT_EQ(JavaNames::ShortenType(in), QString::fromLatin1(row.type)) << row.in;
    }

    CVarClass c;
    c.m_name = QStringLiteral("java.awt.Frame");
    auto *v = new CVariable;
    v->m_name = QStringLiteral("a.b.c");
    c.m_variables.append(v);
    CVarMethodDecl *m = MakeMethod(QStringLiteral("x.y"), QString(), {QStringLiteral("int")});
    m->m_arguments[0]->m_name = QStringLiteral("q.r");
    c.m_methods.append(m);
    EXPECT_TRUE(c.ShortenNames());
    EXPECT_EQ(c.m_name, QStringLiteral("Frame"));
    EXPECT_EQ(v->m_name, QStringLiteral("c"));
    EXPECT_EQ(m->m_name, QStringLiteral("y"));
    EXPECT_EQ(m->m_arguments[0]->m_name, QStringLiteral("r"));
}

TEST(ElementModelTest, EqualityAndOverriding)
{
    std::unique_ptr<CVarMethodDecl> a(MakeMethod("f", "int", {"int", "String"}));
    std::unique_ptr<CVarMethodDecl> sameArgsOtherNames(MakeMethod("f", "int", {"int", "String"}));
    sameArgsOtherNames->m_arguments[0]->m_name = QStringLiteral("other");
    std::unique_ptr<CVarMethodDecl> otherReturn(MakeMethod("f", "long", {"int", "String"}));
    std::unique_ptr<CVarMethodDecl> otherArgs(MakeMethod("f", "int", {"String", "int"}));
    std::unique_ptr<CVarMethodDecl> fewerArgs(MakeMethod("f", "int", {"int"}));
    EXPECT_TRUE(a->IsEqual(sameArgsOtherNames.get()));
    EXPECT_FALSE(a->IsEqual(otherReturn.get()));
    EXPECT_FALSE(a->IsEqual(otherArgs.get()));
    EXPECT_FALSE(a->IsEqual(fewerArgs.get()));

    CArgument x, y;
    x.m_type = y.m_type = QStringLiteral("int");
    x.m_name = QStringLiteral("x");
    y.m_name = QStringLiteral("y");
    EXPECT_TRUE(x.IsEqual(&y));
    CVariable vx, vy;
    vx.m_type = vy.m_type = QStringLiteral("int");
    vx.m_name = QStringLiteral("x");
    vy.m_name = QStringLiteral("y");
    EXPECT_FALSE(vx.IsEqual(&vy));

    EXPECT_TRUE(a->CanOverride());
    EXPECT_TRUE(a->IsExtensible());
    for (auto change :
         {+[](CVarMethodDecl &m) { m.m_type.clear(); },
          +[](CVarMethodDecl &m) { m.m_complete = 0; }, +[](CVarMethodDecl &m) { m.m_static = 1; },
          +[](CVarMethodDecl &m) { m.m_final = 1; },
          +[](CVarMethodDecl &m) { m.m_access = CVarObject::AccessPrivate; }}) {
        std::unique_ptr<CVarMethodDecl> m(MakeMethod("g", "int", {}));
        change(*m);
        EXPECT_FALSE(m->CanOverride());
        EXPECT_FALSE(m->IsExtensible());
    }

    CVarClass finalClass;
    finalClass.m_final = 1;
    EXPECT_FALSE(finalClass.IsExtensible());
    EXPECT_TRUE(CVarInterface().IsExtensible());
}

TEST(ElementModelTest, MainAndMembers)
{
    auto file = Parse("class NoMain { void main(String[] a) { } }\n"
                      "class WithMain {\n"
                      "    static int main;\n"
                      "    static void main() { }\n"
                      "    int f(int a) { return a; }\n"
                      "    void g() {\n"
                      "    }\n"
                      "}\n");
    EXPECT_FALSE(file->m_classes[0]->HasMain());
    const CVarClass *with = file->m_classes[1];
    EXPECT_TRUE(with->HasMain()); // arguments and return type do not matter
    EXPECT_EQ(file->FindMainClass(), with);

    std::unique_ptr<CVarMethodDecl> probe(MakeMethod("f", "int", {"int"}));
    EXPECT_EQ(with->FindMember(probe.get())->m_name, QStringLiteral("f"));
    EXPECT_TRUE(with->HasMember(probe.get()));
    probe->m_arguments[0]->m_type = QStringLiteral("long");
    EXPECT_FALSE(with->HasMember(probe.get()));

    // Strictly inside the method's lines.
    EXPECT_EQ(with->FindMethodAtLine(6), nullptr);
    EXPECT_EQ(with->FindMethodAtLine(7), nullptr);
    auto doc = Parse("class A {\n void g() {\n  x();\n }\n}\n");
    EXPECT_EQ(doc->m_classes[0]->FindMethodAtLine(3)->m_name, QStringLiteral("g"));
}

TEST(ElementModelTest, AddsMethodCopiesInNameOrder)
{
    CVarClass c;
    c.m_name = QStringLiteral("C");
    std::unique_ptr<CVarMethodDecl> src(MakeMethod("run", "void", {"int", "String"}));
    src->m_synchronized = 1;
    src->m_throws = QStringList{QStringLiteral("E")};
    c.m_methods.append(MakeMethod("zz", "void", {}));
    c.m_methods.append(MakeMethod("aa", "void", {}));
    CVarMethod *copy = c.AddMethodCopy(src.get(), 42);
    CVarMethodDecl *decl = c.AddMethodDeclCopy(src.get(), 7);
    EXPECT_FALSE(copy->IsDeclaration());
    EXPECT_TRUE(decl->IsDeclaration());
    EXPECT_EQ(copy->m_startLine, 42);
    EXPECT_EQ(decl->m_startLine, 7);
    EXPECT_TRUE(copy->IsEqual(src.get()));
    EXPECT_TRUE(decl->IsEqual(src.get()));
    EXPECT_TRUE(copy->m_synchronized);
    EXPECT_EQ(copy->m_throws, src->m_throws);
    EXPECT_NE(copy->m_arguments[0], src->m_arguments[0]); // copies, not shared
    EXPECT_EQ(Names(c.m_methods), (QStringList{"run", "run", "zz", "aa"}));
}

TEST(ElementModelTest, FindsTheClassAtALine)
{
    auto file = Parse("class A {\n"          // 1
                      "  int a;\n"           // 2
                      "  class B {\n"        // 3
                      "    class C {\n"      // 4
                      "    }\n"              // 5
                      "  }\n"                // 6
                      "  interface N { }\n"  // 7
                      "}\n"                  // 8
                      "interface I {\n"      // 9
                      "  class Nested { }\n" // 10
                      "}\n"                  // 11
                      "class Open {\n"       // 12
                      "  void f() {\n");
    // Lines 12 and 13: the class is never closed, its end line is 0.
    QStringList names;
    for (int line : {1, 2, 3, 5, 6, 7, 8, 9, 10, 12, 13}) {
        const CVarContainer *c = file->FindClassAtLine(line);
        names << (c ? c->m_name : QStringLiteral("-"));
    }
    EXPECT_EQ(names.join(' '), "A A B C B N A I Nested - -");
}

TEST(ElementModelTest, FindsClassesByName)
{
    auto file = Parse("class Alpha { class Inner { class Deep { } } interface InIf { } }\n"
                      "class Beta { }\n"
                      "interface Gamma { }\n");
    auto find = [&](const char *name, bool prefix = false) {
        const CVarContainer *c = file->FindClassByName(QString::fromLatin1(name), prefix);
        return c ? c->m_name : QStringLiteral("-");
    };
    EXPECT_EQ(find("beta"), "Beta");
    EXPECT_EQ(find("DEEP"), "Deep");
    EXPECT_EQ(find("InIf"), "InIf");
    EXPECT_EQ(find(""), "-");
    EXPECT_EQ(find("Al", true), "Alpha");
    EXPECT_EQ(find("Al"), "-");
    EXPECT_EQ(find("AlphaBeta", true), "-");
    // Without a package, a dotted name compares its last part.
    EXPECT_EQ(find("x.y.Beta"), "Beta");
    EXPECT_EQ(file->FindClassOnlyByName(QStringLiteral("Gamma")), nullptr);
    EXPECT_EQ(file->FindInterfaceByName(QStringLiteral("Beta")), nullptr);

    auto packaged = Parse("package com.acme; class Tool { }");
    EXPECT_EQ(packaged->FindClassByName(QStringLiteral("org.other.Tool")), nullptr);
    // With a package, a dotted name must hold the package and is compared whole.
    EXPECT_EQ(packaged->FindClassByName(QStringLiteral("com.acme.Tool")), nullptr);
    packaged->m_classes[0]->m_name = QStringLiteral("com.acme.Tool");
    EXPECT_EQ(packaged->FindClassByName(QStringLiteral("COM.ACME.TOOL")), packaged->m_classes[0]);
}

TEST(ElementModelTest, RemovesAndMergesTypes)
{
    auto target = Parse("class Keep { } class Replace { int old; } interface Iface { }");
    auto source =
        Parse("class Replace { int fresh; } class Extra { } interface IFACE { void m(); }");
    ASSERT_TRUE(target->Merge(*source, QStringLiteral("/src/dir/Replace.java")));
    EXPECT_TRUE(source->m_classes.isEmpty());
    EXPECT_TRUE(source->m_interfaces.isEmpty());
    QStringList names;
    for (const CVarClass *c : target->m_classes)
        names << c->m_name + QLatin1Char(':') + c->m_sourceFile;
    EXPECT_EQ(names, (QStringList{"Keep:", "Replace:", "Extra:Replace"}));
    EXPECT_EQ(target->m_classes[1]->m_variables[0]->m_name, QStringLiteral("fresh"));
    ASSERT_EQ(target->m_interfaces.size(), 1);
    EXPECT_EQ(target->m_interfaces[0]->m_name, QStringLiteral("IFACE"));
    EXPECT_EQ(target->m_interfaces[0]->m_sourceFile, QStringLiteral("Replace"));

    EXPECT_TRUE(target->RemoveClass(QStringLiteral("keep")));
    EXPECT_FALSE(target->RemoveClass(QStringLiteral("keep")));
    EXPECT_TRUE(target->RemoveInterface(QStringLiteral("iface")));
    EXPECT_EQ(target->FirstInterface(), nullptr);
    EXPECT_EQ(target->FirstClass()->m_name, QStringLiteral("Replace"));
}

class CMapLookup final : public CClassLookup
{
public:
    const CVarContainer *FindClassByName(const QString &name) const override
    {
        return m_classes.value(name);
    }
    void Add(const QString &name, const QString &base)
    {
        auto *c = new CVarClass;
        c->m_name = name;
        c->m_baseName = base;
        m_owned.emplace_back(c);
        m_classes.insert(name, c);
    }
    QHash<QString, const CVarContainer *> m_classes;
    std::vector<std::unique_ptr<CVarClass>> m_owned;
};

TEST(ElementModelTest, FindsTheAppletClassThroughTheLookup)
{
    CMapLookup lookup;
    lookup.Add(QStringLiteral("Applet"), QStringLiteral("Panel"));
    lookup.Add(QStringLiteral("Panel"), QStringLiteral("Container"));
    lookup.Add(QStringLiteral("JApplet"), QStringLiteral("Applet"));
    lookup.Add(QStringLiteral("Loop1"), QStringLiteral("Loop2"));
    lookup.Add(QStringLiteral("Loop2"), QStringLiteral("Loop1"));

    auto file = Parse("class Plain extends Panel { }\n"
                      "class Unknown extends Mystery { }\n"
                      "class Cycle extends Loop1 { }\n"
                      "class Mine extends javax.swing.JApplet { }\n"
                      "class Direct extends Applet { }\n");
    EXPECT_EQ(file->FindAppletClass(lookup)->m_name, QStringLiteral("Mine"));
    auto direct = Parse("class Direct extends Applet { }");
    EXPECT_EQ(direct->FindAppletClass(lookup)->m_name, QStringLiteral("Direct"));
    // The name must be known to the lookup, even "Applet" itself.
    CMapLookup empty;
    EXPECT_EQ(direct->FindAppletClass(empty), nullptr);
    auto none = Parse("class A extends Panel { } class B { }");
    EXPECT_EQ(none->FindAppletClass(lookup), nullptr);
}

} // namespace
