// Icons that are looked up only when first drawn must still draw: an icon
// whose theme name is unknown falls back to the style, and one with neither
// becomes a plain square, never an empty picture.

#include "tree/ThemeIcon.h"

#include "tree/TreeImageList.h"
#include "tree/TreeImages.h"

#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

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

} // namespace
