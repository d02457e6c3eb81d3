#include "tools/FileSearch.h"

#include "QtPrinters.h"
#include "TestEnv.h"
#include "ToolsTestSupport.h"

#include <QFile>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

QString RunAll(const CSearchRequest &req, const CFileSearch::Hooks &hooks = {},
               std::atomic<bool> *stopFlag = nullptr)
{
    std::atomic<bool> local{false};
    QString text;
    CFileSearch::Run(
        req, [&](const QString &t) { text += t; }, stopFlag ? *stopFlag : local, hooks);
    return text;
}

} // namespace

TEST(FileSearch, EveryHitIsALineWithMatchCaseAndWholeWord)
{
    CTestEnv env;
    const QString a = env.WriteFile("A.java", "int count = 0;\r\ncount += Count(count);\n"
                                              "// recount\nÄrger ärger\n");
    const QString b = env.WriteFile("B.java", "no hits here\n");
    const QString empty = env.WriteFile("E.java", "");
    CSearchRequest req;
    req.files = {a, env.FilePath("missing.java"), empty, b};
    req.find = "count";
    auto L = [&](int line, const QString &text) { return CFileSearch::ResultLine(a, line, text); };
    EXPECT_EQ(L(3, "x"), a + ":3:  x\n");

    const struct
    {
        const char *what;
        QString find;
        bool matchCase, wholeWord;
        QString hits;
    } table[] = {
        {"any case, inside words too", "count", false, false,
         L(1, "int count = 0;") + L(2, "count += Count(count);") + L(2, "count += Count(count);") +
             L(2, "count += Count(count);") + L(3, "// recount")},
        {"match case", "Count", true, false, L(2, "count += Count(count);")},
        {"whole words", "count", false, true,
         L(1, "int count = 0;") + L(2, "count += Count(count);") + L(2, "count += Count(count);") +
             L(2, "count += Count(count);")},
        {"letters beyond ASCII fold too", "ärger", false, false,
         L(4, "Ärger ärger") + L(4, "Ärger ärger")},
        {"overlapping hits each count", "nt", true, false,
         L(1, "int count = 0;") + L(1, "int count = 0;") + L(2, "count += Count(count);") +
             L(2, "count += Count(count);") + L(2, "count += Count(count);") + L(3, "// recount")},
    };
    for (const auto &row : table) {
        SCOPED_TRACE(row.what);
        req.find = row.find;
        req.matchCase = row.matchCase;
        req.wholeWord = row.wholeWord;
        EXPECT_EQ(RunAll(req), "Wait, Searching...\n" + row.hits + "Done...\n");
    }
}

TEST(FileSearch, ReplaceWritesEachFileWholeAndSkipsWhatItMustNot)
{
    CTestEnv env;
    const QString a = env.WriteFile("A.java", "foo foo;\nbar foo\n");
    const QString ro = env.WriteFile("RO.java", "foo\n");
    QFile::setPermissions(ro, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    const QString latin = env.WriteFile("L.java", "caf\xe9 foo\n"); // not UTF-8
    const QString changed = env.WriteFile("C.java", "foo\n");
    CSearchRequest req;
    req.mode = CSearchRequest::Replace;
    req.files = {a, ro, latin, changed};
    req.find = "foo";
    // The replacement holds the find text: it is not matched again.
    req.replace = "foofoo";
    CFileSearch::Hooks hooks;
    hooks.beforeWrite = [&](const QString &path) {
        if (path == changed) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::Append));
            f.write("edited elsewhere\n");
        }
    };
    const QString text = RunAll(req, hooks);
    EXPECT_EQ(text, "Wait, Replacing...\n" + CFileSearch::ResultLine(a, 1, "foo foo;") +
                        CFileSearch::ResultLine(a, 1, "foofoo foo;") +
                        CFileSearch::ResultLine(a, 2, "bar foo") + CFileSearch::ReadOnlyText(ro) +
                        CFileSearch::ResultLine(latin, 1, "caf\u00e9 foo") +
                        CFileSearch::ResultLine(changed, 1, "foo") +
                        CFileSearch::ChangedOnDiskText(changed) + "Done...\n");
    EXPECT_EQ(FileBytes(a), "foofoo foofoo;\nbar foofoo\n");
    EXPECT_EQ(FileBytes(ro), "foo\n");
    EXPECT_EQ(FileBytes(latin), "caf\xe9 foofoo\n"); // its bytes kept as they were
    EXPECT_EQ(FileBytes(changed), "foo\nedited elsewhere\n");
    // The file kept its permissions through the rename.
    EXPECT_EQ(QFile::permissions(a) & QFileDevice::WriteOwner, QFileDevice::WriteOwner);
}

TEST(FileSearch, StopBetweenFilesKeepsWhatIsDone)
{
    CTestEnv env;
    const QString a = env.WriteFile("A.java", "x = old;\n");
    const QString b = env.WriteFile("B.java", "y = old;\n");
    CSearchRequest req;
    req.mode = CSearchRequest::Replace;
    req.files = {a, b};
    req.find = "old";
    req.replace = "new";
    std::atomic<bool> stop{false};
    CFileSearch::Hooks hooks;
    hooks.afterFile = [&](int) { stop = true; };
    const QString text = RunAll(req, hooks, &stop);
    EXPECT_EQ(text,
              "Wait, Replacing...\n" + CFileSearch::ResultLine(a, 1, "x = old;") + "Aborted...\n");
    EXPECT_EQ(FileBytes(a), "x = new;\n");
    EXPECT_EQ(FileBytes(b), "y = old;\n");
}

TEST(FileSearch, OnItsThreadResultsStreamAndStopEndsItInsideAFile)
{
    CTestEnv env;
    // One large file: the stop is seen in the middle of it.
    QByteArray big;
    for (int i = 0; i < 400000; ++i)
        big += "needle in a haystack line\n";
    const QString path = env.WriteFile("big.txt", big);
    CFileSearch search;
    QString text;
    QObject::connect(&search, &CFileSearch::output, [&](const QString &t) { text += t; });
    QSignalSpy finished(&search, &CFileSearch::finished);
    CSearchRequest req;
    req.files = {path, path};
    req.find = "needle";
    ASSERT_TRUE(search.Start(req));
    EXPECT_FALSE(search.Start(req));
    ASSERT_TRUE(WaitFor([&] { return text.count('\n') > 1000; }));
    search.Stop();
    ASSERT_TRUE(WaitFor([&] { return finished.size() == 1; }));
    EXPECT_TRUE(finished.first().first().toBool());
    EXPECT_TRUE(text.endsWith("Aborted...\n"));
    EXPECT_LT(text.count('\n'), 800000);
    EXPECT_FALSE(search.IsRunning());

    // Run to the end.
    text.clear();
    req.files = {path};
    req.find = "HAYSTACK";
    req.matchCase = true;
    ASSERT_TRUE(search.Start(req));
    ASSERT_TRUE(WaitFor([&] { return finished.size() == 2; }));
    EXPECT_FALSE(finished.last().first().toBool());
    EXPECT_EQ(text, "Wait, Searching...\nDone...\n");
}
