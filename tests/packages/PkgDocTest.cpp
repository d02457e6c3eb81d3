#include "packages/PkgDoc.h"

#include "FakePrompter.h"
#include "TestEnv.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaModel.h"
#include "javamodel/JavaParser.h"
#include "javamodel/PackageObject.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarInterface.h"
#include "javamodel/VarMethod.h"

#include <QDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

std::unique_ptr<CFileObject> Parse(const char *text)
{
    return std::unique_ptr<CFileObject>(CJavaParser::ParseText(QByteArray(text)));
}

void AddSource(CPkgDoc &db, const char *text, const QString &path)
{
    auto file = Parse(text);
    ASSERT_TRUE(file);
    ASSERT_TRUE(db.AddSourceFile(*file, path));
}

class PkgDocTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterJavaModelClasses();
        // Two packages that both declare Shape; "a" comes first in the map.
        AddSource(m_db, "package b; public class Shape extends Base { void draw() {} }",
                  "/src/b/Shape.java");
        AddSource(m_db, "package a; public class Shape { int n; }", "/src/a/Shape.java");
        AddSource(m_db,
                  "package a; class Circle extends Shape { class Inner {} }\n"
                  "interface Drawable extends Paintable {}\n",
                  "/src/a/Circle.java");
        AddSource(m_db, "package c; interface Paintable {}", "/src/c/Paintable.java");
    }

    CTestEnv m_env;
    CFakePrompter m_prompter;
    CPkgDoc m_db;
};

TEST_F(PkgDocTest, EqualNamesInTwoPackagesResolveInMapOrderAndFollowChanges)
{
    CVarClass *shape = m_db.FindClass("Shape");
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(m_db.FindPackageOf(*shape)->m_packageName, "a");
    EXPECT_TRUE(shape->m_baseName.isEmpty());
    // Case does not matter; a dotted name is compared by its last part, so
    // "b.Shape" still meets package a first.
    EXPECT_EQ(m_db.FindClass("sHAPE"), shape);
    EXPECT_EQ(m_db.FindClass("b.Shape"), shape);
    // Inner classes are found, interfaces are not classes and vice versa.
    EXPECT_NE(m_db.FindClass("Inner"), nullptr);
    EXPECT_EQ(m_db.FindClass("Drawable"), nullptr);
    EXPECT_NE(m_db.FindInterface("Drawable"), nullptr);
    EXPECT_EQ(m_db.FindInterface("Shape"), nullptr);
    EXPECT_EQ(m_db.FindClassOrInterface("Drawable"), m_db.FindInterface("Drawable"));
    EXPECT_EQ(m_db.FindClass(QString()), nullptr);
    EXPECT_EQ(m_db.FindClass("Nowhere"), nullptr);

    // Deleting package a uncovers b's Shape: the lookups must not answer
    // from what they remembered before the change.
    EXPECT_TRUE(m_db.DeletePackage("a"));
    EXPECT_FALSE(m_db.DeletePackage("a"));
    CVarClass *other = m_db.FindClass("Shape");
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->m_baseName, "Base");
    EXPECT_EQ(m_db.FindPackageOf(*other)->m_packageName, "b");
    EXPECT_EQ(m_db.FindClass("Circle"), nullptr);

    // A class added after a lookup is found at once.
    AddSource(m_db, "package z; class Circle {}", "/src/z/Circle.java");
    EXPECT_NE(m_db.FindClass("Circle"), nullptr);
}

TEST_F(PkgDocTest, ParentsAndOwnersFollowTheDatabase)
{
    CVarClass *circle = m_db.FindClass("Circle");
    CVarClass *shape = m_db.FindClass("Shape");
    ASSERT_TRUE(circle && shape);
    EXPECT_TRUE(m_db.IsParentOf(*shape, *circle));
    EXPECT_FALSE(m_db.IsParentOf(*circle, *shape));
    // An interface in the chain counts only when found as an interface at
    // that step: Paintable is reached from Drawable.
    CVarInterface *drawable = m_db.FindInterface("Drawable");
    CVarInterface *paintable = m_db.FindInterface("Paintable");
    ASSERT_TRUE(drawable && paintable);
    EXPECT_TRUE(m_db.IsParentOf(*paintable, *drawable));

    // The very method object finds its class, an equal copy does not.
    CVarClass *bShape = m_db.Package("b")->FirstClass();
    ASSERT_EQ(bShape->m_methods.size(), 1);
    EXPECT_EQ(m_db.FindOwnerOf(bShape->m_methods.first()), bShape);
    CVarMethod copy;
    copy.m_name = "draw";
    EXPECT_EQ(m_db.FindOwnerOf(&copy), nullptr);

    // A cycle of bases ends the walk instead of hanging it.
    AddSource(m_db, "package q; class X extends Y {} class Y extends X {}", "/q/X.java");
    EXPECT_FALSE(m_db.IsParentOf(*circle, *m_db.FindClass("X")));
}

