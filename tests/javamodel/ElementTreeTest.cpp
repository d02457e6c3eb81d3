#include "ParseHelpers.h"
#include "core/Prompter.h"
#include "javamodel/ElementTreeBuilder.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaParser.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarInterface.h"
#include "javamodel/Variable.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// A tree control in memory: enough of one to see what the builder puts
// where, in which order, with which image and whether in bold.
class CMemoryTree final : public CTreeControl
{
public:
    struct Node
    {
        Node *parent = nullptr;
        std::vector<Node *> children;
        QString text;
        int image = 0;
        bool expandable = false;
        bool bold = false;
        CTreeItem *data = nullptr;
    };

    HTREEITEM InsertItem(HTREEITEM parent, const QString &text, int image, int, bool expandable,
                         CTreeItem *data, HTREEITEM after) override
    {
        Node *p = ToNode(parent);
        auto node = std::make_unique<Node>();
        node->parent = p;
        node->text = text;
        node->image = image;
        node->expandable = expandable;
        node->data = data;
        auto &list = p->children;
        auto at = list.end();
        if (after == TVI_FIRST)
            at = list.begin();
        else if (after != TVI_LAST)
            at = std::find(list.begin(), list.end(), ToNode(after)) + 1;
        list.insert(at, node.get());
        m_all.push_back(std::move(node));
        return reinterpret_cast<HTREEITEM>(m_all.back().get());
    }
    void DeleteItem(HTREEITEM) override {}
    void PostDeleteItem(HTREEITEM) override {}
    void SetItemImage(HTREEITEM item, int image, int) override { ToNode(item)->image = image; }
    int GetItemImage(HTREEITEM item) const override { return ToNode(item)->image; }
    int GetItemSelectedImage(HTREEITEM item) const override { return ToNode(item)->image; }
    void SetItemText(HTREEITEM item, const QString &text) override { ToNode(item)->text = text; }
    QString GetItemText(HTREEITEM item) const override { return ToNode(item)->text; }
    CTreeItem *GetItemData(HTREEITEM item) const override { return ToNode(item)->data; }
    void SortChildren(HTREEITEM) override {}
    HTREEITEM GetParentItem(HTREEITEM item) const override { return H(ToNode(item)->parent); }
    HTREEITEM GetChildItem(HTREEITEM parent) const override
    {
        const Node *p = ToNode(parent);
        return p->children.empty() ? nullptr : H(p->children.front());
    }
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const override
    {
        const Node *n = ToNode(item);
        auto &list = n->parent->children;
        auto it = std::find(list.begin(), list.end(), n) + 1;
        return it == list.end() ? nullptr : H(*it);
    }
    HTREEITEM GetPrevSiblingItem(HTREEITEM) const override { return nullptr; }
    bool IsExpanded(HTREEITEM) const override { return false; }
    void Expand(HTREEITEM item, bool) override
    {
        Node *n = ToNode(item);
        n->data->OnItemExpanding(*this, CTreeNotification{item});
    }
    void SelectItem(HTREEITEM) override {}
    HTREEITEM GetSelectedItem() const override { return nullptr; }
    void SetItemBold(HTREEITEM item, bool bold) override { ToNode(item)->bold = bold; }
    bool IsItemBold(HTREEITEM item) const override { return ToNode(item)->bold; }

    Node &Root() { return m_root; }
    // The texts of a node's children, a bold one marked with a '*'.
    static QStringList Texts(const Node &node)
    {
        QStringList texts;
        for (const Node *child : node.children)
            texts << (child->bold ? "*" : "") + child->text;
        return texts;
    }
    static HTREEITEM H(const Node *n) { return reinterpret_cast<HTREEITEM>(const_cast<Node *>(n)); }
    Node *ToNode(HTREEITEM h) const
    {
        if (!h || h == TVI_ROOT)
            return const_cast<Node *>(&m_root);
        return reinterpret_cast<Node *>(h);
    }

private:
    Node m_root;
    std::vector<std::unique_ptr<Node>> m_all;
};

struct Built
{
    std::unique_ptr<CFileObject> file;
    CMemoryTree tree;
    std::unique_ptr<CElementTreeBuilder> builder;
};

std::unique_ptr<Built> Build(const char *source)
{
    auto b = std::make_unique<Built>();
    b->file.reset(CJavaParser::ParseText(QByteArray(source)));
    b->builder = std::make_unique<CElementTreeBuilder>(b->tree);
    b->builder->AddFile(TVI_ROOT, *b->file);
    return b;
}

