#include "packages/PackageView.h"

#include "FakePrompter.h"
#include "TestEnv.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaModel.h"
#include "javamodel/JavaParser.h"
#include "packages/ClassDumper.h"
#include "packages/PkgDoc.h"

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
        Add("package a; public class Vector {} interface Vectored {}", "/s/a/Vector.java");
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
        return parts.join(QLatin1Char('/'));
    }

    CTestEnv m_env;
    CFakePrompter m_prompter;
    CPkgDoc m_db;
    CClassDumper m_introspector{CClassDumper::ClassKind};
    CPackageView m_view{m_db, m_introspector};
    QString m_answer;
};

TEST_F(PackageViewTest, FindSelectsEachPackagesElementInTurn)
{
    QTreeWidgetItem *root = m_view.topLevelItem(0);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->text(0), QStringLiteral("Packages"));
    ASSERT_EQ(root->childCount(), 2);
    // Packages are filled when opened.
    EXPECT_EQ(m_view.PackageItem(QStringLiteral("a"))->childCount(), 0);

    m_answer = QStringLiteral("vec");
    m_view.OnCommand(CPackageView::FindClass);
    EXPECT_EQ(Selected(), QStringLiteral("a/Classes/Vector"));
    m_view.OnCommand(CPackageView::FindNext);
    EXPECT_EQ(Selected(), QStringLiteral("b/Classes/Vector"));
    m_view.OnCommand(CPackageView::FindNext);
    EXPECT_EQ(Selected(), QStringLiteral("b/Classes/Vector"));
    EXPECT_EQ(m_prompter.m_messages,
              QStringList{QStringLiteral("End of Package hierarchy reached. No more matches.")});

    m_view.OnCommand(CPackageView::FindInterface);
    EXPECT_EQ(Selected(), QStringLiteral("a/Interfaces/Vectored"));
    // An empty answer is a cancel: the selection stays.
    m_answer.clear();
    m_view.OnCommand(CPackageView::FindClass);
    EXPECT_EQ(Selected(), QStringLiteral("a/Interfaces/Vectored"));
}

TEST_F(PackageViewTest, DeletePackageOnlyOnYes)
{
    m_view.setCurrentItem(m_view.PackageItem(QStringLiteral("a")));
    m_prompter.QueueAnswer(CPrompter::AnswerNo);
    m_view.OnCommand(CPackageView::DeletePackage);
    EXPECT_EQ(m_prompter.m_messages.last(),
              QStringLiteral("Are you sure you want to delete packagea ???"));
    EXPECT_NE(m_view.PackageItem(QStringLiteral("a")), nullptr);
    EXPECT_EQ(m_db.Packages().size(), 2);

    m_prompter.QueueAnswer(CPrompter::AnswerYes);
    m_view.OnCommand(CPackageView::DeletePackage);
    EXPECT_EQ(m_view.PackageItem(QStringLiteral("a")), nullptr);
    EXPECT_NE(m_view.PackageItem(QStringLiteral("b")), nullptr);
    EXPECT_EQ(m_db.Package(QStringLiteral("a")), nullptr);

    // On the root nothing is deleted and nothing asked.
    const qsizetype asked = m_prompter.m_messages.size();
    m_view.setCurrentItem(m_view.topLevelItem(0));
    m_view.OnCommand(CPackageView::DeletePackage);
    EXPECT_EQ(m_prompter.m_messages.size(), asked);
}

TEST_F(PackageViewTest, ADatabaseReadLaterFillsTheTree)
{
    const QString path = m_env.FilePath("mavu.pkg");
    m_db.Open(path);
    Add("package a; public class Vector {}", "/s/a/Vector.java");
    ASSERT_TRUE(m_db.Save());

    // Read when the tab first shows, or before that by the start-up timer.
    for (bool shownFirst : {true, false}) {
        CPkgDoc later;
        later.OpenLater(path);
        CPackageView view(later, m_introspector);
        if (shownFirst) {
            view.show();
        } else {
            later.EnsureLoaded();
            view.show();
        }
        ASSERT_NE(view.topLevelItem(0), nullptr);
        EXPECT_EQ(view.topLevelItem(0)->childCount(), 1) << shownFirst;
        EXPECT_NE(view.PackageItem(QStringLiteral("a")), nullptr);
    }
}

} // namespace
