#include "ToolsTestSupport.h"
#include "tools/ErrorLocator.h"
#include "tools/JavacLineParser.h"
#include "tools/StackTraceLineParser.h"

#include <gtest/gtest.h>

namespace {

using JK = CJavacLineParser::Kind;
using SK = CStackTraceLineParser::Kind;

struct JavacRow
{
    JK kind;
    const char *file;
    int line;
    bool warning;
    const char *message;
};

const JavacRow kSource{JK::SourceLine, "", 0, false, nullptr},
    kCaret{JK::CaretLine, "", 0, false, nullptr}, kSummary{JK::Summary, "", 0, false, nullptr},
    kOther{JK::Other, "", 0, false, nullptr};

// Feeds javac's output line by line and compares each line's reading with
// its row.
void ExpectJavacLines(const QStringList &lines, const std::vector<JavacRow> &rows)
{
    ASSERT_EQ(lines.size(), qsizetype(rows.size()));
    CJavacLineParser parser;
    for (size_t i = 0; i < rows.size(); ++i) {
        const auto got = parser.Feed(lines.at(qsizetype(i)));
        const JavacRow &want = rows[i];
        SCOPED_TRACE(lines.at(qsizetype(i)).toStdString());
        EXPECT_EQ(got.kind, want.kind);
        EXPECT_EQ(got.file, want.file);
        EXPECT_EQ(got.line, want.line);
        EXPECT_EQ(got.warning, want.warning);
        if (want.message) {
            EXPECT_EQ(got.message, want.message);
        }
    }
}

} // namespace

TEST(JavacLineParser, ReadsEveryLineOfRealJavac17Output)
{
    ExpectJavacLines(
        FixtureLines("javac17-syntax.txt"),
        {{JK::Diagnostic, "Bad.java", 6, false, "';' expected"}, kSource, kCaret, kSummary});
    ExpectJavacLines(FixtureLines("javac17-symbol.txt"),
                     {{JK::Diagnostic, "Sym.java", 3, false, "cannot find symbol"},
                      kSource,
                      kCaret,
                      {JK::Detail, "", 0, false, "symbol:   variable undefinedVar"},
                      {JK::Detail, "", 0, false, "location: class Sym"},
                      {JK::Diagnostic, "Sym.java", 4, false,
                       "incompatible types: int cannot be converted to String"},
                      kSource,
                      kCaret,
                      kSummary});
    ExpectJavacLines(FixtureLines("javac17-nofile.txt"),
                     {{JK::General, "", 0, false, "file not found: Nope.java"}, kOther, kOther});
    // An old compiler's line; a ':' in a directory name does not end the
    // file name, and a following diagnostic is not mistaken for a source line.
    ExpectJavacLines(
        {"Hello.java:12: Method foo() not found in class Hello.", "/tmp/a:b/X.java:3: error: x",
         "/tmp/a:b/X.java:9: warning: y"},
        {{JK::Diagnostic, "Hello.java", 12, false, "Method foo() not found in class Hello."},
         {JK::Diagnostic, "/tmp/a:b/X.java", 3, false, "x"},
         {JK::Diagnostic, "/tmp/a:b/X.java", 9, true, "y"}});
}

TEST(JavacLineParser, WarningsKeepTheirDetailsAndNotesAreNotDiagnostics)
{
    const QStringList lines = FixtureLines("javac17-warnings.txt");
    CJavacLineParser parser;
    QList<JK> kinds;
    for (const QString &line : lines)
        kinds << parser.Feed(line).kind;
    const auto &d = parser.Diagnostics();
    ASSERT_EQ(d.size(), 4);
    for (const auto &diag : d) {
        EXPECT_TRUE(diag.warning);
        EXPECT_EQ(diag.file, "UseDep.java");
        EXPECT_EQ(diag.line, 3);
    }
    EXPECT_EQ(d[0].message, "[deprecation] old() in Dep has been deprecated");
    EXPECT_EQ(d[1].message, "[rawtypes] found raw type: List\n"
                            "missing type arguments for generic class List<E>\n"
                            "where E is a type-variable:\n"
                            "E extends Object declared in interface List");
    EXPECT_EQ(kinds.count(JK::Summary), 1);
    EXPECT_EQ(kinds.count(JK::Detail), 8);

    // Without -Xlint the compiler only notes what it saw.
    CJavacLineParser notes;
    for (const QString &line : FixtureLines("javac17-notes.txt"))
        EXPECT_EQ(notes.Feed(line).kind, JK::Note) << line.toStdString();
    EXPECT_TRUE(notes.Diagnostics().isEmpty());
}

