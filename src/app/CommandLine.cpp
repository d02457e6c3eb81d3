#include "app/CommandLine.h"

#include <array>
#include <string_view>

namespace {

// Qt's own options of the window (QGuiApplication, QApplication and the X11
// platform), with one dash or two; those in the first list take a value,
// as the next argument or after '=' (-qmljsdebugger=port:N always has it
// after '=').
constexpr std::array<std::string_view, 15> kQtValueOptions{"platform",
                                                           "platformpluginpath",
                                                           "platformtheme",
                                                           "plugin",
                                                           "qwindowgeometry",
                                                           "geometry",
                                                           "qwindowtitle",
                                                           "title",
                                                           "qwindowicon",
                                                           "icon",
                                                           "session",
                                                           "display",
                                                           "name",
                                                           "style",
                                                           "stylesheet"};
constexpr std::array<std::string_view, 6> kQtFlagOptions{"reverse", "widgetcount", "nograb",
                                                         "dograb",  "sync",        "qmljsdebugger"};

enum class QtOption { None, Flag, Value, ValueGiven };

QtOption QtOptionOf(std::string_view arg)
{
    arg.remove_prefix(arg.size() > 1 && arg[1] == '-' ? 2 : 1);
    const size_t eq = arg.find('=');
    const std::string_view name = arg.substr(0, eq);
    for (std::string_view o : kQtValueOptions) {
        if (name == o)
            return eq == std::string_view::npos ? QtOption::Value : QtOption::ValueGiven;
    }
    for (std::string_view o : kQtFlagOptions) {
        if (name == o)
            return QtOption::Flag;
    }
    return QtOption::None;
}

QString Quoted(const QByteArray &arg)
{
    return QLatin1Char('\'') + QString::fromLocal8Bit(arg) + QLatin1Char('\'');
}

} // namespace

bool CCommandLine::Fail(const QString &error)
{
    m_mode = ModeError;
    m_error = error;
    m_files.clear();
    return false;
}

bool CCommandLine::ReadJobs(const QByteArray &value)
{
    bool ok = !value.isEmpty();
    for (char c : value)
        ok = ok && c >= '0' && c <= '9';
    const int n = ok && value.size() <= 4 ? value.toInt() : 0;
    if (n < 1 || n > kMaxJobs)
        return Fail(QStringLiteral("--jobs wants a number from 1 to %1, not %2")
                        .arg(kMaxJobs)
                        .arg(Quoted(value)));
    m_jobs = n;
    return true;
}

