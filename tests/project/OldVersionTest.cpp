#include "FakePrompter.h"
#include "OldLayoutWriter.h"
#include "ProjectTestSupport.h"
#include "TestEnv.h"
#include "project/Project.h"
#include "project/ProjectClasses.h"
#include "project/ProjectFileItem.h"
#include "project/ProjectFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const QString kBackupQuestion = QStringLiteral(
    "The project file format is an old format. Please select YES to backup the project file as "
    ".bkp file otherwise select NO to continue.");

// Every field gets a value of its own, so that a field read from the wrong
// place shows.
OldProject SampleProject(quint32 version, const QString &dir, const QString &outside)
{
    OldProject p;
    p.oldFiles = {QStringLiteral("Main.java"), QStringLiteral("sub/Util.java"), outside};
    // Odd versions name a main page only; even ones both, which the reader
    // reduces to the main class.
    p.mainClass = version % 2 == 0 ? QStringLiteral("Main.java") : QString();
    p.classPath = QStringLiteral("/p1:/p2");
    p.mainHtml = QStringLiteral("page.html");
    for (int i = 0; i < 6; ++i)
        p.compilerFlags[i] = 11 + i;
    p.compilerClassPath = QStringLiteral("/c1:/c2");
    p.compilerOutputDir = QStringLiteral("out");
    for (int i = 0; i < 14; ++i)
        p.interpreterFlags[i] = 21 + i;
    p.interpreterClassPath = QStringLiteral("/C2:/i1");
    p.runInDirectory = 35;
    const char *values[] = {"64m", "8m", "1m", "512k", "k=v", "arg1 arg2", "demo.Run"};
    for (int i = 0; i < 7; ++i)
        p.interpreterValues[i] = QLatin1String(values[i]);
    p.runDirectory = QStringLiteral("/run");
    p.breakpoints = {{QStringLiteral("Main.java"),
                      {{QStringLiteral("Main"), 7}, {QStringLiteral("Main$1"), 9}}}};
    p.projectDir = QStringLiteral("/somewhere/else/");
    p.deprecation = 51;
    p.compilerCustomOptions = QStringLiteral("-Xlint");
    p.docClassPath = QStringLiteral("/d1:/i1");
    p.docOutputDir = QStringLiteral("docs");
    p.docCustomOptions = QStringLiteral("-quiet");
    for (int i = 0; i < 8; ++i)
        p.docFlags[i] = 52 + i;
    p.prevArguments = {QStringLiteral("a1"), QStringLiteral("a2")};
    p.useCompiler = 1;
    p.compiler = QStringLiteral("jikes");
    p.customOptions = 61;
    p.prevCustomOptions = {QStringLiteral("-g:none")};
    p.rootPath = dir + QStringLiteral("Old.mavu");
    p.rootName = QStringLiteral("Old");
    p.itemSchema = version == 10 ? 1 : version == 11 ? 2 : 3;
    OldNode main{false, QStringLiteral("Main.java"), false, 4, 1, 2, 6, {}};
    OldNode util{false, QStringLiteral("sub/Util.java"), false, 0, 0, 0, 0, {}};
    OldNode ext{false, outside, false, 0, 0, 0, 0, {}};
    OldNode res{false, QStringLiteral("gui.res"), true, 0, 0, 0, 0, {}};
    OldNode sub{true, QStringLiteral("Sub"), false, 0, 0, 0, 0, {util}};
    p.tree = {main, sub, ext, res};
    p.prevCompilerClassPaths = {QStringLiteral("gc")};
    p.prevCompilerOutputDirs = {QStringLiteral("go")};
    p.prevInterpreterClassPaths = {QStringLiteral("gi")};
    p.classToRun = 71;
    p.arguments = 72;
    p.prevDocClassPaths = {QStringLiteral("hd")};
    p.prevDocOutputDirs = {QStringLiteral("ho")};
    for (int i = 0; i < 14; ++i)
        p.rmicFlags[i] = 81 + i;
    p.rmicValues[0] = QStringLiteral("-iiop");
    p.rmicValues[1] = QStringLiteral("rout");
    p.rmicValues[2] = QStringLiteral("skel");
    p.rmicValues[3] = QStringLiteral("stub");
    p.rmicClasses = {QStringLiteral("demo.Remote")};
    p.jdbCustom = 99;
    p.jdbOptions = QStringLiteral("-Xint");
    return p;
}

class OldVersionTest : public ::testing::Test
{
protected:
    void SetUp() override { RegisterProjectClasses(); }
    CTestEnv m_env;
    CFakePrompter m_prompter;
    CFakeHost m_host;
};

