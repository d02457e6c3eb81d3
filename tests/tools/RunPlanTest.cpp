#include "tools/RunPlan.h"

#include "FakePrompter.h"
#include "TestEnv.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaModel.h"
#include "javamodel/JavaParser.h"
#include "packages/PkgDoc.h"
#include "project/Project.h"
#include "project/ProjectClasses.h"
#include "project/ProjectFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <memory>

namespace {

class RunPlanTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterProjectClasses();
        RegisterJavaModelClasses();
        m_dir = m_env.Path() + "/proj/";
        QDir().mkpath(m_dir + "src/app");
        m_folder = std::make_unique<CProjectFolder>(m_dir + "P.mavu");
        ASSERT_TRUE(m_project.Open(m_folder.get(), true));
        m_global.m_bVerbose = 1;
    }

    QString Add(const QString &rel, const QByteArray &text)
    {
        const QString path = m_env.WriteFile(QStringLiteral("proj/") + rel, text);
        m_project.AddFile(path);
        return path;
    }

    CRunPlan Plan() { return CRunPlan::ForProject(m_project, m_global, "/jdk/bin", m_db); }

    CTestEnv m_env;
    CFakePrompter m_prompter;
    QString m_dir;
    std::unique_ptr<CProjectFolder> m_folder;
    CProject m_project;
    CInterpreterOptions m_global;
    CPkgDoc m_db;
};

TEST_F(RunPlanTest, AnAppletIsOfferedWithAGeneratedPage)
{
    for (const char *jdk : {"package java.applet; public class Applet extends Panel {}",
                            "package java.awt; public class Panel {}"}) {
        std::unique_ptr<CFileObject> f(CJavaParser::ParseText(jdk));
        m_db.AddSourceFile(*f, "/jdk/X.java");
    }
    Add("Game.java", "package games; public class Game extends java.applet.Applet {}");

    // No: nothing runs, nothing is created.
    m_prompter.QueueAnswer(CPrompter::AnswerNo);
    EXPECT_EQ(Plan().m_what, CRunPlan::Nothing);
    EXPECT_FALSE(QFile::exists(m_dir + "Game.html"));

    // Yes: a page named after the class, naming the qualified class.
    m_prompter.QueueAnswer(CPrompter::AnswerYes);
    const CRunPlan plan = Plan();
    EXPECT_EQ(m_prompter.m_messages.size(), 2);
    EXPECT_EQ(plan.m_what, CRunPlan::Applet);
    EXPECT_EQ(plan.m_commandLine, "/jdk/bin/appletviewer    Game.html");
    EXPECT_EQ(plan.m_workingDir + u'/', m_dir);
    EXPECT_EQ(m_project.GetMainHtml(), "Game.html");
    QFile page(m_dir + "Game.html");
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_TRUE(page.readAll().contains("<APPLET CODE=games.Game WIDTH=300 HEIGHT=300>"));
}

TEST_F(RunPlanTest, NothingToRunSaysSoAndFilesRunByTheirExtension)
{
    Add("Plain.java", "class Plain {}");
    EXPECT_EQ(Plan().m_what, CRunPlan::Nothing);
    EXPECT_EQ(
        m_prompter.m_messages,
        QStringList{"Unable to find a class with Main method to run. Please define main method in "
                    "a class or add a HTML file to the project and select the HTML file as main "
                    "HTML file to run as an Applet."});

    const CRunPlan java = CRunPlan::ForFile("/w/Hello.java", m_global, "/jdk/bin");
    EXPECT_EQ(java.m_what, CRunPlan::Application);
    EXPECT_EQ(java.m_commandLine, "/jdk/bin/java  -verbose  Hello");
    EXPECT_FALSE(java.m_projectClassPath);
    EXPECT_EQ(CRunPlan::ForFile("/w/Page.HTM", m_global, "/jdk/bin").m_what, CRunPlan::Applet);
    EXPECT_EQ(CRunPlan::ForFile("/w/notes.txt", m_global, "/jdk/bin").m_what, CRunPlan::Nothing);
}

} // namespace
