// The program's arguments: what each command line asks for, and the real
// executable answering the modes that need no window.
#include "app/CommandLine.h"

#include "QtPrinters.h"
#include "TestEnv.h"

#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

using M = CCommandLine;

// The words of a command line written with single blanks between them.
QList<QByteArray> Words(const char *line)
{
    QList<QByteArray> words = QByteArray(line).split(' ');
    words.removeAll(QByteArray());
    return words;
}

TEST(CommandLine, ReadsTheArguments)
{
    const struct
    {
        const char *what, *args;
        M::Mode mode;
        int jobs;
        const char *files;
        bool dirty = false;
    } rows[] = {
        {"nothing opens the window", "", M::ModeWindow, 0, ""},
        {"one file opens in the window", "x.mavu", M::ModeWindow, 0, "x.mavu"},
        {"Qt's own options pass, with their values",
         "-style fusion --platform offscreen -reverse -stylesheet=a.qss x", M::ModeWindow, 0, "x"},
        {"--jobs before --parse", "--jobs 1 --parse X", M::ModeParse, 1, "X"},
        {"--jobs after --parse", "--parse --jobs 1 X", M::ModeParse, 1, "X"},
        {"options after and between the files", "--parse A -j 3 B --jobs=4", M::ModeParse, 4,
         "A B"},
        {"-- makes the rest file names", "--parse -- -odd.java --help -", M::ModeParse, 0,
         "-odd.java --help -"},
        {"a lone dash is a file name", "--parse -", M::ModeParse, 0, "-"},
        {"help wins over everything else", "--parse x -h", M::ModeHelp, 0, "x"},
        {"version", "--version", M::ModeVersion, 0, ""},
        {"--build with its project", "--build p.mavu", M::ModeBuild, 0, "p.mavu"},
        {"--dirty before --build", "--dirty --build p.mavu", M::ModeBuild, 0, "p.mavu", true},
        {"everything after --run is the project and its program's arguments",
         "--run p.mavu -x --parse --", M::ModeRun, 0, "p.mavu -x --parse --"},
        {"--run without a project is the run command's to refuse", "--run", M::ModeRun, 0, ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        CCommandLine command;
        command.Read(Words(row.args));
        EXPECT_EQ(command.m_mode, row.mode);
        EXPECT_EQ(command.m_jobs, row.jobs);
        EXPECT_EQ(command.m_files, Words(row.files));
        EXPECT_EQ(command.m_dirty, row.dirty);
    }
}

// A command line that asks for nothing the program can do: the message
// names what is wrong.
TEST(CommandLine, SaysWhatIsWrong)
{
    const struct
    {
        const char *args, *error;
    } rows[] = {
        {"--build", "--build wants one PROJECT"},
        {"--build a.mavu b.mavu", "--build wants one PROJECT"},
        {"--dirty x", "--dirty goes with --build"},
        {"x.java --run p.mavu", "--run comes before the project and its arguments, alone"},
        {"--parse --build x", "--parse and --build go separately"},
        {"--jobz 1", "unknown option '--jobz'"},
        {"--parse a -x", "unknown option '-x'"}, // after the files
        {"--parse a --jobs", "--jobs wants a number"},
        {"--parse --jobs many a", "--jobs wants a number from 1 to 256, not 'many'"},
        {"--parse --jobs=0 a", "--jobs wants a number from 1 to 256, not '0'"},
        {"--parse -j 100000 a", "--jobs wants a number from 1 to 256, not '100000'"},
        {"--jobs 2 x", "--jobs goes with --parse"},
        {"--parse --jobs 2", "--parse wants at least one FILE"},
        {"-style", "'-style' wants a value"},
        {"a.java b.java", "the window opens one FILE (to list several, use --parse)"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.args);
        CCommandLine command;
        command.Read(Words(row.args));
        EXPECT_EQ(command.m_mode, M::ModeError);
        EXPECT_EQ(command.m_error, QString::fromUtf8(row.error));
        EXPECT_TRUE(command.m_files.isEmpty());
    }
}

struct MavuRun
{
    bool finished = false;
    int exitCode = -1;
    QByteArray out, err;
};

// The real executable, without a display of its own: a mode that opened
// the window would not end by itself and is killed.
MavuRun RunMavu(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(MAVU_EXECUTABLE), args);
    MavuRun run;
    run.finished = p.waitForFinished(30000);
    if (!run.finished) {
        p.kill();
        p.waitForFinished();
    }
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.out = p.readAllStandardOutput();
    run.err = p.readAllStandardError();
    return run;
}

TEST(CommandLine, TheProgramAnswersWithoutAWindow)
{
    CTestEnv env;
    const QString a = env.WriteFile(QStringLiteral("A.java"), "class A { int x; }\n");
    const QByteArray listing =
        a.toUtf8() + "\tclass\tA\t\t1\t1\tA\n" + a.toUtf8() + "\tfield\tx\tA\t1\t0\tint x\n";

    const MavuRun bad = RunMavu({QStringLiteral("--jobz"), QStringLiteral("1")});
    ASSERT_TRUE(bad.finished) << "an unknown option opened the window";
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.out.isEmpty());
    EXPECT_EQ(QString::fromUtf8(bad.err),
              QStringLiteral("mavu: unknown option '--jobz'\n") + CCommandLine::UsageLine());

    // Where the options stand is the table's business; one parse for real.
    const MavuRun parse = RunMavu({"--jobs", "1", "--parse", a});
    ASSERT_TRUE(parse.finished);
    EXPECT_EQ(parse.exitCode, 0);
    EXPECT_EQ(parse.out, listing);
    EXPECT_TRUE(parse.err.isEmpty());

    const MavuRun missing = RunMavu({"--parse", a, env.FilePath(QStringLiteral("B.java"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.out, listing);
    EXPECT_EQ(missing.err, "Error opening the file " +
                               env.FilePath(QStringLiteral("B.java")).toUtf8() +
                               " for parsing !!!\n");

    const MavuRun help = RunMavu({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(help.out), CCommandLine::HelpText());
    EXPECT_TRUE(help.out.startsWith("usage: mavu [FILE]\n"));

    const MavuRun version = RunMavu({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith("mavu ")) << version.out.toStdString();
    EXPECT_EQ(QString::fromUtf8(version.out), CCommandLine::VersionText());
}

} // namespace
