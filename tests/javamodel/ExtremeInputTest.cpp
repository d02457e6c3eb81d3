// Inputs far beyond what people write: tens of thousands of nested types, a
// declaration with thousands of declarators of one long type, a class with
// a million fields. The recogniser must read them with
// constant stack and in time that grows with the length of the text, and
// its result must still be listed and freed.
#include "ParseHelpers.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaNames.h"
#include "javamodel/JavaParser.h"
#include "javamodel/ParseCommand.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarInterface.h"
#include "javamodel/VarLocalClass.h"
#include "javamodel/VarMethod.h"
#include "javamodel/Variable.h"

#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

std::unique_ptr<CFileObject> Parse(const QByteArray &text)
{
    return std::unique_ptr<CFileObject>(CJavaParser::ParseText(text));
}

qint64 CountLines(const std::string &text)
{
    qint64 lines = 0;
    const char *p = text.data(), *end = p + text.size();
    while ((p = static_cast<const char *>(memchr(p, '\n', size_t(end - p)))) != nullptr) {
        ++lines;
        ++p;
    }
    return lines;
}

// Follows the only inner class of each level down; returns the depth.
int NestedDepth(const CVarClass *c, const CVarClass **innermost)
{
    int depth = 1;
    while (c->m_innerClasses.size() == 1) {
        c = c->m_innerClasses.first();
        ++depth;
    }
    *innermost = c;
    return depth;
}

constexpr int kDeep = 40000;

TEST(ExtremeInputTest, TensOfThousandsOfNestedClassesAreReadListedAndFreed)
{
    // One line per level, closed again, with a field at the bottom.
    QByteArray text;
    for (int i = 0; i < kDeep; ++i)
        text += "class a {\n";
    text += "int x;\n";
    for (int i = 0; i < kDeep; ++i)
        text += "}\n";
    std::unique_ptr<CFileObject> file = Parse(text);
    ASSERT_TRUE(file);
    ASSERT_EQ(file->m_classes.size(), 1);
    const CVarClass *innermost = nullptr;
    EXPECT_EQ(NestedDepth(file->m_classes.first(), &innermost), kDeep);
    EXPECT_EQ(file->m_classes.first()->m_endLine, 2 * kDeep + 1);
    EXPECT_EQ(innermost->m_startLine, kDeep);
    EXPECT_EQ(innermost->m_endLine, kDeep + 2);
    ASSERT_EQ(innermost->m_variables.size(), 1);
    EXPECT_EQ(innermost->m_variables.first()->GetDescription(), QStringLiteral("int x"));

    // The listing: one line per class and the field, each naming the whole
    // chain of classes around it. The chain of the innermost is as long as
    // the nesting is deep, the listing over a gigabyte: it is handed over in
    // pieces as it grows.
    qint64 lines = 0, bytes = 0, flushes = 0;
    std::string lastChunk;
    auto flush = [&](std::string &chunk) {
        if (chunk.empty())
            return;
        ++flushes;
        bytes += qint64(chunk.size());
        lines += CountLines(chunk);
        lastChunk.swap(chunk);
        chunk.clear();
    };
    std::string out;
    WriteParsedFile("F", *file, out, flush);
    flush(out);
    // Pieces end with whole lines.
    ASSERT_EQ(lastChunk.back(), '\n');
    const size_t lastStart = lastChunk.rfind('\n', lastChunk.size() - 2);
    const std::string last = lastChunk.substr(lastStart == std::string::npos ? 0 : lastStart + 1);
    EXPECT_EQ(lines, kDeep + 1);
    EXPECT_GT(flushes, 100);
    std::string chain = "a";
    for (int i = 1; i < kDeep; ++i)
        chain += ".a";
    EXPECT_EQ(last, "F\tfield\tx\t" + chain + "\t" + std::to_string(kDeep + 1) + "\t0\tint x\n");
    // Level i (from 0) is listed as "F kind a chain start end description",
    // its chain i names long; an inner class is described as "a.a".
    qint64 expected = qint64(last.size());
    for (int i = 0; i < kDeep; ++i) {
        const std::string line = "F\t" + std::string(i ? "inner-class" : "class") + "\ta\t\t" +
                                 std::to_string(i + 1) + "\t" + std::to_string(2 * kDeep + 1 - i) +
                                 "\t" + (i ? "a.a" : "a") + "\n";
        expected += qint64(line.size()) + (i ? 2 * i - 1 : 0);
    }
    EXPECT_EQ(bytes, expected);
}

