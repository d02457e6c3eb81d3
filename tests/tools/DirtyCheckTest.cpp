#include "tools/DirtyCheck.h"

#include "FakePrompter.h"
#include "TestEnv.h"
#include "ToolsTestSupport.h"
#include "project/Project.h"
#include "project/ProjectDoc.h"
#include "project/ProjectFileItem.h"

#include <gtest/gtest.h>

TEST(DirtyCheck, ClassFilesBesideTheSourceOrUnderTheOutputDirectory)
{
    CTestEnv env;
    CTestProject tp(env.Path(), {{"A.java", "class A {} interface AI {}"},
                                 {"src/p/B.java", "package p.q; public class B {}"}});
    CProject &project = tp.Project();
    CDirtyCheck check(project, tp.Workspace().m_compiler);

    // No output directory: beside the source, whatever the package.
    EXPECT_EQ(check.ClassFileOf(tp.Path("src/p/B.java"), "p.q", "B"), tp.Path("src/p/B.class"));
    // An output directory (the project's, relative to the project) takes
    // the package's directories.
    tp.Workspace().m_compiler.m_bOutputDir = 1;
    tp.Workspace().m_compiler.m_strOutputDir = "/global/out/";
    EXPECT_EQ(check.ClassFileOf(tp.Path("src/p/B.java"), "p.q", "B"), "/global/out/p/q/B.class");
    project.m_compiler.m_bOutputDir = 1;
    project.m_compiler.m_strOutputDir = "classes";
    EXPECT_EQ(check.ClassFileOf(tp.Path("src/p/B.java"), "p.q", "B"),
              tp.Path("classes/p/q/B.class"));
    EXPECT_EQ(check.ClassFileOf(tp.Path("A.java"), "", "A"), tp.Path("classes/A.class"));
}

TEST(DirtyCheck, MissingOrOlderClassFilesMakeASourceDirty)
{
    CTestEnv env;
    CFakePrompter prompter;
    CTestProject tp(env.Path(), {{"A.java", "class A {} interface AI {}"},
                                 {"p/B.java", "package p; public class B {}"},
                                 {"notes.txt", "x"}});
    CProject &project = tp.Project();
    project.m_compiler.m_bOutputDir = 1;
    project.m_compiler.m_strOutputDir = "out";
    tp.Write("A.java", "class A {} interface AI {}", -100);
    tp.Write("p/B.java", "package p; public class B {}", -100);
    CDirtyCheck check(project, tp.Workspace().m_compiler);
    const QStringList all = project.GetFiles();

    // Nothing compiled yet: both dirty, the text file is no source.
    EXPECT_EQ(check.CheckProject(all, true), 2);
    EXPECT_EQ(check.CheckProject(all, false), 0);
    EXPECT_TRUE(project.FindFileItem(tp.Path("A.java"))->IsDirty());

    // One class of A's two is there: still dirty. Both: clean.
    tp.Write("out/A.class", "");
    EXPECT_TRUE(check.IsSourceDirty(tp.Path("A.java"), false));
    tp.Write("out/AI.class", "");
    tp.Write("out/p/B.class", "");
    EXPECT_EQ(check.CheckProject(all, true), 0);
    EXPECT_FALSE(project.FindFileItem(tp.Path("A.java"))->IsDirty());
    EXPECT_FALSE(project.FindFileItem(tp.Path("p/B.java"))->IsDirty());

    // An edit after the compile: older class file, dirty again.
    tp.Write("p/B.java", "package p; public class B { int x; }", 100);
    EXPECT_EQ(check.CheckProject(all, true), 1);
    EXPECT_TRUE(project.FindFileItem(tp.Path("p/B.java"))->IsDirty());
    EXPECT_EQ(prompter.m_waitDepth, 0);
}
