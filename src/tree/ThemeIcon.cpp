#include "tree/ThemeIcon.h"

#include "tree/IconCache.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QStandardPaths>
#include <QStyleOption>
#include <algorithm>
#include <utility>

namespace {

QIcon PlainSquare()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(QApplication::palette().color(QPalette::Text));
    p.drawRect(2, 2, 11, 11);
    return QIcon(pm);
}

class CLazyThemeIconEngine final : public QIconEngine
{
public:
    // With a style, the icon is that style's standard picture and nothing
    // else; without, the current application style gives the fallback.
    CLazyThemeIconEngine(const char *themeName, QStyle::StandardPixmap fallback,
                         const QStyle *style = nullptr)
        : m_themeName(themeName), m_fallback(fallback), m_style(style)
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        // As Qt's own engines do: the picture for the device's pixels,
        // drawn into the rectangle.
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        return Derived(size, 0, mode);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        return Derived(size, scale, mode);
    }
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        // Tabs and buttons measure an icon before (or instead of) drawing
        // it: the measured picture goes into the cache too, so that the next
        // start finds it without asking the theme.
        const QPixmap pixmap = NormalPixmap(size, 0);
        if (pixmap.isNull())
            return Icon().actualSize(size);
        return pixmap.deviceIndependentSize().toSize();
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().availableSizes(mode, state);
    }
    // Every icon ends as a real picture, the plain square at worst; saying so
    // here keeps a mere null check from loading it.
    bool isNull() override { return false; }
    QString iconName() override { return QString::fromLatin1(m_themeName); }
    QString key() const override { return QStringLiteral("CLazyThemeIconEngine"); }
    QIconEngine *clone() const override { return new CLazyThemeIconEngine(*this); }

private:
    // A picture as this engine keeps it: every paint asks again, so the
    // lookup must not cost more than the drawing.
    struct Key
    {
        int width;
        int height;
        qreal scale; // 0 for the calls that leave the ratio to QIcon
        int mode;    // QIcon::Normal for the picture itself
        friend bool operator==(const Key &a, const Key &b)
        {
            return a.width == b.width && a.height == b.height && a.scale == b.scale &&
                   a.mode == b.mode;
        }
        friend size_t qHash(const Key &key, size_t seed = 0)
        {
            return qHashMulti(seed, key.width, key.height, key.scale, key.mode);
        }
    };

    // The name the icon cache keeps a picture under; the colours a derived
    // look was made with are part of its name.
    QString CacheName(const Key &key) const
    {
        QString name =
            m_style ? QStringLiteral("style") : QString::fromLatin1(m_themeName ? m_themeName : "");
        name += QLatin1Char('|') + QString::number(int(m_fallback)) + QLatin1Char('|') +
                QString::number(key.width) + QLatin1Char('x') + QString::number(key.height) +
                QLatin1Char('@') + QString::number(key.scale);
        if (key.mode != QIcon::Normal) {
            name += QLatin1Char('|') + QString::number(key.mode) + QLatin1Char('|') +
                    QString::number(m_colours.first) + QLatin1Char('|') +
                    QString::number(m_colours.second);
        }
        return name;
    }

    // Themes and styles give one picture per size; the disabled and
    // selected looks are made from it by the style, as Qt does for them.
    // Most toolbar buttons are greyed at start-up, so those are kept in
    // the cache too, under the colours they were made with.
    QPixmap Derived(const QSize &size, qreal scale, QIcon::Mode mode)
    {
        if (mode == QIcon::Active)
            mode = QIcon::Normal;
        const QPixmap normal = NormalPixmap(size, scale);
        if (mode == QIcon::Normal || normal.isNull())
            return normal;
        QStyle *style = QApplication::style();
        if (!style)
            return normal;
        // Looks made with other colours are of no use any more.
        const QPalette palette = QApplication::palette();
        const std::pair colours(palette.color(QPalette::Window).rgba(),
                                palette.color(QPalette::Highlight).rgba());
        if (colours != m_colours) {
            m_colours = colours;
            m_pixmaps.removeIf([](const auto &it) { return it.key().mode != QIcon::Normal; });
        }
        return Cached({size.width(), size.height(), scale, int(mode)}, [&] {
            QStyleOption option;
            option.palette = palette;
            return style->generatedIconPixmap(mode, normal, &option);
        });
    }

    QPixmap NormalPixmap(const QSize &size, qreal scale)
    {
        return Cached({size.width(), size.height(), scale, int(QIcon::Normal)}, [&] {
            return scale > 0 ? Icon().pixmap(size, scale, QIcon::Normal, QIcon::Off)
                             : Icon().pixmap(size, QIcon::Normal, QIcon::Off);
        });
    }

    // The picture kept under key: this engine's own copy, else the one the
    // icon cache kept from an earlier start; only when neither has it is it
    // made, and then kept in both.
    template <class Make> QPixmap Cached(const Key &key, Make make)
    {
        if (const auto it = m_pixmaps.constFind(key); it != m_pixmaps.cend())
            return it.value();
        const QString name = CacheName(key);
        CIconCache &cache = CIconCache::Instance();
        const QImage cached = cache.Find(name);
        QPixmap pixmap;
        if (!cached.isNull()) {
            pixmap = QPixmap::fromImage(cached);
        } else {
            pixmap = make();
            cache.Add(name, pixmap.toImage());
        }
        m_pixmaps.insert(key, pixmap);
        return pixmap;
    }

    const QIcon &Icon()
    {
        if (!m_resolved) {
            m_resolved = true;
            if (m_themeName)
                m_icon = QIcon::fromTheme(QString::fromLatin1(m_themeName));
            if (m_icon.isNull() && m_fallback != QStyle::SP_CustomBase) {
                if (m_style)
                    m_icon = m_style->standardIcon(m_fallback);
                else if (QStyle *style = QApplication::style())
                    m_icon = style->standardIcon(m_fallback);
            }
            if (m_icon.isNull())
                m_icon = PlainSquare();
        }
        return m_icon;
    }

    const char *m_themeName;
    QStyle::StandardPixmap m_fallback;
    QPointer<const QStyle> m_style;
    QIcon m_icon;
    bool m_resolved = false;
    QHash<Key, QPixmap> m_pixmaps;
    // The window and highlight colours the derived looks were made with.
    std::pair<QRgb, QRgb> m_colours{0, 0};
};

} // namespace

