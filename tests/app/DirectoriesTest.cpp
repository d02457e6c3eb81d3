#include "QtPrinters.h"
#include "TestEnv.h"
#include "app/AppLocations.h"
#include "app/IDEDirectories.h"
#include "core/IDEOptions.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

struct Places
{
    CTestEnv env;
    CAppLocations loc;
    Places()
    {
        loc.m_startupDir = env.FilePath(QStringLiteral("start/"));
        loc.m_defaultProgramDir = env.FilePath(QStringLiteral("data/Mavu"));
        loc.m_ownFileDirs << env.FilePath(QStringLiteral("bin"));
        QDir().mkpath(loc.m_startupDir);
        QDir().mkpath(loc.m_defaultProgramDir);
    }
    QString Dir(const QString &rel) const
    {
        QDir().mkpath(env.FilePath(rel));
        return env.FilePath(rel);
    }
};

} // namespace

TEST(Directories, DocumentationListKeepsEveryPositionFixed)
{
    Places p;
    const QString help = p.Dir(QStringLiteral("data/Mavu/help"));
    const QString newhelp = p.Dir(QStringLiteral("start/newhelp"));
    CIDEDirectories d;
    d.m_docPath = QStringLiteral("/jdk/docs/api/");
    d.m_beanDocPath = QStringLiteral("/bdk/docs");
    d.m_jsdkDocPath = QStringLiteral("/jsdk");
    d.m_userPaths = {QStringLiteral("/u/one"), QStringLiteral("/u/two")};
    CIDEOptions options;
    options.m_helpWarning = 1;
    d.DeriveDirectories(p.loc, options);

    EXPECT_EQ(d.m_docPath, QStringLiteral("/jdk/docs"));
    EXPECT_EQ(d.m_apiDocPath, QStringLiteral("/jdk/docs/api/"));
    EXPECT_EQ(options.m_helpWarning, 0);

    const struct
    {
        int position;
        QString dir;
    } rows[] = {
        {1, p.loc.m_defaultProgramDir},
        {2, help},
        {3, "/jdk/docs/api"},
        {4, "/jdk/docs/guide/awt"},
        {14, "/jdk/docs/guide/intl/demo/messageformat"},
        {31, "/jdk/docs/tooldocs/win32"},
        {32, "/bdk/docs/javadoc"},
        {33, "/jsdk/apidoc"},
        {34, newhelp},
        {35, ""},
        {100, ""},
        {101, "/u/one"},
        {103, ""},
        {0, ""},
    };
    for (const auto &row : rows)
        EXPECT_EQ(d.DocDir(row.position), row.dir) << "position " << row.position;
    EXPECT_EQ(d.m_docDirs.size(), 102);
    EXPECT_EQ(d.DocDirNumber(QStringLiteral("/jdk/docs/api/")), 3);
    EXPECT_EQ(d.DocDirNumber(QStringLiteral("/jdk/docs/guide/intl/demo/messageformat")), 12);
    EXPECT_EQ(d.DocDirNumber(QStringLiteral("/u/two")), 102);
    EXPECT_EQ(d.DocDirNumber(QStringLiteral("/nowhere")), 0);

    // A full user list ends the documentation list at 200 entries.
    for (int i = 3; i <= 100; ++i)
        d.m_userPaths << QStringLiteral("/u/%1").arg(i);
    d.DeriveDirectories(p.loc, options);
    EXPECT_EQ(d.m_docDirs.size(), 200);
    EXPECT_EQ(d.DocDir(200), QStringLiteral("/u/100"));
}

