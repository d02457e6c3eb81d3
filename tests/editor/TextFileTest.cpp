#include "editor/TextFile.h"

#include "TestEnv.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

// Every kind of file an editor meets comes back byte for byte when its text
// is saved unchanged, and the text the editor sees is what the file means.
TEST(TextFile, UnchangedTextIsWrittenBackByteForByte)
{
    struct Row
    {
        const char *name;
        QByteArray bytes;
        CTextFile::Encoding encoding;
        bool bom;
        CTextFile::LineEnd lineEnd;
        QString text; // what the editor is given, decoded
    };
    const Row rows[] = {
        {"crlf", "class A {\r\n  int x;\r\n}\r\n", CTextFile::Utf8, false, CTextFile::CrLf,
         "class A {\r\n  int x;\r\n}\r\n"},
        {"lf", "class A {\n}\n", CTextFile::Utf8, false, CTextFile::Lf, "class A {\n}\n"},
        {"latin-1",
         "// Gr\xfc\xdf"
         "e\r\nclass \xc4 {}\r\n",
         CTextFile::Latin1, false, CTextFile::CrLf, "// Gr\u00fc\u00dfe\r\nclass \u00c4 {}\r\n"},
        {"utf-8 with mark", "\xef\xbb\xbf// caf\xc3\xa9\n", CTextFile::Utf8, true, CTextFile::Lf,
         "// caf\u00e9\n"},
        {"mark only", "\xef\xbb\xbf", CTextFile::Utf8, true, CTextFile::Lf, QString()},
        {"mixed, mostly crlf", "a\r\nb\nc\r\n", CTextFile::Utf8, false, CTextFile::CrLf,
         "a\r\nb\nc\r\n"},
        {"no line end", "x", CTextFile::Utf8, false, CTextFile::Lf, "x"},
        {"empty", "", CTextFile::Utf8, false, CTextFile::Lf, ""},
        // Not valid UTF-8 although it starts like a mark: all of it is text.
        {"latin-1 that looks marked", "\xef\xbb\xbf\xff\n", CTextFile::Latin1, false, CTextFile::Lf,
         "\u00ef\u00bb\u00bf\u00ff\n"},
    };
    CTestEnv env;
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        const QString path = env.WriteFile("src/In.java", r.bytes);
        CTextFile file;
        QString error;
        ASSERT_TRUE(file.Read(path, error)) << error.toStdString();
        EXPECT_EQ(file.GetEncoding(), r.encoding);
        EXPECT_EQ(file.HasByteOrderMark(), r.bom);
        EXPECT_EQ(file.GetLineEnd(), r.lineEnd);
        EXPECT_EQ(QString::fromUtf8(file.Text()), r.text);

        const QString out = env.FilePath("src/Out.java");
        ASSERT_TRUE(file.Write(out, error)) << error.toStdString();
        EXPECT_EQ(FileBytes(out), r.bytes);
        EXPECT_EQ(file.GetEncoding(), r.encoding);
    }
}

TEST(TextFile, EditedTextKeepsTheFormUnlessLatin1CannotHoldIt)
{
    CTestEnv env;
    QString error;
    CTextFile file;
    ASSERT_TRUE(file.Read(env.WriteFile("Old.java", "// \xe9t\xe9\r\n"), error));
    file.SetText(QStringLiteral("// \u00e9t\u00e9\r\n// \u00fc\r\n").toUtf8());
    const QString out = env.FilePath("Out.java");
    ASSERT_TRUE(file.Write(out, error));
    EXPECT_EQ(FileBytes(out), QByteArray("// \xe9t\xe9\r\n// \xfc\r\n"));
    EXPECT_EQ(file.GetEncoding(), CTextFile::Latin1);

    // A euro sign has no Latin-1 byte: the file becomes UTF-8 rather than
    // losing it, and stays UTF-8 afterwards.
    const QByteArray euro = QStringLiteral("// \u00e9 \u20ac\n").toUtf8();
    file.SetText(euro);
    ASSERT_TRUE(file.Write(out, error));
    EXPECT_EQ(FileBytes(out), euro);
    EXPECT_EQ(file.GetEncoding(), CTextFile::Utf8);

    // A marked file keeps its mark in front of new text.
    ASSERT_TRUE(file.Read(env.WriteFile("Marked.java", "\xef\xbb\xbfx\n"), error));
    file.SetText("y\n");
    ASSERT_TRUE(file.Write(out, error));
    EXPECT_EQ(FileBytes(out), QByteArray("\xef\xbb\xbfy\n"));
}

TEST(TextFile, BinaryAndUnreadableFilesAreRefusedAndNothingChanges)
{
    CTestEnv env;
    QString error;
    CTextFile file;
    const QString text = env.WriteFile("Keep.java", "\xef\xbb\xbfkeep\r\n");
    ASSERT_TRUE(file.Read(text, error));

    struct Row
    {
        const char *name;
        QByteArray bytes;
    };
    const Row binaries[] = {
        {"A.class", QByteArray("\xca\xfe\xba\xbe\x00\x00\x00\x3d", 8)},
        {"utf16.java", QByteArray("\xff\xfe/\0/\0", 6)},
        {"late.java", QByteArray("class A {}\n") + QByteArray(1, '\0')},
    };
    for (const Row &r : binaries) {
        const QString path = env.WriteFile(QString::fromLatin1(r.name), r.bytes);
        EXPECT_FALSE(file.Read(path, error)) << r.name;
        EXPECT_EQ(error, path + " is not a text file and cannot be opened in an editor window !!!");
    }
    const QString missing = env.FilePath("missing.java");
    EXPECT_FALSE(file.Read(missing, error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot open the file %1.\n").arg(missing)));
    EXPECT_FALSE(file.Read(env.Path(), error)) << "a folder is not a file";

    // The file read before is still what this object holds.
    EXPECT_EQ(file.Text(), QByteArray("keep\r\n"));
    EXPECT_TRUE(file.HasByteOrderMark());
    EXPECT_EQ(file.GetLineEnd(), CTextFile::CrLf);

    // A write that cannot happen leaves no file and says so.
    const QString nowhere = env.FilePath("gone/Keep.java");
    EXPECT_FALSE(file.Write(nowhere, error));
    EXPECT_TRUE(error.endsWith("\nThe file on disk has not been changed !!!"));
    EXPECT_FALSE(QFile::exists(nowhere));
    EXPECT_EQ(QDir(env.Path()).entryList(QDir::Files).size(), 4) << "no temporary file left";
}

} // namespace
