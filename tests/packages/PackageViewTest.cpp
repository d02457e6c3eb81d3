#include "packages/PackageView.h"

#include "FakePrompter.h"
#include "TestEnv.h"
#include "javamodel/ElementDragToken.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaModel.h"
#include "javamodel/JavaParser.h"
#include "javamodel/PackageObject.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarInterface.h"
#include "javamodel/VarMethodDecl.h"
#include "packages/ClassDumper.h"
#include "packages/PkgDoc.h"

#include <QMenu>
#include <gtest/gtest.h>
#include <memory>

namespace {

class PackageViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterJavaModelClasses();
        Add("package b; public class Vector {} class Zebra {}", "/s/b/Vector.java");
        Add("package a; public class Vector {\n public int size;\n public void add(int x) {}\n}\n"
            "interface Vectored { void grow(); }",
            "/s/a/Vector.java");
        m_view.Refill();
        m_view.m_askText = [this](const QString &, const QString &) { return m_answer; };
    }
    void Add(const char *text, const QString &path)
    {
        std::unique_ptr<CFileObject> file(CJavaParser::ParseText(QByteArray(text)));
        ASSERT_TRUE(file && m_db.AddSourceFile(*file, path));
    }
    // "package/group/element" of the selected item.
    QString Selected() const
    {
        QStringList parts;
        for (QTreeWidgetItem *i = m_view.currentItem(); i && i->parent(); i = i->parent())
            parts.prepend(i->text(0));
        return parts.join(u'/');
    }

    // The child of item with that text, or showing the element of that
    // name (members show their descriptions).
    static QTreeWidgetItem *Child(const CPackageView &view, QTreeWidgetItem *item,
                                  const QString &name)
    {
        for (int i = 0; item && i < item->childCount(); ++i) {
            QTreeWidgetItem *child = item->child(i);
            const CVarObject *element = CMyTreeView::ElementOf(view.NodeOf(child));
            if (!child->isHidden() &&
                (child->text(0) == name || (element && element->m_name == name)))
                return child;
        }
        return nullptr;
    }
    // The item at a "package/group/type/..." path, expanding on the way as
    // the user would.
    QTreeWidgetItem *At(const QString &path)
    {
        QTreeWidgetItem *item = m_view.topLevelItem(0);
        for (const QString &part : path.split(u'/')) {
            m_view.expandItem(item);
            item = Child(m_view, item, part);
            if (!item)
                return nullptr;
        }
        return item;
    }

    CTestEnv m_env;
    CFakePrompter m_prompter;
    CPkgDoc m_db;
    CClassDumper m_introspector{CClassDumper::ClassKind};
    CPackageView m_view{m_db, m_introspector};
    QString m_answer;
};

// A word from a source names a type whole: classes first, else interfaces,
// and Find next goes on to the other packages holding that name.
TEST_F(PackageViewTest, LocateShowsTheTypeOfExactlyThatName)
{
    m_view.Locate("Vectored");
    EXPECT_EQ(Selected(), "a/Interfaces/Vectored");
    m_view.Locate("Vector");
    EXPECT_EQ(Selected(), "a/Classes/Vector");
    m_view.OnCommand(CPackageView::FindNext);
    EXPECT_EQ(Selected(), "b/Classes/Vector");
    EXPECT_TRUE(m_prompter.m_messages.isEmpty());
    m_view.Locate("Vec");
    EXPECT_EQ(Selected(), "b/Classes/Vector");
    EXPECT_EQ(m_prompter.m_messages,
              QStringList{"End of Package hierarchy reached. No more matches."});
}

TEST_F(PackageViewTest, DeletePackageOnlyOnYes)
{
    m_view.setCurrentItem(m_view.PackageItem("a"));
    m_prompter.QueueAnswer(CPrompter::AnswerNo);
    m_view.OnCommand(CPackageView::DeletePackage);
    EXPECT_EQ(m_prompter.m_messages.last(), "Are you sure you want to delete packagea ???");
    EXPECT_NE(m_view.PackageItem("a"), nullptr);
    EXPECT_EQ(m_db.Packages().size(), 2);

    m_prompter.QueueAnswer(CPrompter::AnswerYes);
    m_view.OnCommand(CPackageView::DeletePackage);
    EXPECT_EQ(m_view.PackageItem("a"), nullptr);
    EXPECT_NE(m_view.PackageItem("b"), nullptr);
    EXPECT_EQ(m_db.Package("a"), nullptr);

    // On the root nothing is deleted and nothing asked.
    const qsizetype asked = m_prompter.m_messages.size();
    m_view.setCurrentItem(m_view.topLevelItem(0));
    m_view.OnCommand(CPackageView::DeletePackage);
    EXPECT_EQ(m_prompter.m_messages.size(), asked);
}

TEST_F(PackageViewTest, TypesAndMethodsAreDraggedAsTheirTokens)
{
    CVarClass *vector = m_db.Package("a")->m_classes.first();
    CVarInterface *vectored = m_db.Package("a")->m_interfaces.first();
    // The tokens themselves (markers, drag data) are ClassWizardTest's.
    struct Row
    {
        const char *path;
        CElementDragToken::Kind kind;
        CVarObject *element;
        CVarContainer *owner;
    } rows[] = {
        {"a/Classes/Vector", CElementDragToken::Class, vector, nullptr},
        {"a/Interfaces/Vectored", CElementDragToken::Interface, vectored, nullptr},
        {"a/Classes/Vector/Methods/add", CElementDragToken::Method, vector->m_methods.first(),
         vector},
        {"a/Interfaces/Vectored/Methods/grow", CElementDragToken::Method,
         vectored->m_methods.first(), vectored},
    };
    for (const Row &row : rows) {
        QTreeWidgetItem *item = At(QString::fromLatin1(row.path));
        ASSERT_NE(item, nullptr) << row.path;
        std::unique_ptr<CElementDragToken> token(m_view.CreateDragToken(item));
        ASSERT_NE(token, nullptr) << row.path;
        EXPECT_EQ(token->GetKind(), row.kind) << row.path;
        EXPECT_EQ(token->Element(), row.element) << row.path;
        EXPECT_EQ(token->Owner(), row.owner) << row.path;
    }
    // Packages, groups, fields and placeholders are not dragged.
    for (const char *path :
         {"a", "a/Classes", "a/Classes/Vector/Variables/size", "a/Classes/Vector/Methods"})
        EXPECT_EQ(std::unique_ptr<CElementDragToken>(
                      m_view.CreateDragToken(At(QString::fromLatin1(path)))),
                  nullptr)
            << path;
    EXPECT_TRUE(m_view.dragEnabled());
}

