#include "tools/CommandLine.h"

#include "TestEnv.h"
#include "project/ToolOptions.h"
#include "tools/JavacCommandLine.h"

#include <gtest/gtest.h>

TEST(CommandLine, SplitsAtBlanksKeepsQuotedBlanksAndExpandsPatterns)
{
    EXPECT_EQ(CCommandLine::Split("javac   -d \"my out\" A.java "),
              (QStringList{"javac", "-d", "my out", "A.java"}));
    EXPECT_EQ(CCommandLine::Split("echo \\\"hi\\\" \"\""), (QStringList{"echo", "\"hi\"", ""}));
    EXPECT_TRUE(CCommandLine::Split("   ").isEmpty());

    CTestEnv env;
    env.WriteFile("B.java", "");
    env.WriteFile("A.java", "");
    env.WriteFile("notes.txt", "");
    env.WriteFile("src/C.java", "");
    EXPECT_EQ(CCommandLine::SplitExpanded("javac  *.java", env.Path()),
              (QStringList{"javac", "A.java", "B.java"}));
    EXPECT_EQ(CCommandLine::SplitExpanded("javac src/*.java", env.Path()),
              (QStringList{"javac", "src/C.java"}));
    // Quoted, or matching nothing: passed on as written, for the tool to say.
    EXPECT_EQ(CCommandLine::SplitExpanded("javac \"*.java\" *.kt", env.Path()),
              (QStringList{"javac", "*.java", "*.kt"}));
}

TEST(JavacCommandLine, OptionsInTheirOrder)
{
    const QString jdk = "/usr/lib/jvm/j17/bin";
    struct Row
    {
        const char *name;
        void (*set)(CCompilerOptions &);
        const char *expected;
    };
    const Row rows[] = {
        {"none", [](CCompilerOptions &) {}, "/usr/lib/jvm/j17/bin/javac   "},
        {"custom",
         [](CCompilerOptions &o) {
             o.m_bCustomOptions = 1;
             o.m_strCustomOptions = "-Xlint:all --release 17";
         },
         "/usr/lib/jvm/j17/bin/javac   -Xlint:all --release 17 "},
        {"custom off", [](CCompilerOptions &o) { o.m_strCustomOptions = "-Xlint"; },
         "/usr/lib/jvm/j17/bin/javac   "},
        {"all",
         [](CCompilerOptions &o) {
             o.m_bOutputDir = o.m_bDebug = o.m_bNoWarn = o.m_bOptimize = o.m_bVerbose =
                 o.m_bDeprecation = o.m_bCustomOptions = 1;
             o.m_strOutputDir = "/home/u/my classes/";
             o.m_strCustomOptions = "-Xlint";
         },
         "/usr/lib/jvm/j17/bin/javac   -d \"/home/u/my classes\" -g -nowarn -O -verbose "
         "-deprecation -Xlint "},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        CCompilerOptions global;
        r.set(global);
        EXPECT_EQ(CJavacCommandLine::Build(nullptr, global, jdk), QString::fromUtf8(r.expected));
        // The same option set in a project over empty defaults.
        CCompilerOptions project;
        r.set(project);
        EXPECT_EQ(CJavacCommandLine::Build(&project, CCompilerOptions(), jdk + u'/'),
                  QString::fromUtf8(r.expected));
    }
    // Without a JDK directory javac comes from PATH.
    EXPECT_EQ(CJavacCommandLine::Build(nullptr, CCompilerOptions(), QString()), "javac   ");
}

TEST(JavacCommandLine, OutputDirectoryFormsAndProjectOverDefaults)
{
    EXPECT_EQ(CJavacCommandLine::OutputDirArgument("/"), "/");
    EXPECT_EQ(CJavacCommandLine::OutputDirArgument("/a/"), "/a");

    CCompilerOptions global, project;
    global.m_bOutputDir = 1;
    global.m_strOutputDir = "/global";
    global.m_bDebug = 1;
    project.m_strOutputDir = "/project"; // its flag is off
    project.m_bNoWarn = 1;
    EXPECT_EQ(CJavacCommandLine::Build(&project, global, QString()),
              "javac   -d /global -g -nowarn ");
    project.m_bOutputDir = 1;
    EXPECT_EQ(CJavacCommandLine::Build(&project, global, QString()),
              "javac   -d /project -g -nowarn ");
    // The defaults alone when the compile is not the project's.
    EXPECT_EQ(CJavacCommandLine::Build(nullptr, global, QString()), "javac   -d /global -g ");
}

TEST(JavacCommandLine, AnOwnCompilerReplacesTheWholeCommand)
{
    CCompilerOptions global, project;
    global.m_bDebug = 1;
    global.m_bUseCompiler = 1;
    global.m_strCompiler = "/opt/ecj";
    global.m_strCustomOptions = "-17";
    EXPECT_EQ(CJavacCommandLine::Build(nullptr, global, QString()), "/opt/ecj ");
    global.m_bCustomOptions = 1;
    EXPECT_EQ(CJavacCommandLine::Build(nullptr, global, QString()), "/opt/ecj -17 ");
    // The project's own compiler wins, with the project's custom options.
    project.m_bUseCompiler = 1;
    project.m_strCompiler = "jikes";
    EXPECT_EQ(CJavacCommandLine::Build(&project, global, QString()), "jikes ");
    project.m_bCustomOptions = 1;
    project.m_strCustomOptions = "+E";
    EXPECT_EQ(CJavacCommandLine::Build(&project, global, QString()), "jikes +E ");
}
