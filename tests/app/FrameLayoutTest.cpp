#include "app/FrameLayout.h"

#include "QtPrinters.h"
#include "TestEnv.h"
#include "core/SettingsStore.h"

#include <gtest/gtest.h>
#include <limits>

namespace {
QRect MainWindow(const CFrameLayout &l)
{
    return QRect(l.m_mainOrigX, l.m_mainOrigY, l.m_mainSizeX, l.m_mainSizeY);
}
} // namespace

TEST(FrameLayout, EveryKeyRoundTripsThroughTheSettingsFile)
{
    CTestEnv env;
    const QString ini = env.FilePath(QStringLiteral("Mavu.ini"));
    CFrameLayout saved;
    saved.m_mainOrigX = -8;
    saved.m_mainOrigY = 31;
    saved.m_mainSizeX = 1024;
    saved.m_mainSizeY = 700;
    saved.m_split1Y1 = 500;
    saved.m_split1Y2 = 150;
    saved.m_split2X1 = 220;
    saved.m_split2X2 = 780;
    saved.m_output = true;
    saved.m_project = false;
    saved.m_dockOutput = false;
    saved.m_projectPane = 1;
    saved.m_editorPane = 0;
    saved.m_debugRatio = 0.375;
    saved.m_statusBar = false;
    saved.m_toolBar = {true, false, CBarLayout::DockLeft, QRect(0, 60, 28, 400)};
    saved.m_debugBar = {false, true, CBarLayout::DockTop, QRect(300, 200, 180, 30)};
    saved.m_browserBar = {true, false, CBarLayout::DockBottom, QRect(10, 650, 200, 28)};
    {
        CSettingsStore store(ini);
        saved.Save(store);
        ASSERT_TRUE(store.Sync());
    }
    CSettingsStore store(ini);
    // The file says what older versions wrote: the visible-style bit for
    // shown bars, exclusive right and bottom edges, the dock-bar numbers.
    EXPECT_EQ(store.GetProfileInt("ToolBar", "Display", -1), 268435456);
    EXPECT_EQ(store.GetProfileInt("DebugBar", "Display", -1), 0);
    EXPECT_EQ(store.GetProfileInt("StatusBar", "Display", -1), 0);
    EXPECT_EQ(store.GetProfileInt("ToolBar", "Dock", -1), 59420);
    EXPECT_EQ(store.GetProfileInt("BrowserBar", "Dock", -1), 59422);
    EXPECT_EQ(store.GetProfileInt("DebugBar", "right", -1), 480);
    EXPECT_EQ(store.GetProfileInt("DebugBar", "bottom", -1), 230);
    EXPECT_EQ(store.GetProfileString("Windows", "DebugRatio"), QStringLiteral("3750000000"));
    EXPECT_EQ(store.GetProfileInt("Windows", "DebugDecimal", -9), 0);
    EXPECT_EQ(store.GetProfileInt("Windows", "ProjectPane", -1), 1);

    CFrameLayout loaded;
    loaded.Load(store);
    EXPECT_EQ(loaded, saved);
}

TEST(FrameLayout, PanePairsOtherThanZeroAndOneStartWithTheProjectOnTheLeft)
{
    struct Row
    {
        int project, editor;
        int wantProject, wantEditor;
    };
    const Row rows[] = {
        {0, 1, 0, 1}, {1, 0, 1, 0}, {1, 1, 0, 1}, {2, 0, 0, 1}, {-1, 1, 0, 1},
    };
    CTestEnv env;
    for (const Row &r : rows) {
        CSettingsStore store(
            env.FilePath(QStringLiteral("p%1%2.ini").arg(r.project).arg(r.editor)));
        store.WriteProfileInt("Windows", "ProjectPane", r.project);
        store.WriteProfileInt("Windows", "EditorPane", r.editor);
        CFrameLayout layout;
        layout.Load(store);
        EXPECT_EQ(layout.m_projectPane, r.wantProject) << r.project << "," << r.editor;
        EXPECT_EQ(layout.m_editorPane, r.wantEditor) << r.project << "," << r.editor;
    }
}

