#include "editor/FindHistory.h"

#include "TestEnv.h"
#include "core/SettingsStore.h"

#include <gtest/gtest.h>

TEST(FindHistory, ReusedWordsMoveToTheTopAndTheOldestGoPastFifteen)
{
    CFindHistory history("EditFind");
    history.Use("alpha");
    history.Use("beta");
    history.Use(QString());
    history.Use("alpha");
    EXPECT_EQ(history.Entries(), QStringList({"alpha", "beta"}));
    EXPECT_EQ(history.Latest(), "alpha");

    for (int i = 1; i <= 20; ++i)
        history.Use(QStringLiteral("w%1").arg(i));
    ASSERT_EQ(history.Entries().size(), CFindHistory::kMaxEntries);
    EXPECT_EQ(history.Entries().first(), "w20");
    EXPECT_EQ(history.Entries().last(), "w6");
}

TEST(FindHistory, SavedListsComeBackInTheirOrderAndShorterOnesLeaveNoOldWords)
{
    CTestEnv env;
    const QString ini = env.FilePath("Mavu.ini");
    {
        CSettingsStore store(ini);
        CFindHistory find("EditFind");
        for (const char *w : {"third", "second", "first"})
            find.Use(QString::fromLatin1(w));
        find.Save(store);
        EXPECT_EQ(store.GetProfileInt("EditFind", "length", -1), 3);
        EXPECT_EQ(store.GetProfileString("EditFind", "word1"), "first");
        EXPECT_EQ(store.GetProfileString("EditFind", "word3"), "third");
        ASSERT_TRUE(store.Sync());
    }
    {
        CSettingsStore store(ini);
        CFindHistory find("EditFind");
        find.Load(store);
        EXPECT_EQ(find.Entries(), QStringList({"first", "second", "third"}));

        CFindHistory shorter("EditFind");
        shorter.Use("only");
        shorter.Save(store);
        find.Load(store);
        EXPECT_EQ(find.Entries(), QStringList({"only"}));
        EXPECT_TRUE(store.GetProfileString("EditFind", "word2").isNull())
            << "a word of the longer list would come back if its length were damaged";
    }
    {
        // A hand-edited or damaged section gives what can be read: a length
        // past 20 is not believed, holes are skipped.
        CSettingsStore store(ini);
        store.WriteProfileInt("EditReplace", "length", 1000000);
        store.WriteProfileString("EditReplace", "word2", "two");
        store.WriteProfileString("EditReplace", "word20", "twenty");
        store.WriteProfileString("EditReplace", "word21", "ignored");
        CFindHistory replace("EditReplace");
        replace.Load(store);
        EXPECT_EQ(replace.Entries(), QStringList({"two", "twenty"}));
        store.WriteProfileInt("EditReplace", "length", -5);
        replace.Load(store);
        EXPECT_TRUE(replace.Entries().isEmpty());
    }
}
