// The recogniser's reading of declarations, edge cases included: what each
// source text gives, as `mavu --parse` lists it.
#include "ParseHelpers.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaParser.h"
#include "javamodel/VarBlockComment.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarImport.h"
#include "javamodel/VarInnerInterface.h"
#include "javamodel/VarLocalClass.h"
#include "javamodel/VarMethod.h"
#include "javamodel/VarPackage.h"
#include "javamodel/Variable.h"
#include "javamodel/WordRing.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

QStringList Expected(const Case &c)
{
    QStringList lines;
    for (const char *e : c.expected)
        lines << QString::fromUtf8(e);
    return lines;
}

std::unique_ptr<CFileObject> Parse(const char *source)
{
    return std::unique_ptr<CFileObject>(CJavaParser::ParseText(QByteArray(source)));
}

const Case kDeclarationCases[] = {
    {"a blank between ')' and throws still closes the argument list first",
     "class A {\n"
     "    void f() throws E { }\n"
     "}\n",
     {"class\tA\t\t1\t3\tA", "method\tf\tA\t2\t2\tvoid f( ) throws E"}},
    {"each declarator of one declaration is a field with the type and modifiers",
     "class A {\n"
     "    final int a, b[], c = 3;\n"
     "    int[] d;\n"
     "}\n",
     {"class\tA\t\t1\t4\tA", "field\ta\tA\t2\t0\tfinal int a", "field\tb\tA\t2\t0\tfinal int b",
      "field\tc\tA\t2\t0\tfinal int c", "field\td\tA\t3\t0\tint[] d"}},
    {"array return types and empty argument lists",
     "class A {\n"
     "    int[] g( ) { return null; }\n"
     "    String[][] h(int[] a, String b[]) { return null; }\n"
     "}\n",
     {"class\tA\t\t1\t4\tA", "method\tg\tA\t2\t2\tint[] g( )",
      "method\th\tA\t3\t3\tString[][] h(int[], String[])"}},
    {"constructors are the class's name before '(' after modifiers only",
     "class Foo {\n"
     "    Foo(int x) { }\n"
     "    Foo make() { return this; }\n"
     "    public Foo other() { return this; }\n"
     "    void foo() { }\n"
     "    protected Foo(String s, int... rest) throws Bad { }\n"
     "}\n",
     {"class\tFoo\t\t1\t7\tFoo", "method\tFoo\tFoo\t2\t2\tFoo(int)",
      // A package-private method returning its own class is a method.
      "method\tmake\tFoo\t3\t3\tFoo make( )", "method\tother\tFoo\t4\t4\tFoo other( )",
      "method\tfoo\tFoo\t5\t5\tvoid foo( )",
      "method\tFoo\tFoo\t6\t6\tFoo(String, int...) throws Bad"}},
    {"an import cut off by another delimiter has no name",
     "import java.util.List,\n"
     "class A {}\n",
     {"import\t\t\t1\t0\t", "class\tA\t\t2\t2\tA"}},
    {"package, imports and a static import",
     "package a.b;\n"
     "import java.util.*;\n"
     "import static java.lang.Math.max;\n"
     "class A {}\n",
     {"package\ta.b\t\t1\t0\t", "import\tjava.util.*\t\t2\t0\t",
      "import\tjava.lang.Math.max\t\t3\t0\t", "class\tA\t\t4\t4\tA"}},
    {"a ';' in an anonymous class of an initializer does not end the field",
     "class A {\n"
     "    Runnable r = new Runnable() {\n"
     "        public void run() { x(); }\n"
     "        int inside;\n"
     "    };\n"
     "    int after;\n"
     "}\n",
     {"class\tA\t\t1\t7\tA", "field\tr\tA\t2\t0\tRunnable r", "field\tafter\tA\t6\t0\tint after"}},
    {"an inner interface extending two interfaces; its comma makes no field",
     "class A {\n"
     "    interface I extends B, C { void m(); }\n"
     "    int x;\n"
     "}\n",
     {"class\tA\t\t1\t4\tA", "inner-interface\tI\tA\t2\t2\tI",
      "method-decl\tm\tA.I\t2\t0\tvoid m( )", "field\tx\tA\t3\t0\tint x"}},
    {"inner classes with their headers, inner classes of inner classes",
     "class A extends java.lang.Object implements java.io.Serializable, Cloneable {\n"
     "    static class B extends A implements Runnable, Comparable {\n"
     "        class C { }\n"
     "        public void run() { }\n"
     "    }\n"
     "}\n",
     {"class\tA\t\t1\t6\tA extends Object implements Serializable, Cloneable",
      "inner-class\tB\tA\t2\t5\tA.B extends A implements Runnable, Comparable",
      "inner-class\tC\tA.B\t3\t3\tB.C", "method\trun\tA.B\t4\t4\tvoid run( )"}},
    {"local classes in method bodies, members after them",
     "class A {\n"
     "    void f() {\n"
     "        if (x) { y(); }\n"
     "        class L extends Thread { void g() { } }\n"
     "        z();\n"
     "    }\n"
     "    int after;\n"
     "}\n",
     {"class\tA\t\t1\t8\tA", "method\tf\tA\t2\t6\tvoid f( )",
      "local-class\tL\tA\t4\t4\tL extends Thread", "method\tg\tA.L\t4\t4\tvoid g( )",
      "field\tafter\tA\t7\t0\tint after"}},
    {"interfaces: declarations, constants, the first extended interface",
     "public interface I extends J, K {\n"
     "    int X = 1, Y = 2;\n"
     "    void m(String s) throws java.io.IOException;\n"
     "    String[] names();\n"
     "}\n",
     {"interface\tI\t\t1\t5\tI", "field\tX\tI\t2\t0\tint X", "field\tY\tI\t2\t0\tint Y",
      "method-decl\tm\tI\t3\t0\tvoid m(String) throws IOException",
      "method-decl\tnames\tI\t4\t0\tString[] names( )"}},
    {"synchronized, native and abstract methods; initializer blocks are skipped",
     "abstract class A {\n"
     "    static { init(); }\n"
     "    { more(); }\n"
     "    public synchronized void s() { }\n"
     "    native int n(long a);\n"
     "    abstract void a();\n"
     "}\n",
     {"class\tA\t\t1\t7\tA", "method\ts\tA\t4\t4\tSync void s( )",
      "method\tn\tA\t5\t5\tint n(long)", "method\ta\tA\t6\t6\tvoid a( )"}},
    {"an unclosed method leaves its class without an end line",
     "class A {\n"
     "    int x;\n"
     "    void f() {\n"
     "        g();\n",
     {"class\tA\t\t1\t0\tA", "field\tx\tA\t2\t0\tint x"}},
    {"a stray ';' after a nested class makes no field",
     "class A {\n"
     "    class B { };\n"
     "    int c;\n"
     "}\n",
     {"class\tA\t\t1\t4\tA", "inner-class\tB\tA\t2\t2\tA.B", "field\tc\tA\t3\t0\tint c"}},
    {"empty bodies written without a blank do not eat the next declaration's first word",
     "class A {\n"
     "    A() {}\n"
     "    public void f() {}\n"
     "    int x;\n"
     "}\n",
     {"class\tA\t\t1\t5\tA", "method\tA\tA\t2\t2\tA( )", "method\tf\tA\t3\t3\tvoid f( )",
      "field\tx\tA\t4\t0\tint x"}},
    {"a ';' right after a comment ends the field before it",
     "class A {\n"
     "    int x/* one */;\n"
     "    int y;\n"
     "}\n",
     {"class\tA\t\t1\t4\tA", "field\tx\tA\t2\t0\tint x", "field\ty\tA\t3\t0\tint y"}},
    {"a qualified type broken after its dot is one type",
     "class A {\n"
     "    A(java.util.\n"
     "          List l) { }\n"
     "}\n",
     {"class\tA\t\t1\t4\tA", "method\tA\tA\t2\t3\tA(List)"}},
    {"words in comments and strings are no code",
     "class A {\n"
     "    /* class Hidden { int no; } */\n"
     "    String s = \"} int nope; {\";\n"
     "    char c = '{';\n"
     "    // void hidden() {\n"
     "    int yes;\n"
     "}\n",
     {"class\tA\t\t1\t7\tA", "field\ts\tA\t3\t0\tString s", "field\tc\tA\t4\t0\tchar c",
      "field\tyes\tA\t6\t0\tint yes"}},
};

