// The project pane's tree driven as a user would: commands on selected
// nodes, keys, in-place editing, drops, with dialogs answered by a scripted
// chooser and every message checked through the fake prompter.

#include "project/ProjectView.h"

#include "FakePrompter.h"
#include "ProjectTestSupport.h"
#include "TestEnv.h"
#include "core/CommandIds.h"
#include "core/IDEOptions.h"
#include "javamodel/VarContainer.h"
#include "javamodel/VarMethodDecl.h"
#include "project/FileChooser.h"
#include "project/MainFileDelegate.h"
#include "project/Project.h"
#include "project/ProjectClassLookup.h"
#include "project/ProjectClasses.h"
#include "project/ProjectDoc.h"
#include "project/ProjectFileItem.h"
#include "project/ProjectFolder.h"
#include "project/ProjectRootFolder.h"
#include "project/ProjectVirtualFolder.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidgetItemIterator>
#include <QUrl>
#include <deque>
#include <gtest/gtest.h>
#include <memory>

namespace {

using Kind = CProjectView::NodeKind;

// Answers file dialogs from queues (nothing chosen when empty) and
// remembers whether several files could be chosen.
class CScriptedChooser final : public CFileChooser
{
public:
    QStringList GetOpenFileNames(QWidget *, const QString &, const QString &, const QString &,
                                 bool multiple) override
    {
        m_multiple << multiple;
        return Next(m_files);
    }
    QString GetExistingDirectory(QWidget *, const QString &) override { return Next(m_dirs); }

    std::deque<QStringList> m_files;
    std::deque<QString> m_dirs;
    QList<bool> m_multiple;

private:
    template <class T> static T Next(std::deque<T> &queue)
    {
        if (queue.empty())
            return {};
        T answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

// The program's workspace host forwards the tree notifications to the view.
class CViewHost final : public CFakeHost
{
public:
    void UpdateAllViews() override { Forward(&CProjectView::UpdateAllViews); }
    void RefreshProjectFolder(CProjectFolder &f) override
    {
        Forward(&CProjectView::RefreshProjectFolder, f);
    }
    void ShowFileInProjectView(CProjectFileItem &i) override
    {
        Forward(&CProjectView::ShowFileInProjectView, i);
    }
    void SelectProject(CProjectFolder &f) override { Forward(&CProjectView::SelectProject, f); }

    CProjectView *m_view = nullptr;

private:
    template <class... A> void Forward(void (CProjectView::*fn)(A &...), A &...args)
    {
        if (m_view)
            (m_view->*fn)(args...);
    }
};

// The visible items, one line each, indented by depth.
QStringList Dump(const QTreeWidget &tree)
{
    QStringList out;
    std::function<void(QTreeWidgetItem *, int)> walk = [&](QTreeWidgetItem *item, int depth) {
        for (int i = 0; i < item->childCount(); ++i) {
            QTreeWidgetItem *child = item->child(i);
            if (child->isHidden())
                continue;
            out << QString(depth * 2, QLatin1Char(' ')) + child->text(0);
            walk(child, depth + 1);
        }
    };
    walk(tree.invisibleRootItem(), 0);
    return out;
}

void Settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

class ProjectViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterProjectClasses();
        ASSERT_TRUE(m_doc.Load(m_env.FilePath(QStringLiteral("mavu.proj"))));
        m_view.UpdateAllViews();
        m_host.m_view = &m_view;
        m_view.SetFileChooser(&m_chooser);
        m_view.SetOptions(&m_options);
        m_view.resize(400, 600);
        m_view.show();
    }
    void TearDown() override { m_host.m_view = nullptr; }

    QString Dir(const QString &name) const
    {
        const QString dir = m_env.Path() + QLatin1Char('/') + name;
        QDir().mkpath(dir);
        return dir;
    }
    QString WriteFile(const QString &rel, const QByteArray &text = "class X {}\n") const
    {
        return m_env.WriteFile(rel, text);
    }
    // A new project, open, as File > New Project leaves it.
    QString NewProject(const QString &name)
    {
        const QString path = Dir(name) + QLatin1Char('/') + name + QStringLiteral(".mavu");
        // Saved first, so that closing it asks nothing.
        if (Project().IsOpen()) {
            EXPECT_TRUE(Project().Save());
        }
        EXPECT_TRUE(m_doc.OpenProject(path, true));
        return path;
    }
    CProject &Project() { return m_doc.GetCurrentProject(); }
    CTreeItem *Node(const QString &name) const { return m_doc.GetRoot()->FindByName(name); }
    CProjectFolder *Folder(const QString &name) const
    {
        return static_cast<CProjectFolder *>(Node(name));
    }
    void Select(const CTreeItem *node) { ASSERT_TRUE(m_view.SelectNode(node)); }
    void AddFiles(const QStringList &paths)
    {
        m_chooser.m_files.push_back(paths);
        m_view.OnAddFile();
    }
    // Writes a file and adds it through the Add File dialog.
    QString AddNew(const QString &rel, const QByteArray &text = "class X {}\n")
    {
        const QString path = WriteFile(rel, text);
        AddFiles({path});
        return path;
    }
    // A new user folder in parent, selected as Add Folder leaves it.
    CTreeItem *NewFolderIn(const CTreeItem *parent)
    {
        Select(parent);
        m_view.OnAddFolder();
        return m_view.SelectedNode();
    }
    // Selects node and presses Delete on the tree.
    void PressDelete(const CTreeItem *node)
    {
        Select(node);
        QTest::keyClick(&m_view, Qt::Key_Delete);
    }
    // Renames node through the in-place editor, typing text and Enter.
    void TypeRename(CTreeItem *node, const QString &text)
    {
        ASSERT_TRUE(m_view.BeginRename(node));
        auto *editor = m_view.findChild<QLineEdit *>();
        ASSERT_NE(editor, nullptr);
        editor->setText(text);
        QTest::keyClick(editor, Qt::Key_Return);
        Settle();
        EXPECT_FALSE(m_view.IsRenamePending());
    }

