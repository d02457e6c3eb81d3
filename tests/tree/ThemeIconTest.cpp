// Icons that are looked up only when first drawn must still draw: an icon
// whose theme name is unknown falls back to the style, and one with neither
// becomes a plain square, never an empty picture. The pictures they drew are
// kept in a cache file for the next start.

#include "tree/ThemeIcon.h"

#include "tree/IconCache.h"
#include "tree/TreeImageList.h"
#include "tree/TreeImages.h"

#include <QApplication>
#include <QDataStream>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QSaveFile>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

// True when at least one pixel of the picture is not fully transparent.
bool HasInk(const QPixmap &pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return true;
    return false;
}

TEST(ThemeIcon, EveryIconDrawsSomethingWhateverTheThemeHolds)
{
    const QIcon unknownName = ThemeIcon("mavu-no-such-icon", QStyle::SP_DirIcon);
    const QIcon nothingAtAll = ThemeIcon(nullptr, QStyle::SP_CustomBase);
    for (const QIcon &icon : {unknownName, nothingAtAll}) {
        EXPECT_FALSE(icon.isNull());
        const QPixmap pixmap = icon.pixmap(16, 16);
        ASSERT_FALSE(pixmap.isNull());
        EXPECT_TRUE(HasInk(pixmap));
    }

    // Copies share the one lookup, and the shared tree list draws too.
    const QList<QIcon> images = BuildTreeImageList();
    ASSERT_EQ(images.size(), TreeImage::Count);
    for (int i = 0; i < images.size(); ++i)
        EXPECT_TRUE(HasInk(images[i].pixmap(16, 16))) << "tree image " << i;
}

// The greyed look is made from the palette's colours: after a change of
// palette (a dark theme switched on) it is made anew, not drawn as it was.
TEST(ThemeIcon, DisabledLookFollowsThePalette)
{
    const QPalette saved = QApplication::palette();
    const QIcon icon = ThemeIcon(nullptr, QStyle::SP_CustomBase);
    const QPixmap normal = icon.pixmap(QSize(16, 16));
    const auto expected = [&](const QPalette &palette) {
        QStyleOption option;
        option.palette = palette;
        return QApplication::style()
            ->generatedIconPixmap(QIcon::Disabled, normal, &option)
            .toImage();
    };
    const QImage light = icon.pixmap(QSize(16, 16), QIcon::Disabled).toImage();
    EXPECT_EQ(light, expected(saved));

    QPalette dark = saved;
    dark.setColor(QPalette::Window, QColor(20, 20, 20));
    dark.setColor(QPalette::Disabled, QPalette::Window, QColor(20, 20, 20));
    QApplication::setPalette(dark);
    const QImage darkLook = icon.pixmap(QSize(16, 16), QIcon::Disabled).toImage();
    QApplication::setPalette(saved);
    EXPECT_NE(expected(dark), light) << "the style ignores the palette: nothing is checked";
    EXPECT_EQ(darkLook, expected(dark));
}

QImage Square(QColor colour)
{
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    return image;
}

} // namespace

// The cache file is only a copy: whatever is wrong with it must read as "no
// pictures" rather than as wrong pictures, and what was written must come
// back pixel for pixel.
TEST(IconCache, RoundTripsAndRefusesForeignOrDamagedFiles)
{
    QHash<QString, QImage> images{{QStringLiteral("a|1|16x16@0"), Square(Qt::red)},
                                  {QStringLiteral("b|2|16x16@1"), Square(Qt::blue)}};
    images[QStringLiteral("b|2|16x16@1")].setDevicePixelRatio(2.0);
    const QByteArray bytes = CIconCache::Encode(QStringLiteral("key"), images);

    const QHash<QString, QImage> back = CIconCache::Decode(bytes, QStringLiteral("key"));
    ASSERT_EQ(back.size(), 2);
    EXPECT_EQ(back.value(QStringLiteral("a|1|16x16@0")),
              images.value(QStringLiteral("a|1|16x16@0")));
    EXPECT_EQ(back.value(QStringLiteral("b|2|16x16@1")).pixel(3, 3), QColor(Qt::blue).rgba());
    EXPECT_EQ(back.value(QStringLiteral("b|2|16x16@1")).devicePixelRatio(), 2.0);

    EXPECT_TRUE(CIconCache::Decode(bytes, QStringLiteral("other theme")).isEmpty());
    for (qsizetype cut : {qsizetype(0), qsizetype(5), bytes.size() / 2, bytes.size() - 1})
        EXPECT_TRUE(CIconCache::Decode(bytes.left(cut), QStringLiteral("key")).isEmpty()) << cut;
    EXPECT_TRUE(CIconCache::Decode(bytes + "x", QStringLiteral("key")).isEmpty());
    // A size field far beyond any icon is not allocated, just refused.
    QByteArray huge("MAVUICN1");
    QDataStream out(&huge, QIODevice::Append);
    out.setVersion(QDataStream::Qt_6_0);
    out << QStringLiteral("key") << quint32(1) << QStringLiteral("a") << quint32(100000)
        << quint32(100000) << quint32(100);
    EXPECT_TRUE(CIconCache::Decode(huge, QStringLiteral("key")).isEmpty());
}

