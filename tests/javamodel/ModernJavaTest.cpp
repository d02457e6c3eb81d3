// Today's Java: generics, annotations, enums, records, annotation types,
// interface methods with bodies, lambdas, text blocks, sealed hierarchies,
// module and package descriptors. Each must leave the declarations around
// it read as they are.
#include "ParseHelpers.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaParser.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarInterface.h"
#include "javamodel/VarMethod.h"
#include "javamodel/Variable.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

const Case kCases[] = {
    {"a parameterised field type is one type",
     "class A {\n"
     "    Map<String, List<Integer>> m;\n"
     "    java.util.Map<? extends K, ? super V>[] arr, more;\n"
     "    Outer<T>.Inner<U> nested;\n"
     "}\n",
     {"class\tA\t\t1\t5\tA", "field\tm\tA\t2\t0\tMap<String, List<Integer>> m",
      "field\tarr\tA\t3\t0\tMap<? extends K, ? super V>[] arr",
      "field\tmore\tA\t3\t0\tMap<? extends K, ? super V>[] more",
      "field\tnested\tA\t4\t0\tOuter<T>.Inner<U> nested"}},
    {"generic methods, wildcards and generic parameters",
     "class A {\n"
     "    public static <T extends Comparable<? super T>> void sort(List<T> list, Comparator<? "
     "super T> c) { }\n"
     "    <K, V> Map<K, V> zip(K[] keys, V... values) { return null; }\n"
     "    public <T> A(T seed) { }\n"
     "}\n",
     {"class\tA\t\t1\t5\tA", "method\tsort\tA\t2\t2\tvoid sort(List<T>, Comparator<? super T>)",
      "method\tzip\tA\t3\t3\tMap<K, V> zip(K[], V...)", "method\tA\tA\t4\t4\tA(T)"}},
    {"a generic class header keeps its plain name and bases",
     "public class Box<T extends Number & Comparable<T>> extends Base<T> implements Holder<T>, "
     "java.io.Serializable {\n"
     "    T value;\n"
     "}\n",
     {"class\tBox\t\t1\t3\tBox extends Base implements Holder, Serializable",
      "field\tvalue\tBox\t2\t0\tT value"}},
    {"annotations with and without arguments vanish",
     "@SuppressWarnings({\"unchecked\", \"rawtypes\"})\n"
     "@Deprecated public class A {\n"
     "    @Override public String toString() { return \"\"; }\n"
     "    @Inject @Named(value = \"x\", other = {1, 2}) private Service service;\n"
     "    void f(@NonNull String s, final @A(1) int n) { }\n"
     "    @java.lang.Deprecated(since = \"9\", forRemoval = true)\n"
     "    int old;\n"
     "}\n",
     {"class\tA\t\t2\t8\tA", "method\ttoString\tA\t3\t3\tString toString( )",
      "field\tservice\tA\t4\t0\tService service", "method\tf\tA\t5\t5\tvoid f(String, int)",
      "field\told\tA\t7\t0\tint old"}},
    {"enum constants with arguments and bodies are no members",
     "public enum Planet implements Body {\n"
     "    MERCURY(3.303e+23, 2.4397e6),\n"
     "    EARTH(5.976e+24, 6.37814e6) { @Override double g() { return 9.8; } },\n"
     "    @Deprecated PLUTO(1, 2);\n"
     "    private final double mass, radius;\n"
     "    Planet(double mass, double radius) { this.mass = mass; this.radius = radius; }\n"
     "    double g() { return 0; }\n"
     "}\n",
     {"class\tPlanet\t\t1\t8\tPlanet implements Body",
      "field\tmass\tPlanet\t5\t0\tfinal double mass",
      "field\tradius\tPlanet\t5\t0\tfinal double radius",
      "method\tPlanet\tPlanet\t6\t6\tPlanet(double, double)",
      "method\tg\tPlanet\t7\t7\tdouble g( )"}},
    {"an enum of constants only, nested, and the members after it",
     "class A {\n"
     "    enum E { X, Y, Z }\n"
     "    enum F { ; int f; }\n"
     "    int after;\n"
     "}\n",
     {"class\tA\t\t1\t5\tA", "inner-class\tE\tA\t2\t2\tA.E", "inner-class\tF\tA\t3\t3\tA.F",
      "field\tf\tA.F\t3\t0\tint f", "field\tafter\tA\t4\t0\tint after"}},
    {"a record's components are its fields; a compact constructor takes them",
     "public record Point<T>(int x, @Nonnull List<T> ys, String... tags) implements Shape, "
     "Comparable<Point<T>> {\n"
     "    public Point { if (x < 0) throw new IllegalArgumentException(); }\n"
     "    static Point origin() { return null; }\n"
     "}\n",
     {"class\tPoint\t\t1\t4\tPoint implements Shape, Comparable",
      "field\tx\tPoint\t1\t0\tfinal int x", "field\tys\tPoint\t1\t0\tfinal List<T> ys",
      "field\ttags\tPoint\t1\t0\tfinal String... tags",
      "method\tPoint\tPoint\t2\t2\tPoint(int, List<T>, String...)",
      "method\torigin\tPoint\t3\t3\tPoint origin( )"}},
    {"nested and local records",
     "class A {\n"
     "    record Pair<L, R>(L left, R right) { }\n"
     "    void f() {\n"
     "        record Local(int v) { int twice() { return 2 * v; } }\n"
     "        record = compute(record);\n"
     "    }\n"
     "    void record(int r) { }\n"
     "}\n",
     {"class\tA\t\t1\t8\tA", "inner-class\tPair\tA\t2\t2\tA.Pair",
      "field\tleft\tA.Pair\t2\t0\tfinal L left", "field\tright\tA.Pair\t2\t0\tfinal R right",
      "method\tf\tA\t3\t6\tvoid f( )", "local-class\tLocal\tA\t4\t4\tLocal",
      "field\tv\tA.Local\t4\t0\tfinal int v", "method\ttwice\tA.Local\t4\t4\tint twice( )",
      "method\trecord\tA\t7\t7\tvoid record(int)"}},
    {"an annotation type with default values",
     "public @interface Config {\n"
     "    String value() default \"\";\n"
     "    int[] sizes() default {1, 2};\n"
     "    Class<?>[] types() default {};\n"
     "    Level level() default @Level(3);\n"
     "    int MAX = 3;\n"
     "}\n",
     {"interface\tConfig\t\t1\t7\tConfig", "method-decl\tvalue\tConfig\t2\t0\tString value( )",
      "method-decl\tsizes\tConfig\t3\t0\tint[] sizes( )",
      "method-decl\ttypes\tConfig\t4\t0\tClass<?>[] types( )",
      "method-decl\tlevel\tConfig\t5\t0\tLevel level( )", "field\tMAX\tConfig\t6\t0\tint MAX"}},
    {"default, static and private interface methods have bodies",
     "interface I {\n"
     "    void plain();\n"
     "    default void d() { helper(); }\n"
     "    static I of() { return () -> { }; }\n"
     "    private void helper() { int x; }\n"
     "    <T> T generic(T t);\n"
     "}\n",
     {"interface\tI\t\t1\t7\tI", "method-decl\tplain\tI\t2\t0\tvoid plain( )",
      "method\td\tI\t3\t3\tvoid d( )", "method\tof\tI\t4\t4\tI of( )",
      "method\thelper\tI\t5\t5\tvoid helper( )", "method-decl\tgeneric\tI\t6\t0\tT generic(T)"}},
    {"types nested in an interface",
     "interface Map<K, V> {\n"
     "    interface Entry<K, V> { K getKey(); }\n"
     "    class Impl implements Map { int size; }\n"
     "    enum Kind { A, B }\n"
     "    int size();\n"
     "}\n",
     {"interface\tMap\t\t1\t6\tMap", "inner-interface\tEntry\tMap\t2\t2\tEntry",
      "method-decl\tgetKey\tMap.Entry\t2\t0\tK getKey( )",
      "inner-class\tImpl\tMap\t3\t3\tMap.Impl implements Map",
      "field\tsize\tMap.Impl\t3\t0\tint size", "inner-class\tKind\tMap\t4\t4\tMap.Kind",
      "method-decl\tsize\tMap\t5\t0\tint size( )"}},
    {"lambdas and anonymous classes in initialisers and bodies",
     "class A {\n"
     "    Comparator<String> c = (a, b) -> { int d = a.length() - b.length(); return d; }, e = "
     "null;\n"
     "    Runnable r = () -> System.out.println(\"{\");\n"
     "    Map<String, Integer> m = new HashMap<String, Integer>(), n = new java.util.TreeMap<>();\n"
     "    int lt = x < y ? 1 : 2, gt;\n"
     "    void f() { list.forEach(x -> { g(x); }); new Thread() { public void run() { } }.start(); "
     "}\n"
     "    int after;\n"
     "}\n",
     {"class\tA\t\t1\t8\tA", "field\tc\tA\t2\t0\tComparator<String> c",
      "field\te\tA\t2\t0\tComparator<String> e", "field\tr\tA\t3\t0\tRunnable r",
      "field\tm\tA\t4\t0\tMap<String, Integer> m", "field\tn\tA\t4\t0\tMap<String, Integer> n",
      "field\tlt\tA\t5\t0\tint lt", "field\tgt\tA\t5\t0\tint gt", "method\tf\tA\t6\t6\tvoid f( )",
      "field\tafter\tA\t7\t0\tint after"}},
    {"text blocks hold no code",
     "class A {\n"
     "    String t = \"\"\"\n"
     "        class Fake { void no(); }\n"
     "        \"\"\";\n"
     "    int after;\n"
     "}\n",
     {"class\tA\t\t1\t6\tA", "field\tt\tA\t2\t0\tString t", "field\tafter\tA\t5\t0\tint after"}},
    {"sealed, non-sealed and permits",
     "public sealed interface Shape permits Circle, Square {\n"
     "    double area();\n"
     "}\n"
     "final class Circle implements Shape { public double area() { return 0; } }\n"
     "non-sealed class Square implements Shape, Cloneable { public double area() { return 1; } }\n"
     "sealed class Base permits A, B { }\n",
     {"interface\tShape\t\t1\t3\tShape", "method-decl\tarea\tShape\t2\t0\tdouble area( )",
      "class\tCircle\t\t4\t4\tFinal Circle implements Shape",
      "method\tarea\tCircle\t4\t4\tdouble area( )",
      "class\tSquare\t\t5\t5\tSquare implements Shape, Cloneable",
      "method\tarea\tSquare\t5\t5\tdouble area( )", "class\tBase\t\t6\t6\tBase"}},
    {"a module descriptor has only its imports",
     "import java.util.spi.ToolProvider;\n"
     "/** The module. */\n"
     "@Deprecated(since = \"17\")\n"
     "open module com.example.app {\n"
     "    requires transitive java.desktop;\n"
     "    requires static lombok;\n"
     "    exports com.example.api to com.example.client, com.example.test;\n"
     "    opens com.example.impl;\n"
     "    uses com.example.spi.Plugin;\n"
     "    provides ToolProvider with com.example.Tool, com.example.Other;\n"
     "}\n",
     {"import\tjava.util.spi.ToolProvider\t\t1\t0\t"}},
    {"a package descriptor has only its package",
     "/**\n * Docs.\n */\n"
     "@Deprecated\n"
     "@javax.annotation.processing.Generated(\"x\")\n"
     "package com.example.api;\n"
     "import java.lang.annotation.*;\n",
     {"package\tcom.example.api\t\t6\t0\t", "import\tjava.lang.annotation.*\t\t7\t0\t"}},
    {"varargs written in any spacing",
     "class A {\n"
     "    void a(String... x) { }\n"
     "    void b(String ... x) { }\n"
     "    void c(String ...x) { }\n"
     "    void d(List<String>... x) { }\n"
     "    void e(Object...x) { }\n"
     "    void f(Class<?>...x) { }\n"
     "}\n",
     {"class\tA\t\t1\t8\tA", "method\ta\tA\t2\t2\tvoid a(String...)",
      "method\tb\tA\t3\t3\tvoid b(String...)", "method\tc\tA\t4\t4\tvoid c(String...)",
      "method\td\tA\t5\t5\tvoid d(List<String>...)", "method\te\tA\t6\t6\tvoid e(Object...)",
      "method\tf\tA\t7\t7\tvoid f(Class<?>...)"}},
    {"a receiver parameter is no parameter",
     "class A {\n"
     "    void m(@Ann A this, int x) { }\n"
     "}\n",
     {"class\tA\t\t1\t3\tA", "method\tm\tA\t2\t2\tvoid m(int)"}},
    {"switch expressions, patterns and local enums inside bodies",
     "class A {\n"
     "    int f(Object o) {\n"
     "        enum Mode { ON, OFF }\n"
     "        if (o instanceof String s && s.length() > 0) { return 1; }\n"
     "        return switch (o) { case Integer i -> { yield i; } default -> 0; };\n"
     "    }\n"
     "    int after;\n"
     "}\n",
     {"class\tA\t\t1\t8\tA", "method\tf\tA\t2\t6\tint f(Object)",
      "local-class\tMode\tA\t3\t3\tMode", "field\tafter\tA\t7\t0\tint after"}},
};

