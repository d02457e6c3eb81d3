#include "FakePrompter.h"
#include "OldLayoutWriter.h"
#include "ProjectTestSupport.h"
#include "TestEnv.h"
#include "core/SettingsStore.h"
#include "project/Project.h"
#include "project/ProjectClasses.h"
#include "project/ProjectDoc.h"
#include "project/ProjectFileItem.h"
#include "project/ProjectFolder.h"
#include "project/ProjectFramePlacement.h"
#include "project/ProjectRootFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

QStringList ProjectNames(const CProjectDoc &doc)
{
    QStringList out;
    for (const CTreeItem *child : doc.GetRoot()->Children())
        out << child->GetName();
    return out;
}

class WorkspaceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterProjectClasses();
        m_wsPath = m_env.FilePath(QStringLiteral("mavu.proj"));
    }

    // An existing project file with one source, made by the project model.
    QString MakeProject(const QString &name, const QString &suffix = QStringLiteral(".mavu"))
    {
        const QString dir = m_env.Path() + QLatin1Char('/') + name + QLatin1Char('/');
        QDir().mkpath(dir);
        const QString path = dir + name + suffix;
        CProjectFolder folder(path);
        CProject p(&m_host);
        EXPECT_TRUE(p.Open(&folder, true));
        p.AddFileItem(dir + name + QStringLiteral(".java"));
        EXPECT_TRUE(p.Save());
        EXPECT_TRUE(p.Close());
        return path;
    }

    CTestEnv m_env;
    CFakePrompter m_prompter;
    CFakeHost m_host;
    QString m_wsPath;
};

// Each older layout: the groups it has are read into the right fields,
// the rest keep their defaults, and the file is written back at once as
// version 104, which reads back the same.
TEST_F(WorkspaceTest, EveryOlderVersionOpensAndIsWrittenBackAsCurrent)
{
    const QString a = MakeProject(QStringLiteral("Alpha"));
    const QString b = MakeProject(QStringLiteral("beta"));
    for (quint32 v = 100; v <= 104; ++v) {
        SCOPED_TRACE(QStringLiteral("version %1").arg(v).toStdString());
        OldWorkspace w;
        for (int i = 0; i < 16; ++i)
            w.interpreterFlags[i] = 101 + i;
        for (int i = 0; i < 9; ++i) {
            w.interpreterValues[i] = QStringLiteral("i%1").arg(i);
            w.compilerFlags[i] = 201 + i;
        }
        for (int i = 0; i < 7; ++i)
            w.docFlags2[i] = 311 + i;
        for (int i = 0; i < 5; ++i)
            w.compilerValues[i] = QStringLiteral("c%1").arg(i);
        for (int i = 0; i < 3; ++i) {
            w.compilerPrev[i] = {QStringLiteral("cp%1").arg(i)};
            w.docValues[i] = QStringLiteral("d%1").arg(i);
        }
        w.interpreterPrev = {QStringLiteral("ip")};
        w.docFlags1[0] = 301, w.docFlags1[1] = 302;
        w.docPrev[0] = {QStringLiteral("dp0")};
        w.docPrev[1] = {QStringLiteral("dp1")};
        // Stored out of name order: read back in name order.
        w.projects = {{QStringLiteral("beta"), b, {}}, {QStringLiteral("Alpha"), a, {}}};
        const QByteArray original = WriteOldWorkspace(w, v);
        m_env.WriteFile(QStringLiteral("mavu.proj"), original);

        CProjectDoc doc(&m_host);
        ASSERT_TRUE(doc.Load(m_wsPath));
        EXPECT_TRUE(m_prompter.m_messages.isEmpty());
        EXPECT_EQ(doc.GetVersion(), 104u);
        EXPECT_EQ(ProjectNames(doc), (QStringList{"Alpha", "beta"}));
        ASSERT_NE(doc.FindProject(b.toUpper()), nullptr); // letter case ignored
        EXPECT_EQ(doc.FindProject(b.toUpper())->GetProjectPath(), b);

        const CInterpreterOptions &i = doc.m_interpreter;
        const CCompilerOptions &c = doc.m_compiler;
        const CDocOptions &d = doc.m_doc;
        const bool groups = v >= 101;
        EXPECT_EQ(i.m_bClassPath, groups ? 101 : 0);
        EXPECT_EQ(i.m_bProperty, groups ? 114 : 0);
        EXPECT_EQ(i.m_bCustomOptions, v >= 103 ? 115 : 0);
        EXPECT_EQ(i.m_bUseInterpreter, v >= 104 ? 116 : 0);
        EXPECT_EQ(i.m_strClassPath, groups ? QStringLiteral("i0") : QString());
        EXPECT_EQ(i.m_strCustomOptions, v >= 103 ? QStringLiteral("i7") : QString());
        EXPECT_EQ(i.m_strInterpreter, v >= 104 ? QStringLiteral("i8") : QString());
        EXPECT_EQ(i.m_prevClassPaths, groups ? QStringList{"ip"} : QStringList());
        // Compiler: the first and last of each array pin its layout.
        EXPECT_EQ(c.m_bClassPath, groups ? 201 : 0);
        EXPECT_EQ(c.m_bCustomOptions, groups ? 209 : 0);
        EXPECT_EQ(c.m_strCompiler, groups ? QStringLiteral("c4") : QString());
        EXPECT_EQ(c.m_prevCustomOptions, groups ? QStringList{"cp2"} : QStringList());
        EXPECT_EQ(d.m_bOutputDir, groups ? 302 : 0);
        EXPECT_EQ(d.m_strCustomOptions, groups ? QStringLiteral("d2") : QString());
        EXPECT_EQ(d.m_nDocType, groups ? 311 : 1);
        EXPECT_EQ(d.m_bCustomOptions, groups ? 317 : 0);
        EXPECT_EQ(d.m_prevOutputDirs, groups ? QStringList{"dp1"} : QStringList());

        const QByteArray now = FileBytes(m_wsPath);
        EXPECT_EQ(now.left(4), QByteArray("\x68\x00\x00\x00", 4));
        if (v == 104) {
            EXPECT_EQ(now, original); // the current layout needs no rewrite
        }
        CProjectDoc again(&m_host);
        ASSERT_TRUE(again.Load(m_wsPath));
        EXPECT_EQ(again.m_interpreter, doc.m_interpreter);
        EXPECT_EQ(again.m_compiler, doc.m_compiler);
        EXPECT_EQ(again.m_doc, doc.m_doc);
        EXPECT_EQ(ProjectNames(again), ProjectNames(doc));
        EXPECT_EQ(FileBytes(m_wsPath), now);
    }
}

