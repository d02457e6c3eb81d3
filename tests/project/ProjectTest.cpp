#include "project/Project.h"

#include "FakePrompter.h"
#include "ProjectTestSupport.h"
#include "TestEnv.h"
#include "project/ProjectClasses.h"
#include "project/ProjectFileItem.h"
#include "project/ProjectFolder.h"
#include "project/ProjectVirtualFolder.h"
#include "project/ResourceFileItem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class ProjectTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterProjectClasses();
        m_dir = m_env.Path() + QStringLiteral("/proj/");
        QDir().mkpath(In("lib"));
        QDir().mkpath(m_env.Path() + QStringLiteral("/shared"));
        m_path = In("Demo.mavu");
    }

    // A path inside the project directory.
    QString In(const char *rel) const { return m_dir + QLatin1String(rel); }

    // A new project with files in the project directory, in a user folder
    // and outside the directory, every option set to a value of its own,
    // a main class, breakpoints and one file open in an editor.
    void FillProject(CProject &p)
    {
        ASSERT_NE(p.AddFileItem(In("Main.java")), nullptr);
        ASSERT_NE(p.AddFileItem(In("page.html")), nullptr);
        ASSERT_NE(p.AddFileItem(In("gui.res")), nullptr);
        auto *lib = new CProjectVirtualFolder(QStringLiteral("Library"));
        ASSERT_TRUE(p.GetRootFolder()->AddChild(lib, true));
        ASSERT_NE(p.AddFileItem(In("lib/Util.java"), lib), nullptr);
        ASSERT_NE(p.AddFileItem(m_env.Path() + QStringLiteral("/shared/Ext.java"), lib), nullptr);

        p.SetMainClass(QStringLiteral("Main.java"));
        // Every stored option gets a value of its own, so that one read
        // into another's place shows. (The custom compiler's switch is
        // never stored.)
        CCompilerOptions &c = p.m_compiler;
        CInterpreterOptions &i = p.m_interpreter;
        CDocOptions &d = p.m_doc;
        CRmicOptions &r = p.m_rmic;
        int n = 1;
        for (int *f :
             {&c.m_bClassPath,      &c.m_bOutputDir, &c.m_bDebug,       &c.m_bNoWarn,
              &c.m_bVerbose,        &c.m_bOptimize,  &c.m_bDeprecation, &c.m_bCustomOptions,
              &i.m_bClassPath,      &i.m_bDebug,     &i.m_bCheckSource, &i.m_bMaxHeap,
              &i.m_bStartHeap,      &i.m_bNoAsyncGC, &i.m_bVerboseGC,   &i.m_bJavaStack,
              &i.m_bCStack,         &i.m_bVerbose,   &i.m_bVerify,      &i.m_bNoVerify,
              &i.m_bVerifyRemote,   &i.m_bProperty,  &i.m_bArguments,   &i.m_bClassToRun,
              &i.m_bRunInDirectory, &d.m_bClassPath, &d.m_bOutputDir,   &d.m_nDocType,
              &d.m_bVersion,        &d.m_bAuthor,    &d.m_bNoIndex,     &d.m_bNoTree,
              &d.m_bNoDeprecated,   &r.m_bClassPath, &r.m_bCustom,      &r.m_bDebug,
              &r.m_bDebugTables,    &r.m_bDepend,    &r.m_bOutputDir,   &r.m_bKeepGenerated,
              &r.m_bNoWarn,         &r.m_bNoWrite,   &r.m_bOptimize,    &r.m_bShow,
              &r.m_bSkelDir,        &r.m_bStubDir,   &r.m_bVerbose,     &p.m_bJdbCustomOptions})
            *f = n++;
        for (QString *text :
             {&p.m_strClassPath, &c.m_strOutputDir, &c.m_strCustomOptions, &c.m_strCompiler,
              &i.m_strMaxHeap, &i.m_strStartHeap, &i.m_strJavaStack, &i.m_strCStack,
              &i.m_strProperty, &i.m_strArguments, &i.m_strClassToRun, &i.m_strRunDirectory,
              &d.m_strOutputDir, &d.m_strCustomOptions, &r.m_strCustomOptions,
              &r.m_strOutputDirPath, &r.m_strSkelDirPath, &r.m_strStubDirPath,
              &p.m_strJdbCustomOptions})
            *text = QStringLiteral("/text %1/ ü").arg(n++);
        for (QStringList *list :
             {&c.m_prevClassPaths, &c.m_prevOutputDirs, &c.m_prevCustomOptions, &i.m_prevClassPaths,
              &i.m_prevArguments, &d.m_prevClassPaths, &d.m_prevOutputDirs, &r.m_classNames})
            *list = {QStringLiteral("list %1").arg(n++), QString(), QStringLiteral("last")};

        ASSERT_TRUE(p.AddBreakpoint(In("Main.java"), QStringLiteral("Main"), 12));
        ASSERT_TRUE(p.AddBreakpoint(In("Main.java"), QStringLiteral("Main"), 65535));
        ASSERT_TRUE(p.AddBreakpoint(In("lib/Util.java"), QStringLiteral("lib.Util"), 3));
        m_host.m_editors.insert(In("Main.java"), {5, 9});
    }

    CTestEnv m_env;
    CFakePrompter m_prompter;
    CFakeHost m_host;
    QString m_dir;
    QString m_path;
};