void CCommandLine::Read(const QList<QByteArray> &args)
{
    m_mode = ModeWindow;
    m_jobs = 0;
    m_dirty = false;
    m_files.clear();
    m_error.clear();
    bool parse = false, build = false, help = false, version = false, jobsGiven = false;
    bool options = true;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QByteArray &arg = args[i];
        if (!options || arg.size() < 2 || arg[0] != '-') {
            m_files << arg;
            continue;
        }
        if (arg == "--") {
            options = false;
        } else if (arg == "--parse") {
            parse = true;
        } else if (arg == "--run") {
            // The rest is the project and its program's arguments, whatever
            // they look like; the run command says when the project is
            // missing.
            if (parse || build || jobsGiven || m_dirty || !m_files.isEmpty()) {
                Fail(QStringLiteral("--run comes before the project and its arguments, alone"));
                return;
            }
            if (!help && !version) {
                m_mode = ModeRun;
                m_files = args.mid(i + 1);
            }
            break;
        } else if (arg == "--build") {
            build = true;
        } else if (arg == "--dirty") {
            m_dirty = true;
        } else if (arg == "--help" || arg == "-h") {
            help = true;
        } else if (arg == "--version") {
            version = true;
        } else if (arg == "--jobs" || arg == "-j") {
            if (i + 1 == args.size()) {
                Fail(QStringLiteral("--jobs wants a number"));
                return;
            }
            if (!ReadJobs(args[++i]))
                return;
            jobsGiven = true;
        } else if (arg.startsWith("--jobs=")) {
            if (!ReadJobs(arg.mid(7)))
                return;
            jobsGiven = true;
        } else {
            switch (QtOptionOf(std::string_view(arg.constData(), size_t(arg.size())))) {
            case QtOption::None:
                Fail(QStringLiteral("unknown option %1").arg(Quoted(arg)));
                return;
            case QtOption::Value:
                if (i + 1 == args.size()) {
                    Fail(QStringLiteral("%1 wants a value").arg(Quoted(arg)));
                    return;
                }
                ++i;
                break;
            case QtOption::Flag:
            case QtOption::ValueGiven:
                break;
            }
        }
    }
    if (m_mode == ModeRun) {
        return;
    } else if (help) {
        m_mode = ModeHelp;
    } else if (version) {
        m_mode = ModeVersion;
    } else if (parse && build) {
        Fail(QStringLiteral("--parse and --build go separately"));
    } else if (parse) {
        if (m_files.isEmpty())
            Fail(QStringLiteral("--parse wants at least one FILE"));
        else if (m_dirty)
            Fail(QStringLiteral("--dirty goes with --build"));
        else
            m_mode = ModeParse;
    } else if (jobsGiven) {
        Fail(QStringLiteral("--jobs goes with --parse"));
    } else if (build) {
        if (m_files.size() != 1)
            Fail(QStringLiteral("--build wants one PROJECT"));
        else
            m_mode = ModeBuild;
    } else if (m_dirty) {
        Fail(QStringLiteral("--dirty goes with --build"));
    } else if (m_files.size() > 1) {
        Fail(QStringLiteral("the window opens one FILE (to list several, use --parse)"));
    }
}

QString CCommandLine::UsageLine()
{
    return QStringLiteral(
        "usage: mavu [FILE] | mavu --parse [--jobs N] FILE... | "
        "mavu --build PROJECT [--dirty] | mavu --run PROJECT [ARGS...] | mavu --help | "
        "mavu --version\n");
}

QString CCommandLine::HelpText()
{
    return QStringLiteral(
               "usage: mavu [FILE]\n"
               "       mavu --parse [--jobs N] FILE...\n"
               "       mavu --build PROJECT [--dirty]\n"
               "       mavu --run PROJECT [ARGS...]\n"
               "       mavu --help | --version\n"
               "\n"
               "Mavu is a native desktop IDE for Java.\n"
               "\n"
               "  FILE             open FILE at start-up: a .mavu file as the project, any\n"
               "                   other file by its type\n"
               "  --parse FILE...  without a window, print what Mavu's recogniser finds in\n"
               "                   each Java source: one line per element, tab-separated:\n"
               "                   file kind name enclosing start-line end-line description\n"
               "  -j, --jobs N     parse N files at a time (default: one per processor core,\n"
               "                   at most %1); the listing keeps the order of the files\n"
               "  --build PROJECT  without a window, compile the project (a .mavu file) as\n"
               "                   Build > Rebuild All does and print the Build tab's text\n"
               "  --dirty          with --build: only the sources whose classes are missing\n"
               "                   or older, as Build > Rebuild Dirty\n"
               "  --run PROJECT [ARGS...]\n"
               "                   without a window, compile what is stale and run the\n"
               "                   project's program as Run does, with ARGS (when given)\n"
               "                   instead of its own; the exit code is the program's\n"
               "  --               the arguments that follow are file names\n"
               "  -h, --help       print this help and exit\n"
               "  --version        print the version and exit\n"
               "\n"
               "Options may stand anywhere among the file names. Qt's own options of the\n"
               "window (-style S, -platform P, ...) are passed on to Qt. Exit codes: 0 done;\n"
               "1 a file could not be read or the listing not written (--parse), javac\n"
               "reported errors (--build); 2 a wrong command line or a project that cannot\n"
               "be read or run. With --run, the program's own exit code.\n")
        .arg(kMaxJobs);
}

QString CCommandLine::VersionText()
{
    return QStringLiteral("mavu " MAVU_VERSION "\n");
}
