#include "packages/PackageCommands.h"

#include "FakePrompter.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaModel.h"
#include "javamodel/JavaParser.h"
#include "javamodel/PackageObject.h"
#include "javamodel/VarClass.h"
#include "packages/PkgDoc.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

class PackageCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterJavaModelClasses();
        Add("package b; public class Vector {} interface Vectored {}", "/s/b/Vector.java");
        Add("package a; public class Vector { } class Stack {}", "/s/a/Vector.java");
        Add("package c; class Other {} interface VectorLike {}", "/s/c/Other.java");
    }
    void Add(const char *text, const QString &path)
    {
        std::unique_ptr<CFileObject> file(CJavaParser::ParseText(QByteArray(text)));
        ASSERT_TRUE(file && m_db.AddSourceFile(*file, path));
    }
    QString PackageOf(const CPackageCommands::Match &m)
    {
        return m.m_package ? m.m_package->m_packageName : "-";
    }

    CFakePrompter m_prompter;
    CPkgDoc m_db;
};

TEST_F(PackageCommandsTest, FindWalksThePackagesThatHoldTheNameThenSaysTheEnd)
{
    CPackageCommands commands(m_db);
    commands.BeginFind("vec", CPackageCommands::Classes);
    const CPackageCommands::Match first = commands.FindNext();
    EXPECT_EQ(PackageOf(first), "a");
    ASSERT_NE(first.m_element, nullptr);
    EXPECT_EQ(first.m_element->m_name, "Vector");
    EXPECT_EQ(PackageOf(commands.FindNext()), "b");
    EXPECT_TRUE(m_prompter.m_messages.isEmpty());
    EXPECT_EQ(PackageOf(commands.FindNext()), "-");
    EXPECT_EQ(m_prompter.m_messages, QStringList{CPackageCommands::EndMessage()});
    // The end stays the end.
    EXPECT_EQ(PackageOf(commands.FindNext()), "-");
    EXPECT_EQ(m_prompter.m_messages.size(), 2);

    // Interfaces are a search of their own, and a new search starts over.
    commands.BeginFind("VECTOR", CPackageCommands::Interfaces);
    EXPECT_EQ(PackageOf(commands.FindNext()), "b");
    EXPECT_EQ(PackageOf(commands.FindNext()), "c");
    commands.BeginFind("Stack", CPackageCommands::Classes);
    EXPECT_EQ(PackageOf(commands.FindNext()), "a");
}

} // namespace