TEST(ExtremeInputTest, DeepNestingThatNeverClosesAndMixedKindsOfNesting)
{
    // Cut off at the deepest level: every class is kept, none has an end.
    QByteArray open;
    for (int i = 0; i < kDeep; ++i)
        open += "class a {\n";
    std::unique_ptr<CFileObject> file = Parse(open);
    ASSERT_TRUE(file);
    ASSERT_EQ(file->m_classes.size(), 1);
    // The outermost is cut off; what it holds is the class being read, not
    // yet listed, and all of it is freed with the file.
    EXPECT_EQ(file->m_classes.first()->m_endLine, 0);
    file.reset();

    // Interfaces in classes in methods in classes, a local class at every
    // other level: each level ends properly.
    constexpr int kLevels = 5000;
    QByteArray mixed;
    for (int i = 0; i < kLevels; ++i)
        mixed += "class C { void m() { class L { interface I {\n";
    mixed += "void f();\n";
    for (int i = 0; i < kLevels; ++i)
        mixed += "} } } }\n";
    file = Parse(mixed);
    ASSERT_TRUE(file);
    const CVarClass *c = file->m_classes.first();
    int levels = 1;
    for (;;) {
        ASSERT_EQ(c->m_methods.size(), 1);
        const auto *m = dynamic_cast<const CVarMethod *>(c->m_methods.first());
        ASSERT_TRUE(m);
        ASSERT_EQ(m->m_localClasses.size(), 1);
        const CVarClass *local = m->m_localClasses.first();
        ASSERT_TRUE(dynamic_cast<const CVarLocalClass *>(local));
        ASSERT_EQ(local->m_innerInterfaces.size(), 1);
        const CVarInterface *i = local->m_innerInterfaces.first();
        if (i->m_innerClasses.isEmpty()) {
            ASSERT_EQ(i->m_methods.size(), 1);
            EXPECT_EQ(i->m_methods.first()->GetDescription(), QStringLiteral("void f( )"));
            break;
        }
        c = i->m_innerClasses.first();
        ++levels;
    }
    EXPECT_EQ(levels, kLevels);
    EXPECT_EQ(file->m_classes.first()->m_endLine, 2 * kLevels + 1);
    qint64 lines = 0;
    std::string out;
    WriteParsedFile("F", *file, out, [&](std::string &chunk) {
        lines += CountLines(chunk);
        chunk.clear();
    });
    lines += CountLines(out);
    EXPECT_EQ(lines, 4 * kLevels + 1); // class, method, local class, interface; f
}

TEST(ExtremeInputTest, DeclaratorsOfOneDeclarationShareTheirType)
{
    // A type of a hundred kilobytes, declared with thousands of names.
    QByteArray type = "java.util.Map<String, java.util.List<";
    for (int i = 0; i < 4000; ++i)
        type += "java.util.function.Function<Integer, ";
    type += "Object";
    for (int i = 0; i < 4000; ++i)
        type += ">";
    type += ">>";
    constexpr int kNames = 5000;
    QByteArray text = "class A {\n    private static " + type + " v0";
    for (int i = 1; i < kNames; ++i)
        text += ", v" + QByteArray::number(i);
    text += ";\n    int after;\n}\n";
    std::unique_ptr<CFileObject> file = Parse(text);
    ASSERT_TRUE(file);
    const CVarClass *a = file->m_classes.first();
    ASSERT_EQ(a->m_variables.size(), kNames + 1);
    const CVariable *first = nullptr;
    for (const CVariable *v : a->m_variables) {
        if (v->m_name == QLatin1String("v0"))
            first = v;
    }
    ASSERT_TRUE(first);
    EXPECT_EQ(first->m_type.toUtf8(), type);
    int sharing = 0;
    for (const CVariable *v : a->m_variables) {
        if (v->m_name == QLatin1String("after")) {
            EXPECT_EQ(v->m_type, QStringLiteral("int"));
            continue;
        }
        // The same modifiers as the first, and its very type text.
        EXPECT_EQ(v->m_access, CVarObject::AccessPrivate);
        EXPECT_EQ(v->m_static, 1);
        sharing += v->m_type.isSharedWith(first->m_type);
    }
    EXPECT_EQ(sharing, kNames);

    // The declarators are described with the short form of that type.
    const QString shortType =
        JavaNames::ShortenType(QString(first->m_type.constData(), first->m_type.size()));
    EXPECT_TRUE(shortType.startsWith(QLatin1String("Map<String, List<Function<Integer, ")));
    for (qsizetype i = 0; i < a->m_variables.size(); i += 499) {
        const CVariable *v = a->m_variables[i];
        if (v->m_name == QLatin1String("after"))
            continue;
        ASSERT_EQ(v->GetDescription(), shortType + QLatin1Char(' ') + v->m_name);
    }
}

TEST(ExtremeInputTest, AMillionMembersKeepNameOrder)
{
    // A field declaration of a million names: "a", then half a million of
    // "z" and of "m", each of which goes in front of all those of its name
    // already read (the names compare without regard to case) and so, one
    // at a time, into the middle of a long list.
    constexpr int kHalf = 500000;
    QByteArray text = "class A {\n int a";
    for (int i = 0; i < kHalf; ++i)
        text += ", z";
    for (int i = 0; i < kHalf; ++i)
        text += ", m";
    text += ", M;\n";
    // Methods whose names come in falling order.
    constexpr int kFalling = 2000;
    for (int i = kFalling; i > 0; --i)
        text += "void m" + QByteArray::number(i).rightJustified(5, '0') + "() { }\n";
    text += "}\n";
    std::unique_ptr<CFileObject> file = Parse(text);
    ASSERT_TRUE(file);
    const CVarClass *a = file->m_classes.first();

    const QList<CVariable *> &v = a->m_variables;
    ASSERT_EQ(v.size(), 2 * kHalf + 2);
    EXPECT_EQ(v[0]->m_name, QStringLiteral("a"));
    EXPECT_EQ(v[1]->m_name, QStringLiteral("M"));
    // Of equal names, the one read last comes first: the one further right.
    bool order = true;
    for (qsizetype i = 2; i < v.size() && order; ++i) {
        const QLatin1String name(i <= kHalf + 1 ? "m" : "z");
        order = v[i]->m_name == name &&
                (i == 2 || i == kHalf + 2 || v[i - 1]->m_namePos > v[i]->m_namePos);
    }
    EXPECT_TRUE(order);

    ASSERT_EQ(a->m_methods.size(), kFalling);
    for (qsizetype i = 1; i < a->m_methods.size(); ++i)
        ASSERT_LT(a->m_methods[i - 1]->m_name, a->m_methods[i]->m_name);
}

} // namespace
