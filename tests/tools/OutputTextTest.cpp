#include "tools/OutputText.h"

#include "tools/InputLine.h"
#include "tools/ToolManager.h"

#include <gtest/gtest.h>

TEST(OutputText, AFloodKeepsOnlyTheNewestLinesAndCountsTheRest)
{
    COutputText text(100, 1 << 20);
    for (int i = 0; i < 1000; ++i)
        text.Append(QStringLiteral("line %1\n").arg(i));
    const auto batch = text.TakeBatch();
    const QStringList lines = batch.text.split(u'\n');
    // 99 complete lines and the empty line being started.
    ASSERT_EQ(lines.size(), 100);
    EXPECT_EQ(lines.first(), "line 901");
    EXPECT_EQ(lines.at(98), "line 999");
    EXPECT_EQ(batch.dropped, 901);
}

TEST(OutputText, CharacterLimitAlsoBoundsOneEndlessLine)
{
    COutputText text(1000, 1000);
    const QString chunk(300, u'x');
    for (int i = 0; i < 10; ++i)
        text.Append(chunk);
    EXPECT_LE(text.PendingChars(), 1000);
    auto batch = text.TakeBatch();
    EXPECT_EQ(batch.text, QString(1000, u'x'));
    EXPECT_GT(batch.dropped, 0);

    // Short lines before a long one go first, whole.
    text.Append(u"a\nb\n");
    text.Append(QString(999, u'y'));
    batch = text.TakeBatch();
    EXPECT_EQ(batch.text, QString(999, u'y'));
    EXPECT_EQ(batch.dropped, 2);
}

TEST(InputLine, SendsWhatWasTypedSinceTheLastEnterLessBackspaces)
{
    CInputLine input;
    QString sent;
    for (QChar c : QStringLiteral("helo"))
        EXPECT_FALSE(input.OnChar(c, &sent));
    input.OnChar(u'\b', &sent);
    input.OnChar(u'\b', &sent);
    for (QChar c : QStringLiteral("llo wörld"))
        input.OnChar(c, &sent);
    input.OnChar(u'\t', &sent);       // not a printable character
    input.OnChar(QChar(0x1b), &sent); // Escape
    EXPECT_EQ(input.Text(), "hello wörld");
    EXPECT_TRUE(input.OnChar(u'\r', &sent));
    EXPECT_EQ(sent, "hello wörld");
    EXPECT_TRUE(input.Text().isEmpty());
    // Backspace on an empty line, then Enter: an empty line is sent.
    input.OnChar(u'\b', &sent);
    EXPECT_TRUE(input.OnChar(u'\r', &sent));
    EXPECT_TRUE(sent.isEmpty());
}

TEST(ClassPath, PiecesJoinedEachEntryOnceEmptyEntriesLeftOut)
{
    EXPECT_EQ(CToolManager::ComposeClassPath({"/p/lib.jar:/p/classes", "/env/x.jar::.:/p/lib.jar:",
                                              QString(), "/pkg:/env/x.jar"}),
              "/p/lib.jar:/p/classes:/env/x.jar:.:/pkg");
    EXPECT_TRUE(CToolManager::ComposeClassPath({QString(), ":"}).isEmpty());
}

// Everything arrives in order, in batches of the size asked for, less the
// carriage returns.
TEST(OutputText, BatchesKeepToTheirSizeAndLoseNothingButCarriageReturns)
{
    COutputText text;
    EXPECT_FALSE(text.HasPending());
    QString all;
    for (int i = 0; i < 300; ++i) {
        const QString piece = QStringLiteral("piece %1 ").arg(i);
        text.Append(piece + (i % 3 ? "\r\n" : ""));
        all += piece + (i % 3 ? "\n" : "");
    }
    QString got;
    int batches = 0;
    while (text.HasPending()) {
        const auto batch = text.TakeBatch(100);
        EXPECT_LE(batch.text.size(), 100);
        EXPECT_EQ(batch.dropped, 0);
        got += batch.text;
        ++batches;
    }
    EXPECT_EQ(got, all);
    EXPECT_GT(batches, 20);
    EXPECT_TRUE(text.TakeBatch().text.isEmpty());
}

TEST(OutputText, ALineBegunInOnePieceIsDroppedWholeOrKeptWhole)
{
    COutputText text(3, 1 << 20);
    text.Append(u"one\ntw");
    text.Append(u"o\nthree\nfo");
    text.Append(u"ur\nfive");
    const auto batch = text.TakeBatch();
    // Three lines kept: "three", "four" and "five" being written.
    EXPECT_EQ(batch.text, "three\nfour\nfive");
    EXPECT_EQ(batch.dropped, 2);
}
