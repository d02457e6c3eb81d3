// What the window shows before and right after it first appears: the
// pictures the build stores as raw pixels, and the work that waits until
// the first paint.

#include "app/AfterFirstPaint.h"
#include "app/BakedImage.h"
#include "app/SplashWnd.h"

#include <QMainWindow>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The splash and the program icon come from the build's raw pixels: a
// resource that went missing or came out compressed would silently leave a
// plain blue box and no window icon.
TEST(StartupPictures, TheBakedPicturesAreWhatTheBuildDrew)
{
    const QImage splash = BakedImage(QStringLiteral(":/mavu/baked/splash.img"));
    ASSERT_FALSE(splash.isNull());
    EXPECT_EQ(splash.size(), QSize(480, 260));
    const QImage large = BakedImage(QStringLiteral(":/mavu/baked/splash@2x.img"));
    ASSERT_FALSE(large.isNull());
    EXPECT_EQ(large.size(), QSize(960, 520));
    EXPECT_EQ(large.devicePixelRatio(), 2.0);
    EXPECT_EQ(CSplashWnd::Picture().size(), QSize(480, 260));

    const QImage icon = BakedImage(QStringLiteral(":/mavu/baked/mavu-48.img"));
    ASSERT_EQ(icon.size(), QSize(48, 48));
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << "the corners are transparent";
    EXPECT_TRUE(BakedImage(QStringLiteral(":/mavu/baked/no-such.img")).isNull());
    // The program's own icons as PNG: not raw pixels, so refused.
    EXPECT_TRUE(BakedImage(QStringLiteral(":/mavu/icons/hicolor/16x16/apps/mavu.png")).isNull());
}

TEST(StartupPictures, WorkWaitsForTheFirstPaintOrHalfASecond)
{
    QMainWindow window;
    int ran = 0;
    RunAfterFirstPaint(&window, [&] { ++ran; });
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, 0) << "the window has not painted yet";
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(50);
    EXPECT_EQ(ran, 1);
    QTest::qWait(600);
    EXPECT_EQ(ran, 1) << "once only, the late timer does not run it again";

    // A window that never paints (started minimized, say) still gets it.
    QMainWindow hidden;
    int late = 0;
    RunAfterFirstPaint(&hidden, [&] { ++late; });
    QTest::qWait(200);
    EXPECT_EQ(late, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return late == 1; }, 2000));
}

} // namespace
