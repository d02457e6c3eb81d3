// Build-time tool: draws the splash picture and converts the program's icons
// into raw, uncompressed pixels that the executable shows without decoding.
// Decoding a PNG costs Qt about a millisecond per 100,000 pixels, and drawing
// the splash's large title means loading and rasterising a bold face; both
// sat between the user's click and the first painted window.
//
//     mavu_bake_images OUTDIR ICONDIR
//
// writes OUTDIR/splash.img, OUTDIR/splash@2x.img and OUTDIR/mavu-N.img for
// each icon size N found as ICONDIR/NxN/apps/mavu.png. The layout of a file
// is the one BakedImage() reads (src/app/BakedImage.h).

#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QSaveFile>
#include <QtEndian>
#include <cstdio>

namespace {

QImage Splash(const QString &iconDir, int ratio)
{
    const QSize size(480, 260);
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QLinearGradient bg(0, 0, size.width(), size.height());
    bg.setColorAt(0, QColor(0x1f, 0x4e, 0x79));
    bg.setColorAt(1, QColor(0x2a, 0x9d, 0x8f));
    p.fillRect(QRect(QPoint(0, 0), size), bg);

    const QImage icon(iconDir + QStringLiteral("/256x256/apps/mavu.png"));
    if (!icon.isNull())
        p.drawImage(QRect(36, 66, 128, 128), icon);

    p.setPen(Qt::white);
    QFont title = QGuiApplication::font();
    title.setPixelSize(64);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(190, 60, 270, 80), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Mavu"));
    QFont sub = QGuiApplication::font();
    sub.setPixelSize(18);
    p.setFont(sub);
    p.drawText(QRect(192, 140, 270, 30), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("A native IDE for Java"));
    sub.setPixelSize(13);
    p.setFont(sub);
    p.setPen(QColor(255, 255, 255, 190));
    p.drawText(QRect(192, 200, 270, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Starting..."));
    return image;
}

// Magic, then width, height, bytes per line, QImage::Format and the device
// pixel ratio in hundredths, each a little-endian 32-bit number; then the
// rows as QImage holds them in memory.
bool Write(const QImage &image, const QString &path)
{
    QByteArray header("MAVUIMG1");
    for (quint32 value :
         {quint32(image.width()), quint32(image.height()), quint32(image.bytesPerLine()),
          quint32(image.format()), quint32(qRound(image.devicePixelRatio() * 100))}) {
        const quint32 le = qToLittleEndian(value);
        header.append(reinterpret_cast<const char *>(&le), sizeof le);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(header);
    file.write(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
    return file.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    // Text needs a font database, not a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: mavu_bake_images OUTDIR ICONDIR\n");
        return 2;
    }
    const QString out = QFile::decodeName(argv[1]);
    const QString icons = QFile::decodeName(argv[2]);
    QDir().mkpath(out);
    bool ok = Write(Splash(icons, 1), out + QStringLiteral("/splash.img")) &&
              Write(Splash(icons, 2), out + QStringLiteral("/splash@2x.img"));
    for (int size : {16, 32, 48, 64}) {
        const QImage icon(icons + QStringLiteral("/%1x%1/apps/mavu.png").arg(size));
        ok = ok && !icon.isNull() &&
             Write(icon.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                   out + QStringLiteral("/mavu-%1.img").arg(size));
    }
    if (!ok) {
        std::fprintf(stderr, "mavu_bake_images: could not write the pictures into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