    // Whether the tree draws item in bold, as its delegate sets it up.
    bool DrawsBold(QTreeWidgetItem *item) const
    {
        auto *delegate = qobject_cast<CMainFileDelegate *>(m_view.itemDelegate());
        EXPECT_NE(delegate, nullptr);
        if (!delegate)
            return false;
        QStyleOptionViewItem option;
        option.initFrom(&m_view);
        delegate->initStyleOption(&option, m_view.indexFromItem(item));
        return option.font.bold();
    }

    CTestEnv m_env;
    CFakePrompter m_prompter;
    CViewHost m_host;
    CIDEOptions m_options;
    CScriptedChooser m_chooser;
    CProjectDoc m_doc{&m_host};
    CProjectView m_view{nullptr, &m_doc};
};

TEST_F(ProjectViewTest, NewProjectShowsOpenAndTakesChosenFilesInNameOrder)
{
    EXPECT_EQ(Dump(m_view), QStringList({"Mavu Projects"}));
    const QString projectPath = NewProject("Alpha");
    EXPECT_EQ(Dump(m_view), QStringList({"Mavu Projects", "  Alpha"}));
    CProjectFolder *alpha = Folder("Alpha");
    ASSERT_NE(alpha, nullptr);
    EXPECT_EQ(m_view.KindOf(alpha), Kind::OpenProject);
    EXPECT_EQ(m_view.SelectedNode(), alpha);

    const QString b = WriteFile("Alpha/B.java");
    const QString a = WriteFile("Alpha/a.java");
    const QString page = WriteFile("Alpha/page.html", "<html></html>");
    AddFiles({b, a, page});
    EXPECT_EQ(m_chooser.m_multiple, QList<bool>{true});
    EXPECT_EQ(Dump(m_view), QStringList({"Mavu Projects", "  Alpha", "    a.java", "    B.java",
                                         "    page.html"}));
    EXPECT_EQ(SortedFiles(Project()), QStringList({b, a, page}));
    EXPECT_TRUE(Project().IsModified());
    EXPECT_TRUE(m_prompter.m_messages.isEmpty());

    // A file already there is reported by the project; the project's own
    // file is refused here, in the same batch, and the rest still goes in.
    const QString c = WriteFile("Alpha/C.java");
    AddFiles({b, projectPath, c});
    EXPECT_EQ(m_prompter.m_messages,
              QStringList({b + QStringLiteral(" file already in the project !!!"),
                           QStringLiteral("Cannot add Mavu project !!!")}));
    EXPECT_EQ(Project().GetFiles().size(), 4);
    EXPECT_EQ(Dump(m_view).mid(2),
              QStringList({"    a.java", "    B.java", "    C.java", "    page.html"}));

    // Cancelling the dialog adds nothing.
    m_view.OnAddFile();
    EXPECT_EQ(Project().GetFiles().size(), 4);
}

TEST_F(ProjectViewTest, AddDirectoryTakesJavaSourcesRecursivelyAndLeavesPresentOnesAlone)
{
    NewProject("Alpha");
    const QString src = Dir("src");
    const QString present = WriteFile("src/Present.java");
    const QString top = WriteFile("src/Top.java");
    const QString upper = WriteFile("src/UPPER.JAVA");
    const QString deep = WriteFile("src/pkg/sub/Deep.java");
    WriteFile("src/notes.txt", "not a source");
    WriteFile("src/.Hidden.java");
    WriteFile("src/.git/Tool.java");
    AddFiles({present});
    ASSERT_TRUE(Project().HasFile(present));
    CProjectFileItem *presentItem = Project().FindFileItem(present);

    m_chooser.m_dirs.push_back(src);
    ASSERT_TRUE(m_view.OnCommand(Cmd::ProjectAddDirectory));
    EXPECT_EQ(m_prompter.m_waitDepth, 0);
    EXPECT_TRUE(m_prompter.m_messages.isEmpty()) << m_prompter.m_messages.join('|').toStdString();

    EXPECT_EQ(SortedFiles(Project()), QStringList({present, top, upper, deep}));
    EXPECT_EQ(Project().FindFileItem(present), presentItem); // the same entry, left alone
    EXPECT_EQ(Dump(m_view).mid(2),
              QStringList({"    Deep.java", "    Present.java", "    Top.java", "    UPPER.JAVA"}));
}

TEST_F(ProjectViewTest, RenamingAFileRenamesItOnDiskOrNotAtAll)
{
    NewProject("Beta");
    const QString dir = Dir("Beta");
    const QString a = WriteFile("Beta/A.java", "class A {}\n");
    const QString taken = WriteFile("Beta/Taken.java", "// not in the project\n");
    const QString b = WriteFile("Beta/B.java", "class B {}\n");
    AddFiles({a, b});
    CTreeItem *item = Node(a);
    Project().SetMainClass(QStringLiteral("A.java"));
    Project().SetModifiedFlag(false);

    // Empty text keeps the name; another entry's name is refused.
    TypeRename(item, QString());
    TypeRename(item, QStringLiteral("B.java"));
    EXPECT_EQ(m_prompter.m_messages,
              QStringList({QStringLiteral("Duplicate file name in the project !!!")}));
    EXPECT_EQ(item->GetName(), a);
    EXPECT_EQ(FileBytes(b), QByteArray("class B {}\n"));
    EXPECT_FALSE(Project().IsModified());
    m_prompter.m_messages.clear();

    // The file on disk goes with the entry, and so do the main class and
    // any editor window of it.
    TypeRename(item, QStringLiteral("C.java"));
    const QString c = dir + QStringLiteral("/C.java");
    EXPECT_TRUE(m_prompter.m_messages.isEmpty()) << m_prompter.m_messages.join('\n').toStdString();
    EXPECT_EQ(item->GetName(), c);
    EXPECT_FALSE(QFile::exists(a));
    EXPECT_EQ(FileBytes(c), QByteArray("class A {}\n"));
    EXPECT_EQ(Project().GetMainClass(), QStringLiteral("C.java"));
    EXPECT_TRUE(m_host.m_calls.contains(QStringLiteral("Renamed %1 %2").arg(a, c)));
    // The file on disk has its new name already: the project file says so
    // at once, so that no later No to the save question leaves it naming a
    // file that is gone.
    EXPECT_FALSE(Project().IsModified());
    {
        CProjectFolder folder(Project().GetPathName());
        CProject reread;
        ASSERT_TRUE(reread.Open(&folder, false));
        EXPECT_TRUE(reread.GetFiles().contains(c));
        EXPECT_FALSE(reread.GetFiles().contains(a));
        EXPECT_EQ(reread.GetMainClass(), QStringLiteral("C.java"));
    }

    // A name another file on disk has: a message, and nothing changes.
    Project().SetModifiedFlag(false);
    TypeRename(item, QStringLiteral("Taken.java"));
    EXPECT_EQ(
        m_prompter.m_messages,
        QStringList{QStringLiteral("File %1 already exists. The file has not been renamed !!!")
                        .arg(taken)});
    EXPECT_EQ(item->GetName(), c);
    EXPECT_EQ(m_view.ItemOf(item)->text(0), QStringLiteral("C.java"));
    EXPECT_EQ(FileBytes(c), QByteArray("class A {}\n"));
    EXPECT_EQ(FileBytes(taken), QByteArray("// not in the project\n"));
    EXPECT_FALSE(Project().IsModified());

    // A rename the system refuses (no such directory): a message, and
    // nothing changes.
    m_prompter.m_messages.clear();
    const QString nowhere = m_env.Path() + QStringLiteral("/no/such/dir/D.java");
    TypeRename(item, nowhere);
    ASSERT_EQ(m_prompter.m_messages.size(), 1);
    EXPECT_TRUE(m_prompter.m_messages.first().startsWith(
        QStringLiteral("Error renaming the file %1 to %2").arg(c, nowhere)))
        << m_prompter.m_messages.first().toStdString();
    EXPECT_EQ(item->GetName(), c);
    EXPECT_TRUE(QFile::exists(c));
    EXPECT_TRUE(Project().HasFile(c));
    EXPECT_FALSE(Project().IsModified());

    // An entry whose file is missing is only renamed in the project.
    m_prompter.m_messages.clear();
    ASSERT_TRUE(QFile::remove(c));
    TypeRename(item, QStringLiteral("E.java"));
    EXPECT_TRUE(m_prompter.m_messages.isEmpty());
    EXPECT_EQ(item->GetName(), dir + QStringLiteral("/E.java"));
    EXPECT_FALSE(QFile::exists(dir + QStringLiteral("/E.java")));
}

TEST_F(ProjectViewTest, FileInfoAndRemovingFilesWhichAsksAboutTheDiskOnlyForTheDeleteKey)
{
    NewProject("Alpha");
    const QString a = WriteFile("Alpha/A.java");
    const QString b = WriteFile("Alpha/B.java");
    const QString c = WriteFile("Alpha/C.java");
    AddFiles({a, b, c});

    // File Info prints its block into the cleared output.
    QSignalSpy cleared(&m_view, &CProjectView::clearOutputRequested);
    Select(Node(a));
    ASSERT_TRUE(m_view.OnCommand(Cmd::ProjectFileInfo));
    ASSERT_EQ(cleared.count(), 1);
    EXPECT_TRUE(m_prompter.m_output.contains("Output|\nFile Path - " + a));

    // The menu command removes the file from the project only.
    ASSERT_TRUE(m_view.OnCommand(Cmd::ProjectRemoveFile));
    EXPECT_FALSE(Project().HasFile(a));
    EXPECT_TRUE(QFileInfo::exists(a));
    EXPECT_TRUE(m_prompter.m_messages.isEmpty());
    EXPECT_EQ(Dump(m_view).mid(2), QStringList({"    B.java", "    C.java"}));

    // The Delete key asks; No is the default and keeps the file.
    PressDelete(Node(b));
    const QString question = QStringLiteral("Do you want to physically delete the file %1 from "
                                            "the disk ???");
    ASSERT_EQ(m_prompter.m_messages, QStringList({question.arg(b)}));
    EXPECT_EQ(m_prompter.m_buttons.last(), CPrompter::YesNo);
    EXPECT_FALSE(Project().HasFile(b));
    EXPECT_TRUE(QFileInfo::exists(b));

    m_prompter.QueueAnswer(CPrompter::AnswerYes);
    PressDelete(Node(c));
    EXPECT_EQ(m_prompter.m_messages.last(), question.arg(c));
    EXPECT_FALSE(QFileInfo::exists(c));
    EXPECT_TRUE(Project().GetFiles().isEmpty());
    EXPECT_EQ(Dump(m_view), QStringList({"Mavu Projects", "  Alpha"}));
}

TEST_F(ProjectViewTest, TheMainClassAndMainHtmlFileStandOutInTheTree)
{
    NewProject("Run");
    const QString main = WriteFile("Run/Main.java");
    const QString other = WriteFile("Run/Other.java");
    // The extension's case does not matter.
    const QString page = WriteFile("Run/Page.HTML", "<p>\n");
    AddFiles({main, other, page});
    QTreeWidgetItem *mainItem = m_view.ItemOf(Node(main));
    QTreeWidgetItem *otherItem = m_view.ItemOf(Node(other));
    QTreeWidgetItem *pageItem = m_view.ItemOf(Node(page));
    ASSERT_TRUE(mainItem && otherItem && pageItem);
    Select(Node(main));
    EXPECT_FALSE(m_view.IsCommandEnabled(Cmd::ProjectMainHtml));
    ASSERT_TRUE(m_view.OnCommand(Cmd::ProjectMainClass));
    EXPECT_EQ(Project().GetMainClass(), QStringLiteral("Main.java"));
    // The tree draws it in bold.
    EXPECT_TRUE(DrawsBold(mainItem));
    EXPECT_FALSE(DrawsBold(otherItem));

    // Main HTML takes over; the main class is plain again.
    Select(Node(page));
    EXPECT_FALSE(m_view.IsCommandEnabled(Cmd::ProjectMainClass));
    ASSERT_TRUE(m_view.OnCommand(Cmd::ProjectMainHtml));
    EXPECT_EQ(Project().GetMainHtml(), QStringLiteral("Page.HTML"));
    EXPECT_TRUE(Project().GetMainClass().isEmpty());
    EXPECT_TRUE(DrawsBold(pageItem));
    EXPECT_FALSE(DrawsBold(mainItem));
}

TEST_F(ProjectViewTest, DeleteKeyRemovesOnlyUserFoldersOpenFilesAndClosedProjects)
{
    // Beta is closed and remembers a file; Alpha is open.
    const QString betaPath = NewProject("Beta");
    const QString betaFile = AddNew("Beta/Old.java");
    const QString alphaPath = NewProject("Alpha");
    CProjectFolder *alpha = Folder("Alpha");
    CProjectFolder *beta = Folder("Beta");
    ASSERT_TRUE(m_view.ExpandNode(beta));
    CTreeItem *old = Node(betaFile);
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(m_view.KindOf(old), Kind::ClosedProjectFileItem);
    const QStringList before = Dump(m_view);
    EXPECT_EQ(before, QStringList({"Mavu Projects", "  Alpha", "  Beta", "    Old.java"}));

    PressDelete(old);             // a file of a closed project: nothing
    PressDelete(alpha);           // the open project: nothing
    PressDelete(m_doc.GetRoot()); // the root: nothing
    EXPECT_EQ(Dump(m_view), before);
    EXPECT_TRUE(m_prompter.m_messages.isEmpty());
    EXPECT_EQ(m_doc.GetRoot()->GetChildCount(), 2);

    // A closed project's node leaves the workspace, its file stays on disk.
    PressDelete(beta);
    EXPECT_EQ(Dump(m_view), QStringList({"Mavu Projects", "  Alpha"}));
    EXPECT_EQ(m_doc.FindProject(betaPath), nullptr);
    EXPECT_TRUE(QFileInfo::exists(betaPath));

    // Add Project brings it back, closed and selected; the same file as
    // one in the tree, spelt in another case, is refused.
    m_chooser.m_files.push_back({betaPath});
    Select(m_doc.GetRoot());
    ASSERT_TRUE(m_view.OnCommand(Cmd::ProjectAddProject));
    beta = m_doc.FindProject(betaPath);
    ASSERT_NE(beta, nullptr);
    EXPECT_EQ(m_view.SelectedNode(), beta);
    EXPECT_EQ(m_view.KindOf(beta), Kind::ClosedProject);
    QString other = alphaPath;
    other.replace(QStringLiteral("Alpha.mavu"), QStringLiteral("ALPHA.MAVU"));
    m_chooser.m_files.push_back({other});
    m_view.OnAddProject();
    EXPECT_EQ(
        m_prompter.m_messages,
        QStringList({QStringLiteral("Project %1 already exists in the tree !!!").arg(other)}));
    EXPECT_EQ(Dump(m_view), QStringList({"Mavu Projects", "  Alpha", "  Beta"}));
    m_prompter.m_messages.clear();

    // A user folder goes without a question, and its files leave the
    // project but stay on disk.
    CTreeItem *folder = NewFolderIn(alpha);
    const QString inner = AddNew("Alpha/Inner.java");
    PressDelete(folder);
    EXPECT_EQ(Dump(m_view), QStringList({"Mavu Projects", "  Alpha", "  Beta"}));
    EXPECT_FALSE(Project().HasFile(inner));
    EXPECT_TRUE(QFileInfo::exists(inner));
    EXPECT_TRUE(m_prompter.m_messages.isEmpty());

    // Once closed, the open one goes too, and the saved workspace agrees.
    Select(alpha);
    ASSERT_TRUE(Project().Save());
    ASSERT_TRUE(m_view.OnCommand(Cmd::ProjectNodeClose));
    EXPECT_EQ(m_view.KindOf(alpha), Kind::ClosedProject);
    PressDelete(alpha);
    EXPECT_EQ(Dump(m_view), QStringList({"Mavu Projects", "  Beta"}));
    CProjectDoc reread;
    ASSERT_TRUE(reread.Load(m_doc.GetPathName()));
    EXPECT_EQ(reread.GetRoot()->GetChildCount(), 1);
    EXPECT_NE(reread.FindProject(betaPath), nullptr);
    EXPECT_TRUE(QFileInfo::exists(alphaPath));
}

TEST_F(ProjectViewTest, DamagedProjectFileStaysClosedAndUntouched)
{
    const QString betaPath = NewProject("Beta");
    const QString b = AddNew("Beta/B.java");
    NewProject("Alpha");
    CProjectFolder *beta = Folder("Beta");
    // Cut the saved project file short.
    QByteArray bytes = FileBytes(betaPath);
    ASSERT_GT(bytes.size(), 40);
    bytes.truncate(bytes.size() - 9);
    WriteFile("Beta/Beta.mavu", bytes);

    ASSERT_TRUE(Project().Save());
    Select(beta);
    ASSERT_TRUE(m_view.OnCommand(Cmd::ProjectNodeOpen));
    ASSERT_EQ(m_prompter.m_messages.size(), 1);
    EXPECT_TRUE(m_prompter.m_messages[0].startsWith(QStringLiteral("Cannot open the project ")));
    EXPECT_EQ(FileBytes(betaPath), bytes);
    // Alpha was closed to make room; both are shown closed, Beta still
    // with the file the workspace remembers.
    EXPECT_EQ(m_view.KindOf(beta), Kind::ClosedProject);
    EXPECT_EQ(m_view.KindOf(Folder("Alpha")), Kind::ClosedProject);
    ASSERT_TRUE(m_view.ExpandNode(beta));
    EXPECT_EQ(Dump(m_view), QStringList({"Mavu Projects", "  Alpha", "  Beta", "    B.java"}));
    EXPECT_EQ(m_view.KindOf(Node(b)), Kind::ClosedProjectFileItem);
}

// A saved workspace comes back as the same tree in a new session, whose
// view keeps its tree current by itself: no host passes the workspace's
// notifications on to it.
TEST_F(ProjectViewTest, SavedWorkspaceReloadsIntoTheSameTreeAndItsViewFollowsItsCommands)
{
    NewProject("Beta");
    NewProject("Alpha");
    AddNew("Alpha/A.java");
    TypeRename(NewFolderIn(Folder("Alpha")), QStringLiteral("lib"));
    const QString b = AddNew("Alpha/lib/B.java");
    ASSERT_TRUE(m_view.ExpandNode(Node("lib")));
    const QStringList shown = Dump(m_view);
    EXPECT_EQ(shown, QStringList({"Mavu Projects", "  Alpha", "    A.java", "    lib",
                                  "      B.java", "  Beta"}));
    ASSERT_TRUE(m_doc.CloseCurrentProject()); // saves the project
    // Opened again, the items shown for it are replaced by its own.
    Select(Folder("Alpha"));
    ASSERT_TRUE(m_view.OnCommand(Cmd::ProjectNodeOpen));
    ASSERT_TRUE(m_view.ExpandNode(Node("lib")));
    EXPECT_EQ(Dump(m_view), shown);
    EXPECT_EQ(m_view.KindOf(Node(b)), Kind::OpenProjectFileItem);
    ASSERT_TRUE(m_doc.CloseCurrentProject());
    ASSERT_TRUE(m_doc.Save());

    CProjectDoc doc;
    ASSERT_TRUE(doc.Load(m_doc.GetPathName()));
    CProjectView view(nullptr, &doc);
    view.SetFileChooser(&m_chooser);
    CTreeItem *alpha = doc.GetRoot()->FindByName(QStringLiteral("Alpha"));
    const auto expandLib = [&] {
        ASSERT_TRUE(view.ExpandNode(alpha));
        ASSERT_TRUE(view.ExpandNode(doc.GetRoot()->FindByName(QStringLiteral("lib"))));
    };
    expandLib();
    EXPECT_EQ(Dump(view), shown);
    EXPECT_EQ(view.KindOf(alpha), Kind::ClosedProject);
    // Opened, the project shows the same files, now as its own.
    view.SelectNode(alpha);
    ASSERT_TRUE(view.OnCommand(Cmd::ProjectNodeOpen));
    EXPECT_EQ(view.KindOf(alpha), Kind::OpenProject);
    expandLib();
    EXPECT_EQ(Dump(view), shown);
    EXPECT_EQ(view.KindOf(doc.GetRoot()->FindByName(b)), Kind::OpenProjectFileItem);
    // A file added and the project closed show at once.
    view.SelectNode(alpha);
    m_chooser.m_files.push_back({WriteFile("Alpha/C.java")});
    view.OnAddFile();
    EXPECT_TRUE(Dump(view).contains(QStringLiteral("    C.java")));
    ASSERT_TRUE(view.OnCommand(Cmd::ProjectNodeClose));
    EXPECT_EQ(view.KindOf(alpha), Kind::ClosedProject);
    EXPECT_EQ(view.KindOf(doc.GetRoot()->FindByName(b)), Kind::ClosedProjectFileItem);
}

TEST_F(ProjectViewTest, ContextMenusFollowTheNodeKind)
{
    NewProject("Beta");
    const QString old = AddNew("Beta/Old.java");
    NewProject("Alpha");
    const QString a = AddNew("Alpha/A.java");
    CTreeItem *folder = NewFolderIn(Folder("Alpha"));
    m_view.ExpandNode(Folder("Beta"));

    struct Row
    {
        CTreeItem *node;
        const char *menu;
        QList<int> enabled;
        QList<int> disabled;
    };
    const Row rows[] = {
        {m_doc.GetRoot(),
         "RootOptions",
         {Cmd::ProjectAddProject, Cmd::ProjectUpdateImages},
         {Cmd::RootCompileOptions}},
        {folder,
         "VirtualFolder",
         {Cmd::ProjectAddFileCtx, Cmd::ProjectRename, Cmd::ProjectDeleteFolder},
         {Cmd::ProjectFindInFiles}},
        {Node(a),
         "OpenProjectFileItem",
         {Cmd::ProjectMainClass, Cmd::ProjectRename, Cmd::ProjectRemoveFile, Cmd::ProjectFileInfo},
         {Cmd::ProjectCompile, Cmd::ProjectMainHtml}},
        {Node(old),
         "ClosedProjectFileItem",
         {Cmd::ProjectFileInfo},
         {Cmd::ProjectMainClass, Cmd::ProjectRename, Cmd::ProjectRemoveFile}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.menu);
        ASSERT_NE(row.node, nullptr);
        std::unique_ptr<QMenu> menu(m_view.CreateContextMenu(row.node));
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName(), QString::fromLatin1(row.menu));
        EXPECT_EQ(m_view.SelectedNode(), row.node);
        QHash<int, QAction *> actions;
        for (QAction *action : menu->actions()) {
            if (!action->isSeparator())
                actions.insert(action->data().toInt(), action);
        }
        for (int id : row.enabled) {
            ASSERT_TRUE(actions.contains(id)) << id;
            EXPECT_TRUE(actions[id]->isEnabled()) << id;
        }
        for (int id : row.disabled) {
            ASSERT_TRUE(actions.contains(id)) << id;
            EXPECT_FALSE(actions[id]->isEnabled()) << id;
        }
    }

