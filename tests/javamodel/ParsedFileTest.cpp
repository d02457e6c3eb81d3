// Parsing files: the time-stamp cache, `mavu --parse`, a realistic Java 17
// source against its expected listing, and input that is no Java at all.
#include "FakePrompter.h"
#include "ParseHelpers.h"
#include "TestEnv.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaParser.h"
#include "javamodel/ParseCommand.h"
#include "javamodel/ParsedFileCache.h"
#include "javamodel/VarClass.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <memory>

namespace {

void SetModified(const QString &path, const QDateTime &when)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(when, QFileDevice::FileModificationTime));
}

TEST(ParsedFileCacheTest, ReparsesOnlyWhenTheFileChanged)
{
    CTestEnv env;
    CFakePrompter prompter;
    const QString path = env.WriteFile(QStringLiteral("src/A.java"), "class A { int x; }");
    const QDateTime t0 = QDateTime::currentDateTime().addSecs(-100);
    SetModified(path, t0);

    CParsedFileCache cache;
    CFileObject *first = cache.ParseJavaFile(path, true);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->m_timeStamp, QFileInfo(path).lastModified());
    EXPECT_EQ(cache.ParseJavaFile(path, true), first); // unchanged: the same result
    EXPECT_EQ(cache.Find(path), first);
    EXPECT_EQ(cache.Count(), 1);

    env.WriteFile(QStringLiteral("src/A.java"), "class A { int x; int y; }");
    SetModified(path, t0.addSecs(10));
    CFileObject *second = cache.ParseJavaFile(path, true);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->m_classes[0]->m_variables.size(), 2);
    EXPECT_EQ(cache.Find(path), second);
    EXPECT_EQ(cache.Count(), 1);

    // Without the cache the caller owns a fresh result and the cache keeps its own.
    std::unique_ptr<CFileObject> own(cache.ParseJavaFile(path, false));
    ASSERT_TRUE(own);
    EXPECT_NE(own.get(), second);
    EXPECT_EQ(cache.Find(path), second);
    EXPECT_TRUE(prompter.m_output.isEmpty());
}

TEST(ParsedFileCacheTest, AFileThatCannotBeOpenedIsReported)
{
    CTestEnv env;
    CFakePrompter prompter;
    const QString path = env.WriteFile(QStringLiteral("B.java"), "class B { }");
    CParsedFileCache cache;
    CFileObject *cached = cache.ParseJavaFile(path, true);
    ASSERT_TRUE(cached);

    ASSERT_TRUE(QFile::remove(path));
    EXPECT_EQ(cache.ParseJavaFile(path, true), nullptr);
    ASSERT_EQ(prompter.m_output.size(), 1);
    EXPECT_EQ(prompter.m_output[0],
              QStringLiteral("Output|\nError opening the file %1 for parsing !!!").arg(path));
    EXPECT_EQ(cache.Find(path), cached); // the old result stays

    EXPECT_EQ(cache.ParseJavaFile(env.Path(), false), nullptr); // a directory
    EXPECT_EQ(prompter.m_output.size(), 2);
    EXPECT_TRUE(cache.Remove(path));
    EXPECT_FALSE(cache.Remove(path));
    EXPECT_EQ(cache.Count(), 0);
}

struct ParseRun
{
    int status = -1;
    std::string out, err;
};

// `mavu --parse` on the files, its output and error streams caught. With
// failAfter set, writing the output fails once that many bytes were taken.
ParseRun RunParse(const QStringList &files, int jobs, qint64 failAfter = -1)
{
    QList<QByteArray> paths;
    for (const QString &f : files)
        paths << f.toLocal8Bit();
    ParseRun run;
    run.status = RunParseCommand(
        paths, jobs,
        [&](std::string_view bytes) {
            if (failAfter >= 0 && qint64(run.out.size() + bytes.size()) > failAfter)
                return false;
            run.out.append(bytes);
            return true;
        },
        [&](std::string_view bytes) {
            run.err.append(bytes);
            return true;
        });
    return run;
}

TEST(ParseCommandTest, PrintsEachFileAndReportsUnreadableOnes)
{
    CTestEnv env;
    const QString a =
        env.WriteFile(QStringLiteral("A.java"), "package p;\nclass A {\n  void f(int x) { }\n}\n");
    const QString missing = env.FilePath(QStringLiteral("Missing.java"));
    const QString listing = QStringLiteral("%1\tpackage\tp\t\t1\t0\t\n"
                                           "%1\tclass\tA\t\t2\t4\tA\n"
                                           "%1\tmethod\tf\tA\t3\t3\tvoid f(int)\n")
                                .arg(a);
    for (int jobs : {1, 3}) {
        // A directory cannot be read as a source either.
        const ParseRun run = RunParse({a, missing, a, env.Path()}, jobs);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(QString::fromStdString(run.out), listing + listing);
        EXPECT_EQ(QString::fromStdString(run.err),
                  QStringLiteral("Error opening the file %1 for parsing !!!\n"
                                 "Error opening the file %2 for parsing !!!\n")
                      .arg(missing, env.Path()));

        const ParseRun good = RunParse({a}, jobs);
        EXPECT_EQ(good.status, 0);
        EXPECT_EQ(QString::fromStdString(good.out), listing);
        EXPECT_TRUE(good.err.empty());
    }
}

TEST(ParseCommandTest, AFailedWriteEndsTheListing)
{
    CTestEnv env;
    QByteArray text = "class A {\n";
    for (int m = 0; m < 5000; ++m)
        text += "  int m" + QByteArray::number(m) + "() { return 1; }\n";
    text += "}\n";
    const QString a = env.WriteFile(QStringLiteral("A.java"), text);
    const QStringList files(20, a);
    for (int jobs : {1, 2}) {
        const ParseRun run = RunParse(files, jobs, 300 * 1024);
        EXPECT_EQ(run.status, 1);
        EXPECT_LE(run.out.size(), size_t(300 * 1024));
        EXPECT_TRUE(run.err.empty());
    }
}

TEST(ParseCommandTest, ARealisticJava17SourceGivesItsExpectedListing)
{
    const QString dir = QStringLiteral(MAVU_JAVAMODEL_FIXTURES "/");
    QFile expectedFile(dir + QStringLiteral("Inventory.expected"));
    ASSERT_TRUE(expectedFile.open(QIODevice::ReadOnly)) << dir.toStdString();
    const QByteArray expected = expectedFile.readAll();

    // The listing names the file as it was given: run from the fixture folder.
    CTestEnv env;
    ASSERT_TRUE(QDir::setCurrent(dir));
    const ParseRun run = RunParse({QStringLiteral("Inventory.java")}, 0);
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.empty());
    EXPECT_EQ(QString::fromStdString(run.out).split(QLatin1Char('\n')),
              QString::fromUtf8(expected).split(QLatin1Char('\n')));
}

TEST(ParseCommandTest, EditorTextIsParsedAsUtf8)
{
    std::unique_ptr<CFileObject> file(
        CJavaParser::ParseEditorText(QStringLiteral("class Größe { int ñ; void 名前() { } }")));
    EXPECT_EQ(FileLines(*file),
              (QStringList{QStringLiteral("class\tGröße\t\t1\t1\tGröße"),
                           QStringLiteral("field\tñ\tGröße\t1\t0\tint ñ"),
                           QStringLiteral("method\t名前\tGröße\t1\t1\tvoid 名前( )")}));
}

} // namespace
