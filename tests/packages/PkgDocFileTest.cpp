#include "FakePrompter.h"
#include "TestEnv.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaModel.h"
#include "javamodel/JavaParser.h"
#include "javamodel/PackageObject.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarInterface.h"
#include "javamodel/VarMethod.h"
#include "packages/PkgDoc.h"
#include "tree/Archive.h"

#include <QBuffer>
#include <QFile>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

class PkgDocFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterJavaModelClasses();
        m_path = m_env.FilePath("mavu.pkg");
    }

    // A database with two packages, methods with arguments and a class path.
    QByteArray GoodFile()
    {
        CPkgDoc db;
        EXPECT_TRUE(db.Open(m_path));
        for (const char *text :
             {"package a.b; public class Widget extends Base implements Runnable {\n"
              "  public static void main(String[] args) throws Exception {}\n"
              "  int count; class Part {} }\n"
              "interface Listener { void fired(int code); }\n",
              "class Loose { }"}) {
            std::unique_ptr<CFileObject> file(CJavaParser::ParseText(text));
            EXPECT_TRUE(db.AddSourceFile(*file, "/src/Widget.java"));
        }
        db.SetClassPath("/lib/x.jar:/classes");
        EXPECT_TRUE(db.Save());
        return FileBytes(m_path);
    }

    CTestEnv m_env;
    CFakePrompter m_prompter;
    QString m_path;
};

TEST_F(PkgDocFileTest, RoundTripKeepsEveryPackageAndStartsWithTheVersion)
{
    const QByteArray bytes = GoodFile();
    // 10001, then the class path as a string, then the package count.
    ASSERT_GT(bytes.size(), 8);
    EXPECT_EQ(bytes.left(4), QByteArray::fromHex("11270000"));

    CPkgDoc db;
    ASSERT_TRUE(db.Open(m_path));
    EXPECT_FALSE(db.WasUpgraded());
    EXPECT_EQ(db.ClassPath(), "/lib/x.jar:/classes");
    EXPECT_EQ(db.Packages().keys(), (QStringList{"User", "a.b"}));
    // The elements themselves are ElementArchiveTest's.
    EXPECT_NE(db.FindClass("Part"), nullptr);
    EXPECT_FALSE(db.IsModified());

    // Saved again, the same size (loading makes interface methods public,
    // so the bytes differ there), and from then on byte for byte the same.
    db.SetModified();
    ASSERT_TRUE(db.Save());
    const QByteArray second = FileBytes(m_path);
    EXPECT_EQ(second.size(), bytes.size());
    CPkgDoc third;
    ASSERT_TRUE(third.Open(m_path));
    third.SetModified();
    ASSERT_TRUE(third.Save());
    EXPECT_EQ(FileBytes(m_path), second);
    EXPECT_TRUE(m_prompter.m_messages.isEmpty());
}

TEST_F(PkgDocFileTest, OlderLayoutIsReadAndRewrittenAtOnce)
{
    // The older layout: the package count first, no version, no class path.
    QByteArray old;
    {
        QBuffer buf(&old);
        buf.open(QIODevice::WriteOnly);
        CArchive ar(&buf, CArchive::store);
        ar.WriteInt(3);
        std::vector<std::unique_ptr<CPackageObject>> packages;
        for (const char *name : {"p1", "p2", "p3"}) {
            packages.push_back(std::make_unique<CPackageObject>(QString::fromLatin1(name)));
            auto *c = new CVarClass;
            c->m_name = QStringLiteral("C") + QString::fromLatin1(name);
            packages.back()->m_classes.append(c);
            ar.WriteObject(packages.back().get());
        }
    }
    m_env.WriteFile("mavu.pkg", old);

    CPkgDoc db;
    ASSERT_TRUE(db.Open(m_path)) << m_prompter.m_messages.join(u'|').toStdString();
    EXPECT_TRUE(db.WasUpgraded());
    EXPECT_EQ(db.Packages().size(), 3);
    EXPECT_NE(db.FindClass("Cp3"), nullptr);
    EXPECT_TRUE(db.ClassPath().isEmpty());
    EXPECT_FALSE(db.IsModified());

    // Rewritten in the current layout: 10001 and an empty string first.
    const QByteArray now = FileBytes(m_path);
    EXPECT_NE(now, old);
    EXPECT_EQ(now.left(4), QByteArray::fromHex("11270000"));
    CPkgDoc again;
    ASSERT_TRUE(again.Open(m_path));
    EXPECT_FALSE(again.WasUpgraded());
    EXPECT_EQ(again.Packages().size(), 3);
}

TEST_F(PkgDocFileTest, DamagedFilesAreRefusedAndNeverWrittenOver)
{
    const QByteArray good = GoodFile();
    QList<QByteArray> damaged;
    // Truncated anywhere: in the header, in the class path, mid-package.
    for (qsizetype cut :
         {qsizetype(2), qsizetype(6), qsizetype(20), good.size() / 2, good.size() - 1})
        damaged << good.left(cut);
    // Bytes after the last package, a newer version, an absurd count, a
    // class name nobody knows.
    damaged << good + QByteArray("\x01\x02", 2);
    QByteArray newer = good;
    newer.replace(0, 4, QByteArray::fromHex("12270000"));
    damaged << newer;
    damaged << QByteArray::fromHex("11270000") + QByteArray::fromHex("00") +
                   QByteArray::fromHex("ffffff7f");
    QByteArray unknown = good;
    unknown.replace(QByteArray("CPackageObject"), QByteArray("CPackageObjecX"));
    damaged << unknown;

    for (const QByteArray &bytes : damaged) {
        SCOPED_TRACE(bytes.size());
        m_env.WriteFile("mavu.pkg", bytes);
        m_prompter.m_messages.clear();
        {
            CPkgDoc db;
            EXPECT_FALSE(db.Open(m_path));
            ASSERT_EQ(m_prompter.m_messages.size(), 1);
            EXPECT_TRUE(m_prompter.m_messages.first().startsWith(
                QStringLiteral("Cannot open the package database %1.").arg(m_path)));
            EXPECT_TRUE(m_prompter.m_messages.first().endsWith(
                "The file has been left as it is and the package database will not be "
                "saved over it !!!"));
            EXPECT_TRUE(db.Packages().isEmpty());
            EXPECT_EQ(db.FindClass("Widget"), nullptr);
            // Changes made afterwards must not overwrite the file either.
            std::unique_ptr<CFileObject> file(CJavaParser::ParseText("class New {}"));
            db.AddSourceFile(*file, "/New.java");
            EXPECT_TRUE(db.IsModified());
            EXPECT_FALSE(db.Save());
        }
        EXPECT_EQ(FileBytes(m_path), bytes);
    }
}

TEST_F(PkgDocFileTest, MissingFileStartsEmptyAndDeferredOpenReadsOnFirstUse)
{
    {
        CPkgDoc db;
        ASSERT_TRUE(db.Open(m_path));
        EXPECT_TRUE(db.Packages().isEmpty());
        EXPECT_FALSE(QFile::exists(m_path));
        std::unique_ptr<CFileObject> file(CJavaParser::ParseText("package k; class K {}"));
        db.AddSourceFile(*file, "/K.java");
    } // saved on the way out because it was modified
    ASSERT_TRUE(QFile::exists(m_path));

    CPkgDoc db;
    db.OpenLater(m_path);
    EXPECT_FALSE(db.IsLoaded());
    EXPECT_NE(db.FindClass("K"), nullptr);
    EXPECT_TRUE(db.IsLoaded());
}

} // namespace