    // Triggering a menu item runs it.
    std::unique_ptr<QMenu> menu(m_view.CreateContextMenu(Folder("Alpha")));
    for (QAction *action : menu->actions()) {
        if (action->data().toInt() == Cmd::ProjectAlphaOrder)
            action->trigger();
    }
    EXPECT_EQ(m_view.CommandText(Cmd::ProjectSortLabel), QStringLiteral("Alphabetical Order"));
}

TEST_F(ProjectViewTest, FilesDroppedFromOutsideJoinTheFolderUnderTheCursor)
{
    auto drop = [&](const QStringList &paths, QTreeWidgetItem *onto) {
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString &p : paths)
            urls << QUrl::fromLocalFile(p);
        mime.setUrls(urls);
        const QPoint pos = onto ? m_view.visualItemRect(onto).center() : QPoint(5, 500);
        QDragEnterEvent enter(pos, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_view.viewport(), &enter);
        QDropEvent dropped(QPointF(pos), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_view.viewport(), &dropped);
        return enter.isAccepted() && dropped.isAccepted();
    };
    const QString x = WriteFile("drop/X.java");
    const QString y = WriteFile("drop/Y.java");
    // No project open: nothing to drop into.
    EXPECT_FALSE(drop({x}, nullptr));

    NewProject("Alpha");
    CTreeItem *folder = NewFolderIn(Folder("Alpha"));
    Select(m_doc.GetRoot()); // the drop target counts, not the selection
    EXPECT_TRUE(drop({x, Dir("drop")}, m_view.ItemOf(folder)));
    EXPECT_EQ(Dump(m_view),
              QStringList({"Mavu Projects", "  Alpha", "    Folder", "      X.java"}));
    EXPECT_TRUE(drop({y}, nullptr)); // below the items: the project's top
    EXPECT_EQ(Dump(m_view).last(), QStringLiteral("    Y.java"));
    EXPECT_EQ(Project().GetFiles(), QStringList({y, x}));
}

