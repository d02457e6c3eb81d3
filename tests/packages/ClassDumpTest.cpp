#include "FakePrompter.h"
#include "TestEnv.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaModel.h"
#include "javamodel/PackageObject.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarInterface.h"
#include "javamodel/VarMethodDecl.h"
#include "javamodel/Variable.h"
#include "packages/ClassDumpRun.h"
#include "packages/ClassDumper.h"
#include "packages/PkgDoc.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QSet>
#include <gtest/gtest.h>

namespace {

const QString kJdkBin = QStringLiteral(MAVU_JAVA_HOME "/bin/");

bool RunTool(const QString &tool, const QStringList &args, const QString &dir)
{
    QProcess p;
    p.setWorkingDirectory(dir);
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(kJdkBin + tool, args);
    return p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// What a JDK tool writes to its standard output; empty when it failed.
QString ToolOutput(const QString &tool, const QStringList &args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.start(kJdkBin + tool, args);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// What javap -public says of each public top-level type: its qualified
// name and the names of its public members (constructors under the type's
// own simple name). Types javap shows without "public" are not listed.
QMap<QString, QSet<QString>> JavapPublicMembers(const QString &output)
{
    QMap<QString, QSet<QString>> types;
    QSet<QString> *members = nullptr;
    for (QString line : output.split(u'\n')) {
        line = line.trimmed();
        if (line.endsWith(u'{') && !line.contains(u'(')) {
            // "public final class a.b.C<T> extends ... {"
            const QStringList words = line.split(u' ');
            const qsizetype kind = std::max(words.indexOf("class"), words.indexOf("interface"));
            members = nullptr;
            if (kind >= 0 && kind + 1 < words.size() && words.first() == QLatin1String("public")) {
                const QString name = words[kind + 1].section(u'<', 0, 0);
                members = &types[name];
            }
            continue;
        }
        if (!members || !line.endsWith(u';') || line.contains(QLatin1String("{}")))
            continue;
        // The name is the last word before the argument list (methods) or
        // before the semicolon (fields); a constructor's is qualified.
        QString head = line.left(line.indexOf(u'(') >= 0 ? line.indexOf(u'(') : line.size() - 1);
        const QString name = head.trimmed().section(u' ', -1).section(u'.', -1);
        members->insert(name);
    }
    return types;
}

QStringList Names(const auto &list)
{
    QStringList names;
    for (const auto *e : list)
        names << e->m_name;
    return names;
}

class ClassDumpTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterJavaModelClasses();
        m_dumper.SetJava(kJdkBin + "java");
        m_dumper.SetOwnClassesZip(QStringLiteral(MAVU_CLASSES_ZIP));
        m_dumper.m_onOutput = [this](const QString &t) { m_output += t; };
    }

    // A small library: a class with a public member class, an interface, a
    // class without package, a class that is not public and one whose static
    // initialiser would leave a mark if it ran.
    void CompileLibrary()
    {
        m_env.WriteFile("src/a/b/Widget.java",
                        "package a.b;\n"
                        "public class Widget extends java.awt.Point implements Listener {\n"
                        "  public int size;\n  protected int hidden;\n"
                        "  public Widget(int n) {}\n"
                        "  public void paint(String s, int[] xs) throws java.io.IOException {}\n"
                        "  public void changed(java.util.List<String> l) {}\n"
                        "  private void secret() {}\n"
                        "  public static class Piece { public void fit() {} }\n"
                        "}\n"
                        "class Helper {}\n");
        m_env.WriteFile("src/a/b/Listener.java", "package a.b;\npublic interface Listener { void "
                                                 "changed(java.util.List<String> l); }\n");
        m_env.WriteFile("src/a/b/Boom.java", "package a.b;\npublic class Boom {\n"
                                             "  static { try { new java.io.File(\"" +
                                                 m_env.FilePath("ran").toUtf8() +
                                                 "\").createNewFile(); } catch (Exception e) {} }\n"
                                                 "  public static void go() {}\n}\n");
        m_env.WriteFile("src/Top.java", "public class Top { public void run() {} }\n");
        ASSERT_TRUE(RunTool("javac",
                            {"-d", "classes", "src/a/b/Widget.java", "src/a/b/Listener.java",
                             "src/a/b/Boom.java", "src/Top.java"},
                            m_env.Path()));
        ASSERT_TRUE(RunTool("jar", {"cf", "lib.jar", "-C", "classes", "a"}, m_env.Path()));
        // A zip is a jar without manifest.
        ASSERT_TRUE(RunTool("jar", {"cfM", "lib.zip", "-C", "classes", "Top.class"}, m_env.Path()));
    }

    // Dumps jar into a fresh database and compares it with what
    // javap -public says of every top-level class of the jar: the same
    // public types, each with the same names of public members.
    void ExpectJavapListing(const QString &jar)
    {
        m_output.clear();
        m_status.clear();
        CClassDumpRun run(m_dumper, {jar});
        ASSERT_EQ(RunAll(run), CClassDumpRun::Ok) << m_output.toStdString();
        CPkgDoc db;
        ASSERT_TRUE(db.Open(m_env.FilePath(QFileInfo(jar).baseName() + ".pkg")));
        ASSERT_TRUE(db.AddDumpedFiles(run.TakeFiles(), run.ClassPathAdditions()));
        QMap<QString, QSet<QString>> listed;
        for (CPackageObject *package : db.Packages()) {
            auto add = [&](const CVarContainer *type) {
                QSet<QString> &members = listed[package->m_packageName + u'.' + type->m_name];
                for (const CVarMethodDecl *m : type->m_methods)
                    members.insert(m->m_name);
                for (const CVariable *v : type->m_variables)
                    members.insert(v->m_name);
            };
            for (const CVarClass *c : std::as_const(package->m_classes))
                add(c);
            for (const CVarInterface *i : std::as_const(package->m_interfaces))
                add(i);
        }

        // javap on every top-level class file of the jar.
        QStringList classes;
        const QString entries = ToolOutput("jar", {"tf", jar});
        for (QString entry : entries.split(u'\n', Qt::SkipEmptyParts)) {
            entry = entry.trimmed();
            if (entry.endsWith(QLatin1String(".class")) && !entry.contains(u'$') &&
                !entry.startsWith(QLatin1String("META-INF/")) &&
                !entry.endsWith(QLatin1String("module-info.class")) &&
                !entry.endsWith(QLatin1String("package-info.class")))
                classes << entry.chopped(6).replace(u'/', u'.');
        }
        ASSERT_GT(classes.size(), 20);
        const QMap<QString, QSet<QString>> javap =
            JavapPublicMembers(ToolOutput("javap", QStringList{"-public", "-cp", jar} + classes));
        ASSERT_GT(javap.size(), 20);

        EXPECT_EQ(listed.keys(), javap.keys());
        int differing = 0;
        for (auto it = javap.begin(); it != javap.end(); ++it) {
            if (!listed.contains(it.key()))
                continue;
            const QSet<QString> &ours = listed[it.key()];
            if (ours == it.value())
                continue;
            // A few are enough to see what went wrong.
            if (++differing <= 5)
                ADD_FAILURE() << it.key().toStdString() << ": only javap has "
                              << QStringList((it.value() - ours).values()).join(u' ').toStdString()
                              << "; only the database has "
                              << QStringList((ours - it.value()).values()).join(u' ').toStdString();
        }
        EXPECT_EQ(differing, 0);
    }

    CClassDumpRun::Result RunAll(CClassDumpRun &run)
    {
        run.m_onStatus = [this](const QString &t) { m_status << t; };
        run.m_onOutput = [this](const QString &t) { m_output += t; };
        run.Start();
        QDeadlineTimer deadline(120000);
        while (run.State() == CClassDumpRun::Running && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
        return run.State();
    }

    CTestEnv m_env;
    CFakePrompter m_prompter;
    CClassDumper m_dumper{CClassDumper::ClassKind};
    QString m_output;
    QStringList m_status;
};

TEST_F(ClassDumpTest, ClassFileJarAndZipEnterTheDatabaseWithTheirClassPath)
{
    CompileLibrary();
    const QString classFile = m_env.FilePath("classes/a/b/Widget.class");
    const QString jar = m_env.FilePath("lib.jar");
    const QString zip = m_env.FilePath("lib.zip");
    CClassDumpRun run(m_dumper, {classFile, m_env.FilePath("src/Top.java"), jar, zip});
    ASSERT_EQ(RunAll(run), CClassDumpRun::Ok) << m_output.toStdString();

    // The source between them started no process.
    EXPECT_EQ(m_status, QStringList({"Wait, Introspecting file Widget.class",
                                     "Wait, Introspecting file lib.jar",
                                     "Wait, Introspecting file lib.zip"}));
    const QString classRoot = m_env.FilePath("classes") + u'/';
    EXPECT_EQ(run.ClassPathAdditions(), classRoot + ":" + jar + ":" + zip);
    EXPECT_TRUE(m_output.contains(QStringLiteral("Adding Classpath %1\n").arg(jar)));
    EXPECT_EQ(m_output.count("Wait, Introspecting file...\n"), 3);
    EXPECT_EQ(m_output.count("Done\n"), 3);
    // The class file's run saw every directory up from the class.
    EXPECT_TRUE(m_dumper.ChildClassPath().endsWith(QStringLiteral(":") + zip));
    // Nothing of the library ran, and the temporary outputs are gone.
    EXPECT_FALSE(QFileInfo::exists(m_env.FilePath("ran")));
    EXPECT_FALSE(QFileInfo::exists(m_dumper.OutputFile()));

    CPkgDoc db;
    ASSERT_TRUE(db.Open(m_env.FilePath("mavu.pkg")));
    ASSERT_TRUE(db.AddDumpedFiles(run.TakeFiles(), run.ClassPathAdditions()));
    EXPECT_EQ(db.Packages().keys(), QStringList({"User", "a.b"}));
    CPackageObject *ab = db.Package("a.b");
    // The class file and the jar both brought Widget: one copy.
    EXPECT_EQ(Names(ab->m_classes), QStringList({"Boom", "Widget"}));
    EXPECT_EQ(Names(ab->m_interfaces), QStringList({"Listener"}));
    EXPECT_EQ(Names(db.Package("User")->m_classes), QStringList({"Top"}));

    CVarClass *widget = db.FindClass("Widget");
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->m_baseName, "Point");
    // Public members only, constructors included.
    EXPECT_EQ(Names(widget->m_variables), QStringList({"size"}));
    EXPECT_EQ(Names(widget->m_methods), QStringList({"Widget", "changed", "paint"}));
    EXPECT_EQ(Names(*widget->InnerClasses()), QStringList({"Piece"}));
    const CVarInterface *listener = db.FindInterface("Listener");
    ASSERT_NE(listener, nullptr);
    EXPECT_EQ(Names(listener->m_methods), QStringList({"changed"}));
    EXPECT_EQ(db.ClassPath(), run.ClassPathAdditions());

    // Saved at once: a fresh database reads the same.
    CPkgDoc again;
    ASSERT_TRUE(again.Open(m_env.FilePath("mavu.pkg")));
    EXPECT_NE(again.FindClass("Boom"), nullptr);
    EXPECT_EQ(again.ClassPath(), run.ClassPathAdditions());
}

TEST_F(ClassDumpTest, PlatformModulesGoInWithoutClassPath)
{
    // A small module of the JDK the class dumper runs on: only the packages
    // it exports, and nothing to add to the class path.
    CClassDumpRun run(m_dumper, {"jrt:/java.logging"});
    ASSERT_EQ(RunAll(run), CClassDumpRun::Ok) << m_output.toStdString();
    EXPECT_EQ(m_status, QStringList{"Wait, Introspecting file java.logging"});
    EXPECT_EQ(run.ClassPathAdditions(), QString());
    CPkgDoc db;
    ASSERT_TRUE(db.Open(m_env.FilePath("mavu.pkg")));
    ASSERT_TRUE(db.AddDumpedFiles(run.TakeFiles(), run.ClassPathAdditions()));
    EXPECT_EQ(db.Packages().keys(), QStringList{"java.util.logging"});
    CVarClass *logger = db.FindClass("Logger");
    ASSERT_NE(logger, nullptr);
    EXPECT_TRUE(Names(logger->m_methods).contains("getLogger"));
    EXPECT_NE(db.FindInterface("LoggingMXBean"), nullptr);
    EXPECT_EQ(db.ClassPath(), QString());
}

TEST_F(ClassDumpTest, FailuresEndTheRunAsCancel)
{
    // No JVM where the settings say: the failure text, and no process.
    CClassDumper missing(CClassDumper::ClassKind);
    missing.SetJava(m_env.FilePath("nojdk/bin/java"));
    QString said;
    missing.m_onOutput = [&](const QString &t) { said += t; };
    m_env.WriteFile("x.jar", "");
    CClassDumpRun noJava(missing, {m_env.FilePath("x.jar")});
    noJava.Start();
    QCoreApplication::processEvents();
    EXPECT_EQ(noJava.State(), CClassDumpRun::Cancel);
    EXPECT_EQ(said, QStringLiteral("Wait, Introspecting file...\n") +
                        CClassDumper::StartFailedText(CClassDumper::ClassKind));
    EXPECT_TRUE(said.contains("2. DumpClass.class file is located in Mavu classes.zip file\n"));
    EXPECT_FALSE(missing.IsBusy());

    // A damaged archive: the class dumper fails, the run is aborted and
    // what came before is kept for the caller to throw away.
    CompileLibrary();
    m_env.WriteFile("broken.jar", "PK\x03\x04 not really a zip");
    CClassDumpRun run(m_dumper, {m_env.FilePath("lib.zip"), m_env.FilePath("broken.jar"),
                                 m_env.FilePath("lib.jar")});
    EXPECT_EQ(RunAll(run), CClassDumpRun::Cancel);
    EXPECT_TRUE(m_output.endsWith("Aborted\n")) << m_output.toStdString();
    EXPECT_EQ(m_status.size(), 2);
    EXPECT_EQ(run.TakeFiles().size(), 1u);
    EXPECT_EQ(run.ClassPathAdditions(), m_env.FilePath("lib.zip"));

    // While a run goes on, a second start is refused.
    ASSERT_TRUE(m_dumper.Start(m_env.FilePath("lib.jar")));
    EXPECT_FALSE(m_dumper.Start(m_env.FilePath("lib.zip")));
    m_dumper.Abort();
    EXPECT_FALSE(m_dumper.IsBusy());
}

TEST_F(ClassDumpTest, LibraryJarsListWhatJavapShows)
{
    // Jars from a user's class path, as Debian packages them. commons-io
    // has public classes that inherit public methods from classes that are
    // not public.
    QStringList jars;
    for (const char *candidate : {"/usr/share/java/commons-lang3.jar",
                                  "/usr/share/java/commons-io.jar", "/usr/share/java/junit4.jar"}) {
        if (QFileInfo(QString::fromLatin1(candidate)).isFile())
            jars << QString::fromLatin1(candidate);
    }
    if (jars.isEmpty())
        GTEST_SKIP() << "none of commons-lang3, commons-io, junit4 is in /usr/share/java";
    for (const QString &jar : jars) {
        SCOPED_TRACE(jar.toStdString());
        ExpectJavapListing(jar);
    }
}

} // namespace