TEST(StackTraceLineParser, ReadsRealJava17Traces)
{
    struct Row
    {
        const char *fixture;
        int index;
        SK kind;
        const char *module;
        const char *cls;
        const char *method;
        const char *file;
        int line;
    };
    const Row rows[] = {
        {"java17-caused-by.txt", 0, SK::Exception, "", "", "", "", 0},
        {"java17-caused-by.txt", 1, SK::Frame, "", "T", "b", "T.java", 3},
        {"java17-caused-by.txt", 3, SK::CausedBy, "", "", "", "", 0},
        {"java17-caused-by.txt", 4, SK::Frame, "java.base", "java.lang.NumberFormatException",
         "forInputString", "NumberFormatException.java", 67},
        {"java17-caused-by.txt", 8, SK::More, "", "", "", "", 0},
        {"java17-thread.txt", 1, SK::Frame, "", "Inner", "lambda$main$0", "Inner.java", 2},
        {"java17-thread.txt", 2, SK::Frame, "java.base", "java.lang.Thread", "run", "Thread.java",
         840},
        {"java17-unknown-source.txt", 1, SK::Frame, "", "p.Boom", "b", "", 0},
        {"java17-native.txt", 1, SK::Frame, "java.base", "java.lang.Thread", "sleep", "", 0},
        {"java17-no-main.txt", 0, SK::Other, "", "", "", "", 0},
    };
    for (const Row &r : rows) {
        const QString text = FixtureLines(QString::fromUtf8(r.fixture)).value(r.index);
        SCOPED_TRACE(text.toStdString());
        ASSERT_FALSE(text.isEmpty());
        const auto got = CStackTraceLineParser::Parse(text);
        EXPECT_EQ(got.kind, r.kind);
        EXPECT_EQ(got.module, QString::fromUtf8(r.module));
        EXPECT_EQ(got.className, QString::fromUtf8(r.cls));
        EXPECT_EQ(got.method, QString::fromUtf8(r.method));
        EXPECT_EQ(got.file, QString::fromUtf8(r.file));
        EXPECT_EQ(got.line, r.line);
    }
    EXPECT_EQ(CStackTraceLineParser::Parse(FixtureLines("java17-caused-by.txt")[3]).exception,
              "java.lang.NumberFormatException");
    // A named class loader before the module, and a module with a version.
    const auto loader =
        CStackTraceLineParser::Parse("\tat com.foo.loader/foo@9.0/com.foo.Main.run(Main.java:101)");
    EXPECT_EQ(loader.module, "foo@9.0");
    EXPECT_EQ(loader.className, "com.foo.Main");
    EXPECT_EQ(CStackTraceLineParser::Parse("\tat app//p.Main.run(Main.java:12)").className,
              "p.Main");
    EXPECT_EQ(CStackTraceLineParser::SourceFileOf("p.Outer$Inner"), "Outer.java");
    EXPECT_EQ(CStackTraceLineParser::PackageDir("a.b.C"), "a/b/");
}

TEST(ErrorLocator, CompilerLinesResolveAgainstTheBaseDirectory)
{
    const QString base = "/work/proj";
    auto place = CErrorLocator::ParseLine("Bad.java:6: error: ';' expected", base);
    EXPECT_EQ(place.file, "/work/proj/Bad.java");
    EXPECT_EQ(place.line, 6);
    EXPECT_FALSE(place.lookup);
    place = CErrorLocator::ParseLine("src/p/A.java:12: warning: [x] y", base);
    EXPECT_EQ(place.file, "/work/proj/src/p/A.java");
    place = CErrorLocator::ParseLine("/abs/B.java:3: error: z", base);
    EXPECT_EQ(place.file, "/abs/B.java");
    EXPECT_EQ(place.line, 3);

    // Lines without a place lead nowhere.
    for (const char *line : {"error: file not found: Nope.java", "        foo(x)",
                             "              ^", "1 error", "", "Note: x"}) {
        SCOPED_TRACE(line);
        EXPECT_FALSE(CErrorLocator::ParseLine(QString::fromUtf8(line), base).IsValid());
    }
}

TEST(ErrorLocator, StackTraceLinesNeedALookup)
{
    auto frame = CErrorLocator::ParseLine("\tat p.Boom.b(Boom.java:3)", QString());
    EXPECT_TRUE(frame.lookup);
    EXPECT_EQ(frame.file, "Boom.java");
    EXPECT_EQ(frame.line, 3);
    EXPECT_EQ(frame.packageDir, "p/");

    auto unknown = CErrorLocator::ParseLine("\tat p.Outer$In.b(Unknown Source)", QString());
    EXPECT_EQ(unknown.file, "Outer.java");
    EXPECT_EQ(unknown.line, 0);

    // In the Output tab a compiler line is found by name, like a frame.
    auto compiler = CErrorLocator::ParseLine("Bad.java:6: error: x", QString());
    EXPECT_TRUE(compiler.lookup);
    EXPECT_EQ(compiler.file, "Bad.java");
    EXPECT_EQ(compiler.line, 6);

    const QStringList files{"/w/q/Boom.java", "/w/p/Boom.java", "/w/other/BOOM.java"};
    EXPECT_EQ(CErrorLocator::FindInFiles(files, "Boom.java", "p/"), "/w/p/Boom.java");
    EXPECT_EQ(CErrorLocator::FindInFiles(files, "Boom.java", QString()), "/w/q/Boom.java");
    EXPECT_EQ(CErrorLocator::FindInFiles(files, "boom.JAVA", QString()), "/w/q/Boom.java");
    EXPECT_TRUE(CErrorLocator::FindInFiles(files, "Nope.java", QString()).isEmpty());
}
