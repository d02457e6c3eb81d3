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
#include <QFile>
#include <QRandomGenerator>
#include <QTextStream>
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

TEST(ParseCommandTest, PrintsEachFileAndReportsUnreadableOnes)
{
    CTestEnv env;
    const QString a =
        env.WriteFile(QStringLiteral("A.java"), "package p;\nclass A {\n  void f(int x) { }\n}\n");
    const QString missing = env.FilePath(QStringLiteral("Missing.java"));
    QString out, err;
    QTextStream o(&out), e(&err);
    EXPECT_EQ(RunParseCommand({a, missing, a}, o, e), 1);
    const QString listing = QStringLiteral("%1\tpackage\tp\t\t1\t0\t\n"
                                           "%1\tclass\tA\t\t2\t4\tA\n"
                                           "%1\tmethod\tf\tA\t3\t3\tvoid f(int)\n")
                                .arg(a);
    EXPECT_EQ(out, listing + listing);
    EXPECT_EQ(err, QStringLiteral("Error opening the file %1 for parsing !!!\n").arg(missing));

    out.clear();
    EXPECT_EQ(RunParseCommand({a}, o, e), 0);
    EXPECT_EQ(out, listing);
}

TEST(ParseCommandTest, ARealisticJava17SourceGivesItsExpectedListing)
{
    const QString dir = QStringLiteral(MAVU_JAVAMODEL_FIXTURES "/");
    QFile expectedFile(dir + QStringLiteral("Inventory.expected"));
    ASSERT_TRUE(expectedFile.open(QIODevice::ReadOnly)) << dir.toStdString();
    const QString expected = QString::fromUtf8(expectedFile.readAll());

    // The listing names the file as it was given: run from the fixture folder.
    CTestEnv env;
    ASSERT_TRUE(QDir::setCurrent(dir));
    QString out, err;
    QTextStream o(&out), e(&err);
    EXPECT_EQ(RunParseCommand({QStringLiteral("Inventory.java")}, o, e), 0);
    EXPECT_TRUE(err.isEmpty());
    EXPECT_EQ(out.split(QLatin1Char('\n')), expected.split(QLatin1Char('\n')));
}

TEST(ParseCommandTest, BinaryAndHugeInputDoNoHarm)
{
    // Bytes of every value, zeros included: whatever comes out, the parse
    // ends and the result can be listed.
    QRandomGenerator rng(42);
    for (int round = 0; round < 50; ++round) {
        QByteArray junk(4096, '\0');
        for (char &c : junk)
            c = char(rng.bounded(256));
        if (round % 5 == 0)
            junk.replace(rng.bounded(4000), 5, "class");
        std::unique_ptr<CFileObject> file(CJavaParser::ParseText(junk));
        ASSERT_TRUE(file);
        FileLines(*file);
    }
    // Deep nesting and a very long line.
    QByteArray deep = "class A { void f() {";
    deep += QByteArray(100000, '{');
    deep += QByteArray(100000, '}');
    deep += "} int after; }";
    EXPECT_EQ(ParseLines(deep), (QStringList{"class\tA\t\t1\t1\tA", "method\tf\tA\t1\t1\tvoid f( )",
                                             "field\tafter\tA\t1\t0\tint after"}));
    // Unbalanced type arguments in a header end at the next brace.
    EXPECT_EQ(ParseLines("class A { Map<String m; int ok; }"),
              (QStringList{"class\tA\t\t1\t1\tA", "field\tok\tA\t1\t0\tint ok"}));
    EXPECT_EQ(ParseLines(""), QStringList());
    EXPECT_EQ(ParseLines("@"), QStringList());
    EXPECT_EQ(ParseLines("class"), QStringList{"class\t\t\t1\t0\t"});
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
