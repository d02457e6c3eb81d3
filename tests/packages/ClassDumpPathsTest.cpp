#include "javamodel/FileObject.h"
#include "javamodel/JavaModel.h"
#include "javamodel/JavaParser.h"
#include "packages/ClassDumpRun.h"
#include "packages/ClassDumper.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

std::unique_ptr<CFileObject> Parse(const char *text)
{
    RegisterJavaModelClasses();
    return std::unique_ptr<CFileObject>(CJavaParser::ParseText(QByteArray(text)));
}

TEST(ClassDumpPaths, ClassFileDirectoriesUpToTheRootGoOnTheChildClassPath)
{
    EXPECT_EQ(CClassDumper::ExtendClassPath(QStringLiteral("/old.jar"),
                                            QStringLiteral("/work/classes/a/b/C.class")),
              QStringLiteral("/old.jar:/work/classes/a/b:/work/classes/a:/work/classes:/work:/"));
    // Letter case of the extension does not matter; an archive goes on as it is.
    EXPECT_EQ(CClassDumper::ExtendClassPath(QString(), QStringLiteral("/x/C.CLASS")),
              QStringLiteral(":/x:/"));
    EXPECT_EQ(CClassDumper::ExtendClassPath(QStringLiteral("/old"), QStringLiteral("/l/a.jar")),
              QStringLiteral("/old:/l/a.jar"));
}

TEST(ClassDumpPaths, ClassPathAdditionIsThePackageRootOrTheArchive)
{
    auto qualified = Parse("public class a.b.C extends java.lang.Object { }");
    ASSERT_TRUE(qualified && qualified->FirstClass());
    EXPECT_EQ(
        CClassDumpRun::ClassPathAddition(QStringLiteral("/work/classes/a/b/C.class"), *qualified),
        QStringLiteral("/work/classes/"));
    // The first occurrence of the package's directories counts.
    EXPECT_EQ(CClassDumpRun::ClassPathAddition(QStringLiteral("/w/a/b/x/a/b/C.class"), *qualified),
              QStringLiteral("/w/"));
    // A class file lying outside its package's directories has no root.
    EXPECT_EQ(CClassDumpRun::ClassPathAddition(QStringLiteral("/w/ab/C.class"), *qualified),
              QString());

    auto bare = Parse("public interface Runner { void run(); }");
    EXPECT_EQ(CClassDumpRun::ClassPathAddition(QStringLiteral("/w/top/Runner.class"), *bare),
              QStringLiteral("/w/top"));
    EXPECT_EQ(CClassDumpRun::ClassPathAddition(QStringLiteral("/w/lib.JAR"), *bare),
              QStringLiteral("/w/lib.JAR"));
    auto empty = Parse("");
    EXPECT_EQ(CClassDumpRun::ClassPathAddition(QStringLiteral("/w/C.class"), *empty), QString());

    EXPECT_TRUE(CClassDumpRun::IsDumpable(QStringLiteral("/a/B.Zip")));
    EXPECT_FALSE(CClassDumpRun::IsDumpable(QStringLiteral("/a/B.java")));
    EXPECT_FALSE(CClassDumpRun::IsDumpable(QStringLiteral("/a/class")));
}

} // namespace