TEST_F(PkgDocTest, AddedSourcesGoToTheirPackageAndUnreadableOnesAreReported)
{
    // How a file's types replace the old ones is ElementModelTest's merge.
    // Without a package statement the types go to "User".
    AddSource(m_db, "class Loose {}", "/x/Loose.java");
    EXPECT_NE(m_db.Package("User"), nullptr);
    EXPECT_EQ(m_db.FindPackageOf(*m_db.FindClass("Loose"))->m_packageName, "User");

    // Files read from disk; one that cannot be opened is reported and skipped.
    const QString good = m_env.WriteFile("g/Good.java", "package g; public class Good {}");
    const QString missing = m_env.FilePath("missing.java");
    EXPECT_EQ(m_db.AddSourceFiles({missing, good}), 1);
    EXPECT_EQ(
        m_prompter.m_messages,
        QStringList{QStringLiteral("Error opening the file %1 for parsing !!!").arg(missing)});
    EXPECT_NE(m_db.FindClass("Good"), nullptr);
    EXPECT_TRUE(m_db.IsModified());
    EXPECT_EQ(m_prompter.m_status.last(), "Done...");
}

TEST_F(PkgDocTest, IntrospectedElementsGoToThePackageOfTheirQualifiedName)
{
    auto addClass = [](CFileObject &file, const QString &name, bool complete = true) {
        auto *c = new CVarClass;
        c->m_name = name;
        c->m_complete = complete;
        file.m_classes.append(c);
        return c;
    };
    auto file = std::make_unique<CFileObject>();
    CVarClass *qualified = addClass(*file, "x.y.Widget");
    auto *m = new CVarMethod;
    m->m_name = "x.y.Widget.paint";
    qualified->m_methods.append(m);
    addClass(*file, "Bare");
    addClass(*file, "x.y.Half", false);
    auto *iface = new CVarInterface;
    iface->m_name = "x.y.Listener";
    iface->m_complete = 1;
    file->m_interfaces.append(iface);

    ASSERT_TRUE(m_db.AddIntrospectedFile(*file));
    CPackageObject *xy = m_db.Package("x.y");
    ASSERT_NE(xy, nullptr);
    ASSERT_EQ(xy->m_classes.size(), 1);
    EXPECT_EQ(xy->m_classes.first()->m_name, "Widget");
    EXPECT_EQ(xy->m_classes.first()->m_methods.first()->m_name, "paint");
    EXPECT_EQ(xy->m_interfaces.first()->m_name, "Listener");
    // A name without package from a file without package statement: "User".
    EXPECT_EQ(m_db.FindPackageOf(*m_db.FindClass("Bare"))->m_packageName, "User");
    // The incomplete class stays with the file, the others left it.
    ASSERT_EQ(file->m_classes.size(), 1);
    EXPECT_EQ(file->m_classes.first()->m_name, "x.y.Half");
    EXPECT_TRUE(file->m_interfaces.isEmpty());

    // Introspected again: replaced, not doubled.
    auto again = std::make_unique<CFileObject>();
    CVarClass *w = addClass(*again, "x.y.Widget");
    ASSERT_TRUE(m_db.AddIntrospectedFile(*again));
    EXPECT_EQ(xy->m_classes.size(), 1);
    EXPECT_EQ(xy->m_classes.first(), w);

    // A file with a package statement and an unqualified name: the empty
    // package name.
    auto withPackage = Parse("package p;");
    CVarClass *u = addClass(*withPackage, "Unqualified");
    ASSERT_TRUE(m_db.AddIntrospectedFile(*withPackage));
    ASSERT_NE(m_db.Package(QString()), nullptr);
    EXPECT_EQ(m_db.Package(QString())->FirstClass(), u);

    m_db.MergeClassPath("/lib/a.jar:/lib/b.jar");
    m_db.MergeClassPath("/lib/b.jar:/classes");
    EXPECT_EQ(m_db.ClassPath(), "/lib/a.jar:/lib/b.jar:/classes");
}

TEST_F(PkgDocTest, SourceFileIsLookedForUnderTheJdkThenThePackageDirectories)
{
    CVarInterface *drawable = m_db.FindInterface("Drawable");
    CPackageObject *a = m_db.FindPackageOf(*drawable);
    const QString root = m_env.Path();
    // Nothing configured: nothing to offer.
    EXPECT_EQ(m_db.FindSourceFile(*drawable, *a, QString(), {}), QString());
    // No file anywhere: the last candidate tried.
    EXPECT_EQ(m_db.FindSourceFile(*drawable, *a, root + "/jdk", {root + "/s1", root + "/s2/"}),
              root + "/s2/Circle.java");
    // Without the package path in the second directory.
    m_env.WriteFile("s2/Circle.java", "");
    EXPECT_EQ(m_db.FindSourceFile(*drawable, *a, root + "/jdk", {root + "/s1", root + "/s2"}),
              root + "/s2/Circle.java");
    // With it in the first directory, which wins.
    m_env.WriteFile("s1/a/Circle.java", "");
    EXPECT_EQ(m_db.FindSourceFile(*drawable, *a, root + "/jdk", {root + "/s1", root + "/s2"}),
              root + "/s1/a/Circle.java");
    // The JDK's sources come first of all.
    m_env.WriteFile("jdk/a/Circle.java", "");
    EXPECT_EQ(m_db.FindSourceFile(*drawable, *a, root + "/jdk", {root + "/s1"}),
              root + "/jdk/a/Circle.java");
    // "." is the current directory (the test's own temporary one).
    CVarClass *shape = m_db.FindClass("Shape");
    m_env.WriteFile("a/Shape.java", "");
    EXPECT_EQ(m_db.FindSourceFile(*shape, *a, QString(), {"."}), "./a/Shape.java");
}

} // namespace
