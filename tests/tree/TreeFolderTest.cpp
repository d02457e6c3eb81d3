// The child list of a folder: positions, lookups, ownership (the name order
// is TreeOrderTest's).

#include "TreeTestSupport.h"

#include <gtest/gtest.h>

namespace {

// Insertion, removal and deletion against a model of the list are
// TreeOrderTest's; here: what is refused and who frees what.
TEST(TreeFolderTest, RefusalsAndOwnership)
{
    CCountedItem::s_alive = 0;
    {
        CTreeFolder f(QStringLiteral("root"));
        auto *b = new CCountedItem(QStringLiteral("b"));
        f.AddChild(b, false);
        EXPECT_FALSE(f.AddChild(nullptr, true));
        EXPECT_FALSE(f.AddChild(nullptr, false));

        // A different node with the same name is not the child.
        CTreeItem twin(QStringLiteral("b"), 0, 0);
        EXPECT_EQ(f.FindChildPosition(&twin), f.ChildrenEnd());
        EXPECT_FALSE(f.RemoveChild(&twin));

        EXPECT_TRUE(f.RemoveChild(b)); // unlinked, not deleted
        EXPECT_FALSE(f.RemoveChild(b));
        EXPECT_EQ(CCountedItem::s_alive, 1);
        delete b;

        f.AddChild(Folder("sub", {new CCountedItem(QStringLiteral("x"))}), false);
        EXPECT_EQ(CCountedItem::s_alive, 1);
    } // the folder frees the rest, nested ones included
    EXPECT_EQ(CCountedItem::s_alive, 0);
}

TEST(TreeFolderTest, MarkAllReachesTheWholeSubtreeButNotTheFolderItself)
{
    CTreeFolder root(QStringLiteral("root"));
    CTreeItem *deep = Leaf("deep");
    CTreeFolder *inner = Folder("inner", {deep});
    CTreeFolder *outer = Folder("outer", {inner});
    root.AddChild(outer, false);
    root.MarkAll();
    EXPECT_FALSE(root.IsMarked());
    EXPECT_TRUE(outer->IsMarked());
    EXPECT_TRUE(inner->IsMarked());
    EXPECT_TRUE(deep->IsMarked());
    // Only direct children go: a marked grandchild stays with its unmarked parent.
    outer->SetMarked(false);
    root.DeleteMarkedChildren();
    EXPECT_EQ(root.GetChildCount(), 1);
    EXPECT_EQ(outer->GetChildCount(), 1);
}

TEST(TreeFolderTest, FindByNameAndFindParentOfSearchDepthFirstIgnoringCase)
{
    CTreeFolder root(QStringLiteral("root"));
    CTreeItem *target = Leaf("Deep.java");
    CTreeFolder *level2 = Folder("Level2", {Leaf("other"), target});
    CTreeFolder *level1 = Folder("Level1", {level2});
    CTreeItem *later = Leaf("deep.JAVA"); // same name, later in list order
    root.AddChild(Leaf("first"), false);
    root.AddChild(level1, false);
    root.AddChild(later, false);

    EXPECT_EQ(root.FindByName(QStringLiteral("DEEP.java")), target);
    EXPECT_EQ(root.FindByName(QStringLiteral("level2")), level2); // a folder before its subtree
    EXPECT_EQ(root.FindByName(QStringLiteral("first")), root.Children().front());
    EXPECT_EQ(root.FindByName(QStringLiteral("root")),
              nullptr); // the folder itself is not searched
    EXPECT_EQ(root.FindByName(QStringLiteral("missing")), nullptr);

    EXPECT_EQ(root.FindParentOf(QStringLiteral("deep.java")), level2);
    EXPECT_EQ(root.FindParentOf(QStringLiteral("FIRST")), &root);
    EXPECT_EQ(root.FindParentOf(QStringLiteral("level2")), nullptr); // folders are not leaves
    EXPECT_EQ(root.FindParentOf(QStringLiteral("missing")), nullptr);
}

} // namespace
