#include "app/SplashWnd.h"

#include "app/BakedImage.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

QPixmap CSplashWnd::Picture()
{
    // The build draws the picture (resources/bake); drawing it here meant
    // loading a bold face and rasterising large glyphs before the main window
    // could appear. The larger one serves high-DPI screens.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const bool hiDpi = screen && screen->devicePixelRatio() > 1.0;
    const QImage image = BakedImage(hiDpi ? QStringLiteral(":/mavu/baked/splash@2x.img")
                                          : QStringLiteral(":/mavu/baked/splash.img"));
    if (image.isNull()) {
        // Still a window of the right size, so start-up looks the same.
        QPixmap plain(480, 260);
        plain.fill(QColor(0x1f, 0x4e, 0x79));
        return plain;
    }
    return QPixmap::fromImage(image);
}

CSplashWnd::CSplashWnd() : QSplashScreen(Picture())
{
    setAttribute(Qt::WA_DeleteOnClose);
    QTimer::singleShot(1500, this, &QWidget::close);
}
