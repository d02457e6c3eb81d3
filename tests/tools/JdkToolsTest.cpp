// These tests run the real javadoc and jar, and look for the rmic that
// today's JDK no longer has.
#include "FakePrompter.h"
#include "TestEnv.h"
#include "ToolsTestSupport.h"
#include "project/Project.h"
#include "project/ProjectDoc.h"
#include "tools/CompileProcess.h"
#include "tools/JarOptions.h"
#include "tools/JavaDocProcess.h"
#include "tools/JdkToolStarter.h"
#include "tools/ToolManager.h"
#include "tools/ToolProcess.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

const QByteArray kBean = "package beans.demo;\n"
                         "/** A small bean. */\n"
                         "public class Bean {\n"
                         "    /** @return one */\n"
                         "    public int one() { return 1; }\n"
                         "}\n";

QString Tool(const QString &program, const QStringList &args, const QString &dir)
{
    QProcess p;
    p.setWorkingDirectory(dir);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    p.waitForFinished(60000);
    return QString::fromLocal8Bit(p.readAll());
}

QString ReadText(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

TEST(JavaDoc, AProjectsPagesAreWrittenAndTheBuildTabReportsThem)
{
    CTestEnv env;
    CFakePrompter prompter;
    CTestProject tp(env.Path(), {{"A.java", "/** Class A. */\npublic class A {}\n"},
                                 {"B.java", "/** Class B. */\npublic class B {}\n"}});
    tp.Project().m_doc.m_bOutputDir = 1;
    tp.Project().m_doc.m_strOutputDir = tp.Path("doc/");
    tp.Project().m_doc.m_bAuthor = 1;
    CRecordingHost host;
    CToolManager manager(&host, &tp.Workspace());
    CJavaDocProcess &javadoc = manager.JavaDocProcess();
    ASSERT_TRUE(javadoc.JavaDoc("A.java B.java ", true));
    EXPECT_TRUE(manager.IsBuildBusy());
    // One build tool at a time.
    EXPECT_FALSE(javadoc.JavaDoc("A.java", true));
    EXPECT_FALSE(manager.CompileProcess().Compile(tp.Path("A.java"), false));
    const QString redirect = javadoc.RedirectFileName();
    ASSERT_TRUE(WaitFor([&] { return !manager.IsBuildBusy(); }, 120000));

    const QString text = host.m_build.m_text;
    EXPECT_TRUE(text.startsWith("javadoc  -d " + tp.Dir() + "doc -author  A.java B.java ...\n"))
        << text.toStdString();
    EXPECT_TRUE(
        text.contains("Done...\n" + CJavaDocProcess::OutputHeader() + "Loading source file"))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(CJavaDocProcess::AllSeparator() + "Javadoc All Complete..."));
    EXPECT_TRUE(QFile::exists(tp.Path("doc/A.html")));
    EXPECT_TRUE(QFile::exists(tp.Path("doc/index.html")));
    EXPECT_FALSE(QFile::exists(redirect));
    EXPECT_TRUE(prompter.m_messages.isEmpty());
}

TEST(Jar, ArchivesWithAndWithoutAManifestAndMakeBean)
{
    CTestEnv env;
    CFakePrompter prompter;
    CTestProject tp(env.Path(), {{"beans/demo/Bean.java", kBean}});
    CProject &project = tp.Project();
    project.SetMainClass(tp.Path("beans/demo/Bean.java"));
    project.m_compiler.m_bOutputDir = 1;
    project.m_compiler.m_strOutputDir = "classes";
    ASSERT_EQ(Tool("javac", {"-d", "classes", "beans/demo/Bean.java"}, tp.Dir()), "");
    CRecordingHost host;
    CToolManager manager(&host, &tp.Workspace());
    CJdkToolStarter starter(manager);
    auto runJar = [&](const CJarOptions &o) {
        host.m_output = CRecordingOutput();
        if (!starter.StartJar(o))
            return false;
        return WaitFor([&] { return host.m_output.m_text.endsWith(CToolProcess::ExitText()); });
    };

    // Plain archive, no manifest given: jar makes its own.
    CJarOptions plain;
    plain.m_bCreate = plain.m_bSpecifyArchive = 1;
    plain.m_strOutputFile = tp.Path("classes/plain.jar");
    plain.m_files = {tp.Path("classes/beans/demo/Bean.class")};
    ASSERT_TRUE(runJar(plain));
    EXPECT_EQ(Tool("jar", {"tf", "plain.jar"}, tp.Path("classes")),
              "META-INF/\nMETA-INF/MANIFEST.MF\nbeans/demo/Bean.class\n");

    // The bean manifest names the main class by its path in the archive.
    EXPECT_EQ(starter.ManifestPath(), tp.Path("classes/Bean.mft"));
    EXPECT_FALSE(starter.ProjectHasManifest());
    ASSERT_TRUE(starter.MakeManifest());
    EXPECT_TRUE(starter.ProjectHasManifest());
    EXPECT_EQ(ReadText(tp.Path("classes/Bean.mft")),
              "Name: beans/demo/Bean.class\nJava-Bean: True\n");

    // Make Bean: verbose, the manifest, the archive beside it, the package.
    const CJarOptions bean = starter.BeanJarOptions();
    EXPECT_EQ(bean.CommandLine(""),
              "jar -vfm Bean.jar " + tp.Path("classes/Bean.mft") + " beans/demo ");
    CJarOptions create = bean;
    create.m_bCreate = 1;
    ASSERT_TRUE(runJar(create));
    EXPECT_TRUE(host.m_output.m_text.contains("adding: beans/demo/Bean.class"))
        << host.m_output.m_text.toStdString();
    EXPECT_EQ(Tool("jar", {"tf", "Bean.jar"}, tp.Path("classes")),
              "META-INF/\nMETA-INF/MANIFEST.MF\nbeans/demo/\nbeans/demo/Bean.class\n");
    QDir().mkpath(env.FilePath("x"));
    Tool("jar", {"xf", tp.Path("classes/Bean.jar")}, env.FilePath("x"));
    const QString manifest = ReadText(env.FilePath("x/META-INF/MANIFEST.MF"));
    EXPECT_TRUE(manifest.contains("Name: beans/demo/Bean.class\r\nJava-Bean: True"))
        << host.m_output.m_text.toStdString() << manifest.toStdString();
    EXPECT_TRUE(prompter.m_messages.isEmpty());

    // A main class without a package: the entry is the class file alone.
    EXPECT_EQ(CJdkToolStarter::ManifestEntry("", "/p/Solo.java"), "Solo.class");
    EXPECT_EQ(CJdkToolStarter::DeclaredTypes(tp.Path("beans/demo/Bean.java")),
              QStringList{"beans.demo.Bean"});
}

TEST(Rmic, TheMissingToolFailsToStartLikeAnyOther)
{
    CTestEnv env;
    CFakePrompter prompter;
    CTestProject tp(env.Path(), {});
    CRecordingHost host;
    CToolManager manager(&host, &tp.Workspace());
    CJdkToolStarter starter(manager);
    CRmicOptions o;
    o.m_bOutputDir = o.m_bSkelDir = 1;
    o.m_strOutputDirPath = "/out";
    o.m_strSkelDirPath = "/skel";
    o.m_classNames = {"p.Server"};
    EXPECT_FALSE(starter.StartRmic(o));
    ASSERT_EQ(prompter.m_messages.size(), 1);
    EXPECT_EQ(prompter.m_messages[0],
              CToolProcess::StartFailedMessage("rmic -d /out -d /skel  p.Server"));
    EXPECT_TRUE(manager.RunningList().isEmpty());
}
