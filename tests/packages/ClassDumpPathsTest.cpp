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
    EXPECT_EQ(CClassDumper::ExtendClassPath("/old.jar", "/work/classes/a/b/C.class"),
              "/old.jar:/work/classes/a/b:/work/classes/a:/work/classes:/work:/");
    // Letter case of the extension does not matter; an archive goes on as it is.
    EXPECT_EQ(CClassDumper::ExtendClassPath(QString(), "/x/C.CLASS"), ":/x:/");
    EXPECT_EQ(CClassDumper::ExtendClassPath("/old", "/l/a.jar"), "/old:/l/a.jar");
}

TEST(ClassDumpPaths, ClassPathAdditionIsThePackageRootOrTheArchive)
{
    auto qualified = Parse("public class a.b.C extends java.lang.Object { }");
    ASSERT_TRUE(qualified && qualified->FirstClass());
    EXPECT_EQ(CClassDumpRun::ClassPathAddition("/work/classes/a/b/C.class", *qualified),
              "/work/classes/");
    // The first occurrence of the package's directories counts.
    EXPECT_EQ(CClassDumpRun::ClassPathAddition("/w/a/b/x/a/b/C.class", *qualified), "/w/");
    // A class file lying outside its package's directories has no root.
    EXPECT_EQ(CClassDumpRun::ClassPathAddition("/w/ab/C.class", *qualified), QString());

    auto bare = Parse("public interface Runner { void run(); }");
    EXPECT_EQ(CClassDumpRun::ClassPathAddition("/w/top/Runner.class", *bare), "/w/top");
    EXPECT_EQ(CClassDumpRun::ClassPathAddition("/w/lib.JAR", *bare), "/w/lib.JAR");
    auto empty = Parse("");
    EXPECT_EQ(CClassDumpRun::ClassPathAddition("/w/C.class", *empty), QString());

    EXPECT_TRUE(CClassDumpRun::IsDumpable("/a/B.Zip"));
    EXPECT_FALSE(CClassDumpRun::IsDumpable("/a/B.java"));
    EXPECT_FALSE(CClassDumpRun::IsDumpable("/a/class"));
}

} // namespace