CMemoryTree::Node *Child(CMemoryTree::Node &parent, const QString &text)
{
    for (CMemoryTree::Node *child : parent.children) {
        if (child->text == text || child->text == "*" + text)
            return child;
    }
    return nullptr;
}

// Expands node as a user would and returns it.
CMemoryTree::Node &Open(CMemoryTree &tree, CMemoryTree::Node *node)
{
    EXPECT_NE(node, nullptr);
    tree.Expand(CMemoryTree::H(node), true);
    return *node;
}

} // namespace

TEST(ElementTree, StaticsComeFirstInBoldThenEveryoneByName)
{
    auto b = Build("class T {\n"
                   "  int b;\n"
                   "  static int c;\n"
                   "  static int a;\n"
                   "  int B2;\n"
                   "  void zeta() {}\n"
                   "  static void Main(String[] x) {}\n"
                   "  void alpha() {}\n"
                   "  static void beta() {}\n"
                   "}\n");
    CMemoryTree &tree = b->tree;
    CMemoryTree::Node &cls = Open(tree, Child(tree.Root(), "T"));
    EXPECT_EQ(CMemoryTree::Texts(cls), (QStringList{"Methods", "Variables"}));
    CMemoryTree::Node &vars = Open(tree, Child(cls, "Variables"));
    EXPECT_EQ(CMemoryTree::Texts(vars), (QStringList{"*int a", "*int c", "int b", "int B2"}));
    CMemoryTree::Node &methods = Open(tree, Child(cls, "Methods"));
    EXPECT_EQ(CMemoryTree::Texts(methods), (QStringList{"*void beta( )", "*void Main(String[])",
                                                        "void alpha( )", "void zeta( )"}));

    // A member added later (the wizard's copy) still finds its place.
    CVarObject extra;
    extra.m_name = "bb";
    extra.m_static = 1;
    const HTREEITEM after = b->builder->FindTreeInsertPos(CMemoryTree::H(&vars), extra);
    ASSERT_NE(after, TVI_FIRST);
    EXPECT_EQ(tree.GetItemText(after), "int a");
    extra.m_static = 0;
    EXPECT_EQ(tree.GetItemText(b->builder->FindTreeInsertPos(CMemoryTree::H(&vars), extra)),
              "int B2");
    extra.m_name = "A";
    EXPECT_EQ(tree.GetItemText(b->builder->FindTreeInsertPos(CMemoryTree::H(&vars), extra)),
              "int c");
}

TEST(ElementTree, MembersShowTheirAccessAndEmptyNamesAreLeftOut)
{
    auto b = Build("import java.util.List;\n"
                   "public class T {\n"
                   "  public int pub; protected int pro; private int pri; int pkg;\n"
                   "}\n"
                   "interface Empty {}\n");
    CMemoryTree &tree = b->tree;
    EXPECT_EQ(CMemoryTree::Texts(tree.Root()), (QStringList{"Imports", "Empty", "T"}));
    CMemoryTree::Node &imports = *Child(tree.Root(), "Imports");
    ASSERT_EQ(imports.children.size(), 1u);
    EXPECT_EQ(imports.children[0]->image, TreeImage::Import);
    EXPECT_EQ(Child(tree.Root(), "T")->image, TreeImage::Class);
    EXPECT_EQ(Child(tree.Root(), "Empty")->image, TreeImage::Interface);

    CMemoryTree::Node &vars = Open(tree, Child(Open(tree, Child(tree.Root(), "T")), "Variables"));
    QList<int> images;
    for (const char *name : {"int pkg", "int pri", "int pro", "int pub"})
        images << Child(vars, name)->image;
    EXPECT_EQ(images, (QList<int>{TreeImage::MemberPackage, TreeImage::MemberPrivate,
                                  TreeImage::MemberProtected, TreeImage::MemberPublic}));

    // An interface without members shows the placeholder in both folders.
    CMemoryTree::Node &empty = Open(tree, Child(tree.Root(), "Empty"));
    EXPECT_EQ(CMemoryTree::Texts(Open(tree, Child(empty, "Methods"))), QStringList{"<none>"});

    // A member whose header could not be read has no name: no node.
    CVarClass *t = b->file->FindClassOnlyByName("T");
    ASSERT_NE(t, nullptr);
    t->m_variables.first()->m_name.clear();
    CMemoryTree fresh;
    CElementTreeBuilder again(fresh);
    for (CVariable *v : t->m_variables)
        again.AddToTree(TVI_ROOT, *v);
    EXPECT_EQ(fresh.Root().children.size(), 3u);
}
