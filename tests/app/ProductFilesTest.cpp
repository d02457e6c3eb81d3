#include "app/ProductFiles.h"

#include "QtPrinters.h"
#include "TestEnv.h"
#include "app/CommandLineInfo.h"
#include "app/FilePathInfo.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(ProductFiles, FallbackRuleChoosesWhichCopyToOpen)
{
    CTestEnv env;
    const QString prog = env.FilePath(QStringLiteral("prog"));
    const QString start = env.FilePath(QStringLiteral("start/"));
    const QString elsewhere = env.FilePath(QStringLiteral("elsewhere"));
    QDir().mkpath(prog);
    QDir().mkpath(start);
    QDir().mkpath(elsewhere);
    env.WriteFile(QStringLiteral("elsewhere/mavu.proj"), "x");
    env.WriteFile(QStringLiteral("start/user.cmd"), "x");
    env.WriteFile(QStringLiteral("prog/mavu.ipg"), "x");

    using F = CProductFiles;
    F files;
    files.SetPath(F::Packages, QStringLiteral("/old/mavu.pkg"));
    files.SetDefaults(env.FilePath(QStringLiteral("missing")), start);
    EXPECT_EQ(files.Path(F::Packages), QStringLiteral("/old/mavu.pkg"))
        << "a missing program directory changes nothing";
    // The defaults: data files in the program directory, the documentation
    // index in the start-up directory.
    files.SetDefaults(prog, start);
    EXPECT_EQ(files.Path(F::UserIndex), prog + "/user.ipg");
    EXPECT_EQ(files.Path(F::DocIndex), start + "mavu.ipg");

    const struct
    {
        const char *name;
        F::File file;
        QString configured;
        QString expected;
    } rows[] = {
        {"an existing configured file is kept", F::Workspace, elsewhere + "/mavu.proj",
         elsewhere + "/mavu.proj"},
        {"nothing configured: the start-up copy, even if missing", F::Workspace, "",
         start + "mavu.proj"},
        {"missing configured file, start-up copy exists", F::Commands, elsewhere + "/user.cmd",
         start + "user.cmd"},
        {"missing configured file and no other copy: keep it", F::Packages, elsewhere + "/mavu.pkg",
         elsewhere + "/mavu.pkg"},
        {"the documentation index falls back to the program directory", F::DocIndex,
         start + "mavu.ipg", prog + "/mavu.ipg"},
        {"the help index too, even when missing if nothing was configured", F::HelpIndex, "",
         prog + "/mavuhelp.ipg"},
        {"the user index falls back to the start-up directory", F::UserIndex, "",
         start + "user.ipg"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(F::Resolve(row.file, row.configured, prog, start), row.expected) << row.name;

    // An empty program directory setting has already become the program
    // directory by now, so the data files are looked for there.
    files.ResolveAll(prog, start);
    EXPECT_EQ(files.Path(F::Commands), start + "user.cmd");
    EXPECT_EQ(files.Path(F::DocIndex), prog + "/mavu.ipg");
    EXPECT_EQ(files.Path(F::Workspace), prog + "/mavu.proj");
}

TEST(FilePathInfo, SplitsPathsAndChecksThem)
{
    CTestEnv env;
    const QString file = env.WriteFile(QStringLiteral("dir/Demo.Mavu"), "12345");
    CFilePathInfo info(file);
    ASSERT_TRUE(info.Exists());
    EXPECT_EQ(info.Size(), 5);
    EXPECT_EQ(info.Dir(), env.FilePath(QStringLiteral("dir/")));
    EXPECT_EQ(info.FileName(), QStringLiteral("Demo"));
    EXPECT_EQ(info.Extension(), QStringLiteral(".Mavu"));
    EXPECT_TRUE(info.IsExtension(QStringLiteral(".mavu")));
    EXPECT_EQ(info.GetNameExt(), QStringLiteral("Demo.Mavu"));
    EXPECT_EQ(info.GetDriveDirNoSlash(), env.FilePath(QStringLiteral("dir")));

    CFilePathInfo missing(env.FilePath(QStringLiteral("dir/none.java")));
    EXPECT_FALSE(missing.Exists());
    EXPECT_NE(missing.ErrorNumber(), 0);
    EXPECT_TRUE(missing.FileName().isEmpty()) << "a failed check does not split";

    const struct
    {
        const char *path, *driveDir, *noSlash, *name, *ext;
    } rows[] = {
        {"/a/b/c.tar.gz", "/a/b/", "/a/b", "c.tar", ".gz"},
        {"/root.txt", "/", "/", "root", ".txt"},
        {"relative.java", "./", ".", "relative", ".java"},
        {"/a/dir.d/noext", "/a/dir.d/", "/a/dir.d", "noext", ""},
        {"/a/.hidden", "/a/", "/a", "", ".hidden"},
    };
    for (const auto &row : rows) {
        CFilePathInfo p(QLatin1String(row.path), false);
        EXPECT_EQ(p.GetDriveDir(), QLatin1String(row.driveDir)) << row.path;
        EXPECT_EQ(p.GetDriveDirNoSlash(), QLatin1String(row.noSlash)) << row.path;
        EXPECT_EQ(p.FileName(), QLatin1String(row.name)) << row.path;
        EXPECT_EQ(p.Extension(), QLatin1String(row.ext)) << row.path;
    }
    EXPECT_EQ(CFilePathInfo::Join(QStringLiteral("/a/"), QStringLiteral("/b")),
              QStringLiteral("/a/b"));
    EXPECT_EQ(CFilePathInfo::Join(QStringLiteral("/"), QStringLiteral("help")),
              QStringLiteral("/help"));
}

TEST(CommandLine, ProjectFilesAreRecognisedInAnyCase)
{
    CTestEnv env;
    const QString upper = env.WriteFile(QStringLiteral("Demo.MAVU"), "x");
    const QString lower = env.WriteFile(QStringLiteral("other.mavu"), "x");
    const QString java = env.WriteFile(QStringLiteral("Hello.java"), "class Hello {}");
    const QString last = env.WriteFile(QStringLiteral("last.mavu"), "x");

    using C = CCommandLineInfo;
    const QString gone = env.FilePath("gone.mavu");
    const struct
    {
        const char *name;
        QString args; // blank-separated
        QString lastProject;
        C::InitialOpen kind;
        QString path;
    } rows[] = {
        {"upper-case extension is a project", upper, last, C::OpenProject, upper},
        {"relative names are made absolute", "other.mavu", "", C::OpenProject, lower},
        {"options are not file names", "-style --x " + java, last, C::OpenDocument, java},
        {"a missing project opens as a file, to be reported", gone, last, C::OpenDocument, gone},
        {"no file: the last project", "", last, C::OpenProject, last},
        {"no file and a last project that is gone", "", gone, C::OpenNothing, ""},
        {"nothing at all", "", "", C::OpenNothing, ""},
    };
    for (const auto &row : rows) {
        C info;
        info.ParseCommandLine(row.args.split(' ', Qt::SkipEmptyParts));
        QString path = QStringLiteral("stale");
        EXPECT_EQ(info.InitialDocument(row.lastProject, &path), row.kind) << row.name;
        EXPECT_EQ(path, row.path) << row.name;
    }
}
