#include "tools/RunCommandLine.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using O = CInterpreterOptions;

struct CommandCase
{
    const char *what;
    std::function<void(O &project, O &global, CRunSetup &setup)> arrange;
    const char *expected;
};

// A project with Main.java in /p/src as main class file.
CRunSetup ProjectSetup(O &project, O &global)
{
    CRunSetup s;
    s.project = &project;
    s.global = &global;
    s.jdkBinDir = "/jdk/bin";
    s.projectDir = "/p";
    s.mainClassFile = "Main.java";
    s.mainClassDir = "/p/src";
    return s;
}

// Flags on in the project alone, in the workspace alone, or in both (then
// the project's value wins).
const CommandCase kApplicationCases[] = {
    {"plain", [](O &, O &, CRunSetup &) {}, "/jdk/bin/java   Main "},
    {"project value wins",
     [](O &p, O &g, CRunSetup &) {
         p.m_bCStack = 1;
         p.m_strCStack = "512k";
         g.m_bCStack = 1;
         g.m_strCStack = "1m";
     },
     "/jdk/bin/java  -ss512k  Main "},
    {"workspace value when the project's flag is off",
     [](O &p, O &g, CRunSetup &) {
         p.m_strJavaStack = "ignored";
         g.m_bJavaStack = 1;
         g.m_strJavaStack = "256k";
     },
     "/jdk/bin/java  -oss256k  Main "},
    {"every flag in its order",
     [](O &p, O &g, CRunSetup &) {
         for (int O::*f : {&O::m_bCheckSource, &O::m_bNoAsyncGC, &O::m_bVerbose, &O::m_bVerify,
                           &O::m_bNoVerify, &O::m_bVerifyRemote, &O::m_bVerboseGC})
             g.*f = 1;
         for (int O::*f :
              {&O::m_bMaxHeap, &O::m_bStartHeap, &O::m_bJavaStack, &O::m_bCStack, &O::m_bProperty})
             p.*f = 1;
         p.m_strMaxHeap = "1";
         p.m_strStartHeap = "2";
         p.m_strJavaStack = "3";
         p.m_strCStack = "4";
         p.m_strProperty = "x=5";
     },
     "/jdk/bin/java  -cs -mx1 -ms2 -noasyncgc -oss3 -ss4 -verbose -verify -noverify "
     "-verifyremote -verbosegc -Dx=5  Main "},
    {"custom options of the workspace",
     [](O &p, O &g, CRunSetup &) {
         g.m_bCustomOptions = 1;
         g.m_strCustomOptions = "-Xint";
         // A project never has custom options of its own.
         p.m_bCustomOptions = 1;
         p.m_strCustomOptions = "-ignored";
     },
     "/jdk/bin/java   -Xint Main "},
    {"another interpreter",
     [](O &, O &g, CRunSetup &) {
         g.m_bUseInterpreter = 1;
         g.m_strInterpreter = "/opt/jre/bin/java";
     },
     "/opt/jre/bin/java   Main "},
    {"no JDK directory: java from PATH", [](O &, O &, CRunSetup &s) { s.jdkBinDir.clear(); },
     "java   Main "},
    {"package of the main class file", [](O &, O &, CRunSetup &s) { s.mainClassPackage = "app"; },
     "/jdk/bin/java   app.Main "},
    {"arguments",
     [](O &p, O &, CRunSetup &) {
         p.m_bArguments = 1;
         p.m_strArguments = "one \"two three\"";
     },
     "/jdk/bin/java   Main one \"two three\""},
    {"arguments off", [](O &p, O &, CRunSetup &) { p.m_strArguments = "one"; },
     "/jdk/bin/java   Main "},
    {"class to run replaces the main class file",
     [](O &p, O &, CRunSetup &s) {
         p.m_bClassToRun = 1;
         p.m_strClassToRun = "x.Other";
         s.mainClassPackage = "app";
     },
     "/jdk/bin/java   x.Other "},
    {"no class at all: no arguments either",
     [](O &p, O &, CRunSetup &s) {
         s.mainClassFile.clear();
         p.m_bArguments = 1;
         p.m_strArguments = "one";
     },
     "/jdk/bin/java    "},
};