TEST_F(PackageViewTest, ActivationOpensTheSourceWhereTheElementIsDeclared)
{
    // The database's copy says the method is on line 3; the source on disk
    // has moved it since (an introspected class has the lines of the
    // introspector's output): the source decides.
    const QString source =
        m_env.WriteFile("src/a/Vector.java",
                        "package a;\n\n// moved\npublic class Vector {\n\n  public int size;\n\n"
                        "  public void add(int x) {}\n}\n");
    QStringList asked;
    m_view.m_findSource = [&](const CVarContainer &type, const CPackageObject &package) {
        asked << package.m_packageName + u'.' + type.m_name;
        return type.m_name == QLatin1String("Vector") ? source : QString();
    };
    QList<std::pair<QString, int>> opened;
    QObject::connect(&m_view, &CMyTreeView::openFileAtLineRequested,
                     [&](const QString &path, int line) {
                         opened.append({path, line});
                     });
    auto activate = [&](const char *path) {
        QTreeWidgetItem *item = At(QString::fromLatin1(path));
        ASSERT_NE(item, nullptr) << path;
        m_view.setCurrentItem(item);
        emit m_view.itemActivated(item, 0);
    };

    activate("a/Classes/Vector/Methods/add");
    activate("a/Classes/Vector/Variables/size");
    activate("a/Classes/Vector");
    using Opened = QList<std::pair<QString, int>>;
    EXPECT_EQ(opened, Opened({{source, 8}, {source, 6}, {source, 4}}));
    EXPECT_EQ(asked.size(), 3);
    EXPECT_EQ(asked.first(), "a.Vector");

    // Without a source nothing opens, and the status line says why.
    opened.clear();
    activate("a/Interfaces/Vectored/Methods/grow");
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(asked.last(), "a.Vectored");
    EXPECT_EQ(m_prompter.m_status.last(), "No source file found for Vectored");
    // Packages and groups only open and close.
    const qsizetype before = asked.size();
    activate("a/Classes");
    EXPECT_EQ(asked.size(), before);
}

TEST_F(PackageViewTest, EveryViewFollowsEachChangeOfTheDatabase)
{
    CPackageView other(m_db, m_introspector);
    other.Refill();
    int updates = 0;
    const int counter = m_db.AddView([&] { ++updates; });

    // Elements shown in both views are replaced by a new parse of their
    // file: neither view may keep the old ones.
    ASSERT_NE(At("a/Classes/Vector/Methods/add"), nullptr);
    other.expandItem(other.PackageItem("a"));
    m_view.setCurrentItem(At("b/Classes/Vector"));
    Add("package a; public class Vector { public void put(int x) {} }", "/s/a/Vector.java");
    EXPECT_EQ(updates, 1);
    // The rebuild keeps open what the user had open, and their place.
    EXPECT_EQ(Selected(), "b/Classes/Vector");
    QTreeWidgetItem *open = m_view.PackageItem("a");
    for (const char *name : {"Classes", "Vector", "Methods"}) {
        ASSERT_TRUE(open && open->isExpanded()) << name;
        open = Child(m_view, open, name);
    }
    ASSERT_TRUE(open && open->isExpanded());
    EXPECT_NE(Child(m_view, open, "put"), nullptr);
    EXPECT_EQ(At("a/Classes/Vector/Methods/add"), nullptr);
    EXPECT_NE(At("a/Classes/Vector/Methods/put"), nullptr);
    other.expandItem(other.PackageItem("a"));
    QTreeWidgetItem *classes = Child(other, other.PackageItem("a"), "Classes");
    ASSERT_NE(classes, nullptr);
    other.expandItem(Child(other, classes, "Vector"));
    EXPECT_EQ(other.TypeOf(Child(other, classes, "Vector")), m_db.Package("a")->m_classes.first());

    // A command that adds several files refreshes once, at the end.
    m_view.m_chooseFiles = [&](const QString &, const QString &) {
        return QStringList{m_env.WriteFile("c/One.java", "package c; class One {}"),
                           m_env.WriteFile("c/Two.java", "package c; class Two {}"),
                           m_env.WriteFile("d/Three.java", "package d; class Three {}")};
    };
    m_view.OnCommand(CPackageView::AddUpdate);
    EXPECT_EQ(updates, 2);
    EXPECT_NE(other.PackageItem("c"), nullptr);
    EXPECT_NE(other.PackageItem("d"), nullptr);

    // A package deleted in one view leaves the other.
    m_view.setCurrentItem(m_view.PackageItem("c"));
    m_prompter.QueueAnswer(CPrompter::AnswerYes);
    m_view.OnCommand(CPackageView::DeletePackage);
    EXPECT_EQ(updates, 3);
    EXPECT_EQ(other.PackageItem("c"), nullptr);
    m_db.RemoveView(counter);
}

} // namespace
