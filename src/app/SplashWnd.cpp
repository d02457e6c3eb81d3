#include "app/SplashWnd.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>

QPixmap CSplashWnd::Picture()
{
    const QSize size(480, 260);
    const qreal ratio = QGuiApplication::primaryScreen()
                            ? QGuiApplication::primaryScreen()->devicePixelRatio()
                            : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, size.width(), size.height());
    bg.setColorAt(0, QColor(0x1f, 0x4e, 0x79));
    bg.setColorAt(1, QColor(0x2a, 0x9d, 0x8f));
    p.fillRect(QRect(QPoint(0, 0), size), bg);

    const QPixmap icon(QStringLiteral(":/mavu/icons/hicolor/128x128/apps/mavu.png"));
    if (!icon.isNull())
        p.drawPixmap(QRect(36, 66, 128, 128), icon);

    p.setPen(Qt::white);
    // The application's own font is already matched and loaded; asking for a
    // family by name would send fontconfig through its substitution rules.
    QFont title = QApplication::font();
    title.setPixelSize(64);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(190, 60, 270, 80), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Mavu"));
    QFont sub = QApplication::font();
    sub.setPixelSize(18);
    p.setFont(sub);
    p.drawText(QRect(192, 140, 270, 30), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("A native IDE for Java"));
    sub.setPixelSize(13);
    p.setFont(sub);
    p.setPen(QColor(255, 255, 255, 190));
    p.drawText(QRect(192, 200, 270, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Starting..."));
    return pixmap;
}

CSplashWnd::CSplashWnd() : QSplashScreen(Picture())
{
    setAttribute(Qt::WA_DeleteOnClose);
    QTimer::singleShot(1500, this, &QWidget::close);
}
