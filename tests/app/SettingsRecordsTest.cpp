#include "ExpectedKeys.h"
#include "QtPrinters.h"
#include "TestEnv.h"
#include "app/AppLocations.h"
#include "app/AppSettings.h"
#include "app/IDEDirectories.h"
#include "app/ProductFiles.h"
#include "core/IDEOptions.h"
#include "core/SettingsStore.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// Every field away from its default, each with a value of its own.
CIDEOptions NonDefaultOptions()
{
    CIDEOptions o;
    o.m_fontFace = QStringLiteral("DejaVu Sans Mono");
    o.m_fontHeight = -17;
    o.m_tabSize = 4;
    o.m_tabSpaces = 1;
    o.m_menuItems = 35;
    o.m_mruLength = 12;
    o.m_autoExpand = 0;
    o.m_menuTooltip = 0;
    o.m_beep = 1;
    o.m_tip = 0;
    o.m_smartIndent = 0;
    o.m_parseOnSave = 0;
    o.m_parseAllFiles = 1;
    o.m_restoreWindows = 1;
    o.m_closeProjectFiles = 1;
    o.m_checkDirtyFiles = 1;
    o.m_undoBufferSize = 250;
    o.m_wordWrap = 1;
    o.m_helpWarning = 1;
    o.m_helpForeColor = 0x00102030;
    o.m_helpBackColor = 0x00405060;
    o.m_helpLinkColor = 0x00708090;
    o.m_helpAutoload = 0;
    o.m_helpFontHeading = QStringLiteral("Heading Face");
    o.m_helpFontFixed = QStringLiteral("Fixed Face");
    o.m_helpFontNormal = QStringLiteral("Body Face");
    for (int i = 0; i < 6; ++i)
        o.m_helpHeader[i] = 40 + i;
    o.m_helpDefaultSize = 13;
    o.m_editBackColor = 0x00ABCDEF;
    o.m_jarIncludeManifest = 1;
    o.m_jarNoCompression = 1;
    o.m_jarNoManifestEntries = 1;
    o.m_jarSpecifyArchive = 1;
    o.m_jarVerbose = 1;
    o.m_jarCustom = 1;
    o.m_jarManifestFile = QStringLiteral("/p/manifest.mft");
    o.m_jarOutputFile = QStringLiteral("/p/out.jar");
    o.m_jarCustomOptions = QStringLiteral(" -J-Xmx64m");
    for (int i = 0; i < CIDEOptions::RmicFlagCount; ++i)
        o.m_rmic[i] = 1;
    o.m_rmicCustomOptions = QStringLiteral("-iiop");
    o.m_rmicOutputDirPath = QStringLiteral("/p/out");
    o.m_rmicSkelDirPath = QStringLiteral("/p/skel");
    o.m_rmicStubDirPath = QStringLiteral("/p/stub");
    return o;
}

CIDEDirectories NonDefaultDirectories()
{
    CIDEDirectories d;
    d.m_exePath = QStringLiteral("/jdk/bin");
    d.m_libPath = QStringLiteral("/jdk/lib");
    d.m_sourcePath = QStringLiteral("/jdk/src");
    d.m_docPath = QStringLiteral("/jdk/docs");
    d.m_beanDocPath = QStringLiteral("/bdk/docs");
    d.m_jsdkDocPath = QStringLiteral("/jsdk/docs");
    d.m_pkgSourcePath = QStringLiteral("/home/me/src");
    d.m_programPath = QStringLiteral("/opt/mavu");
    d.m_browserPath = QStringLiteral("/usr/bin/firefox");
    d.m_exePaths = {QStringLiteral("/jdk/bin"), QStringLiteral("/jdk2/bin")};
    d.m_libPaths = {QStringLiteral("/jdk/lib")};
    d.m_docPaths = {QStringLiteral("/jdk/docs")};
    d.m_srcPaths = {QStringLiteral("/jdk/src"), QStringLiteral("/jdk/src2")};
    d.m_pkgSrcPaths = {QStringLiteral("/home/me/src"), QStringLiteral("/home/me/other")};
    for (int i = 1; i <= 100; ++i)
        d.m_userPaths << QStringLiteral("/docs/user%1").arg(i);
    return d;
}

} // namespace