TEST(FrameLayout, UnsetColumnWidthsTakeTheirShareOfTheClient)
{
    CFrameLayout layout;
    EXPECT_EQ(layout.ProjectWidth(900), 175);
    EXPECT_EQ(layout.EditorWidth(900), 600) << "0 means two thirds";
    layout.m_split2X1 = -1;
    layout.m_split2X2 = 410;
    EXPECT_EQ(layout.ProjectWidth(900), 300) << "negative means a third";
    EXPECT_EQ(layout.EditorWidth(900), 410);
}

TEST(FrameLayout, DamagedValuesAreRepairedNotTrusted)
{
    CTestEnv env;
    CSettingsStore store(env.FilePath(QStringLiteral("Mavu.ini")));
    store.WriteProfileInt("ToolBar", "Dock", 12345);
    store.WriteProfileInt("DebugBar", "Display", 1); // any non-zero value shows
    store.WriteProfileString("Windows", "DebugRatio", QStringLiteral("garbage"));
    store.WriteProfileInt("Windows", "DebugDecimal", 2000000000);
    CFrameLayout layout;
    layout.Load(store);
    EXPECT_EQ(layout.m_toolBar.m_dock, CBarLayout::DockTop);
    EXPECT_TRUE(layout.m_debugBar.m_display);
    EXPECT_EQ(layout.m_debugRatio, 0.0);
}

TEST(EcvtNumber, SplitsAndRebuildsLikeEcvtWithTenDigits)
{
    struct Row
    {
        double value;
        const char *digits;
        int decimal;
        int sign;
    };
    const Row rows[] = {
        {0.0, "0000000000", 0, 0},       {-0.25, "2500000000", 0, 1},
        {123.456, "1234560000", 3, 0},   {0.035, "3500000000", -1, 0},
        {2.0 / 3.0, "6666666667", 0, 0}, {9999999999.5, "1000000000", 11, 0},
    };
    for (const Row &r : rows) {
        const CEcvtNumber n = CEcvtNumber::FromDouble(r.value);
        EXPECT_EQ(n.m_digits, QString::fromLatin1(r.digits)) << r.value;
        EXPECT_EQ(n.m_decimal, r.decimal) << r.value;
        EXPECT_EQ(n.m_sign, r.sign) << r.value;
        // Back again: equal to ten significant digits.
        const double back = n.ToDouble();
        EXPECT_NEAR(back, r.value, std::abs(r.value) * 1e-9 + 1e-300) << r.value;
    }
}

TEST(EcvtNumber, ReadsStoredPartsAsFarAsTheyMakeANumber)
{
    struct Row
    {
        const char *digits;
        int decimal;
        int sign;
        double want;
    };
    const Row rows[] = {
        {"0", 0, 0, 0.0},                       // the default of a fresh settings file
        {"25", 1, 0, 2.5}, {"25", 3, 0, 250.0}, // missing digits are zeros
        {"5", 0, 1, -0.5}, {"12ab", 1, 0, 1.2}, // stops at the first non-digit
        {"x", 0, 0, 0.0},
    };
    for (const Row &r : rows) {
        CEcvtNumber n;
        n.m_digits = QString::fromLatin1(r.digits);
        n.m_decimal = r.decimal;
        n.m_sign = r.sign;
        EXPECT_DOUBLE_EQ(n.ToDouble(), r.want) << r.digits << " " << r.decimal;
    }
}