TEST_F(ProjectTest, SavedProjectReopensEqualAndSavesTheSameBytesAlsoAfterItsDirectoryMoved)
{
    QStringList saved;
    QByteArray firstBytes;
    {
        CProjectFolder folder(m_path);
        CProject p(&m_host);
        ASSERT_TRUE(p.Open(&folder, true));
        EXPECT_TRUE(QFileInfo::exists(m_path));
        EXPECT_TRUE(p.IsModified());
        FillProject(p);
        ASSERT_TRUE(p.Save());
        EXPECT_FALSE(p.IsModified());
        saved = DumpProject(p);
        firstBytes = FileBytes(m_path);
        ASSERT_TRUE(p.Close()); // unmodified: written again without a question
        EXPECT_FALSE(p.IsOpen());
        EXPECT_EQ(FileBytes(m_path), firstBytes);
    }
    EXPECT_TRUE(m_prompter.m_messages.isEmpty()) << m_prompter.m_messages.join('\n').toStdString();

    // The editor state is what the host reported at saving time; a
    // resource file is a resource item.
    EXPECT_TRUE(saved.contains(
        QStringLiteral("CProjectFileItem %1Main.java flag=0 open=1 sel=5-9").arg(m_dir)))
        << saved.join('\n').toStdString();
    EXPECT_TRUE(saved.contains(
        QStringLiteral("CResourceFileItem %1gui.res flag=0 open=0 sel=0-0").arg(m_dir)));
    // Files inside the project directory are stored relative to it; one
    // outside keeps its absolute path.
    EXPECT_TRUE(firstBytes.contains("\x0dlib/Util.java"));
    EXPECT_FALSE(firstBytes.contains((In("lib/Util.java")).toUtf8()));
    EXPECT_TRUE(firstBytes.contains((m_env.Path() + QStringLiteral("/shared/Ext.java")).toUtf8()));

    {
        CProjectFolder folder(m_path);
        CProject q(&m_host);
        ASSERT_TRUE(q.Open(&folder, false));
        EXPECT_FALSE(q.IsModified());
        EXPECT_EQ(q.GetFileVersion(), 16u);
        EXPECT_EQ(DumpProject(q), saved);
        EXPECT_TRUE(m_prompter.m_messages.isEmpty())
            << m_prompter.m_messages.join('\n').toStdString();
        ASSERT_TRUE(q.Save());
        EXPECT_EQ(FileBytes(m_path), firstBytes);
    }

    // The whole directory moves: the files inside it move along, and the
    // project is modified, as its stored paths name the old place.
    const QString moved = m_env.Path() + QStringLiteral("/moved/");
    ASSERT_TRUE(QDir().rename(m_dir, moved));
    const QString movedPath = moved + QStringLiteral("Demo.mavu");
    CProjectFolder folder(movedPath);
    CProject q(&m_host);
    ASSERT_TRUE(q.Open(&folder, false));
    EXPECT_TRUE(q.IsModified());
    EXPECT_EQ(q.GetProjectDir(), moved);
    EXPECT_EQ(QDir::currentPath() + QLatin1Char('/'), moved);
    EXPECT_EQ(
        SortedFiles(q),
        QStringList({moved + QStringLiteral("Main.java"), moved + QStringLiteral("gui.res"),
                     moved + QStringLiteral("lib/Util.java"), moved + QStringLiteral("page.html"),
                     m_env.Path() + QStringLiteral("/shared/Ext.java")}));
    EXPECT_TRUE(q.HasBreakpoint(moved + QStringLiteral("lib/Util.java"), 3));
    EXPECT_EQ(q.GetBreakpointClass(moved + QStringLiteral("Main.java"), 12),
              QStringLiteral("Main"));
    // Nothing is written until the user saves; then the old place is gone.
    EXPECT_EQ(FileBytes(movedPath), firstBytes);
    ASSERT_TRUE(q.Save());
    EXPECT_FALSE(FileBytes(movedPath).contains(m_dir.toUtf8()));
}

