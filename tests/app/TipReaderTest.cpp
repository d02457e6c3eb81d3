#include "app/TipReader.h"

#include "QtPrinters.h"
#include "TestEnv.h"
#include "core/SettingsStore.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QStringList Tips(CTipReader &reader, int n)
{
    QStringList tips;
    for (int i = 0; i < n; ++i)
        tips << reader.NextTip();
    return tips;
}

void Touch(const QString &path, const QDateTime &when)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(when, QFileDevice::FileModificationTime));
}

} // namespace

TEST(TipReader, SkipsNonTipsWrapsAndResumesWhereItLeftOff)
{
    CTestEnv env;
    const QString path =
        env.WriteFile(QStringLiteral("tips.txt"), "; comment\n"
                                                  "First tip.\n"
                                                  "  indented: a continuation, not a tip\n"
                                                  "\tso is this\n"
                                                  "\n"
                                                  "\r\n"
                                                  "Second tip.\r\n"
                                                  "Third tip, without a line end");
    CSettingsStore store(env.FilePath(QStringLiteral("Mavu.ini")));
    {
        CTipReader reader;
        ASSERT_EQ(reader.Open(path, store), CTipReader::Ok);
        EXPECT_EQ(Tips(reader, 5),
                  QStringList({"First tip.", "Second tip.", "Third tip, without a line end",
                               "First tip.", "Second tip."}));
        reader.Close(store);
    }
    EXPECT_GT(store.GetProfileInt(QStringLiteral("Tip"), QStringLiteral("FilePos"), -1), 0);
    EXPECT_FALSE(
        store.GetProfileString(QStringLiteral("Tip"), QStringLiteral("TimeStamp")).isEmpty());

    // The next start carries on after the last tip shown.
    CTipReader again;
    ASSERT_EQ(again.Open(path, store), CTipReader::Ok);
    EXPECT_EQ(again.NextTip(), QStringLiteral("Third tip, without a line end"));
    again.Close(store);

    // Left off after the first tip, a replaced file (another time stamp)
    // starts from its first tip again, not the second.
    CTipReader first;
    ASSERT_EQ(first.Open(path, store), CTipReader::Ok);
    EXPECT_EQ(first.NextTip(), QStringLiteral("First tip."));
    first.Close(store);
    Touch(path, QDateTime::currentDateTime().addSecs(-3600));
    CTipReader replaced;
    ASSERT_EQ(replaced.Open(path, store), CTipReader::Ok);
    EXPECT_EQ(replaced.NextTip(), QStringLiteral("First tip."));
    replaced.Close(store);
}

TEST(TipReader, FilesWithoutTipsAndBadPositionsEndCleanly)
{
    CTestEnv env;
    CSettingsStore store(env.FilePath(QStringLiteral("Mavu.ini")));

    CTipReader none;
    EXPECT_EQ(none.Open(env.FilePath(QStringLiteral("missing.txt")), store), CTipReader::NoFile);
    EXPECT_TRUE(none.NextTip().isEmpty());

    const QString noTips =
        env.WriteFile(QStringLiteral("notips.txt"), "; only comments\n   and indents\n\n");
    const QString empty = env.WriteFile(QStringLiteral("empty.txt"), "");
    QByteArray junk("\x00\x01\x02\xff\xfe\n\x00garbage\n", 16);
    const QString binary = env.WriteFile(QStringLiteral("binary.txt"), junk);
    for (const QString &path : {noTips, empty, binary}) {
        CTipReader reader;
        ASSERT_EQ(reader.Open(path, store), CTipReader::Ok) << path.toStdString();
        EXPECT_TRUE(reader.NextTip().isEmpty()) << path.toStdString();
        EXPECT_TRUE(reader.NextTip().isEmpty()) << path.toStdString();
        reader.Close(store);
    }

    // A stored position past the end (the file got shorter) wraps; a
    // negative one cannot be sought and says so, starting from the top.
    const QString path = env.WriteFile(QStringLiteral("tips.txt"), "One.\nTwo.\n");
    {
        CTipReader reader;
        ASSERT_EQ(reader.Open(path, store), CTipReader::Ok);
        reader.Close(store);
    }
    store.WriteProfileInt(QStringLiteral("Tip"), QStringLiteral("FilePos"), 5000);
    CTipReader past;
    ASSERT_EQ(past.Open(path, store), CTipReader::Ok);
    EXPECT_EQ(past.NextTip(), QStringLiteral("One."));
    past.Close(store);
    store.WriteProfileInt(QStringLiteral("Tip"), QStringLiteral("FilePos"), -3);
    CTipReader negative;
    EXPECT_EQ(negative.Open(path, store), CTipReader::SeekFailed);
    EXPECT_EQ(negative.NextTip(), QStringLiteral("One."));
    negative.Close(store);
}
