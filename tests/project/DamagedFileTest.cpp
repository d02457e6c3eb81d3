#include "FakePrompter.h"
#include "ProjectTestSupport.h"
#include "TestEnv.h"
#include "project/Project.h"
#include "project/ProjectClasses.h"
#include "project/ProjectDoc.h"
#include "project/ProjectFileItem.h"
#include "project/ProjectFolder.h"
#include "project/ProjectRootFolder.h"
#include "project/ProjectVirtualFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class DamagedFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterProjectClasses();
        m_dir = m_env.Path() + QStringLiteral("/p/");
        QDir().mkpath(m_dir);
        m_path = m_dir + "P.mavu";
    }

    static qint64 WriteBytes(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) ? f.write(bytes) : -1;
    }

    // A project file that uses every part of the layout.
    QByteArray GoodProjectFile()
    {
        CProjectFolder folder(m_path);
        CProject p(&m_host);
        EXPECT_TRUE(p.Open(&folder, true));
        p.AddFileItem(m_dir + "Main.java");
        auto *sub = new CProjectVirtualFolder(QStringLiteral("Sub"));
        folder.AddChild(sub, true);
        p.AddFileItem(m_dir + "A.java", sub);
        p.AddFileItem(m_dir + "gui.res", sub);
        p.SetMainClass(QStringLiteral("Main.java"));
        p.AddBreakpoint(m_dir + "Main.java", QStringLiteral("Main"), 3);
        p.m_strClassPath = QStringLiteral("/lib/x.jar");
        p.m_compiler.m_prevClassPaths = {QStringLiteral("a"), QStringLiteral("b")};
        p.m_rmic.m_classNames = {QStringLiteral("r.R")};
        p.m_strJdbCustomOptions = QStringLiteral("-v");
        EXPECT_TRUE(p.Save());
        return FileBytes(m_path);
    }

    // Opens bytes as the project file into a folder that already holds a
    // node. A failure must leave one clear message, the file as it was and
    // the folder as it was.
    void OpenDamaged(const QByteArray &bytes, bool mustFail)
    {
        ASSERT_EQ(WriteBytes(m_path, bytes), bytes.size());
        m_prompter.m_messages.clear();
        CProjectFolder folder(m_path);
        folder.AddChild(new CProjectFileItem(m_dir + "Before.java"), true);
        CProject project(&m_host);
        const bool opened = project.Open(&folder, false);
        EXPECT_FALSE(mustFail && opened);
        if (opened)
            return; // a flip that still reads as a valid project
        ASSERT_EQ(m_prompter.m_messages.size(), 1);
        const QString &msg = m_prompter.m_messages.first();
        EXPECT_TRUE(msg.startsWith(QStringLiteral("Cannot open the project ")) ||
                    msg == QStringLiteral("Incorrect project version. Cannot open the project !!!"))
            << msg.toStdString();
        EXPECT_FALSE(project.IsOpen());
        EXPECT_EQ(FileBytes(m_path), bytes);
        EXPECT_EQ(
            DumpTree(folder),
            QStringList{
                QStringLiteral("CProjectFileItem %1Before.java flag=0 open=0 sel=0-0").arg(m_dir)});
    }

    void LoadDamagedWorkspace(const QString &path, const QByteArray &bytes, bool mustFail)
    {
        ASSERT_EQ(WriteBytes(path, bytes), bytes.size());
        m_prompter.m_messages.clear();
        CProjectDoc doc(&m_host);
        const bool loaded = doc.Load(path);
        EXPECT_FALSE(mustFail && loaded);
        if (loaded)
            return;
        ASSERT_EQ(m_prompter.m_messages.size(), 1);
        EXPECT_TRUE(
            m_prompter.m_messages.first().startsWith(QStringLiteral("Cannot open the workspace ")))
            << m_prompter.m_messages.first().toStdString();
        EXPECT_TRUE(doc.IsSaveBlocked());
        ASSERT_NE(doc.GetRoot(), nullptr);
        EXPECT_EQ(doc.GetRoot()->GetChildCount(), 0);
        // The unreadable file is never replaced in this session.
        doc.AddProject(m_path);
        EXPECT_FALSE(doc.Save());
        EXPECT_EQ(FileBytes(path), bytes);
    }

    CTestEnv m_env;
    CFakePrompter m_prompter;
    CFakeHost m_host;
    QString m_dir;
    QString m_path;
};

