#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// What the program's arguments ask for, decided before anything else is
// set up, so that the modes without a window run where there is no display
// and an argument nobody understands never opens one:
//
//   mavu [FILE]                      the window (CCommandLineInfo then says
//                                    what it opens)
//   mavu --parse [--jobs N] FILE...  the recogniser's listing of each file
//   mavu --build PROJECT [--dirty]   the project built without a window
//   mavu --run PROJECT [ARGS...]     the project's program run without one
//   mavu --help | --version
//
// Options may stand before, between or after the file names, in any order
// ("mavu --jobs 1 --parse X" and "mavu --parse --jobs 1 X" are the same);
// "--" ends them, so that a file name may start with '-'. Everything after
// --run belongs to it: the project and the program's own arguments, which
// may look like options. Qt's own window options (-style S, -platform P,
// ...) are let through to Qt.
class CCommandLine
{
public:
    enum Mode { ModeWindow, ModeParse, ModeBuild, ModeRun, ModeHelp, ModeVersion, ModeError };

    // args: the arguments after the program name, as given.
    void Read(const QList<QByteArray> &args);

    Mode m_mode = ModeWindow;
    // --jobs; 0 when not given (then one per processor core).
    int m_jobs = 0;
    // --dirty (with --build).
    bool m_dirty = false;
    // The file names (for --build, the project; for --run, every argument
    // after it), as given (bytes, not decoded).
    QList<QByteArray> m_files;
    // For ModeError: what is wrong, one line without the program name.
    QString m_error;

    // The largest --jobs taken.
    static constexpr int kMaxJobs = 256;

    // The line printed with an error, before the exit with code 2.
    static QString UsageLine();
    // What --help prints.
    static QString HelpText();
    // What --version prints.
    static QString VersionText();

private:
    bool Fail(const QString &error);
    bool ReadJobs(const QByteArray &value);
};