TEST_F(WorkspaceTest, OpeningProjectsByPath)
{
    const QString a = MakeProject(QStringLiteral("Alpha"));
    const QString upper = MakeProject(QStringLiteral("Upper"), QStringLiteral(".MAVU"));
    const QString b = MakeProject(QStringLiteral("Beta"));
    m_env.WriteFile(QStringLiteral("notes.txt"), "not a project");
    CProjectDoc doc(&m_host);
    ASSERT_TRUE(doc.Load(m_wsPath));

    struct Case
    {
        QString path;
        QString message;
    };
    for (const Case &c : {Case{m_env.FilePath(QStringLiteral("none.mavu")),
                               QStringLiteral("Project file does not exist !!!")},
                          Case{m_env.FilePath(QStringLiteral("notes.txt")),
                               QStringLiteral("The file is not a Mavu project file !!!")}}) {
        m_prompter.m_messages.clear();
        EXPECT_FALSE(doc.OpenProject(c.path, false));
        EXPECT_EQ(m_prompter.m_messages, QStringList{c.message});
        EXPECT_EQ(doc.GetRoot()->GetChildCount(), 0);
    }

    m_host.m_calls.clear();
    ASSERT_TRUE(doc.OpenProject(a, false));
    EXPECT_EQ(doc.GetActiveProjectName(), QStringLiteral("Alpha"));
    EXPECT_EQ(doc.GetActiveProjectPath(), a);
    EXPECT_TRUE(doc.GetActiveFolder()->IsProjectOpen());
    EXPECT_EQ(doc.GetCurrentProject().GetRootFolder(), doc.GetActiveFolder());
    EXPECT_EQ(m_host.m_calls.mid(m_host.m_calls.size() - 4),
              (QStringList{"UpdateAllViews", "SelectProject Alpha", "RefreshOutputWindows",
                           "FocusProjectPane"}));
    // Added to the workspace, which is saved at once.
    {
        CProjectDoc reread(&m_host);
        ASSERT_TRUE(reread.Load(m_wsPath));
        EXPECT_EQ(ProjectNames(reread), QStringList{"Alpha"});
    }

    // A second project closes the first; the extension's case does not matter.
    ASSERT_TRUE(doc.OpenProject(upper, false));
    EXPECT_EQ(doc.GetActiveProjectName(), QStringLiteral("Upper"));
    EXPECT_FALSE(doc.FindProject(a)->IsProjectOpen());
    EXPECT_EQ(ProjectNames(doc), (QStringList{"Alpha", "Upper"}));

    // Cancelling the question about the changed first one keeps it open,
    // and the other is not added.
    doc.GetCurrentProject().SetMainClass(QStringLiteral("Upper.java"));
    m_prompter.m_messages.clear();
    m_prompter.QueueAnswer(CPrompter::AnswerCancel);
    EXPECT_FALSE(doc.OpenProject(b, false));
    EXPECT_EQ(m_prompter.m_messages, QStringList{QStringLiteral("Save changes to Upper.MAVU?")});
    EXPECT_EQ(doc.GetActiveProjectName(), QStringLiteral("Upper"));
    EXPECT_EQ(doc.FindProject(b), nullptr);

    // The known folder is reused, whatever the letter case of the path
    // asked for (no file exists under the upper-case name).
    QString mixed = a;
    mixed.replace(QStringLiteral("Alpha.mavu"), QStringLiteral("ALPHA.MAVU"));
    ASSERT_TRUE(doc.OpenProject(mixed, false));
    EXPECT_EQ(doc.GetActiveProjectPath(), a);
    EXPECT_EQ(doc.GetRoot()->GetChildCount(), 2);
    EXPECT_EQ(doc.GetCurrentProject().GetFiles().size(), 1);
    EXPECT_EQ(doc.GetActiveFolder()->GetChildCount(), 1); // old children replaced, not doubled

    ASSERT_TRUE(doc.CloseCurrentProject());
    EXPECT_TRUE(doc.GetActiveProjectName().isEmpty());
    EXPECT_FALSE(doc.CloseCurrentProject()); // nothing open
}