TEST_F(ProjectTest, AddingAndRemovingFiles)
{
    CProjectFolder folder(m_path);
    CProject p(&m_host);
    ASSERT_TRUE(p.Open(&folder, true));

    // A missing file is created empty; an existing one is left alone.
    const QString existing = In("Keep.java");
    QFile f(existing);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("class Keep {}");
    f.close();
    ASSERT_NE(p.AddFileItem(existing), nullptr);
    EXPECT_EQ(FileBytes(existing), QByteArray("class Keep {}"));
    CProjectFileItem *made = p.AddFileItem(In("New.java"));
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(QFileInfo(In("New.java")).isFile());
    EXPECT_TRUE(m_host.m_calls.contains(QStringLiteral("ShowFile ") + In("New.java")));
    EXPECT_EQ(p.GetFiles().first(), In("New.java")); // newest first

    // The same path again: one entry, and the user is told.
    EXPECT_EQ(p.AddFileItem(existing), nullptr);
    EXPECT_EQ(p.GetFiles().count(existing), 1);
    ASSERT_EQ(m_prompter.m_messages.size(), 1);
    EXPECT_EQ(m_prompter.m_messages.last(),
              existing + QStringLiteral(" file already in the project !!!"));

    // A file that cannot be created is reported.
    EXPECT_EQ(p.AddFile(In("no/such/dir/X.java")), 0);
    EXPECT_EQ(m_prompter.m_messages.last(), QStringLiteral("Error creating the file !!!"));

    // A folder holds one item per path, whoever asks.
    auto *twin = new CProjectFileItem(existing);
    EXPECT_FALSE(folder.AddChild(twin, false));
    delete twin;
    auto *otherCase = new CProjectFileItem(In("keep.java"));
    EXPECT_TRUE(folder.AddChild(otherCase, false)); // another file on this platform

    // Removing the main class's file clears the main class, its
    // breakpoints and its entry; the item leaves the tree.
    p.SetMainClass(QStringLiteral("new.JAVA"));
    p.AddBreakpoint(made->GetName(), QStringLiteral("New"), 4);
    ASSERT_TRUE(p.RemoveFileItem(made));
    EXPECT_TRUE(p.GetMainClass().isEmpty());
    EXPECT_FALSE(p.HasBreakpoint(In("New.java"), 4));
    EXPECT_FALSE(p.HasFile(In("New.java")));
    EXPECT_EQ(p.FindFileItem(In("New.java")), nullptr);
    EXPECT_TRUE(QFileInfo::exists(In("New.java"))); // the file stays on disk
}

TEST_F(ProjectTest, ClosingAModifiedProjectAsksFirst)
{
    struct Case
    {
        CPrompter::Answer answer;
        bool closes;
        bool written;
    };
    for (const Case &c :
         {Case{CPrompter::AnswerCancel, false, false}, Case{CPrompter::AnswerNo, true, false},
          Case{CPrompter::AnswerYes, true, true}}) {
        SCOPED_TRACE(int(c.answer));
        QFile::remove(m_path);
        CProjectFolder folder(m_path);
        CProject p(&m_host);
        ASSERT_TRUE(p.Open(&folder, true));
        ASSERT_TRUE(p.Save());
        const QByteArray before = FileBytes(m_path);
        p.AddFileItem(In("Main.java"));
        m_prompter.m_messages.clear();
        m_prompter.QueueAnswer(c.answer);
        EXPECT_EQ(p.Close(), c.closes);
        ASSERT_EQ(m_prompter.m_messages, QStringList{QStringLiteral("Save changes to Demo.mavu?")});
        EXPECT_EQ(m_prompter.m_buttons.last(), CPrompter::YesNoCancel);
        EXPECT_EQ(p.IsOpen(), !c.closes);
        EXPECT_EQ(FileBytes(m_path) != before, c.written);
    }
}

