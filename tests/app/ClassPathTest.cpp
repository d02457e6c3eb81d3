#include "FakePrompter.h"
#include "QtPrinters.h"
#include "TestEnv.h"
#include "app/AppLocations.h"
#include "app/JavaClassPath.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// Puts CLASSPATH back as it was when the test ends.
class ClassPathGuard
{
public:
    ClassPathGuard() : m_set(qEnvironmentVariableIsSet("CLASSPATH")), m_old(qgetenv("CLASSPATH")) {}
    ~ClassPathGuard()
    {
        if (m_set)
            qputenv("CLASSPATH", m_old);
        else
            qunsetenv("CLASSPATH");
    }

private:
    bool m_set;
    QByteArray m_old;
};

} // namespace

TEST(ClassPath, ExtendsOnlyWhenTheZipIsNotThereYet)
{
    const QString zip = QStringLiteral("/opt/Mavu/classes.zip");
    const struct
    {
        const char *name;
        bool isSet;
        QString old;
        QString expected;
    } rows[] = {
        {"unset", false, "", ".:/opt/Mavu/classes.zip"},
        {"set to other entries", true, "/lib/a.jar", "/lib/a.jar:.:/opt/Mavu/classes.zip"},
        {"already there", true, "/lib/a.jar:/opt/Mavu/classes.zip",
         "/lib/a.jar:/opt/Mavu/classes.zip"},
        {"already there in another letter case", true, "/OPT/mavu/CLASSES.ZIP:/x",
         "/OPT/mavu/CLASSES.ZIP:/x"},
        {"set but empty", true, "", ":.:/opt/Mavu/classes.zip"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(CJavaClassPath::ExtendedClassPath(row.old, row.isSet, zip), row.expected)
            << row.name;

    EXPECT_EQ(CJavaClassPath::BuildVMClassPath(QStringLiteral("/a.jar"), QStringLiteral("/jdk/lib"),
                                               QStringLiteral("/opt/Mavu/")),
              QStringLiteral("/a.jar:.:/jdk/lib/classes.zip:/opt/Mavu/classes.zip:"));
    EXPECT_EQ(CJavaClassPath::BuildVMClassPath(QString(), QString(), QString()),
              QStringLiteral(":.:"));
}

TEST(ClassPath, PrepareSetsTheVariableOrSaysWhatIsMissing)
{
    ClassPathGuard guard;
    CTestEnv env;
    CFakePrompter prompter;
    CAppLocations loc;
    loc.m_startupDir = env.FilePath(QStringLiteral("start/"));
    loc.m_ownFileDirs << env.FilePath(QStringLiteral("bin"));
    const QString prog = env.FilePath(QStringLiteral("Prog"));
    QDir().mkpath(prog);

    // Missing: reported with the program directory's path only when asked.
    qputenv("CLASSPATH", "/keep.jar");
    EXPECT_TRUE(CJavaClassPath::Prepare(loc, prog, false).isEmpty());
    EXPECT_TRUE(prompter.m_messages.isEmpty());
    EXPECT_TRUE(CJavaClassPath::Prepare(loc, prog, true).isEmpty());
    ASSERT_EQ(prompter.m_messages.size(), 1);
    EXPECT_EQ(prompter.m_messages.at(0),
              QStringLiteral("Unable to find file %1/classes.zip. This file is essential for Mavu "
                             "to function properly. Please set the program path under "
                             "Customize/Directory to Mavu directory and restart Mavu !!!")
                  .arg(prog));
    EXPECT_EQ(qgetenv("CLASSPATH"), QByteArray("/keep.jar"));

    // Shipped beside the executable: found there, appended.
    const QString shipped = env.WriteFile(QStringLiteral("bin/classes.zip"), "PK");
    EXPECT_EQ(CJavaClassPath::Prepare(loc, prog, true), env.FilePath(QStringLiteral("bin/")));
    EXPECT_EQ(qEnvironmentVariable("CLASSPATH"), QStringLiteral("/keep.jar:.:") + shipped);

    // The program directory's copy comes first; a CLASSPATH that holds it in
    // another letter case is left exactly as it was.
    const QString own = env.WriteFile(QStringLiteral("Prog/classes.zip"), "PK");
    const QByteArray upper = ("/x.jar:" + own.toUpper()).toLocal8Bit();
    qputenv("CLASSPATH", upper);
    EXPECT_EQ(CJavaClassPath::Prepare(loc, prog, true), prog + QLatin1Char('/'));
    EXPECT_EQ(qgetenv("CLASSPATH"), upper);

    // The start-up directory's copy beats them all; unset CLASSPATH gets ".".
    const QString start = env.WriteFile(QStringLiteral("start/classes.zip"), "PK");
    qunsetenv("CLASSPATH");
    EXPECT_EQ(CJavaClassPath::Prepare(loc, prog, true), loc.m_startupDir);
    EXPECT_EQ(qEnvironmentVariable("CLASSPATH"), QStringLiteral(".:") + start);
    EXPECT_EQ(prompter.m_messages.size(), 1) << "no further messages";
}