class ModernJavaTest : public testing::TestWithParam<Case>
{
};

TEST_P(ModernJavaTest, ReadsTheDeclarations)
{
    const Case &c = GetParam();
    QStringList expected;
    for (const char *e : c.expected)
        expected << QString::fromUtf8(e);
    EXPECT_EQ(ParseLines(QByteArray(c.source)), expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Recogniser, ModernJavaTest, testing::ValuesIn(kCases));

TEST(ModernJavaElementsTest, KindsAndTypeArgumentsReachTheModel)
{
    std::unique_ptr<CFileObject> file(CJavaParser::ParseText(
        "enum E { A; }\n"
        "record R(int a) { }\n"
        "@interface N { }\n"
        "class G<T> extends java.util.AbstractList<T> implements java.util.RandomAccess { }\n"));
    ASSERT_EQ(file->m_classes.size(), 3);
    EXPECT_EQ(file->m_classes[0]->m_kind, CVarContainer::KindEnum);
    EXPECT_EQ(file->m_classes[1]->m_kind, CVarContainer::KindRecord);
    ASSERT_EQ(file->m_interfaces.size(), 1);
    EXPECT_EQ(file->m_interfaces[0]->m_kind, CVarContainer::KindAnnotation);
    const CVarClass *g = file->m_classes[2];
    EXPECT_EQ(g->m_name, QStringLiteral("G"));
    // Bases are plain class names: the package database looks them up.
    EXPECT_EQ(g->m_baseName, QStringLiteral("AbstractList"));
    EXPECT_EQ(g->m_interfaces, QStringList{QStringLiteral("RandomAccess")});
}

TEST(ModernJavaElementsTest, RecordComponentsArePrivateFinalFields)
{
    std::unique_ptr<CFileObject> file(CJavaParser::ParseText("record R(int b, String a) { }"));
    const CVarClass *r = file->m_classes[0];
    ASSERT_EQ(r->m_variables.size(), 2);
    EXPECT_EQ(r->m_variables[0]->m_name, QStringLiteral("a")); // name order
    for (const CVariable *v : r->m_variables) {
        EXPECT_EQ(v->m_access, CVarObject::AccessPrivate);
        EXPECT_TRUE(v->m_final);
        EXPECT_TRUE(v->m_complete);
    }
    EXPECT_TRUE(r->m_complete);
}

} // namespace