// The program's options decide whether closing closes the files' editor
// windows and whether opening parses every file.
TEST_F(ProjectTest, ClosingClosesEditorsAndOpeningParsesFilesOnlyWhenAsked)
{
    for (bool asked : {false, true}) {
        SCOPED_TRACE(asked);
        m_host.m_closeFiles = m_host.m_parseAll = asked;
        QFile::remove(m_path);
        {
            CProjectFolder folder(m_path);
            CProject p(&m_host);
            ASSERT_TRUE(p.Open(&folder, true));
            p.AddFileItem(In("A.java"));
            p.AddFileItem(In("B.java"));
            ASSERT_TRUE(p.Save());
            m_host.m_calls.clear();
            ASSERT_TRUE(p.Close());
            EXPECT_EQ(m_host.m_calls.filter(QStringLiteral("CloseEditor")).size(), asked ? 2 : 0);
            // Items of a closed project no longer belong to an open project.
            for (const CTreeItem *child : folder.Children())
                EXPECT_FALSE(child->BelongsToOpenProject());
        }
        m_host.m_calls.clear();
        CProjectFolder folder(m_path);
        CProject p(&m_host);
        ASSERT_TRUE(p.Open(&folder, false));
        EXPECT_EQ(m_host.m_calls.filter(QStringLiteral("Parse ")).size(), asked ? 2 : 0);
        EXPECT_TRUE(m_host.m_calls.contains(QStringLiteral("RefreshMainFrame")));
    }
}

TEST_F(ProjectTest, BreakpointQueries)
{
    CProjectFolder folder(m_path);
    CProject p(&m_host);
    ASSERT_TRUE(p.Open(&folder, true));
    const QString file = In("A.java");
    EXPECT_FALSE(p.HasBreakpoint(file, 1));
    EXPECT_TRUE(p.AddBreakpoint(file, QStringLiteral("A"), 10));
    EXPECT_TRUE(p.AddBreakpoint(file, QStringLiteral("A$Inner"), 20));
    EXPECT_TRUE(p.AddBreakpoint(file, QStringLiteral("A$Moved"), 10)); // same line: new class
    EXPECT_FALSE(p.AddBreakpoint(file, QStringLiteral("A"), 65536));   // not storable
    EXPECT_FALSE(p.AddBreakpoint(file, QStringLiteral("A"), -1));
    EXPECT_EQ(p.GetBreakpoints(file).size(), 2);
    EXPECT_EQ(p.GetBreakpointClass(file, 10), QStringLiteral("A$Moved"));
    EXPECT_EQ(p.GetBreakpointClass(file, 20), QStringLiteral("A$Inner"));
    EXPECT_TRUE(p.GetBreakpointClass(file, 30).isEmpty());
    EXPECT_TRUE(p.RemoveBreakpoint(file, 10));
    EXPECT_FALSE(p.RemoveBreakpoint(file, 10));
    EXPECT_TRUE(p.RemoveBreakpoint(file, 20));
    EXPECT_TRUE(p.GetBreakpointMap().isEmpty()); // no empty lists kept
}

// Neither a No at the save question nor a crash may leave a file that
// later starts report as damaged; a file that holds something is left
// alone. A project without files keeps no main class, even when saved so.
TEST_F(ProjectTest, ANewProjectIsAValidFileAtOnceAndNeverTruncatesAnExistingOne)
{
    for (const QByteArray &before : {QByteArray(), QByteArray(""), QByteArray("precious")}) {
        SCOPED_TRACE(before.isNull() ? "none" : before.constData());
        if (before.isNull())
            QFile::remove(m_path);
        else
            m_env.WriteFile(QStringLiteral("proj/Demo.mavu"), before); // "": from a crash
        CProjectFolder folder(m_path);
        CProject p(&m_host);
        ASSERT_TRUE(p.Open(&folder, true));
        EXPECT_TRUE(p.IsModified());
        if (!before.isEmpty()) {
            EXPECT_EQ(FileBytes(m_path), before);
            continue;
        }
        EXPECT_GT(FileBytes(m_path).size(), 0);
        p.SetMainClass(QStringLiteral("Main.java"));
        m_prompter.QueueAnswer(before.isNull() ? CPrompter::AnswerYes : CPrompter::AnswerNo);
        ASSERT_TRUE(p.Close());

        CProjectFolder again(m_path);
        CProject q(&m_host);
        ASSERT_TRUE(q.Open(&again, false));
        EXPECT_EQ(m_prompter.m_messages, QStringList{QStringLiteral("Save changes to Demo.mavu?")});
        EXPECT_TRUE(q.GetFiles().isEmpty());
        EXPECT_TRUE(q.GetMainClass().isEmpty());
        EXPECT_FALSE(q.IsModified());
        EXPECT_EQ(q.GetFileVersion(), CProject::kCurrentVersion);
        m_prompter.m_messages.clear();
    }

    CProjectFolder bad(m_env.Path() + QStringLiteral("/missing/dir/X.mavu"));
    CProject q(&m_host);
    EXPECT_FALSE(q.Open(&bad, true));
    EXPECT_EQ(m_prompter.m_messages, QStringList{QStringLiteral("Error creating the file !!!")});
    EXPECT_FALSE(q.IsOpen());
}

} // namespace
