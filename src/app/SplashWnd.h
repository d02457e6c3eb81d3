#pragma once

#include <QSplashScreen>

// The window shown while the program starts: it closes after 1.5 seconds or
// when start-up is done, whichever comes first.
class CSplashWnd : public QSplashScreen
{
    Q_OBJECT
public:
    CSplashWnd();
    static QPixmap Picture();
};
