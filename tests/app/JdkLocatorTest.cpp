#include "app/JdkLocator.h"

#include "QtPrinters.h"
#include "TestEnv.h"
#include "app/IDEDirectories.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

// A JDK laid out as Debian installs it: the tools under bin, reached from
// the PATH through a chain of links, and the API documentation under
// docs/api when the documentation package is installed.
QString MakeJdk(const CTestEnv &env, const QString &name, bool withDocs)
{
    const QString home = env.FilePath(QStringLiteral("jvm/") + name);
    const QString javac =
        env.WriteFile(QStringLiteral("jvm/") + name + QStringLiteral("/bin/javac"), "#!/bin/sh\n");
    QFile::setPermissions(javac, QFile::permissions(javac) | QFileDevice::ExeOwner);
    env.WriteFile(QStringLiteral("jvm/") + name + QStringLiteral("/lib/src.zip"), "PK");
    if (withDocs)
        env.WriteFile(QStringLiteral("jvm/") + name + QStringLiteral("/docs/api/index.html"),
                      "<html></html>\n");
    return home;
}

} // namespace

TEST(JdkLocator, FindsTheJdkOfJavacOnThePathThroughLinksAndItsDocumentation)
{
    CTestEnv env;
    const QString home = MakeJdk(env, QStringLiteral("jdk-17"), true);
    QDir().mkpath(env.FilePath(QStringLiteral("alternatives")));
    QDir().mkpath(env.FilePath(QStringLiteral("bin")));
    QDir().mkpath(env.FilePath(QStringLiteral("empty")));
    ASSERT_TRUE(QFile::link(home + QStringLiteral("/bin/javac"),
                            env.FilePath(QStringLiteral("alternatives/javac"))));
    ASSERT_TRUE(QFile::link(env.FilePath(QStringLiteral("alternatives/javac")),
                            env.FilePath(QStringLiteral("bin/javac"))));
    const QString path = env.FilePath(QStringLiteral("empty")) + QDir::listSeparator() +
                         env.FilePath(QStringLiteral("bin"));

    EXPECT_EQ(CJdkLocator::FindJdkHome(path), home);
    EXPECT_TRUE(CJdkLocator::FindJdkHome(env.FilePath(QStringLiteral("empty"))).isEmpty());
    EXPECT_TRUE(CJdkLocator::FindJdkHome(QString()).isEmpty());

    CIDEDirectories dirs;
    EXPECT_TRUE(CJdkLocator::FillDocPath(dirs, home));
    EXPECT_EQ(dirs.m_docPath, home + QStringLiteral("/docs"));
    EXPECT_EQ(dirs.m_docPaths, QStringList{dirs.m_docPath});
    EXPECT_TRUE(dirs.m_exePath.isEmpty()) << "the tools keep following the PATH";
    EXPECT_TRUE(dirs.m_libPath.isEmpty());

    // What the user set stays.
    CIDEDirectories own;
    own.m_docPath = QStringLiteral("/opt/my-docs");
    EXPECT_FALSE(CJdkLocator::FillDocPath(own, home));
    EXPECT_EQ(own.m_docPath, QStringLiteral("/opt/my-docs"));
    CIDEDirectories ownList;
    ownList.m_docPaths = {QStringLiteral("/opt/docs-a"), QStringLiteral("/opt/docs-b")};
    EXPECT_FALSE(CJdkLocator::FillDocPath(ownList, home));
    EXPECT_TRUE(ownList.m_docPath.isEmpty());

    // Without the documentation package there is no documentation to set.
    const QString bare = MakeJdk(env, QStringLiteral("jdk-bare"), false);
    CIDEDirectories noDocs;
    EXPECT_FALSE(CJdkLocator::FillDocPath(noDocs, bare));
    EXPECT_EQ(noDocs, CIDEDirectories());
    EXPECT_FALSE(CJdkLocator::FillDocPath(noDocs, QString()));
    EXPECT_EQ(noDocs, CIDEDirectories());
}

TEST(JdkLocator, FindsTheInstalledJdkAndItsDocumentation)
{
    const QString javac = QStandardPaths::findExecutable(QStringLiteral("javac"));
    if (javac.isEmpty())
        GTEST_SKIP() << "no javac on the PATH";
    const QString home = CJdkLocator::FindJdkHome(qEnvironmentVariable("PATH"));
    ASSERT_FALSE(home.isEmpty());
    EXPECT_TRUE(QFile::exists(home + QStringLiteral("/bin/javac")));
    CIDEDirectories dirs;
    if (QFile::exists(home + QStringLiteral("/docs/api/index.html"))) {
        ASSERT_TRUE(CJdkLocator::FillDocPath(dirs, home));
        EXPECT_EQ(dirs.m_docPath, home + QStringLiteral("/docs"));
    }
}
