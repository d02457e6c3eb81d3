#include "app/BuildCommand.h"
#include "app/CommandLine.h"
#include "app/FontConfigPreload.h"
#include "app/JavaIDEApp.h"
#include "app/RunCommand.h"
#include "app/StartupProbe.h"
#include "javamodel/ParseCommand.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>

namespace {

bool WriteTo(std::FILE *stream, std::string_view bytes)
{
    return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
}

void Print(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    WriteTo(stream, std::string_view(bytes.constData(), size_t(bytes.size())));
}

int RunParse(const CCommandLine &command)
{
    const ParseOutput out = [](std::string_view bytes) { return WriteTo(stdout, bytes); };
    const ParseOutput err = [](std::string_view bytes) {
        WriteTo(stderr, bytes);
        return true;
    };
    int status = RunParseCommand(command.m_files, command.m_jobs, out, err);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::perror("mavu: cannot write the listing");
        status = 1;
    }
    return status;
}

int RunBuild(int argc, char *argv[], const CCommandLine &command)
{
    QCoreApplication app(argc, argv);
    QStringList args{QFile::decodeName(command.m_files.first())};
    if (command.m_dirty)
        args << QStringLiteral("--dirty");
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunBuildCommand(args, out, err);
}

int RunRun(int argc, char *argv[], const CCommandLine &command)
{
    QCoreApplication app(argc, argv);
    QStringList args;
    for (const QByteArray &arg : command.m_files)
        args << QString::fromLocal8Bit(arg);
    QTextStream err(stderr);
    return RunRunCommand(args, err);
}

} // namespace

int main(int argc, char *argv[])
{
    // The command line is read before QApplication exists: the modes that
    // need no window also run where there is no display, and an argument
    // that is not understood never opens the window.
    QList<QByteArray> args;
    for (int i = 1; i < argc; ++i)
        args << QByteArray(argv[i]);
    CCommandLine command;
    command.Read(args);
    switch (command.m_mode) {
    case CCommandLine::ModeError:
        Print(stderr, QStringLiteral("mavu: ") + command.m_error + QLatin1Char('\n') +
                          CCommandLine::UsageLine());
        return 2;
    case CCommandLine::ModeHelp:
        Print(stdout, CCommandLine::HelpText());
        return 0;
    case CCommandLine::ModeVersion:
        Print(stdout, CCommandLine::VersionText());
        return 0;
    case CCommandLine::ModeParse:
        return RunParse(command);
    case CCommandLine::ModeBuild:
        return RunBuild(argc, argv, command);
    case CCommandLine::ModeRun:
        return RunRun(argc, argv, command);
    case CCommandLine::ModeWindow:
        break;
    }

    // The font configuration loads on a second thread while QApplication
    // connects to the display; it is ready before the first text is laid out.
    CFontConfigPreload fonts;
    fonts.Start();
    QApplication app(argc, argv);
    fonts.Wait();
    InstallStartupProbe();
    // The file comes from the command line as read above, not from what Qt
    // leaves of it: a name after "--" may start with '-'.
    QStringList files;
    for (const QByteArray &file : command.m_files)
        files << QFileInfo(QFile::decodeName(file)).absoluteFilePath();
    CJavaIDEApp ide(files);
    if (!ide.InitInstance())
        return 1;
    return app.exec();
}