// Icons drawn in one session are written to the file and drawn from it in
// the next one: the picture stored under an icon's name is what the icon
// shows, whether it is measured first (as tabs do) or drawn at once.
TEST(IconCache, IconsAreWrittenAndThenDrawnFromTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cache/icons.cache"));
    CIconCache &cache = CIconCache::Instance();
    cache.Open(path, CIconCache::CurrentKey());
    const QIcon icon = ThemeIcon("mavu-no-such-icon", QStyle::SP_DirIcon);
    const QImage drawn = icon.pixmap(QSize(16, 16)).toImage();
    (void)icon.pixmap(QSize(16, 16), QIcon::Disabled);
    ASSERT_TRUE(cache.Save());

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QHash<QString, QImage> stored =
        CIconCache::Decode(file.readAll(), CIconCache::CurrentKey());
    QStringList names = stored.keys();
    names.sort();
    ASSERT_EQ(names.size(), 2) << names.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(stored.value(names.first()).convertToFormat(QImage::Format_ARGB32_Premultiplied),
              drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied));

    // Plant a picture the theme could never give under the same name: a new
    // session must show it, in both orders of asking.
    QHash<QString, QImage> planted;
    for (const QString &name : names)
        planted.insert(name, Square(Qt::green));
    QSaveFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(CIconCache::Encode(CIconCache::CurrentKey(), planted));
    ASSERT_TRUE(out.commit());
    cache.Open(path, CIconCache::CurrentKey());
    const QIcon measuredFirst = ThemeIcon("mavu-no-such-icon", QStyle::SP_DirIcon);
    EXPECT_EQ(measuredFirst.actualSize(QSize(16, 16)), QSize(16, 16));
    EXPECT_EQ(measuredFirst.pixmap(QSize(16, 16)).toImage().pixel(8, 8), QColor(Qt::green).rgba());
    EXPECT_EQ(ThemeIcon("mavu-no-such-icon", QStyle::SP_DirIcon)
                  .pixmap(QSize(16, 16))
                  .toImage()
                  .pixel(8, 8),
              QColor(Qt::green).rgba());

    // A first start (no file of its own) takes the build's seed when it was
    // drawn under the same key, and writes it as its own file; a seed of
    // another theme or style is not used.
    const QString own = dir.filePath(QStringLiteral("first/icons.cache"));
    cache.Open(own, QStringLiteral("another theme"), path);
    EXPECT_TRUE(cache.Find(names.first()).isNull());
    cache.Open(own, CIconCache::CurrentKey(), path);
    EXPECT_EQ(cache.Find(names.first()).pixel(8, 8), QColor(Qt::green).rgba());
    ASSERT_TRUE(cache.Save());
    QFile written(own);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(CIconCache::Decode(written.readAll(), CIconCache::CurrentKey()).size(), names.size());
    cache.Open(QString(), QString());
}

// The standard pictures Qt's widgets ask for when they are made are handed
// out unloaded, yet draw as the style's own.
TEST(LazyIconStyle, StandardPicturesDrawAsTheBaseStyleDrawsThem)
{
    CLazyIconStyle style(QStyleFactory::create(QStringLiteral("fusion")));
    std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("fusion")));
    for (QStyle::StandardPixmap which : {QStyle::SP_ToolBarHorizontalExtensionButton,
                                         QStyle::SP_TitleBarCloseButton, QStyle::SP_DirIcon}) {
        const QImage lazy = style.standardIcon(which).pixmap(QSize(16, 16)).toImage();
        const QImage direct = plain->standardIcon(which).pixmap(QSize(16, 16)).toImage();
        EXPECT_EQ(lazy.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  direct.convertToFormat(QImage::Format_ARGB32_Premultiplied))
            << int(which);
    }
}
