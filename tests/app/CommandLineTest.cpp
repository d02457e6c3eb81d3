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

struct Row
{
    const char *what;
    QList<QByteArray> args;
    M::Mode mode;
    int jobs;
    QList<QByteArray> files;
    const char *error; // for ModeError
    bool dirty = false;
};

void PrintTo(const Row &row, std::ostream *os)
{
    *os << row.what;
}

class CommandLineTest : public testing::TestWithParam<Row>
{
};

TEST_P(CommandLineTest, ReadsTheArguments)
{
    const Row &row = GetParam();
    CCommandLine command;
    command.Read(row.args);
    EXPECT_EQ(command.m_mode, row.mode);
    if (row.mode == M::ModeError) {
        EXPECT_EQ(command.m_error, QString::fromUtf8(row.error));
        EXPECT_TRUE(command.m_files.isEmpty());
        return;
    }
    EXPECT_EQ(command.m_jobs, row.jobs);
    EXPECT_EQ(command.m_files, row.files);
    EXPECT_EQ(command.m_dirty, row.dirty);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineTest,
    testing::Values(
        Row{"nothing opens the window", {}, M::ModeWindow, 0, {}, ""},
        Row{"one file opens in the window", {"x.mavu"}, M::ModeWindow, 0, {"x.mavu"}, ""},
        Row{"Qt's own options pass, with their values",
            {"-style", "fusion", "--platform", "offscreen", "-reverse", "-stylesheet=a.qss", "x"},
            M::ModeWindow,
            0,
            {"x"},
            ""},
        Row{"--jobs before --parse", {"--jobs", "1", "--parse", "X"}, M::ModeParse, 1, {"X"}, ""},
        Row{"--jobs after --parse", {"--parse", "--jobs", "1", "X"}, M::ModeParse, 1, {"X"}, ""},
        Row{"options after and between the files",
            {"--parse", "A", "-j", "3", "B", "--jobs=4"},
            M::ModeParse,
            4,
            {"A", "B"},
            ""},
        Row{"-- makes the rest file names",
            {"--parse", "--", "-odd.java", "--help", "-"},
            M::ModeParse,
            0,
            {"-odd.java", "--help", "-"},
            ""},
        Row{"a lone dash is a file name", {"--parse", "-"}, M::ModeParse, 0, {"-"}, ""},
        Row{"help wins over everything else", {"--parse", "x", "-h"}, M::ModeHelp, 0, {"x"}, ""},
        Row{"version", {"--version"}, M::ModeVersion, 0, {}, ""},
        Row{"--build with its project", {"--build", "p.mavu"}, M::ModeBuild, 0, {"p.mavu"}, ""},
        Row{"--dirty before --build",
            {"--dirty", "--build", "p.mavu"},
            M::ModeBuild,
            0,
            {"p.mavu"},
            "",
            true},
        Row{"--build without a project",
            {"--build"},
            M::ModeError,
            0,
            {},
            "--build wants one PROJECT"},
        Row{"--build with two projects",
            {"--build", "a.mavu", "b.mavu"},
            M::ModeError,
            0,
            {},
            "--build wants one PROJECT"},
        Row{"--dirty without --build",
            {"--dirty", "x"},
            M::ModeError,
            0,
            {},
            "--dirty goes with --build"},
        Row{"everything after --run is the project and its program's arguments",
            {"--run", "p.mavu", "-x", "--parse", "--"},
            M::ModeRun,
            0,
            {"p.mavu", "-x", "--parse", "--"},
            ""},
        Row{"--run without a project is the run command's to refuse",
            {"--run"},
            M::ModeRun,
            0,
            {},
            ""},
        Row{"--run after a file",
            {"x.java", "--run", "p.mavu"},
            M::ModeError,
            0,
            {},
            "--run comes before the project and its arguments, alone"},
        Row{"--parse and --build together",
            {"--parse", "--build", "x"},
            M::ModeError,
            0,
            {},
            "--parse and --build go separately"},
        Row{"an unknown option", {"--jobz", "1"}, M::ModeError, 0, {}, "unknown option '--jobz'"},
        Row{"an unknown option after the files",
            {"--parse", "a", "-x"},
            M::ModeError,
            0,
            {},
            "unknown option '-x'"},
        Row{"--jobs without its number",
            {"--parse", "a", "--jobs"},
            M::ModeError,
            0,
            {},
            "--jobs wants a number"},
        Row{"--jobs of no number",
            {"--parse", "--jobs", "many", "a"},
            M::ModeError,
            0,
            {},
            "--jobs wants a number from 1 to 256, not 'many'"},
        Row{"--jobs of 0",
            {"--parse", "--jobs=0", "a"},
            M::ModeError,
            0,
            {},
            "--jobs wants a number from 1 to 256, not '0'"},
        Row{"--jobs too many",
            {"--parse", "-j", "100000", "a"},
            M::ModeError,
            0,
            {},
            "--jobs wants a number from 1 to 256, not '100000'"},
        Row{"--jobs without --parse",
            {"--jobs", "2", "x"},
            M::ModeError,
            0,
            {},
            "--jobs goes with --parse"},
        Row{"--parse without files",
            {"--parse", "--jobs", "2"},
            M::ModeError,
            0,
            {},
            "--parse wants at least one FILE"},
        Row{"a Qt option without its value",
            {"-style"},
            M::ModeError,
            0,
            {},
            "'-style' wants a value"},
        Row{"two files for the window",
            {"a.java", "b.java"},
            M::ModeError,
            0,
            {},
            "the window opens one FILE (to list several, use --parse)"}));

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

    for (const QStringList &args :
         {QStringList{"--jobs", "1", "--parse", a}, QStringList{"--parse", "--jobs", "1", a},
          QStringList{"--parse", a}}) {
        const MavuRun run = RunMavu(args);
        ASSERT_TRUE(run.finished) << args.join(' ').toStdString();
        EXPECT_EQ(run.exitCode, 0) << args.join(' ').toStdString();
        EXPECT_EQ(run.out, listing) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.isEmpty());
    }

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
    EXPECT_TRUE(help.err.isEmpty());

    const MavuRun version = RunMavu({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith("mavu ")) << version.out.toStdString();
    EXPECT_TRUE(version.out.endsWith('\n'));
    EXPECT_EQ(QString::fromUtf8(version.out), CCommandLine::VersionText());

    const MavuRun two = RunMavu({a, a});
    ASSERT_TRUE(two.finished);
    EXPECT_EQ(two.exitCode, 2);
}

} // namespace