class DeclarationTest : public testing::TestWithParam<Case>
{
};

TEST_P(DeclarationTest, ReadsTheDeclarations)
{
    const Case &c = GetParam();
    EXPECT_EQ(ParseLines(QByteArray(c.source)), Expected(c)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Recogniser, DeclarationTest, testing::ValuesIn(kDeclarationCases));

TEST(RecogniserTest, ModifiersReachTheElements)
{
    auto file = Parse("public final class A {\n"
                      "    private static int a, b;\n"
                      "    protected static final synchronized native void n();\n"
                      "    public abstract static class Inner { }\n"
                      "    int plain;\n"
                      "}\n"
                      "abstract class B { }\n");
    ASSERT_EQ(file->m_classes.size(), 2);
    const CVarClass *a = file->m_classes[0];
    EXPECT_EQ(a->m_access, CVarObject::AccessPublic);
    EXPECT_TRUE(a->m_final);
    EXPECT_EQ(a->GetDescription(), QStringLiteral("Final A"));
    EXPECT_TRUE(file->m_classes[1]->m_abstract);
    EXPECT_EQ(file->m_classes[1]->m_access, CVarObject::AccessNone);

    ASSERT_EQ(a->m_variables.size(), 3);
    for (int i : {0, 1}) { // a, b
        EXPECT_EQ(a->m_variables[i]->m_access, CVarObject::AccessPrivate);
        EXPECT_TRUE(a->m_variables[i]->m_static);
        EXPECT_EQ(a->m_variables[i]->m_type, QStringLiteral("int"));
    }
    const CVariable *plain = a->m_variables[2];
    EXPECT_EQ(plain->m_name, QStringLiteral("plain"));
    EXPECT_EQ(plain->m_access, CVarObject::AccessNone);
    EXPECT_FALSE(plain->m_static);

    ASSERT_EQ(a->m_methods.size(), 1);
    const CVarMethodDecl *n = a->m_methods[0];
    EXPECT_EQ(n->m_access, CVarObject::AccessProtected);
    EXPECT_TRUE(n->m_static && n->m_final && n->m_synchronized && n->m_native);
    EXPECT_FALSE(n->m_abstract);
    EXPECT_EQ(n->m_endLine, 3);

    ASSERT_EQ(a->m_innerClasses.size(), 1);
    const CVarClass *inner = a->m_innerClasses[0];
    EXPECT_TRUE(inner->m_abstract && inner->m_static);
    EXPECT_EQ(inner->m_access, CVarObject::AccessPublic);
}

TEST(RecogniserTest, InterfaceHeadersAndMethodDeclarations)
{
    auto file = Parse("class A {\n"
                      "    interface I extends B, C { void m() throws X, y.Z; }\n"
                      "}\n");
    const auto *inner =
        dynamic_cast<CVarInnerInterface *>(file->m_classes[0]->m_innerInterfaces[0]);
    ASSERT_TRUE(inner);
    EXPECT_EQ(inner->m_baseName, QStringLiteral("B"));
    EXPECT_EQ(inner->m_outerName, QStringLiteral("A"));
    ASSERT_EQ(inner->m_methods.size(), 1);
    const CVarMethodDecl *m = inner->m_methods[0];
    EXPECT_TRUE(m->IsDeclaration());
    EXPECT_TRUE(m->m_abstract); // what a declaration starts with
    EXPECT_TRUE(m->m_complete);
    EXPECT_EQ(m->m_throws, (QStringList{QStringLiteral("X"), QStringLiteral("Z")}));
    EXPECT_EQ(m->m_endLine, 0);
}

TEST(RecogniserTest, LocalClassesKnowTheirMethodAndNumber)
{
    auto file = Parse("class Outer {\n"
                      "    void first() { class One { } }\n"
                      "    void second() {\n"
                      "        Runnable r = new Runnable() { public void run() { } };\n"
                      "        class Two { } class Three { }\n"
                      "    }\n"
                      "}\n");
    const CVarClass *outer = file->m_classes[0];
    ASSERT_EQ(outer->m_methods.size(), 2);
    const auto *first = dynamic_cast<CVarMethod *>(outer->m_methods[0]);
    const auto *second = dynamic_cast<CVarMethod *>(outer->m_methods[1]);
    ASSERT_TRUE(first && second);
    ASSERT_EQ(first->m_localClasses.size(), 1);
    ASSERT_EQ(second->m_localClasses.size(), 2);
    const auto *one = dynamic_cast<CVarLocalClass *>(first->m_localClasses[0]);
    const auto *three = dynamic_cast<CVarLocalClass *>(second->m_localClasses[0]);
    const auto *two = dynamic_cast<CVarLocalClass *>(second->m_localClasses[1]);
    ASSERT_TRUE(one && two && three);
    EXPECT_EQ(three->m_name, QStringLiteral("Three")); // kept in name order
    EXPECT_EQ(one->m_methodName, QStringLiteral("first"));
    EXPECT_EQ(two->m_methodName, QStringLiteral("second"));
    EXPECT_EQ(two->m_outerName, QStringLiteral("Outer"));
    EXPECT_EQ(one->m_localNumber, 1);
    EXPECT_EQ(two->m_localNumber, 2);
    EXPECT_EQ(three->m_localNumber, 3);
}

TEST(RecogniserTest, BlockCommentsRecordTheirStartLine)
{
    auto file = Parse("/* one\n"
                      "   two */\n"
                      "class A { /** doc\n"
                      " */ int x; // not a block\n"
                      "}\n"
                      "/* last */");
    ASSERT_EQ(file->m_comments.size(), 3);
    EXPECT_EQ(file->m_comments[0]->m_startLine, 1);
    EXPECT_EQ(file->m_comments[1]->m_startLine, 3);
    EXPECT_EQ(file->m_comments[2]->m_startLine, 6);
    for (const CVarBlockComment *c : file->m_comments)
        EXPECT_EQ(c->m_endLine, 0);
    // The comment spanning lines 3-4 does not shift the field's line.
    EXPECT_EQ(file->m_classes[0]->m_variables[0]->m_startLine, 4);
}

TEST(RecogniserTest, WithoutPackageStatementThereIsNoPackage)
{
    auto file = Parse("class A {}");
    EXPECT_EQ(file->m_package, nullptr);
    auto second = Parse("package p; package q;");
    ASSERT_TRUE(second->m_package);
    EXPECT_EQ(second->m_package->m_name, QStringLiteral("q")); // the last one replaces
}

TEST(RecogniserTest, WordRingWrapsAfterAHundredWords)
{
    CWordRing ring;
    for (int i = 1; i <= 101; ++i)
        ring.PushCopy(QByteArray::number(i).toStdString(), i, 0);
    ASSERT_EQ(ring.InUse(), 100);
    // The 101st word overwrote slot 0; readers see the slots in index order.
    EXPECT_EQ(ring.Word(0), "101");
    EXPECT_EQ(ring.Word(1), "2");
    EXPECT_EQ(ring.Word(99), "100");
    EXPECT_EQ(ring.Position(0), 101);
    EXPECT_EQ(ring.Find("1"), -1);
    ring.Reset();
    EXPECT_EQ(ring.InUse(), 0);
    ring.Push("x", 5, 0);
    EXPECT_EQ(ring.InUse(), 1);
    EXPECT_EQ(ring.FirstPosition(), 5);
}

TEST(RecogniserTest, AHeaderLongerThanTheRingLosesItsKeyword)
{
    // 105 interfaces push "class" out of the ring: the header cannot find
    // it, the class stays without name and incomplete, and what follows is
    // read as top-level text again.
    QByteArray source = "class A implements I0";
    for (int i = 1; i < 105; ++i)
        source += ", I" + QByteArray::number(i);
    source += " { int x; }\nclass B { int y; }\n";
    auto file = CJavaParser::ParseText(source);
    std::unique_ptr<CFileObject> owner(file);
    ASSERT_EQ(file->m_classes.size(), 2);
    EXPECT_TRUE(file->m_classes[0]->m_name.isEmpty());
    EXPECT_FALSE(file->m_classes[0]->m_complete);
    EXPECT_EQ(file->m_classes[1]->m_name, QStringLiteral("B"));
    EXPECT_EQ(file->m_classes[1]->m_variables.size(), 1);
}

TEST(RecogniserTest, PositionsPointIntoTheText)
{
    const QByteArray source = "class Alpha {\n  int beta;\n  void gamma() { }\n}\n";
    std::unique_ptr<CFileObject> file(CJavaParser::ParseText(source));
    const CVarClass *c = file->m_classes[0];
    EXPECT_EQ(c->m_namePos, source.indexOf("class"));
    EXPECT_EQ(c->m_endPos, source.lastIndexOf('}'));
    EXPECT_EQ(c->m_variables[0]->m_namePos, source.indexOf("beta"));
    const auto *gamma = dynamic_cast<const CVarMethod *>(c->m_methods[0]);
    ASSERT_TRUE(gamma);
    EXPECT_EQ(gamma->m_namePos, source.indexOf("gamma"));
    EXPECT_EQ(gamma->m_parenPos, source.indexOf("("));
    EXPECT_EQ(gamma->m_endPos, source.indexOf("}"));
}

} // namespace