TEST_F(DamagedFileTest, TruncatedProjectFilesAreRefusedAndFlippedBitsNeverCrash)
{
    const QByteArray good = GoodProjectFile();
    ASSERT_GT(good.size(), 100);
    for (qsizetype n = 0; n < good.size(); ++n) {
        SCOPED_TRACE(n);
        OpenDamaged(good.left(n), true);
    }
    for (qsizetype i = 0; i < good.size(); ++i) {
        for (char mask : {'\x01', '\x10', '\x80', '\xff'}) {
            SCOPED_TRACE(QStringLiteral("byte %1 mask %2").arg(i).arg(quint8(mask)).toStdString());
            QByteArray bad = good;
            bad[i] = char(bad[i] ^ mask);
            OpenDamaged(bad, false);
        }
    }
}

TEST_F(DamagedFileTest, ExtraBytesUnknownClassesAndForeignFilesAreRefused)
{
    const QByteArray good = GoodProjectFile();
    // Bytes after the last field: reading them silently would drop them at
    // the next save.
    for (const QByteArray &bad : {good + QByteArray(1, '\0'), good + good}) {
        OpenDamaged(bad, true);
        EXPECT_TRUE(m_prompter.m_messages.value(0).contains(
            QStringLiteral("%1 byte(s) follow the end of the data").arg(bad.size() - good.size())))
            << m_prompter.m_messages.value(0).toStdString();
    }

    QByteArray unknown = good;
    unknown.replace("CProjectVirtualFolder", "CProjectVirtualFoldeX");
    ASSERT_NE(unknown, good);
    OpenDamaged(unknown, true);
    EXPECT_TRUE(m_prompter.m_messages.value(0).contains(QStringLiteral("does not know")))
        << m_prompter.m_messages.value(0).toStdString();

    // A leaf where the tree needs a folder.
    QByteArray wrongKind = good;
    wrongKind.replace("\x15"
                      "CProjectVirtualFolder",
                      "\x11"
                      "CResourceFileItem");
    ASSERT_NE(wrongKind, good);
    OpenDamaged(wrongKind, true);
    EXPECT_TRUE(m_prompter.m_messages.value(0).contains(QStringLiteral("wrong kind")))
        << m_prompter.m_messages.value(0).toStdString();

    QByteArray binary(4096, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char((i * 7919) >> 3);
    OpenDamaged(binary, true);
    OpenDamaged(QByteArray("\x10\x00\x00\x00", 4) + QByteArray(64, '\xff'), true);
    OpenDamaged(QByteArray("\x00\x00\x00\x00", 4), true); // version 0
    QByteArray newer = good;
    newer[0] = 17;
    OpenDamaged(newer, true);
    EXPECT_EQ(m_prompter.m_messages.value(0),
              QStringLiteral("Incorrect project version. Cannot open the project !!!"));
}

TEST_F(DamagedFileTest, DamagedWorkspaceFilesAreRefusedAndNeverOverwritten)
{
    GoodProjectFile();
    const QString wsPath = m_env.FilePath(QStringLiteral("mavu.proj"));
    QByteArray good;
    {
        CProjectDoc doc(&m_host);
        ASSERT_TRUE(doc.Load(wsPath));
        doc.m_compiler.m_prevOutputDirs = {QStringLiteral("out")};
        ASSERT_TRUE(doc.OpenProject(m_path, false)); // remembers its files
        ASSERT_TRUE(doc.CloseCurrentProject());
        ASSERT_TRUE(doc.Save());
        good = FileBytes(wsPath);
    }
    ASSERT_GT(good.size(), 100);
    for (qsizetype n = 0; n < good.size(); ++n) {
        SCOPED_TRACE(n);
        LoadDamagedWorkspace(wsPath, good.left(n), true);
    }
    for (qsizetype i = 0; i < good.size(); ++i) {
        for (char mask : {'\x01', '\x80', '\xff'}) {
            SCOPED_TRACE(QStringLiteral("byte %1 mask %2").arg(i).arg(quint8(mask)).toStdString());
            QByteArray bad = good;
            bad[i] = char(bad[i] ^ mask);
            LoadDamagedWorkspace(wsPath, bad, false);
        }
    }
    LoadDamagedWorkspace(wsPath, good + "x", true); // bytes after the last field
    LoadDamagedWorkspace(wsPath, good + good, true);
    QByteArray newer = good;
    newer[0] = 105;
    LoadDamagedWorkspace(wsPath, newer, true);
    EXPECT_TRUE(
        m_prompter.m_messages.value(0).contains(QStringLiteral("Incorrect workspace version 105")));
}

} // namespace