// Each older layout opens with its fields where the version table puts
// them, the defaults and seeded values it implies, asks about a backup, and
// is written back in the current layout, which reads back the same.
TEST_F(OldVersionTest, EveryOlderVersionOpensAndIsWrittenInTheCurrentOne)
{
    for (quint32 v = 1; v <= 16; ++v) {
        SCOPED_TRACE(QStringLiteral("version %1").arg(v).toStdString());
        const QString dir = m_env.Path() + QStringLiteral("/v%1/").arg(v);
        QDir().mkpath(dir + QStringLiteral("sub"));
        const QString path = dir + QStringLiteral("Old.mavu");
        const QString outside = m_env.Path() + QStringLiteral("/elsewhere/Ext.java");
        const QByteArray original = WriteOldProject(SampleProject(v, dir, outside), v);
        ASSERT_FALSE(m_env.WriteFile(QStringLiteral("v%1/Old.mavu").arg(v), original).isEmpty());

        const bool backup = v % 3 == 0;
        m_prompter.m_messages.clear();
        if (v < 16)
            m_prompter.QueueAnswer(backup ? CPrompter::AnswerYes : CPrompter::AnswerNo);
        CProjectFolder folder(path);
        CProject p(&m_host);
        ASSERT_TRUE(p.Open(&folder, false));
        if (v < 16) {
            ASSERT_EQ(m_prompter.m_messages, QStringList{kBackupQuestion});
            EXPECT_EQ(m_prompter.m_buttons.last(), CPrompter::YesNo);
            EXPECT_TRUE(p.IsModified());
        } else {
            EXPECT_TRUE(m_prompter.m_messages.isEmpty());
        }
        const QString bkp = dir + QStringLiteral("Old.bkp");
        EXPECT_EQ(QFileInfo::exists(bkp), backup && v < 16);
        if (backup && v < 16) {
            EXPECT_EQ(FileBytes(bkp), original);
        }
        EXPECT_EQ(p.GetFileVersion(), v);

        // Every field as the version's layout, defaults and seeded values
        // leave it, against the golden file of that version (directories
        // written as $DIR and $OUTSIDE). MAVU_UPDATE_GOLDEN=1 rewrites them.
        QString dump = DumpProject(p).join(QLatin1Char('\n')) + QLatin1Char('\n');
        dump.replace(outside, QStringLiteral("$OUTSIDE")).replace(dir, QStringLiteral("$DIR/"));
        const QString golden =
            FixturesDir() + QStringLiteral("/project/old-version-%1.txt").arg(v, 2, 10, QChar('0'));
        if (qEnvironmentVariableIsSet("MAVU_UPDATE_GOLDEN")) {
            QFile out(golden);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(dump.toUtf8());
        }
        EXPECT_EQ(QString::fromUtf8(FileBytes(golden)), dump);

        // Written back in the current layout; read again, nothing changes
        // and nothing is asked.
        // The editor state stored is the one at saving time: keep the one
        // read by showing Main.java in an editor with the same selection.
        const QStringList opened = DumpProject(p);
        m_host.m_editors.clear();
        if (v >= 12)
            m_host.m_editors.insert(dir + QStringLiteral("Main.java"), {2, 6});
        ASSERT_TRUE(p.Close());
        EXPECT_EQ(FileBytes(path).left(4), QByteArray("\x10\x00\x00\x00", 4));
        m_prompter.m_messages.clear();
        CProjectFolder again(path);
        CProject q(&m_host);
        ASSERT_TRUE(q.Open(&again, false));
        EXPECT_TRUE(m_prompter.m_messages.isEmpty());
        EXPECT_FALSE(q.IsModified());
        EXPECT_EQ(DumpProject(q), opened);
    }
}

TEST_F(OldVersionTest, BackupNeverOverwritesAnOlderBackup)
{
    const QString dir = m_env.Path() + QLatin1Char('/');
    const QString path = dir + QStringLiteral("Old.mavu");
    const QByteArray original = WriteOldProject(SampleProject(9, dir, dir + "X.java"), 9);
    m_env.WriteFile(QStringLiteral("Old.mavu"), original);
    m_env.WriteFile(QStringLiteral("Old.bkp"), "older backup");

    m_prompter.QueueAnswer(CPrompter::AnswerYes);
    CProjectFolder folder(path);
    CProject p(&m_host);
    ASSERT_TRUE(p.Open(&folder, false)); // opening goes on
    EXPECT_EQ(m_prompter.m_messages,
              (QStringList{kBackupQuestion, QStringLiteral("Error copying the project file !!!")}));
    EXPECT_EQ(FileBytes(dir + QStringLiteral("Old.bkp")), QByteArray("older backup"));
    EXPECT_EQ(FileBytes(path), original); // nothing written before the user saves
}

} // namespace