TEST(Directories, EmptySettingsDeriveEmptyNamesAndTheDefaultProgramDirectory)
{
    Places p;
    CIDEDirectories d;
    CIDEOptions options;
    options.m_helpWarning = 1;
    d.DeriveDirectories(p.loc, options);
    EXPECT_EQ(d.m_programPath, p.loc.m_defaultProgramDir);
    EXPECT_TRUE(d.m_apiDocPath.isEmpty());
    EXPECT_TRUE(d.m_helpDir.isEmpty());
    EXPECT_EQ(options.m_helpWarning, 1); // no documentation path: the flag stays
    ASSERT_EQ(d.m_docDirs.size(), 100);
    for (int i = 1; i <= 100; ++i)
        EXPECT_TRUE(d.DocDir(i).isEmpty()) << "position " << i;
    EXPECT_EQ(d.m_tipsFile, p.loc.m_defaultProgramDir + QStringLiteral("/tips.txt"));
}

TEST(Directories, ApiIsCutOnlyAtAPathComponent)
{
    Places p;
    const struct
    {
        const char *docPath, *cut, *api;
    } rows[] = {
        {"/jdk/docs", "/jdk/docs", "/jdk/docs/api/"},
        {"/jdk/docs/", "/jdk/docs/", "/jdk/docs/api/"},
        {"/jdk/docs/api", "/jdk/docs", "/jdk/docs/api/"},
        {"/jdk/docs/api/index.html", "/jdk/docs", "/jdk/docs/api/"},
        {"/home/me/apidocs/jdk", "/home/me/apidocs/jdk", "/home/me/apidocs/jdk/api/"},
        {"/x/apis/api/y", "/x/apis", "/x/apis/api/"},
    };
    for (const auto &row : rows) {
        CIDEDirectories d;
        CIDEOptions o;
        d.m_docPath = QLatin1String(row.docPath);
        d.DeriveDirectories(p.loc, o);
        EXPECT_EQ(d.m_docPath, QLatin1String(row.cut)) << row.docPath;
        EXPECT_EQ(d.m_apiDocPath, QLatin1String(row.api)) << row.docPath;
    }
}

TEST(Directories, HelpAndTipsAreLookedForInOrder)
{
    Places p;
    const QString prog = p.Dir(QStringLiteral("prog"));
    CIDEOptions o;

    // Nothing in the program or start-up directory: the shipped help.
    const QString shipped = p.Dir(QStringLiteral("bin/help"));
    p.env.WriteFile(QStringLiteral("bin/tips.txt"), "shipped tip\n");
    CIDEDirectories d;
    d.m_programPath = prog;
    d.DeriveDirectories(p.loc, o);
    EXPECT_EQ(d.m_helpDir, shipped);
    EXPECT_EQ(d.m_helpBase, p.env.FilePath(QStringLiteral("bin")));
    EXPECT_EQ(d.m_tipsFile, p.env.FilePath(QStringLiteral("bin/tips.txt")));

    // The start-up directory comes before what ships with the program...
    const QString startHelp = p.Dir(QStringLiteral("start/help"));
    p.env.WriteFile(QStringLiteral("prog/tips.txt"), "program tip\n");
    d.DeriveDirectories(p.loc, o);
    EXPECT_EQ(d.m_helpDir, startHelp);
    EXPECT_EQ(d.m_helpBase, p.env.FilePath(QStringLiteral("start")));
    EXPECT_EQ(d.m_tipsFile, prog + QStringLiteral("/tips.txt"));

    // ...and the program directory's help before the start-up directory's,
    // while tips.txt in the start-up directory beats the program's.
    const QString progHelp = p.Dir(QStringLiteral("prog/help"));
    p.env.WriteFile(QStringLiteral("start/tips.txt"), "start-up tip\n");
    d.DeriveDirectories(p.loc, o);
    EXPECT_EQ(d.m_helpDir, progHelp);
    EXPECT_EQ(d.m_helpBase, prog);
    EXPECT_EQ(d.DocDir(1), prog);
    EXPECT_EQ(d.DocDir(2), progHelp);
    EXPECT_EQ(d.m_tipsFile, p.loc.m_startupDir + QStringLiteral("tips.txt"));
}
