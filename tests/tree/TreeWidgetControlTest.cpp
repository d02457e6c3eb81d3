// Folders filling and pruning a real tree widget (offscreen platform).

#include "tree/TreeWidgetControl.h"

#include "TreeTestSupport.h"

#include <QApplication>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

QStringList Texts(QTreeWidgetItem *parent)
{
    QStringList out;
    for (int i = 0; i < parent->childCount(); ++i)
        out << parent->child(i)->text(0);
    return out;
}

// Lets posted deletions run.
void Settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

class TreeWidgetControlTest : public ::testing::Test
{
protected:
    QTreeWidget m_widget;
    CTreeWidgetControl m_control{&m_widget};
    CTreeFolder m_root{QStringLiteral("Root")};

    QTreeWidgetItem *InsertRoot()
    {
        return CTreeWidgetControl::ToItem(
            m_control.InsertItem(TVI_ROOT, m_root.GetDisplayName(), m_root.GetImage(),
                                 m_root.GetSelectedImage(), m_root.HasChildren(), &m_root));
    }
};

TEST_F(TreeWidgetControlTest, EmptyFolderRefusesExpansionUntilItHasChildren)
{
    QTreeWidgetItem *item = InsertRoot();
    m_widget.expandItem(item);
    EXPECT_FALSE(item->isExpanded());
    EXPECT_FALSE(m_root.IsPopulated());
    EXPECT_EQ(item->childCount(), 0);
    // The expand button stays, so the user can try again later.
    EXPECT_EQ(item->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);

    m_root.AddChild(Leaf("b.java"), true);
    m_root.AddChild(new CTreeFolder(QStringLiteral("Zdir")), true);
    m_root.AddChild(Leaf("A.java"), true);
    m_widget.expandItem(item);
    EXPECT_TRUE(item->isExpanded());
    EXPECT_TRUE(m_root.IsPopulated());
    // Sorted in the control, ignoring case; folders expandable, leaves not.
    EXPECT_EQ(Texts(item), QStringList({"A.java", "b.java", "Zdir"}));
    EXPECT_EQ(item->child(2)->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    EXPECT_NE(item->child(0)->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);

    // Asked again while its children are shown, the folder adds nothing.
    EXPECT_FALSE(m_root.OnItemExpanding(m_control, {CTreeWidgetControl::ToHandle(item)}));
    EXPECT_EQ(item->childCount(), 3);
}

TEST_F(TreeWidgetControlTest, CollapseAndExpandShowTheCurrentChildren)
{
    auto *sub = Folder("sub", {Leaf("inner")});
    m_root.AddChild(Leaf("one"), true);
    m_root.AddChild(sub, true);
    m_root.AddChild(Leaf("two"), true);
    QTreeWidgetItem *item = InsertRoot();
    m_widget.expandItem(item);
    m_widget.expandItem(item->child(1));
    ASSERT_EQ(Texts(item->child(1)), QStringList({"inner"}));

    // A nested folder collapses in place.
    m_widget.collapseItem(item->child(1));
    Settle();
    EXPECT_EQ(Texts(item), QStringList({"one", "sub", "two"}));
    EXPECT_EQ(item->child(1)->childCount(), 0);
    EXPECT_FALSE(sub->IsPopulated());
    EXPECT_TRUE(m_root.IsPopulated());

    m_widget.collapseItem(item);
    EXPECT_FALSE(m_root.IsPopulated());
    // A fresh, empty item for the folder replaces the old one once the
    // posted deletion has run.
    Settle();
    ASSERT_EQ(m_widget.topLevelItemCount(), 1);
    QTreeWidgetItem *fresh = m_widget.topLevelItem(0);
    EXPECT_EQ(fresh->childCount(), 0);
    EXPECT_EQ(m_control.GetItemData(CTreeWidgetControl::ToHandle(fresh)), &m_root);

    // The model changes while collapsed ...
    CTreeItem *one = m_root.FindByName(QStringLiteral("one"));
    m_root.RemoveChild(one);
    delete one;
    m_root.AddChild(Leaf("three"), true);
    // ... and the next expansion shows it as it is now.
    m_widget.expandItem(fresh);
    EXPECT_EQ(Texts(fresh), QStringList({"sub", "three", "two"}));

    // A posted deletion of an item already gone is harmless.
    m_control.PostDeleteItem(CTreeWidgetControl::ToHandle(fresh));
    m_widget.clear();
    Settle();
}

TEST_F(TreeWidgetControlTest, FindInsertPositionKeepsLeavesInOrder)
{
    QTreeWidgetItem *item = InsertRoot();
    const HTREEITEM parent = CTreeWidgetControl::ToHandle(item);
    CTreeItem probe(QStringLiteral("M.java"), 0, 0);
    // No children yet: first.
    EXPECT_EQ(m_root.FindInsertPosition(m_control, parent, &probe), TVI_FIRST);

    CTreeFolder dirA(QStringLiteral("A-dir")), dirZ(QStringLiteral("Z-dir"));
    CTreeItem b(QStringLiteral("b.java"), 0, 0), k(QStringLiteral("K.java"), 0, 0),
        q(QStringLiteral("q.java"), 0, 0);
    const auto add = [&](CTreeItem &n) {
        return m_control.InsertItem(parent, n.GetDisplayName(), 0, 0, n.HasChildren(), &n);
    };
    // Folders (skipped by the search) sit among the leaves: Z-dir b K A-dir q
    add(dirZ);
    const HTREEITEM hb = add(b);
    add(k);
    const HTREEITEM hdirA = add(dirA);
    add(q);

    struct Row
    {
        const char *name;
        HTREEITEM expected;
    };
    const Row rows[] = {
        {"a.java", CTreeWidgetControl::ToHandle(item->child(0))}, // after Z-dir, before b
        {"B.JAVA", CTreeWidgetControl::ToHandle(item->child(0))}, // equal goes before
        {"c.java", hb},
        {"m.java", hdirA}, // the sibling just before q, a folder
        {"zz.java", TVI_LAST},
    };
    for (const Row &row : rows) {
        CTreeItem node(QString::fromUtf8(row.name), 0, 0);
        EXPECT_EQ(m_root.FindInsertPosition(m_control, parent, &node), row.expected) << row.name;
    }

    // A leaf before which nothing stands: insert first.
    QTreeWidget other;
    CTreeWidgetControl control(&other);
    CTreeItem x(QStringLiteral("x"), 0, 0);
    control.InsertItem(TVI_ROOT, QStringLiteral("x"), 0, 0, false, &x);
    CTreeItem a(QStringLiteral("a"), 0, 0);
    EXPECT_EQ(m_root.FindInsertPosition(control, TVI_ROOT, &a), TVI_FIRST);

    // The answer is usable as an insert position.
    CTreeItem c(QStringLiteral("c.java"), 0, 0);
    add(c);
    CTreeItem n(QStringLiteral("n.java"), 0, 0);
    m_control.InsertItem(parent, n.GetDisplayName(), 0, 0, false, &n,
                         m_root.FindInsertPosition(m_control, parent, &n));
    EXPECT_EQ(Texts(item),
              QStringList({"Z-dir", "b.java", "K.java", "A-dir", "n.java", "q.java", "c.java"}));
}

// The test classes are registered once, before any test runs.
class RegisterClasses : public ::testing::Environment
{
public:
    void SetUp() override { RegisterTestClasses(); }
};
const ::testing::Environment *const kRegisterClasses =
    ::testing::AddGlobalTestEnvironment(new RegisterClasses);

} // namespace