TEST(FrameLayout, ExtremeValuesNeverOverflowAndTheWindowFitsTheScreen)
{
    // What a damaged or hand-edited file may hold; the sanitizers stop the
    // test at the first overflow.
    CTestEnv env;
    CSettingsStore store(env.FilePath(QStringLiteral("Mavu.ini")));
    for (const char *key : {"MainOrigX", "MainOrigY", "Split1Y1", "Split1Y2", "Split2X1"})
        store.WriteProfileInt("Windows", key, std::numeric_limits<int>::min());
    for (const char *key : {"MainSizeX", "MainSizeY", "Split2X2"})
        store.WriteProfileInt("Windows", key, std::numeric_limits<int>::max());
    for (const char *bar : {"ToolBar", "DebugBar", "BrowserBar"}) {
        store.WriteProfileInt(bar, "left", std::numeric_limits<int>::max());
        store.WriteProfileInt(bar, "top", std::numeric_limits<int>::max());
        store.WriteProfileInt(bar, "right", std::numeric_limits<int>::min());
        store.WriteProfileInt(bar, "bottom", std::numeric_limits<int>::min());
    }
    store.WriteProfileInt("DebugBar", "Float", 1);
    store.WriteProfileInt("DebugBar", "right", std::numeric_limits<int>::max());
    store.WriteProfileInt("DebugBar", "bottom", std::numeric_limits<int>::max());
    CFrameLayout layout;
    layout.Load(store);
    CSettingsStore again(env.FilePath(QStringLiteral("again.ini")));
    layout.Save(again);
    CFrameLayout reread;
    reread.Load(again);
    EXPECT_EQ(reread, layout) << "what was read is written back as it was understood";

    const QRect screen(0, 0, 1280, 900);
    layout.ClampToScreen(screen);
    const QRect window = MainWindow(layout);
    EXPECT_TRUE(screen.contains(window))
        << window.x() << "," << window.y() << " " << window.width() << "x" << window.height();
    EXPECT_GT(window.width(), 0);
    EXPECT_GT(window.height(), 0);
    for (const CBarLayout *bar : {&layout.m_toolBar, &layout.m_debugBar, &layout.m_browserBar}) {
        EXPECT_TRUE(screen.contains(bar->m_rect.topLeft()));
        EXPECT_LE(bar->m_rect.width(), screen.width());
        EXPECT_LE(bar->m_rect.height(), screen.height());
    }
    EXPECT_LE(layout.ProjectWidth(screen.width()), screen.width());
    EXPECT_LE(layout.EditorWidth(screen.width()), screen.width());
    EXPECT_GE(layout.m_split1Y1, 0);
    EXPECT_LE(layout.m_split1Y1, screen.height());
    EXPECT_GE(layout.m_split1Y2, 0);
    EXPECT_LE(layout.m_split1Y2, screen.height());

    // A sensible layout on a larger screen than this one comes back whole
    // where it fits, and on this screen where it does not.
    CFrameLayout sensible;
    sensible.m_mainOrigX = 1500;
    sensible.m_mainOrigY = 40;
    sensible.m_mainSizeX = 800;
    sensible.m_mainSizeY = 600;
    sensible.ClampToScreen(screen);
    EXPECT_EQ(MainWindow(sensible), QRect(480, 40, 800, 600));
    CFrameLayout fits;
    fits.m_mainOrigX = 100;
    fits.m_mainOrigY = 50;
    fits.ClampToScreen(screen);
    EXPECT_EQ(MainWindow(fits), QRect(100, 50, 640, 480));
}

TEST(FrameLayout, TheFirstStartIsCentredAtTwoThirdsWithTheOutputShown)
{
    CTestEnv env;
    const QRect screen(0, 32, 1920, 1048); // the panel takes the top
    {
        CSettingsStore store(env.FilePath(QStringLiteral("Mavu.ini")));
        CFrameLayout layout;
        layout.Load(store);
        layout.PlaceFirstStart(store, screen);
        EXPECT_EQ(MainWindow(layout), QRect(320, 32 + 175, 1280, 698));
        EXPECT_TRUE(layout.m_output);

        // A small screen still gets a window that fits it.
        CFrameLayout small;
        small.Load(store);
        small.PlaceFirstStart(store, QRect(0, 0, 800, 600));
        EXPECT_EQ(MainWindow(small), QRect(80, 60, 640, 480));
        layout.Save(store);
    }
    {
        // Once stored, the rectangle and the flags are used as they are.
        CSettingsStore store(env.FilePath(QStringLiteral("Mavu.ini")));
        store.WriteProfileInt("Windows", "MainOrigX", 5);
        store.WriteProfileInt("Windows", "Output", 0);
        CFrameLayout layout;
        layout.Load(store);
        layout.PlaceFirstStart(store, screen);
        EXPECT_EQ(layout.m_mainOrigX, 5);
        EXPECT_EQ(layout.m_mainSizeX, 1280);
        EXPECT_FALSE(layout.m_output);
    }
    {
        // A stored output flag holds even without a rectangle.
        CSettingsStore store(env.FilePath(QStringLiteral("Other.ini")));
        store.WriteProfileInt("Windows", "Output", 0);
        CFrameLayout layout;
        layout.Load(store);
        layout.PlaceFirstStart(store, screen);
        EXPECT_EQ(layout.m_mainSizeX, 1280);
        EXPECT_FALSE(layout.m_output);
    }
}
