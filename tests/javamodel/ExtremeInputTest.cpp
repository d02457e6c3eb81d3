// Inputs far beyond what people write. The recogniser must read deep nesting
// with constant stack, and declarators of one declaration must share their
// type text rather than copy it.
#include "javamodel/FileObject.h"
#include "javamodel/JavaParser.h"
#include "javamodel/ParseCommand.h"
#include "javamodel/VarClass.h"
#include "javamodel/Variable.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

std::unique_ptr<CFileObject> Parse(const QByteArray &text)
{
    return std::unique_ptr<CFileObject>(CJavaParser::ParseText(text));
}

TEST(ExtremeInputTest, TensOfThousandsOfNestedClassesAreReadListedAndFreed)
{
    constexpr int kDeep = 40000;
    QByteArray text;
    for (int i = 0; i < kDeep; ++i)
        text += "class a {\n";
    // Cut off at the deepest level: every class is kept, none has an end.
    std::unique_ptr<CFileObject> file = Parse(text);
    ASSERT_TRUE(file);
    ASSERT_EQ(file->m_classes.size(), 1);
    EXPECT_EQ(file->m_classes.first()->m_endLine, 0);

    text += "int x;\n";
    for (int i = 0; i < kDeep; ++i)
        text += "}\n";
    file = Parse(text);
    ASSERT_TRUE(file);
    const CVarClass *c = file->m_classes.first();
    int depth = 1;
    while (c->m_innerClasses.size() == 1) {
        c = c->m_innerClasses.first();
        ++depth;
    }
    EXPECT_EQ(depth, kDeep);
    EXPECT_EQ(file->m_classes.first()->m_endLine, 2 * kDeep + 1);
    EXPECT_EQ(c->m_endLine, kDeep + 2);
    ASSERT_EQ(c->m_variables.size(), 1);

    // The listing is handed over in pieces of whole lines as it grows.
    qint64 flushes = 0;
    char lastEnd = 0;
    std::string out;
    WriteParsedFile("F", *file, out, [&](std::string &chunk) {
        ++flushes;
        lastEnd = chunk.back();
        chunk.clear();
    });
    EXPECT_GT(flushes, 100);
    EXPECT_EQ(lastEnd, '\n');
}

TEST(ExtremeInputTest, DeclaratorsOfOneDeclarationShareTheirType)
{
    const QByteArray type = "java.util.Map<String, java.util.List<Object>>";
    std::unique_ptr<CFileObject> file =
        Parse("class A {\n private static " + type + " v0, v1, v2;\n int after;\n}\n");
    ASSERT_TRUE(file);
    const CVarClass *a = file->m_classes.first();
    ASSERT_EQ(a->m_variables.size(), 4);
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
        EXPECT_EQ(v->m_access, CVarObject::AccessPrivate);
        EXPECT_EQ(v->m_static, 1);
        EXPECT_EQ(v->GetDescription(), QStringLiteral("Map<String, List<Object>> ") + v->m_name);
        sharing += v->m_type.isSharedWith(first->m_type);
    }
    EXPECT_EQ(sharing, 3);
}

} // namespace
