#include "QtPrinters.h"
#include "TestEnv.h"
#include "core/SettingsExchange.h"
#include "core/SettingsStore.h"
#include "project/ToolOptions.h"
#include "tools/JarOptions.h"
#include "tools/JavadocCommandLine.h"
#include "tools/RmicCommandLine.h"

#include <gtest/gtest.h>

TEST(JavadocCommandLine, GlobalAndProjectForms)
{
    CDocOptions none;
    CDocOptions all;
    all.m_bOutputDir = 1;
    all.m_strOutputDir = "/docs/api/";
    all.m_nDocType = 2;
    all.m_bVersion = all.m_bNoDeprecated = all.m_bAuthor = all.m_bNoIndex = all.m_bNoTree = 1;
    all.m_bCustomOptions = 1;
    all.m_strCustomOptions = "-quiet";
    CDocOptions spaced;
    spaced.m_bOutputDir = 1;
    spaced.m_strOutputDir = "/my docs";
    spaced.m_bAuthor = 1;
    CDocOptions projectCustom;
    projectCustom.m_strCustomOptions = "-private";
    projectCustom.m_bNoTree = 1;
    CDocOptions projectDir;
    projectDir.m_bOutputDir = 1;
    projectDir.m_strOutputDir = "/p/doc";
    CCompilerOptions compilerCustom;
    compilerCustom.m_bCustomOptions = 1;
    const CCompilerOptions compilerPlain;

    const struct
    {
        const char *what;
        const CDocOptions *project;
        const CDocOptions &global;
        const CCompilerOptions &compiler;
        const char *dir;
        QString line;
    } table[] = {
        {"global, nothing on", nullptr, none, compilerPlain, "", "javadoc   "},
        {"global, everything; custom text needs the compiler's switch", nullptr, all, compilerPlain,
         "/jdk/bin",
         "/jdk/bin/javadoc   -d /docs/api -doctype MIF  -version  -nodeprecated  -author  "
         "-noindex  -notree  "},
        {"global custom text through the compiler's switch", nullptr, all, compilerCustom,
         "/jdk/bin/",
         "/jdk/bin/javadoc   -d /docs/api -doctype MIF  -version  -nodeprecated  -author  "
         "-noindex  -notree  -quiet "},
        {"a directory with a blank, document type 1", nullptr, spaced, compilerPlain, "",
         "javadoc   -d \"/my docs\" -author  "},
        {"project, nothing on anywhere", &none, none, compilerPlain, "", "javadoc  "},
        {"project: its own directory first, its own custom text", &projectDir, all, compilerPlain,
         "", "javadoc  -d /p/doc -version  -nodeprecated  -author  -noindex  -notree  -quiet "},
        {"project: the global directory and flags, the project's text", &projectCustom, spaced,
         compilerPlain, "", "javadoc  -d \"/my docs\" -author  -notree  -private "},
        {"project MIF is the project's own choice", &all, none, compilerPlain, "",
         "javadoc  -d /docs/api -doctype MIF  -version  -nodeprecated  -author  -noindex  "
         "-notree  -quiet "},
    };
    for (const auto &row : table) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(CJavadocCommandLine::Build(row.project, row.global, row.compiler,
                                             QString::fromLatin1(row.dir)),
                  row.line);
    }
}