TEST(SettingsRecords, EveryKeyOfBothRecordsRoundTripsThroughTheFile)
{
    CTestEnv env;
    const QString ini = env.FilePath(QStringLiteral("config/Mavu/Mavu.ini"));
    const CIDEOptions options = NonDefaultOptions();
    const CIDEDirectories dirs = NonDefaultDirectories();
    {
        CSettingsStore store(ini);
        SaveSettings(store, options, dirs);
        ASSERT_TRUE(store.Sync());
    }
    CSettingsStore store(ini);
    CIDEOptions loadedOptions;
    loadedOptions.LoadSettings(store);
    CIDEDirectories loadedDirs;
    loadedDirs.LoadSettings(store);

    CIDEOptions expected = options;
    expected.m_projectView = 0; // never restored
    EXPECT_TRUE(loadedOptions == expected);
    EXPECT_TRUE(loadedDirs == dirs);

    // And the file itself holds every key, in the written order: the
    // directories first, the rmic strings under "RIMC".
    EXPECT_EQ(store.Keys(), DirectoryKeys(2, 1, 1, 2, 2) + CIDEOptions::Keys());
    EXPECT_EQ(store.GetProfileString(QStringLiteral("RIMC"), QStringLiteral("SkelDirPath")),
              QStringLiteral("/p/skel"));
    EXPECT_TRUE(
        store.GetProfileString(QStringLiteral("RMIC"), QStringLiteral("SkelDirPath")).isNull());
}

TEST(SettingsRecords, MissingKeysTakeTheirDefaults)
{
    CTestEnv env;
    CSettingsStore empty(env.FilePath(QStringLiteral("empty.ini")));

    CIDEOptions fresh;
    fresh.LoadSettings(empty);
    EXPECT_TRUE(fresh == CIDEOptions());

    // Some keys default to what the record already holds, the rest to fixed
    // values: load an empty store over a changed record to tell them apart.
    CIDEOptions changed = NonDefaultOptions();
    changed.LoadSettings(empty);
    CIDEOptions expected; // fixed defaults everywhere...
    const CIDEOptions before = NonDefaultOptions();
    // ...except the keys whose default is the record's own value.
    expected.m_fontFace = before.m_fontFace;
    expected.m_fontHeight = before.m_fontHeight;
    expected.m_tabSize = before.m_tabSize;
    expected.m_tabSpaces = before.m_tabSpaces;
    expected.m_menuItems = before.m_menuItems;
    expected.m_mruLength = before.m_mruLength;
    expected.m_helpWarning = before.m_helpWarning;
    expected.m_beep = before.m_beep;
    expected.m_wordWrap = before.m_wordWrap;
    EXPECT_TRUE(changed == expected);

    CIDEDirectories dirs = NonDefaultDirectories();
    dirs.LoadSettings(empty);
    EXPECT_TRUE(dirs == CIDEDirectories());
}

TEST(SettingsRecords, ProjectViewIsSavedButEveryStartBeginsWithZero)
{
    CTestEnv env;
    const QString ini =
        env.WriteFile(QStringLiteral("Mavu.ini"), "[Editor]\nTabsize=3\nProjectView=1\n");
    CSettingsStore store(ini);
    CIDEOptions options;
    options.LoadSettings(store);
    EXPECT_EQ(options.m_projectView, 0);
    EXPECT_EQ(options.m_tabSize, 3);
    // Loading leaves the stored value alone until the settings are saved.
    EXPECT_EQ(store.GetProfileInt(QStringLiteral("Editor"), QStringLiteral("ProjectView"), -1), 1);
    options.m_projectView = 2;
    options.SaveSettings(store);
    EXPECT_EQ(store.GetProfileInt(QStringLiteral("Editor"), QStringLiteral("ProjectView"), -1), 2);
}

