#include "app/DocumentTypes.h"

#include "QtPrinters.h"
#include "TestEnv.h"
#include "app/CommandMap.h"
#include "app/FileDialogs.h"
#include "app/RecentFileList.h"
#include "core/SettingsStore.h"

#include <gtest/gtest.h>

TEST(DocumentTypes, ExtensionDecidesWhereAFileOpensInAnyLetterCase)
{
    using K = CDocumentTypes;
    const struct
    {
        const char *path;
        CDocumentTypes::Kind kind;
    } rows[] = {
        {"/p/DEMO.MAVU", K::Project},          {"/p/X.PKG", K::PackageDb},
        {"/p/Mavu.Proj", K::Workspace},        {"/p/mavu.hpg", K::HelpTree},
        {"/p/user.IPG", K::SearchIndex},       {"/p/lib.JAR", K::ClassArchive},
        {"/p/readme", K::EditorFile},          {"/p.mavu/readme.txt", K::EditorFile},
        {"/p/archive.jar.txt", K::EditorFile}, {"/p/mavu.projx", K::EditorFile},
    };
    for (const auto &r : rows)
        EXPECT_EQ(CDocumentTypes::ForPath(QString::fromLatin1(r.path)), r.kind) << r.path;
}

TEST(DocumentTypes, NewProjectsAlwaysEndInMavu)
{
    const struct
    {
        const char *chosen, *want;
    } rows[] = {
        {"/home/u/demo.txt", "/home/u/demo.mavu"},
        {"/home/u/demo", "/home/u/demo.mavu"},
        {"/home/u/Demo.MAVU", "/home/u/Demo.MAVU"},
        {"/home/u.d/demo.tar.gz", "/home/u.d/demo.tar.mavu"},
    };
    for (const auto &r : rows)
        EXPECT_EQ(CDocumentTypes::NewProjectPath(QString::fromLatin1(r.chosen)),
                  QString::fromLatin1(r.want));
}

TEST(FileDialogRequest, FiltersAndDefaultExtension)
{
    CFileDialogRequest r;
    r.m_filter = QStringLiteral("Mavu Files (*.mavu)|*.mavu|All Files (*.*)|*.*||");
    EXPECT_EQ(r.QtFilters(), QStringList({QStringLiteral("Mavu Files (*.mavu)"),
                                          QStringLiteral("All Files (*)")}));
    r.m_filter = QStringLiteral("Sources|*.java;*.jav|Pages (*.htm)|*.htm;*.html||");
    EXPECT_EQ(r.QtFilters(), QStringList({QStringLiteral("Sources (*.java *.jav)"),
                                          QStringLiteral("Pages (*.htm *.html)")}));
    r.m_defaultExt = QStringLiteral("java");
    EXPECT_EQ(r.WithDefaultExt(QStringLiteral("/a.b/Foo")), QStringLiteral("/a.b/Foo.java"));
    EXPECT_EQ(r.WithDefaultExt(QStringLiteral("/a/Foo.txt")), QStringLiteral("/a/Foo.txt"));
}

TEST(RecentFileList, NewestFirstNoDuplicatesAndBoundedLength)
{
    CRecentFileList list(3);
    list.Add(QStringLiteral("/a/One.java"));
    list.Add(QStringLiteral("/a/Two.java"));
    list.Add(QStringLiteral("/a/one.JAVA")); // the same file: moves to the top
    EXPECT_EQ(list.Files(), QStringList({"/a/one.JAVA", "/a/Two.java"}));
    list.Add(QStringLiteral("/a/Three.java"));
    list.Add(QStringLiteral("/a/Four.java"));
    EXPECT_EQ(list.Files(), QStringList({"/a/Four.java", "/a/Three.java", "/a/one.JAVA"}));
    list.SetSize(2);
    EXPECT_EQ(list.Files(), QStringList({"/a/Four.java", "/a/Three.java"}));
    list.SetSize(400);
    EXPECT_EQ(list.Size(), CRecentFileList::kMaxSize);

    list.Add(QStringLiteral("/r&d/A&B.java"));
    EXPECT_EQ(list.MenuText(0), QStringLiteral("&1 /r&&d/A&&B.java"));
    EXPECT_EQ(list.MenuText(2), QStringLiteral("&3 /a/Three.java"));
}

