#include "app/JavaIDEDoc.h"

#include "FakePrompter.h"
#include "QtPrinters.h"
#include "TestEnv.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <gtest/gtest.h>

// The document keeps what its file holds and the file's form: UTF-8 and
// line ends as they are, Latin-1 edited as text until a character needs
// UTF-8. A file that is no text changes nothing. (The forms themselves are
// the text file's tests.)
TEST(JavaIDEDoc, ReadsTextInItsFormAndRefusesBinaryFilesWithoutChangingAnything)
{
    CTestEnv env;
    CFakePrompter prompter;
    CJavaIDEDoc doc;
    EXPECT_EQ(doc.GetTitle(), QStringLiteral("Untitled"));
    const QString text = env.WriteFile(QStringLiteral("src/Hello.java"),
                                       "class Hello {\r\n  // caf\xc3\xa9\r\n}\r\n");
    ASSERT_TRUE(doc.OnOpenDocument(text));
    EXPECT_EQ(doc.Text(), FileBytes(text));
    EXPECT_EQ(doc.GetEncoding(), CJavaIDEDoc::Utf8);
    EXPECT_EQ(doc.GetTitle(), QStringLiteral("Hello.java"));

    const QString binary = env.WriteFile(QStringLiteral("Hello.class"),
                                         QByteArray("\xca\xfe\xba\xbe\x00\x00\x00\x3d", 8));
    EXPECT_FALSE(doc.OnOpenDocument(binary));
    EXPECT_EQ(prompter.m_messages,
              QStringList({binary + " is not a text file and cannot be opened in an editor "
                                    "window !!!"}));
    EXPECT_EQ(doc.GetPathName(), text) << "the document still shows the text file";
    EXPECT_FALSE(doc.OnOpenDocument(env.FilePath(QStringLiteral("missing.java"))));
    EXPECT_EQ(prompter.m_messages.size(), 2);

    prompter.m_messages.clear();
    const QByteArray latin1("// Gr\xfc\xdf"
                            "e\n");
    const QString path = env.WriteFile(QStringLiteral("Old.java"), latin1);
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.GetEncoding(), CJavaIDEDoc::Latin1);
    EXPECT_EQ(QString::fromUtf8(doc.Text()), QString::fromLatin1(latin1));
    ASSERT_TRUE(doc.OnSaveDocument(path, doc.Text()));
    EXPECT_EQ(FileBytes(path), latin1) << "unchanged text, unchanged bytes";
    const QByteArray euro = doc.Text() + QStringLiteral("// \u20ac\n").toUtf8();
    ASSERT_TRUE(doc.OnSaveDocument(path, euro));
    EXPECT_EQ(FileBytes(path), euro);
    EXPECT_EQ(doc.GetEncoding(), CJavaIDEDoc::Utf8);
    EXPECT_TRUE(prompter.m_messages.isEmpty());
}

TEST(JavaIDEDoc, SavingReplacesTheFileWholeOrNotAtAll)
{
    CTestEnv env;
    CFakePrompter prompter;
    const QString path = env.WriteFile(QStringLiteral("src/Keep.java"), "original\n");
    // A second name for the same bytes: a save that rewrote the file in
    // place would change them too; one that writes a new file and renames
    // it over the old name leaves them alone.
    const QString link = env.FilePath(QStringLiteral("src/Keep.link"));
    std::filesystem::create_hard_link(path.toStdString(), link.toStdString());
    CJavaIDEDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    ASSERT_TRUE(doc.OnSaveDocument(path, "changed\n"));
    EXPECT_EQ(FileBytes(path), QByteArray("changed\n"));
    EXPECT_EQ(FileBytes(link), QByteArray("original\n"));
    EXPECT_EQ(QDir(env.FilePath(QStringLiteral("src"))).entryList(QDir::Files),
              QStringList({"Keep.java", "Keep.link"}))
        << "no temporary file left behind";

    // Nowhere to write: a message, and no file appears.
    const QString nowhere = env.FilePath(QStringLiteral("gone/Keep.java"));
    EXPECT_FALSE(doc.OnSaveDocument(nowhere, "lost?\n"));
    ASSERT_EQ(prompter.m_messages.size(), 1);
    EXPECT_TRUE(prompter.m_messages.at(0).startsWith(
        QStringLiteral("Error writing the file %1.\n").arg(nowhere)));
    EXPECT_FALSE(QFile::exists(nowhere));
    EXPECT_EQ(doc.GetPathName(), path) << "the document keeps the name it was saved under";
}

TEST(JavaIDEDoc, SavingOverAFileChangedOnDiskAsksFirst)
{
    CTestEnv env;
    CFakePrompter prompter;
    const QString path = env.WriteFile(QStringLiteral("Shared.java"), "class Shared {}\n");
    CJavaIDEDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    const QDateTime read = QFileInfo(path).lastModified();

    // Another program writes the file: longer, and later.
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("class Shared { int fromOutside; }\n");
        f.setFileTime(read.addSecs(5), QFileDevice::FileModificationTime);
    }
    const QString question =
        QStringLiteral(
            "File %1 has been modified from outside since it was read. Select Yes to overwrite "
            "the changes made outside, otherwise select NO.")
            .arg(path);
    prompter.QueueAnswer(CPrompter::AnswerNo);
    EXPECT_FALSE(doc.OnSaveDocument(path, "class Shared { int mine; }\n"));
    EXPECT_EQ(prompter.m_messages, QStringList{question});
    EXPECT_EQ(prompter.m_buttons, QList<CPrompter::Buttons>{CPrompter::YesNo});
    EXPECT_EQ(FileBytes(path), QByteArray("class Shared { int fromOutside; }\n"))
        << "No keeps the other program's text";

    // Yes writes, and the next save of the same window asks nothing.
    prompter.m_messages.clear();
    prompter.QueueAnswer(CPrompter::AnswerYes);
    EXPECT_TRUE(doc.OnSaveDocument(path, "class Shared { int mine; }\n"));
    EXPECT_EQ(prompter.m_messages, QStringList{question});
    EXPECT_EQ(FileBytes(path), QByteArray("class Shared { int mine; }\n"));
    prompter.m_messages.clear();
    EXPECT_TRUE(doc.OnSaveDocument(path, "class Shared { int mine2; }\n"));
    EXPECT_TRUE(prompter.m_messages.isEmpty());

    // A change that keeps the time stamp still shows in the size.
    const QDateTime stamp = QFileInfo(path).lastModified();
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("x\n");
        f.setFileTime(stamp, QFileDevice::FileModificationTime);
    }
    prompter.QueueAnswer(CPrompter::AnswerNo);
    EXPECT_FALSE(doc.OnSaveDocument(path, "class Shared { int mine3; }\n"));
    EXPECT_EQ(prompter.m_messages, QStringList{question});
    EXPECT_EQ(FileBytes(path), QByteArray("x\n"));

    // Saving under another name and over a file deleted outside lose
    // nothing: no question.
    prompter.m_messages.clear();
    const QString other = env.FilePath(QStringLiteral("Other.java"));
    EXPECT_TRUE(doc.OnSaveDocument(other, "class Other {}\n"));
    ASSERT_TRUE(QFile::remove(other));
    EXPECT_TRUE(doc.OnSaveDocument(other, "class Other {}\n"));
    EXPECT_TRUE(prompter.m_messages.isEmpty());
    EXPECT_EQ(FileBytes(other), QByteArray("class Other {}\n"));
}