TEST(SettingsRecords, PathListsComeFromCountsOrTheSinglePath)
{
    CTestEnv env;
    struct Row
    {
        const char *name;
        QByteArray ini;
        QStringList CIDEDirectories::*list;
        const char *expected; // the list joined with blanks
    };
    const Row rows[] = {
        {"single path when no count", "[Java]\nExePath=/jdk/bin\n", &CIDEDirectories::m_exePaths,
         "/jdk/bin"},
        {"entries win over the single path",
         "[Java]\nDocPath=/single\nDocPathCount=2\nDocPath1=/a\nDocPath2=/b\n",
         &CIDEDirectories::m_docPaths, "/a /b"},
        {"empty entries are skipped, not the ones after them",
         "[Java]\nSrcPathCount=3\nSrcPath1=\nSrcPath2=/b\nSrcPath3=/c\nSourcePath=/s\n",
         &CIDEDirectories::m_srcPaths, "/b /c"},
        {"entries past the count are ignored", "[Java]\nExePathCount=1\nExePath1=/a\nExePath2=/b\n",
         &CIDEDirectories::m_exePaths, "/a"},
        {"package sources use their own section",
         "[Package]\nSourcePath=/pkg\n[Java]\nSourcePath=/jdk/src\n",
         &CIDEDirectories::m_pkgSrcPaths, "/pkg"},
        {"a corrupt count reads nothing", "[Java]\nExePathCount=-5\nExePath=/x\n",
         &CIDEDirectories::m_exePaths, "/x"},
        {"a huge count does not hang", "[Java]\nDocPathCount=2000000000\nDocPath1=/only\n",
         &CIDEDirectories::m_docPaths, "/only"},
    };
    for (const Row &row : rows) {
        const QString ini = env.WriteFile(QStringLiteral("lists.ini"), row.ini);
        CSettingsStore store(ini);
        CIDEDirectories dirs;
        dirs.LoadSettings(store);
        EXPECT_EQ((dirs.*(row.list)).join(' '), QLatin1String(row.expected)) << row.name;
    }

    // A shorter list removes the stale numbered entries it leaves behind.
    const QString ini = env.WriteFile(QStringLiteral("shrink.ini"),
                                      "[Java]\nExePathCount=3\nExePath1=/a\nExePath2=/b\n"
                                      "ExePath3=/c\n");
    CSettingsStore store(ini);
    CIDEDirectories dirs;
    dirs.LoadSettings(store);
    dirs.m_exePaths = {QStringLiteral("/z")};
    dirs.SaveSettings(store);
    EXPECT_EQ(store.GetProfileInt(QStringLiteral("Java"), QStringLiteral("ExePathCount"), -1), 1);
    EXPECT_EQ(store.GetProfileString(QStringLiteral("Java"), QStringLiteral("ExePath1")),
              QStringLiteral("/z"));
    EXPECT_TRUE(
        store.GetProfileString(QStringLiteral("Java"), QStringLiteral("ExePath2")).isNull());
    EXPECT_TRUE(
        store.GetProfileString(QStringLiteral("Java"), QStringLiteral("ExePath3")).isNull());
}

TEST(SettingsRecords, LoadSettingsReadsInitialDataFilePaths)
{
    CTestEnv env;
    const QString ini = env.WriteFile(QStringLiteral("Mavu.ini"),
                                      "[Java]\nPkgPath=/old/mavu.pkg\nHelpPath=/old/mavu.hpg\n"
                                      "DocPath=/jdk/docs/api\n[Help]\nWarning=1\n");
    CSettingsStore store(ini);
    CAppLocations loc;
    loc.m_startupDir = env.Path() + QLatin1Char('/');
    loc.m_defaultProgramDir = env.FilePath(QStringLiteral("data/Mavu"));
    CIDEOptions options;
    CIDEDirectories dirs;
    CProductFiles files;
    LoadSettings(store, loc, options, dirs, files);
    EXPECT_EQ(files.Path(CProductFiles::Packages), QStringLiteral("/old/mavu.pkg"));
    EXPECT_EQ(files.Path(CProductFiles::HelpTree), QStringLiteral("/old/mavu.hpg"));
    EXPECT_TRUE(files.Path(CProductFiles::Workspace).isEmpty());
    // Derivation ran: the documentation path lost its "/api", and a set
    // documentation path clears "do not warn again".
    EXPECT_EQ(dirs.m_docPath, QStringLiteral("/jdk/docs"));
    EXPECT_EQ(options.m_helpWarning, 0);
    EXPECT_EQ(dirs.m_programPath, loc.m_defaultProgramDir);
}
