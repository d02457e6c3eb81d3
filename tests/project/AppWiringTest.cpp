#include "FakePrompter.h"
#include "ProjectTestSupport.h"
#include "TestEnv.h"
#include "app/JavaIDEApp.h"
#include "app/MainFrame.h"
#include "core/SettingsStore.h"
#include "project/Project.h"
#include "project/ProjectClasses.h"
#include "project/ProjectDoc.h"
#include "project/ProjectFolder.h"
#include "project/ProjectRootFolder.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <gtest/gtest.h>

namespace {

QString MakeProject(const CTestEnv &env, const QString &file)
{
    const QString dir = env.FilePath(QStringLiteral("work"));
    QDir().mkpath(dir);
    const QString path = dir + QLatin1Char('/') + file;
    CProjectFolder folder(path);
    CProject p;
    EXPECT_TRUE(p.Open(&folder, true));
    p.AddFileItem(dir + QStringLiteral("/Hello.java"));
    EXPECT_TRUE(p.Save());
    EXPECT_TRUE(p.Close());
    return path;
}

// Start-up opens the workspace, the project named on the command line and,
// without one, the project that was open at the last exit.
TEST(AppWiring, StartUpOpensTheWorkspaceAndTheProject)
{
    CTestEnv env;
    env.WriteFile(QStringLiteral("data/Mavu/classes.zip"), ""); // an installed program
    CFakePrompter prompter;
    RegisterProjectClasses();
    const QString project = MakeProject(env, QStringLiteral("Hello.MAVU"));
    const QString workspace = env.FilePath(QStringLiteral("data/Mavu/mavu.proj"));
    {
        CJavaIDEApp app({project});
        app.SetDialogRunner([](QDialog &) { return int(QDialog::Accepted); });
        ASSERT_TRUE(app.InitInstance());
        CProjectDoc *doc = app.ProjectDoc();
        ASSERT_NE(doc, nullptr);
        EXPECT_EQ(doc->GetPathName(), workspace);
        EXPECT_EQ(doc->GetActiveProjectPath(), project);
        EXPECT_EQ(doc->GetCurrentProject().GetFiles(),
                  QStringList{env.FilePath(QStringLiteral("work/Hello.java"))});
        EXPECT_TRUE(QFileInfo::exists(workspace)); // saved with its new project
        ASSERT_TRUE(doc->CloseCurrentProject());
        app.MainFrame()->close();
    }
    // The last project as the settings remember it.
    CSettingsStore(env.FilePath(QStringLiteral("config/Mavu/Mavu.ini")))
        .WriteProfileString(QStringLiteral("Mavu"), QStringLiteral("Project"), project);
    {
        CJavaIDEApp app({});
        app.SetDialogRunner([](QDialog &) { return int(QDialog::Accepted); });
        ASSERT_TRUE(app.InitInstance());
        EXPECT_EQ(app.ProjectDoc()->GetActiveProjectName(), QStringLiteral("Hello"));
        EXPECT_EQ(app.ProjectDoc()->GetRoot()->GetChildCount(), 1); // not listed twice
        app.MainFrame()->close();
    }
    for (const QString &m : prompter.m_messages)
        EXPECT_FALSE(m.contains(QStringLiteral("project"), Qt::CaseInsensitive)) << m.toStdString();
}

} // namespace
