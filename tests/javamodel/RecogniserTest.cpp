// The recogniser's reading of declarations, edge cases included: what each
// source text gives, as `mavu --parse` lists it (the listings are golden
// files in tests/fixtures/javamodel), and what reaches the model.
#include "ParseHelpers.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaParser.h"
#include "javamodel/VarBlockComment.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarImport.h"
#include "javamodel/VarInnerInterface.h"
#include "javamodel/VarInterface.h"
#include "javamodel/VarLocalClass.h"
#include "javamodel/VarMethod.h"
#include "javamodel/VarPackage.h"
#include "javamodel/Variable.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

std::unique_ptr<CFileObject> Parse(const char *source)
{
    return std::unique_ptr<CFileObject>(CJavaParser::ParseText(QByteArray(source)));
}

TEST(RecogniserTest, GoldenDeclarationListings)
{
    for (const char *fixture : {"declarations.txt", "modern-java.txt"}) {
        const std::vector<ParseCase> cases = ReadParseCases(QString::fromLatin1(fixture));
        ASSERT_GT(cases.size(), 10u) << fixture;
        for (const ParseCase &c : cases)
            EXPECT_EQ(ParseLines(c.source), c.expected) << fixture << ": " << c.what.toStdString();
    }
}

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
