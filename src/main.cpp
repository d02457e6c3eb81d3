#include "app/BuildCommand.h"
#include "app/JavaIDEApp.h"
#include "app/RunCommand.h"
#include "app/StartupProbe.h"
#include "javamodel/ParseCommand.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // Modes that need no window are dispatched here, before QApplication
    // exists, so that they also run where there is no display.
    if (argc > 1 && qstrcmp(argv[1], "--parse") == 0) {
        QStringList files;
        for (int i = 2; i < argc; ++i)
            files << QString::fromLocal8Bit(argv[i]);
        QTextStream out(stdout);
        QTextStream err(stderr);
        return RunParseCommand(files, out, err);
    }
    if (argc > 1 && qstrcmp(argv[1], "--build") == 0) {
        QCoreApplication app(argc, argv);
        QStringList args = QCoreApplication::arguments().mid(2);
        QTextStream out(stdout);
        QTextStream err(stderr);
        return RunBuildCommand(args, out, err);
    }
    if (argc > 1 && qstrcmp(argv[1], "--run") == 0) {
        QCoreApplication app(argc, argv);
        QTextStream err(stderr);
        return RunRunCommand(QCoreApplication::arguments().mid(2), err);
    }

    QApplication app(argc, argv);
    InstallStartupProbe();
    CJavaIDEApp ide(QApplication::arguments().mid(1));
    if (!ide.InitInstance())
        return 1;
    return app.exec();
}
