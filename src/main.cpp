#include "app/JavaIDEApp.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Modes that need no window are dispatched here, before QApplication
    // exists, so that they also run where there is no display.

    QApplication app(argc, argv);
    CJavaIDEApp ide(QApplication::arguments().mid(1));
    if (!ide.InitInstance())
        return 1;
    return app.exec();
}
