#pragma once

#include <QIcon>
#include <QProxyStyle>
#include <QStyle>

// The desktop theme's icon of that name, else the current style's standard
// icon (else a plain square). Nothing is looked up until the icon is first
// drawn or measured: finding and decoding icons costs more than building the
// whole main window, and most of them are not on screen at start-up.
// Needs a QApplication by the time the icon is used.
QIcon ThemeIcon(const char *themeName, QStyle::StandardPixmap fallback);

// Makes sure the icons have a theme to come from. Outside a desktop that
// names its icon theme, the commonly installed one (Adwaita) is made the
// theme, not only the fallback: hicolor holds none of the program's icons,
// and asking it first parses its large index before every first paint. A
// platform that names no icon directories at all (offscreen, a frame
// buffer) is given the standard ones, which hold the themes all the same.
void PrepareIconTheme();

// The application's style, except that the standard pictures Qt's widgets
// load when they are made (a toolbar's or menu bar's overflow arrow, a dock
// window's title buttons) are looked up only when drawn, and come from the
// icon cache when it has them: each cost a decode through the image plugins
// before the first window appeared, and most are never shown.
class CLazyIconStyle final : public QProxyStyle
{
    Q_OBJECT
public:
    explicit CLazyIconStyle(QStyle *base);
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