TEST(JarOptions, LetterGroupsFilesAndSettings)
{
    CJarOptions o;
    o.m_strOutputFile = "/out/lib/app.jar";
    o.m_strManifestFile = "/src/bean.mft";
    o.m_files = {"/out/lib/A.class", "/out/lib/p/B C.class", "/out/other/D.class"};
    EXPECT_EQ(o.WorkingDirectory(), "/out/lib");
    // No letter on: no "-" group at all.
    EXPECT_EQ(o.CommandLine(""), "jar  A.class \"p/B C.class\" ../other/D.class");

    const struct
    {
        int c, v, f, m, M, zero;
        const char *start;
    } table[] = {
        {1, 1, 1, 1, 0, 0, "jar -cvfm app.jar /src/bean.mft "},
        {1, 0, 1, 0, 0, 1, "jar -cf0 app.jar "},
        {1, 1, 1, 0, 1, 1, "jar -cvfM0 app.jar "},
        {0, 0, 0, 1, 0, 0, "jar -m /src/bean.mft "},
    };
    o.m_files.clear();
    for (const auto &row : table) {
        o.m_bCreate = row.c;
        o.m_bVerbose = row.v;
        o.m_bSpecifyArchive = row.f;
        o.m_bIncludeManifest = row.m;
        o.m_bNoManifestEntries = row.M;
        o.m_bNoCompression = row.zero;
        EXPECT_EQ(o.CommandLine(""), row.start);
    }
    o.m_bCustom = 1;
    o.m_strCustomOptions = "-C classes .";
    o.m_files = {"/out/lib/A.class"};
    EXPECT_EQ(o.CommandLine("/jdk/bin"), "/jdk/bin/jar -m /src/bean.mft -C classes .  A.class");

    // The settings round trip.
    CTestEnv env;
    CSettingsStore store(env.FilePath("x.ini"));
    CSettingsExchange save(store);
    o.Exchange(save);
    CJarOptions back;
    back.m_bCreate = 5;
    CSettingsExchange load(static_cast<const CSettingsStore &>(store));
    back.Exchange(load);
    back.m_files = o.m_files;
    EXPECT_EQ(back, o);
}

TEST(RmicCommandLine, SwitchesDirectoriesAndClassPaths)
{
    CRmicOptions o;
    o.m_classNames = {"p.Server", "Other"};
    EXPECT_EQ(CRmicCommandLine::Build(o, "/proj/cp", "", ""), "rmic  p.Server Other");
    EXPECT_EQ(CRmicCommandLine::Build(o, "/proj/cp", "/global", "/jdk/bin"),
              "/jdk/bin/rmic -classpath /global  p.Server Other");
    o.m_bClassPath = 1;
    EXPECT_EQ(CRmicCommandLine::Build(o, "/proj/cp", "/global", ""),
              "rmic -classpath /proj/cp  p.Server Other");
    // No project class path: the global one.
    EXPECT_EQ(CRmicCommandLine::Build(o, "", "/a b", ""),
              "rmic -classpath \"/a b\"  p.Server Other");

    o.m_bClassPath = 0;
    o.m_bDebug = o.m_bDebugTables = o.m_bOptimize = o.m_bDepend = o.m_bVerbose = 1;
    o.m_bKeepGenerated = o.m_bNoWarn = o.m_bNoWrite = o.m_bShow = 1;
    o.m_classNames = {"S"};
    EXPECT_EQ(CRmicCommandLine::Build(o, "", "", ""),
              "rmic -debug -g -O -depend -verbose -keepgenerated -nowarn -nowrite -show  S");

    CRmicOptions d;
    d.m_bOutputDir = d.m_bStubDir = d.m_bSkelDir = 1;
    d.m_strOutputDirPath = "/out";
    d.m_strStubDirPath = "/stubs";
    d.m_strSkelDirPath = "/skel";
    d.m_bCustom = 1;
    d.m_strCustomOptions = "-iiop";
    d.m_classNames = {"S"};
    // The skeleton directory goes out with "-d" as well: twice "-d".
    EXPECT_EQ(CRmicCommandLine::Build(d, "", "", ""),
              "rmic -d /out -dstub /stubs -d /skel  -iiop  S");
    d.m_strStubDirPath.clear(); // on but empty: left out
    d.m_bOutputDir = 0;
    d.m_bCustom = 0;
    EXPECT_EQ(CRmicCommandLine::Build(d, "", "", ""), "rmic -d /skel  S");

    CSettingsExchange keys;
    CRmicCommandLine::Exchange(keys, d);
    // Files written by earlier versions spell this section so.
    EXPECT_TRUE(keys.Keys().contains(qMakePair(QString("RIMC"), QString("OutputDirPath"))));
}
