#include "core/SettingsStore.h"

#include "QtPrinters.h"
#include "TestEnv.h"

#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

TEST(SettingsStore, KeepsFirstWriteOrderAcrossSectionsAndRewrites)
{
    CTestEnv env;
    const QString ini = env.FilePath(QStringLiteral("order/Mavu.ini"));
    {
        CSettingsStore s(ini);
        // Interleaved sections, keys chosen so that sorted order differs.
        s.WriteProfileString(QStringLiteral("Zeta"), QStringLiteral("b"), QStringLiteral("1"));
        s.WriteProfileInt(QStringLiteral("Alpha"), QStringLiteral("z"), 2);
        s.WriteProfileString(QStringLiteral("Zeta"), QStringLiteral("a"), QStringLiteral("3"));
        s.WriteProfileInt(QStringLiteral("Alpha"), QStringLiteral("m"), 4);
        // Rewriting keeps the place, even spelled in another case.
        s.WriteProfileInt(QStringLiteral("zeta"), QStringLiteral("B"), 5);
        // Deleting and re-adding moves the key to the end of its section.
        s.WriteProfileString(QStringLiteral("Alpha"), QStringLiteral("z"), QString());
        s.WriteProfileInt(QStringLiteral("Alpha"), QStringLiteral("z"), 6);
        s.WriteProfileString(QStringLiteral("Alpha"), QStringLiteral("empty"), QStringLiteral(""));
        ASSERT_TRUE(s.Sync()) << s.ErrorString().toStdString();
    }
    EXPECT_EQ(FileBytes(ini), QByteArray("[Zeta]\nb=5\na=3\n\n[Alpha]\nm=4\nz=6\nempty=\n"));

    CSettingsStore again(ini);
    using Pair = QPair<QString, QString>;
    const QList<Pair> expected{
        {"Zeta", "b"}, {"Zeta", "a"}, {"Alpha", "m"}, {"Alpha", "z"}, {"Alpha", "empty"}};
    EXPECT_EQ(again.Keys(), expected);
    EXPECT_EQ(again.GetProfileInt(QStringLiteral("ZETA"), QStringLiteral("b"), -1), 5);
    // An empty value is a value, not a missing key.
    const QString empty = again.GetProfileString(QStringLiteral("Alpha"), QStringLiteral("empty"),
                                                 QStringLiteral("default"));
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_FALSE(empty.isNull());
    EXPECT_EQ(again.GetProfileString(QStringLiteral("Alpha"), QStringLiteral("gone"),
                                     QStringLiteral("default")),
              QStringLiteral("default"));
    // Writing a null string deletes; deleting what is not there is harmless.
    again.WriteProfileString(QStringLiteral("Zeta"), QStringLiteral("a"), QString());
    again.WriteProfileString(QStringLiteral("Nowhere"), QStringLiteral("x"), QString());
    EXPECT_EQ(again.GetProfileInt(QStringLiteral("Zeta"), QStringLiteral("a"), -7), -7);
}

TEST(SettingsStore, ValuesSurviveTheFileUnchanged)
{
    CTestEnv env;
    const QString ini = env.FilePath(QStringLiteral("Mavu.ini"));
    const QStringList values{
        QStringLiteral(""),
        QStringLiteral(" leading blank"),
        QStringLiteral("trailing tab\t"),
        QStringLiteral("\"quoted\""),
        QStringLiteral("back\\slash\\n not a newline"),
        QStringLiteral("two\nlines\r\n"),
        QStringLiteral("key=value;comment"),
        QStringLiteral("[not a section]"),
        QStringLiteral("Grüße, ✓ 日本"),
    };
    {
        CSettingsStore s(ini);
        for (int i = 0; i < values.size(); ++i)
            s.WriteProfileString(QStringLiteral("Values"), QStringLiteral("v%1").arg(i),
                                 values.at(i));
    }
    CSettingsStore s(ini);
    EXPECT_EQ(s.CorruptLineCount(), 0);
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(s.GetProfileString(QStringLiteral("Values"), QStringLiteral("v%1").arg(i),
                                     QStringLiteral("missing")),
                  values.at(i))
            << "value " << i;
}