// Return and a double click on a file ask for its editor; the active
// editor's file is shown in the tree when auto-expand is on.
TEST_F(ProjectViewTest, FilesOpenFromTheTreeAndTheActiveEditorsFileIsExpandedTo)
{
    NewProject("Alpha");
    CTreeItem *folder = NewFolderIn(Folder("Alpha"));
    const QString deep = AddNew("Alpha/Deep.java");
    QSignalSpy open(&m_view, &CProjectView::openFileRequested);
    Select(Node(deep));
    QTest::keyClick(&m_view, Qt::Key_Return);
    ASSERT_EQ(open.count(), 1);
    EXPECT_EQ(open.at(0).at(0).toString(), deep);
    const QRect rect = m_view.visualItemRect(m_view.ItemOf(Node(deep)));
    QTest::mouseClick(m_view.viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    QTest::mouseDClick(m_view.viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    EXPECT_EQ(open.count(), 2);
    Select(folder);
    QTest::keyClick(&m_view, Qt::Key_Return);
    EXPECT_EQ(open.count(), 2) << "a folder is no file";

    m_view.collapseItem(m_view.ItemOf(folder));
    Settle();
    ASSERT_EQ(m_view.ItemOf(Node(deep)), nullptr);
    Select(m_doc.GetRoot());
    m_options.m_autoExpand = 0;
    EXPECT_FALSE(m_view.SelectFile(deep));
    EXPECT_EQ(m_view.SelectedNode(), m_doc.GetRoot());
    m_options.m_autoExpand = 1;
    // Editors may spell the path in another case.
    EXPECT_TRUE(m_view.SelectFile(deep.toUpper()));
    EXPECT_EQ(m_view.SelectedNode(), Node(deep));
    EXPECT_TRUE(m_view.ItemOf(folder)->isExpanded());
    EXPECT_FALSE(m_view.SelectFile(m_env.FilePath(QStringLiteral("Elsewhere.java"))));
}

TEST_F(ProjectViewTest, ImportAddsTheOtherProjectsFilesOnce)
{
    // Another project with three files, one of which this one has already.
    NewProject("Other");
    const QString shared = WriteFile("Other/Shared.java");
    const QString one = WriteFile("Other/One.java");
    const QString two = WriteFile("Other/Two.java");
    AddFiles({shared, one, two});
    const QString otherPath = Project().GetPathName();
    NewProject("Alpha");
    AddFiles({shared});
    m_prompter.m_status.clear();

    m_chooser.m_files.push_back({otherPath});
    ASSERT_TRUE(m_view.OnCommand(Cmd::ProjectImport));
    EXPECT_TRUE(m_prompter.m_messages.isEmpty());
    EXPECT_EQ(SortedFiles(Project()), QStringList({one, shared, two}));
    EXPECT_EQ(QDir::currentPath() + QLatin1Char('/'), Project().GetProjectDir());

    // A damaged project file: a clear message, nothing added, file untouched.
    const QByteArray junk("\x10\x00\x00\x00garbage", 11);
    const QString bad = WriteFile("Bad.mavu", junk);
    m_chooser.m_files.push_back({bad});
    m_view.OnImportProject();
    ASSERT_EQ(m_prompter.m_messages.size(), 1);
    EXPECT_TRUE(m_prompter.m_messages[0].startsWith(QStringLiteral("Cannot open the project ")))
        << m_prompter.m_messages[0].toStdString();
    EXPECT_EQ(Project().GetFiles().size(), 3);
    EXPECT_EQ(FileBytes(bad), junk);
}

TEST(FileChooserTest, FiltersBecomeQtFilters)
{
    const struct
    {
        const char *in, *out;
    } rows[] = {
        {"Mavu Files (*.mavu)|*.mavu|All Files (*.*)|*.*||", "Mavu Files (*.mavu);;All Files (*)"},
        {"HTML Files (*.html;*.htm)|*.html;*.htm||", "HTML Files (*.html *.htm)"},
        {"Odd|*.x", "Odd (*.x)"},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(CDialogFileChooser::ToQtFilter(QString::fromLatin1(row.in)),
                  QString::fromLatin1(row.out));
    }
}

} // namespace

// The class view: the open project's Java files show the classes parsed from
// them, an element opens its file at its line, a class offers its base's
// methods to override, and a file parsed again (after a save) shows its new
// classes.
TEST_F(ProjectViewTest, ClassViewShowsParsedClassesUnderTheirFilesAndFollowsASave)
{
    NewProject("Alpha");
    const QString a = WriteFile("Alpha/A.java", "import java.util.List;\n"
                                                "public class A extends Base {\n"
                                                "    int b;\n"
                                                "    static int c;\n"
                                                "\n"
                                                "    void run() {\n"
                                                "    }\n"
                                                "}\n");
    const QString base =
        WriteFile("Alpha/Base.java", "class Base {\n  public void paint(int g) {}\n"
                                     "  static void helper() {}\n  protected void old() {}\n}\n");
    const QString page = WriteFile("Alpha/page.html", "<html></html>\n");
    AddFiles({a, base, page});
    m_view.OnProjectView();
    ASSERT_EQ(m_options.m_projectView, 1);
    QTreeWidgetItem *fileItem = m_view.ItemOf(Node(a));
    ASSERT_NE(fileItem, nullptr);
    EXPECT_EQ(fileItem->childCount(), 0); // nothing parsed before it is opened

    ASSERT_TRUE(m_view.ExpandNode(Node(a)));
    QTreeWidgetItem *classItem = fileItem->child(1);
    ASSERT_NE(classItem, nullptr);
    m_view.expandItem(classItem);
    m_view.expandItem(classItem->child(0));
    m_view.expandItem(classItem->child(1));
    EXPECT_EQ(Dump(m_view),
              QStringList({"Mavu Projects", "  Alpha", "    A.java", "      Imports",
                           "        java.util.List", "      A extends Base", "        Methods",
                           "          void run( )", "        Variables", "          int c",
                           "          int b", "    Base.java", "    page.html"}));

    // Activation: the file at the element's line, by key and by menu.
    QSignalSpy open(&m_view, &CMyTreeView::openFileAtLineRequested);
    QSignalSpy openFile(&m_view, &CProjectView::openFileRequested);
    QTreeWidgetItem *run = classItem->child(0)->child(0);
    m_view.setCurrentItem(run);
    QTest::keyClick(&m_view, Qt::Key_Return);
    ASSERT_EQ(open.count(), 1);
    EXPECT_EQ(open.at(0).at(0).toString(), a);
    EXPECT_EQ(open.at(0).at(1).toInt(), 6);
    EXPECT_EQ(openFile.count(), 0);
    m_view.setCurrentItem(classItem->child(1)->child(0));
    ASSERT_TRUE(m_view.OnCommand(Cmd::ClassViewOpen));
    ASSERT_EQ(open.count(), 2);
    EXPECT_EQ(open.at(1).at(1).toInt(), 4);
    // A folder of a class is no element: nothing opens.
    m_view.setCurrentItem(classItem->child(0));
    QTest::keyClick(&m_view, Qt::Key_Return);
    EXPECT_EQ(open.count(), 2);

    // The class's menu offers the base's methods to override. What the list
    // holds is the override list's own business; here the menu is wired to
    // the view's request.
    CProjectClassLookup lookup(Project());
    m_view.SetOverrideSource([&](const QString &name) { return lookup.FindClassByName(name); },
                             [](const CVarContainer &type) {
                                 return type.m_name == "Base"
                                            ? QString("<a name=\"old()\"></a><dd>deprecated</dd>")
                                            : QString();
                             });
    const auto overrideMenu = [&](QTreeWidgetItem *item) -> QMenu * {
        QMenu *menu = m_view.CreateContextMenu(m_view.NodeOf(item));
        EXPECT_EQ(menu->objectName(), QStringLiteral("ClassElement"));
        QMenu *sub = menu->findChild<QMenu *>(QStringLiteral("Override"));
        if (!sub)
            delete menu;
        return sub;
    };
    QMenu *sub = overrideMenu(classItem);
    ASSERT_NE(sub, nullptr);
    ASSERT_EQ(sub->actions().size(), 2);
    QStringList chosen;
    QObject::connect(&m_view, &CProjectView::overrideRequested,
                     [&](const CVarMethodDecl *method, const CVarContainer *from) {
                         chosen << from->m_name + "." + method->m_name;
                     });
    sub->actions().at(1)->trigger();
    EXPECT_EQ(chosen, QStringList{"Base.paint"});
    delete sub->parent();

    // Saved with other classes: the file shows them once it is parsed again.
    WriteFile("Alpha/A.java", "class B {}\ninterface C {}\n");
    QFile f(a);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(
        f.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
    f.close();
    m_view.OnFileParsed(a);
    EXPECT_EQ(Dump(m_view), QStringList({"Mavu Projects", "  Alpha", "    A.java", "      B",
                                         "      C", "    Base.java", "    page.html"}));
    EXPECT_EQ(overrideMenu(m_view.ItemOf(Node(a))->child(0)), nullptr); // B has no base

    // Back to the file view: files have no children there.
    m_view.OnProjectView();
    EXPECT_EQ(Dump(m_view), QStringList({"Mavu Projects", "  Alpha", "    A.java", "    Base.java",
                                         "    page.html"}));
}