TEST(RunCommandLine, ApplicationLineIsBuiltFlagByFlag)
{
    for (const CommandCase &c : kApplicationCases) {
        O project, global;
        CRunSetup setup = ProjectSetup(project, global);
        c.arrange(project, global, setup);
        EXPECT_EQ(CRunCommandLine::ApplicationLine(setup), c.expected) << c.what;
    }
}

TEST(RunCommandLine, AppletAndGlobalForms)
{
    O project, global;
    CRunSetup s = ProjectSetup(project, global);
    s.mainHtmlFile = "Page.html";
    EXPECT_EQ(CRunCommandLine::AppletLine(s, false), "/jdk/bin/appletviewer    Page.html");
    EXPECT_EQ(CRunCommandLine::AppletLine(s, true), "/jdk/bin/appletviewer   -debug  Page.html");
    global.m_bCustomOptions = 1;
    global.m_strCustomOptions = "-J-Dx=y";
    EXPECT_EQ(CRunCommandLine::AppletLine(s, false), "/jdk/bin/appletviewer    -J-Dx=y Page.html");
    // The project's flags do not reach the applet viewer.
    project.m_bVerbose = 1;
    global.m_bUseInterpreter = 1;
    global.m_strInterpreter = "/opt/viewer";
    EXPECT_EQ(CRunCommandLine::AppletLine(s, false), "/opt/viewer   -J-Dx=y Page.html");

    // Without a project: the workspace's flags only, the file's own name.
    CRunSetup g;
    g.global = &global;
    g.jdkBinDir = "/jdk/bin";
    g.file = "/w/dir/Hello.java";
    global.m_bMaxHeap = 1;
    global.m_strMaxHeap = "32m";
    EXPECT_EQ(CRunCommandLine::GlobalApplicationLine(g), "/opt/viewer  -mx32m  -J-Dx=y Hello");
    // The other interpreter never replaces the applet viewer here.
    g.file = "/w/dir/Page.HTM";
    EXPECT_EQ(CRunCommandLine::GlobalAppletLine(g), "/jdk/bin/appletviewer   -J-Dx=y Page.HTM");
    EXPECT_EQ(CRunCommandLine::GlobalWorkingDirectory(g), "/w/dir");

    EXPECT_EQ(CRunCommandLine::KindOfFile("/a/Page.HTM"), CRunCommandLine::Applet);
    EXPECT_EQ(CRunCommandLine::KindOfFile("/a/Page.html"), CRunCommandLine::Applet);
    EXPECT_EQ(CRunCommandLine::KindOfFile("/a/Main.JAVA"), CRunCommandLine::Application);
    EXPECT_EQ(CRunCommandLine::KindOfFile("/a/notes.txt"), CRunCommandLine::NotRunnable);
    EXPECT_EQ(CRunCommandLine::KindOfFile("/a/htm"), CRunCommandLine::NotRunnable);
}

struct DirCase
{
    const char *what;
    std::function<void(O &project, CRunSetup &setup)> arrange;
    const char *expected;
};

const DirCase kDirCases[] = {
    {"main class file's directory", [](O &, CRunSetup &) {}, "/p/src"},
    {"relative run directory",
     [](O &p, CRunSetup &) {
         p.m_bRunInDirectory = 1;
         p.m_strRunDirectory = "work/run";
     },
     "/p/work/run"},
    {"absolute run directory",
     [](O &p, CRunSetup &s) {
         p.m_bRunInDirectory = 1;
         p.m_strRunDirectory = "/tmp/x";
         s.mainHtmlFile = "Page.html";
         s.mainHtmlDir = "/p/web";
     },
     "/tmp/x"},
    {"main HTML file's directory",
     [](O &, CRunSetup &s) {
         s.mainHtmlFile = "Page.html";
         s.mainHtmlDir = "/p/web";
     },
     "/p/web"},
    {"class to run: project directory",
     [](O &p, CRunSetup &) {
         p.m_bClassToRun = 1;
         p.m_strClassToRun = "x.Other";
     },
     "/p"},
    {"nothing known: project directory", [](O &, CRunSetup &s) { s.mainClassDir.clear(); }, "/p"},
};

TEST(RunCommandLine, WorkingDirectoryFollowsTheRules)
{
    for (const DirCase &c : kDirCases) {
        O project, global;
        CRunSetup setup = ProjectSetup(project, global);
        c.arrange(project, setup);
        EXPECT_EQ(CRunCommandLine::WorkingDirectory(setup), c.expected) << c.what;
    }
}

} // namespace