TEST(SettingsStore, ReadsIntegersTheWayHandEditedFilesNeed)
{
    CTestEnv env;
    const QString ini = env.WriteFile(QStringLiteral("Mavu.ini"), "[N]\n"
                                                                  "plain=12\n"
                                                                  "negative=-13\n"
                                                                  "  spaced = 7  \n"
                                                                  "suffix=12px\n"
                                                                  "word=abc\n"
                                                                  "empty=\n"
                                                                  "huge=99999999999\n"
                                                                  "hugeneg=-99999999999\n");
    CSettingsStore s(ini);
    const struct
    {
        const char *key;
        int expected;
    } rows[] = {{"plain", 12}, {"negative", -13}, {"spaced", 7},     {"suffix", 12},
                {"word", 42},  {"empty", 42},     {"huge", INT_MAX}, {"hugeneg", INT_MIN}};
    for (const auto &row : rows)
        EXPECT_EQ(s.GetProfileInt(QStringLiteral("N"), QLatin1String(row.key), 42), row.expected)
            << row.key;
}

TEST(SettingsStore, CorruptFileIsReadAroundAndKeptBeforeOverwrite)
{
    CTestEnv env;
    QByteArray bytes("; written by hand\n"
                     "orphan=before any section\n"
                     "[Good]\n"
                     "first=1\n"
                     "this line has no equals sign\n"
                     "=no key\n"
                     "first=2 (a duplicate: the first one counts)\n"
                     "[Unclosed\n"
                     "lost=in a broken section\n"
                     "[Binary]\n");
    bytes += QByteArray("junk\0\x01\x02=x\n", 10);
    bytes += QByteArray("bad=\xff\xfe utf8\n");
    bytes += "[Good]\r\n"
             "second=two\r\n"
             "last=no newline at the end";
    const QString ini = env.WriteFile(QStringLiteral("Mavu.ini"), bytes);

    CSettingsStore s(ini);
    EXPECT_EQ(s.CorruptLineCount(), 7);
    EXPECT_EQ(s.GetProfileInt(QStringLiteral("Good"), QStringLiteral("first"), 0), 1);
    EXPECT_EQ(s.GetProfileString(QStringLiteral("Good"), QStringLiteral("second")),
              QStringLiteral("two"));
    EXPECT_EQ(s.GetProfileString(QStringLiteral("Good"), QStringLiteral("last")),
              QStringLiteral("no newline at the end"));
    EXPECT_TRUE(s.GetProfileString(QStringLiteral("Good"), QStringLiteral("lost")).isNull());
    EXPECT_TRUE(s.GetProfileString(QStringLiteral("Binary"), QStringLiteral("bad")).isNull());

    // Reading alone never touches the file.
    EXPECT_FALSE(QFile::exists(s.CorruptCopyName()));
    s.WriteProfileInt(QStringLiteral("Good"), QStringLiteral("third"), 3);
    ASSERT_TRUE(s.Sync()) << s.ErrorString().toStdString();
    EXPECT_EQ(FileBytes(s.CorruptCopyName()), bytes);
    EXPECT_EQ(FileBytes(ini),
              QByteArray("; written by hand\n"
                         "\n[Good]\nfirst=1\nsecond=two\nlast=no newline at the end\nthird=3\n"
                         "\n[Binary]\n"));
}

TEST(SettingsStore, MissingUnwritableAndMigratedFiles)
{
    CTestEnv env;
    // A missing file reads as defaults and is not created by reading.
    const QString ini = env.FilePath(QStringLiteral("none/Mavu.ini"));
    {
        CSettingsStore s(ini);
        EXPECT_EQ(s.GetProfileInt(QStringLiteral("A"), QStringLiteral("b"), 9), 9);
    }
    EXPECT_FALSE(QFile::exists(ini));

    // A file where the folder should be: the write fails with a reason.
    env.WriteFile(QStringLiteral("blocker"), "x");
    CSettingsStore blocked(env.FilePath(QStringLiteral("blocker/Mavu.ini")));
    blocked.WriteProfileInt(QStringLiteral("A"), QStringLiteral("b"), 1);
    EXPECT_FALSE(blocked.Sync());
    EXPECT_FALSE(blocked.ErrorString().isEmpty());

    // An old profile under the plain name replaces the current one.
    const QString dir = env.FilePath(QStringLiteral("migrate"));
    env.WriteFile(QStringLiteral("migrate/Mavu.ini"), "[Old]\nk=current\n");
    EXPECT_FALSE(CSettingsStore::MigrateProfile(dir + QStringLiteral("/nothing-here")));
    env.WriteFile(QStringLiteral("migrate/mavu"), "[Old]\nk=migrated\n");
    EXPECT_TRUE(CSettingsStore::MigrateProfile(dir));
    EXPECT_FALSE(QFile::exists(dir + QStringLiteral("/mavu")));
    CSettingsStore migrated(dir + QStringLiteral("/Mavu.ini"));
    EXPECT_EQ(migrated.GetProfileString(QStringLiteral("Old"), QStringLiteral("k")),
              QStringLiteral("migrated"));
}