TEST_F(WorkspaceTest, CreatingAddingAndRemovingProjects)
{
    const QString a = MakeProject(QStringLiteral("Alpha"));
    CProjectDoc doc(&m_host);
    ASSERT_TRUE(doc.Load(m_wsPath)); // no file yet: an empty workspace
    EXPECT_FALSE(QFileInfo::exists(m_wsPath));
    const QString path = m_env.FilePath(QStringLiteral("Fresh.mavu"));
    ASSERT_TRUE(doc.OpenProject(path, true));
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_TRUE(doc.GetCurrentProject().IsModified());
    doc.GetCurrentProject().AddFileItem(m_env.FilePath(QStringLiteral("Fresh.java")));
    ASSERT_TRUE(doc.CloseCurrentProject()); // default answer: save
    ASSERT_TRUE(doc.OpenProject(path, false));
    EXPECT_EQ(doc.GetCurrentProject().GetFiles(),
              QStringList{m_env.FilePath(QStringLiteral("Fresh.java"))});
    // Creating it again does not list it twice.
    ASSERT_TRUE(doc.OpenProject(path, true));
    EXPECT_EQ(doc.GetRoot()->GetChildCount(), 1);

    // Added, a project is not opened; removed, it is closed first, and its
    // file stays.
    ASSERT_NE(doc.AddProject(a), nullptr);
    EXPECT_FALSE(doc.FindProject(a)->IsProjectOpen());
    EXPECT_EQ(doc.GetActiveProjectName(), QStringLiteral("Fresh"));
    ASSERT_TRUE(doc.OpenProject(a, false));
    ASSERT_TRUE(doc.RemoveProject(doc.FindProject(a)));
    EXPECT_FALSE(doc.GetCurrentProject().IsOpen());
    EXPECT_EQ(ProjectNames(doc), QStringList{"Fresh"});
    EXPECT_TRUE(QFileInfo::exists(a));
    CProjectDoc reread(&m_host);
    ASSERT_TRUE(reread.Load(m_wsPath));
    EXPECT_EQ(ProjectNames(reread), QStringList{"Fresh"});
}