TEST(RecentFileList, StoredUnderItsOwnSectionAndShrinksCleanly)
{
    CTestEnv env;
    const QString ini = env.FilePath(QStringLiteral("Mavu.ini"));
    {
        CSettingsStore store(ini);
        CRecentFileList list(4);
        for (const char *f : {"/x/1.java", "/x/2.java", "/x/3.java"})
            list.Add(QString::fromLatin1(f));
        list.WriteList(store);
        EXPECT_EQ(store.GetProfileString("Recent File List", "File1"), QStringLiteral("/x/3.java"));
        EXPECT_EQ(store.GetProfileString("Recent File List", "File3"), QStringLiteral("/x/1.java"));

        // Fewer entries later: the keys of the dropped ones go.
        list.Remove(0);
        list.Remove(QStringLiteral("/X/1.JAVA"));
        list.WriteList(store);
        ASSERT_TRUE(store.Sync());
    }
    CSettingsStore store(ini);
    EXPECT_EQ(store.Keys(), (QList<QPair<QString, QString>>{{"Recent File List", "File1"}}));

    // Reading skips gaps and repeated names, and reads no further than
    // the list is long.
    store.WriteProfileString("Recent File List", "File2", QStringLiteral(""));
    store.WriteProfileString("Recent File List", "File3", QStringLiteral("/x/2.java"));
    store.WriteProfileString("Recent File List", "File4", QStringLiteral("/y/4.java"));
    store.WriteProfileString("Recent File List", "File5", QStringLiteral("/y/5.java"));
    CRecentFileList read(4);
    read.ReadList(store);
    EXPECT_EQ(read.Files(), QStringList({"/x/2.java", "/y/4.java"}));
}

TEST(CommandMap, FirstTargetThatHandlesACommandRunsAndEnablesIt)
{
    QStringList calls;
    bool canPaste = false;
    CCommandMap view, frame, app;
    view.On(1, [&] { calls << "view 1"; });
    view.On(
        2, [&] { calls << "view paste"; }, [&](CCmdUI &ui) { ui.Enable(canPaste); });
    frame.On(1, [&] { calls << "frame 1"; });
    frame.On(
        3, [&] { calls << "frame 3"; },
        [](CCmdUI &ui) {
            ui.SetCheck(true);
            ui.SetText(QStringLiteral("Dock Output"));
        });
    app.OnRange(10, 19, [&](int id) { calls << QStringLiteral("app %1").arg(id); });

    EXPECT_TRUE(RouteCommand({&view, &frame, &app}, 1));
    EXPECT_TRUE(RouteCommand({nullptr, &frame, &app}, 1));
    // Disabled where it is handled: nothing runs and nobody else gets it.
    EXPECT_TRUE(RouteCommand({&view, &frame, &app}, 2));
    canPaste = true;
    EXPECT_TRUE(RouteCommand({&view, &frame, &app}, 2));
    EXPECT_TRUE(RouteCommand({&view, &frame, &app}, 13));
    EXPECT_FALSE(RouteCommand({&view, &frame, &app}, 20));
    EXPECT_EQ(calls, QStringList({"view 1", "frame 1", "view paste", "app 13"}));

    const CCmdUI three = RouteUpdate({&view, &frame, &app}, 3);
    EXPECT_TRUE(three.m_bEnabled);
    EXPECT_EQ(three.m_checked, std::optional<bool>(true));
    EXPECT_EQ(three.m_text, std::optional<QString>(QStringLiteral("Dock Output")));
    EXPECT_FALSE(RouteUpdate({&view, &frame, &app}, 99).m_bEnabled) << "nobody handles 99";
    canPaste = false;
    EXPECT_FALSE(RouteUpdate({&view, &frame, &app}, 2).m_bEnabled);
}