void PrepareIconTheme()
{
    QStringList paths = QIcon::themeSearchPaths();
    const bool anyDirectory = std::any_of(paths.cbegin(), paths.cend(), [](const QString &path) {
        return !path.startsWith(QLatin1Char(':')) && QFileInfo(path).isDir();
    });
    if (!anyDirectory) {
        paths << QDir::homePath() + QStringLiteral("/.icons");
        for (const QString &data :
             QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
            paths << data + QStringLiteral("/icons");
        paths << QStringLiteral("/usr/share/pixmaps");
        QIcon::setThemeSearchPaths(paths);
    }
    const auto unnamed = [](const QString &theme) {
        return theme.isEmpty() || theme == QLatin1String("hicolor");
    };
    if (unnamed(QIcon::fallbackThemeName()))
        QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    if (unnamed(QIcon::themeName()))
        QIcon::setThemeName(QIcon::fallbackThemeName());
}

QIcon ThemeIcon(const char *themeName, QStyle::StandardPixmap fallback)
{
    return QIcon(new CLazyThemeIconEngine(themeName, fallback));
}

CLazyIconStyle::CLazyIconStyle(QStyle *base) : QProxyStyle(base)
{
}

QIcon CLazyIconStyle::standardIcon(StandardPixmap icon, const QStyleOption *option,
                                   const QWidget *widget) const
{
    // The pictures Qt's own widgets ask for when they are made, whether or
    // not they ever show them (a toolbar's overflow arrow, a dock's title
    // buttons): every style has them, and only their direction could make
    // them differ.
    switch (icon) {
    case SP_ToolBarHorizontalExtensionButton:
    case SP_ToolBarVerticalExtensionButton:
    case SP_TitleBarCloseButton:
    case SP_TitleBarNormalButton:
    case SP_TitleBarMinButton:
    case SP_TitleBarMaxButton:
    case SP_TitleBarMenuButton:
    case SP_DockWidgetCloseButton:
    case SP_LineEditClearButton:
        if ((option   ? option->direction
             : widget ? widget->layoutDirection()
                      : QGuiApplication::layoutDirection()) == Qt::LeftToRight)
            return QIcon(new CLazyThemeIconEngine(nullptr, icon, baseStyle()));
        break;
    default:
        break;
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}