// The workspace remembers the files of projects that are not open; they
// come back from the workspace file and are replaced by the project's own
// list when it opens.
TEST_F(WorkspaceTest, RememberedProjectFilesAreReplacedWhenTheProjectOpens)
{
    const QString a = MakeProject(QStringLiteral("Alpha"));
    {
        CProjectDoc doc(&m_host);
        ASSERT_TRUE(doc.Load(m_wsPath));
        ASSERT_TRUE(doc.OpenProject(a, false));
        ASSERT_TRUE(doc.CloseCurrentProject());
        ASSERT_TRUE(doc.Save());
    }
    const QString dir = QFileInfo(a).absolutePath() + QLatin1Char('/');
    // The project gains a file while the workspace is not looking.
    {
        CProjectFolder folder(a);
        CProject p(&m_host);
        ASSERT_TRUE(p.Open(&folder, false));
        p.AddFileItem(dir + QStringLiteral("Extra.java"));
        ASSERT_TRUE(p.Save());
        ASSERT_TRUE(p.Close());
    }
    CProjectDoc doc(&m_host);
    ASSERT_TRUE(doc.Load(m_wsPath));
    CProjectFolder *folder = doc.FindProject(a);
    ASSERT_NE(folder, nullptr);
    EXPECT_EQ(DumpTree(*folder),
              QStringList{
                  QStringLiteral("CProjectFileItem %1Alpha.java flag=0 open=0 sel=0-0").arg(dir)});
    ASSERT_TRUE(doc.OpenProject(a, false));
    EXPECT_EQ(DumpTree(*folder),
              (QStringList{
                  QStringLiteral("CProjectFileItem %1Alpha.java flag=0 open=0 sel=0-0").arg(dir),
                  QStringLiteral("CProjectFileItem %1Extra.java flag=0 open=0 sel=0-0").arg(dir)}));
}

TEST_F(WorkspaceTest, AProjectThatCannotOpenIsNotAdded)
{
    const QString a = MakeProject(QStringLiteral("Alpha"));
    QByteArray bytes = FileBytes(a);
    bytes[0] = 17; // a newer version
    m_env.WriteFile(QStringLiteral("Alpha/Alpha.mavu"), bytes);
    CProjectDoc doc(&m_host);
    ASSERT_TRUE(doc.Load(m_wsPath));
    EXPECT_FALSE(doc.OpenProject(a, false));
    EXPECT_EQ(m_prompter.m_messages.size(), 1);
    EXPECT_EQ(doc.GetRoot()->GetChildCount(), 0);
    // Known to the workspace already: it stays there, closed.
    ASSERT_NE(doc.AddProject(a), nullptr);
    EXPECT_FALSE(doc.OpenProject(a, false));
    EXPECT_EQ(doc.GetRoot()->GetChildCount(), 1);
    EXPECT_FALSE(doc.FindProject(a)->IsProjectOpen());
    EXPECT_EQ(FileBytes(a), bytes);
}

TEST_F(WorkspaceTest, ProjectWindowPlacement)
{
    CSettingsStore store(m_env.FilePath(QStringLiteral("Mavu.ini")));
    CProjectFramePlacement placement;
    placement.Load(store);
    EXPECT_FALSE(placement.HasStoredGeometry()); // no keys: default placement

    placement.Save(store, 10, 20, 300, 400, false, false);
    CProjectFramePlacement read;
    read.Load(store);
    EXPECT_TRUE(read.HasStoredGeometry());
    const auto stored = [&](const char *key) {
        return store.GetProfileInt(QStringLiteral("ProjWnd"), QString::fromLatin1(key), -1);
    };
    EXPECT_EQ(QList<int>({stored("OrigX"), stored("OrigY"), stored("Width"), stored("Height"),
                          stored("Maximize")}),
              QList<int>({10, 20, 300, 400, 0}));
    read.Save(store, 1, 2, 3, 4, false, true); // minimised: nothing recorded
    EXPECT_EQ(stored("Width"), 300);

    read.Save(store, 0, 0, 800, 600, true, false);
    CProjectFramePlacement maximised;
    maximised.Load(store);
    EXPECT_EQ(maximised.m_nMaximize, 1);
    EXPECT_FALSE(maximised.HasStoredGeometry());
}

} // namespace
