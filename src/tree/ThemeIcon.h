#pragma once

#include <QIcon>
#include <QStyle>

// The desktop theme's icon of that name, else the current style's standard
// icon (else a plain square). Nothing is looked up until the icon is first
// drawn or measured: finding and decoding icons costs more than building the
// whole main window, and most of them are not on screen at start-up.
// Needs a QApplication by the time the icon is used.
QIcon ThemeIcon(const char *themeName, QStyle::StandardPixmap fallback);
