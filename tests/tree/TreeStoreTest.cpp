// The tagged tree form: exact bytes, round trips of every shape, the
// child-adding policy, and damaged files.

#include "TreeTestSupport.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

class TreeStoreTest : public ::testing::Test
{
protected:
    void SetUp() override { RegisterTestClasses(); }
};

// One line per node: depth, class, name; equal dumps mean equal trees.
void Dump(const CTreeItem &node, int depth, QStringList &out)
{
    out << QStringLiteral("%1 %2 %3")
               .arg(depth)
               .arg(QString::fromLatin1(node.GetRuntimeClass()->m_lpszClassName), node.GetName());
    if (node.IsFolder()) {
        for (const CTreeItem *c : static_cast<const CTreeFolder &>(node).Children())
            Dump(*c, depth + 1, out);
    }
}

QStringList Dump(const CTreeFolder &root)
{
    QStringList out;
    Dump(root, 0, out);
    return out;
}

QByteArray StoreTree(const CTreeFolder &root)
{
    return StoreBytes([&](CArchive &ar) { root.WriteTree(ar); });
}

std::unique_ptr<CTreeFolder>
LoadTree(const QByteArray &bytes, const CTreeFolder::AddChildPolicy &add = CTreeFolder::AppendChild)
{
    std::unique_ptr<CTreeFolder> root;
    LoadBytes(bytes, [&](CArchive &ar) {
        root.reset(CTreeFolder::ReadTree(ar, RUNTIME_CLASS(CTreeFolder), add));
        EXPECT_THROW(ar.ReadBYTE(), CArchiveException) << "bytes left after the tree";
    });
    return root;
}

std::unique_ptr<CTreeFolder> ThreeChildren()
{
    return std::unique_ptr<CTreeFolder>(Folder(
        "Root", {Leaf("A.java"), Folder("Sub", {Leaf("x.java"), Leaf("y.java")}), Leaf("c.java")}));
}

TEST_F(TreeStoreTest, ThreeChildrenExampleHasTheExactLayout)
{
    // Class numbers: CTreeFolder 1, root object 2, CTreeItem 3, then objects.
    const QByteArray expected = Dw(1) + W(0xFFFF) + Dw(1) + Str("CTreeFolder") + Dw(3) +
                                Str("Root")                                                    //
                                + Dw(2) + W(0xFFFF) + Dw(1) + Str("CTreeItem") + Str("A.java") //
                                + Dw(1) + W(0x8001) + Dw(2) + Str("Sub")                       //
                                + Dw(2) + W(0x8003) + Str("x.java")                            //
                                + Dw(2) + W(0x8003) + Str("y.java")                            //
                                + Dw(2) + W(0x8003) + Str("c.java");
    EXPECT_EQ(StoreTree(*ThreeChildren()).toHex(' '), expected.toHex(' '));
}

// Folders nested levels deep below the root, each level with a leaf too.
std::unique_ptr<CTreeFolder> Deep(int levels)
{
    auto root = std::make_unique<CTreeFolder>(QStringLiteral("d0"));
    CTreeFolder *at = root.get();
    for (int i = 1; i <= levels; ++i) {
        auto *next = new CTreeFolder(QStringLiteral("d%1").arg(i));
        at->AddChild(Leaf(QStringLiteral("leaf%1").arg(i)), false);
        at->AddChild(next, false);
        at = next;
    }
    return root;
}

TEST_F(TreeStoreTest, EveryShapeRoundTripsUpToTheDepthLimit)
{
    std::vector<std::unique_ptr<CTreeFolder>> shapes;
    shapes.push_back(ThreeChildren());
    shapes.emplace_back(new CTreeFolder(QStringLiteral("empty")));
    shapes.emplace_back(Folder(QString(), {Leaf(QString()), Folder(QString())}));
    shapes.push_back(Deep(CTreeFolder::kMaxStoredDepth)); // as deep as the reader accepts
    // Names of every length form and of every script; the stored order is
    // kept, not re-sorted.
    shapes.emplace_back(
        Folder("名前 – ñ \U0001F333", {Leaf(QString(300, QChar(0x00E9))), // 600 UTF-8 bytes
                                       Folder("Ünïcödé", {Leaf("z"), Leaf("a")})}));
    for (const auto &shape : shapes) {
        const QByteArray bytes = StoreTree(*shape);
        auto loaded = LoadTree(bytes);
        ASSERT_TRUE(loaded);
        EXPECT_EQ(Dump(*loaded), Dump(*shape)) << shape->GetName().left(20).toStdString();
        EXPECT_EQ(loaded->GetStoredChildCount(), quint32(shape->GetChildCount()));
        // Writing what was read gives the same bytes.
        EXPECT_EQ(StoreTree(*loaded), bytes);
    }

    // One level deeper is neither written nor read (hand-made: folders
    // each holding one folder).
    EXPECT_THROW(StoreTree(*Deep(CTreeFolder::kMaxStoredDepth + 1)), CArchiveException);
    QByteArray bytes;
    for (int i = 0; i <= CTreeFolder::kMaxStoredDepth + 1; ++i)
        bytes += Dw(1) + (i == 0 ? W(0xFFFF) + Dw(1) + Str("CTreeFolder") : W(0x8001)) + Dw(1) +
                 Str("d");
    const QString msg = ExpectFailure(bytes, CArchiveException::BadFormat, [](CArchive &ar) {
        std::unique_ptr<CTreeFolder> r(CTreeFolder::ReadTree(ar, nullptr));
    });
    EXPECT_TRUE(msg.contains(QStringLiteral("1000"))) << msg.toStdString();
}

TEST_F(TreeStoreTest, RefusedChildrenAreDroppedWithTheirSubtree)
{
    // A folder that refuses duplicates: the second "Dup" folder and its
    // children are read (to stay in step with the file) and then freed.
    CCountedItem::s_alive = 0;
    auto root = std::make_unique<CUniqueFolder>();
    root->SetName(QStringLiteral("r"));
    for (CTreeItem *child : std::initializer_list<CTreeItem *>{
             Folder("Dup", {new CCountedItem("kept")}), Folder("dup", {new CCountedItem("lost")}),
             new CCountedItem("x"), new CCountedItem("X")})
        root->CTreeFolder::AddChild(child, false);
    const QByteArray bytes = StoreBytes([&](CArchive &ar) { root->WriteTree(ar); });
    root.reset();
    ASSERT_EQ(CCountedItem::s_alive, 0);

    // Object numbers: root 2, Dup 4, kept 6, dup 7, lost 8, x 9, X 10.
    // After the tree, the kept "Dup" can be referred to; the freed "dup"
    // and "lost" cannot.
    for (const quint16 freed : {7, 8}) {
        LoadBytes(bytes + W(4) + W(freed), [](CArchive &ar) {
            std::unique_ptr<CTreeFolder> loaded(
                CTreeFolder::ReadTree(ar, RUNTIME_CLASS(CUniqueFolder), CTreeFolder::AppendChild));
            EXPECT_EQ(loaded->GetRuntimeClass(), RUNTIME_CLASS(CUniqueFolder));
            EXPECT_EQ(ChildNames(*loaded), QStringList({"Dup", "x"}));
            EXPECT_EQ(CCountedItem::s_alive, 2); // "kept" and "x"
            EXPECT_EQ(ar.ReadObject(nullptr), loaded->Children().front());
            try {
                ar.ReadObject(nullptr);
                ADD_FAILURE() << "no exception";
            } catch (const CArchiveException &e) {
                EXPECT_EQ(e.m_cause, CArchiveException::BadIndex);
            }
        });
    }
    EXPECT_EQ(CCountedItem::s_alive, 0);
}

TEST_F(TreeStoreTest, WrongKindsOfNodesAreRefused)
{
    const auto refused = [](const QByteArray &bytes, CArchiveException::Cause cause,
                            const CRuntimeClass *rootClass = nullptr) {
        ExpectFailure(bytes, cause, [&](CArchive &ar) {
            std::unique_ptr<CTreeFolder> r(CTreeFolder::ReadTree(ar, rootClass));
        });
    };
    const QByteArray folderHead = Dw(1) + W(0xFFFF) + Dw(1) + Str("CTreeFolder");
    const QByteArray itemClass = W(0xFFFF) + Dw(1) + Str("CTreeItem");
    // The root must be a folder, and of the class the document asks for.
    refused(Dw(1) + itemClass + Str("r"), CArchiveException::BadClass);
    refused(folderHead + Dw(0) + Str("r"), CArchiveException::BadClass,
            RUNTIME_CLASS(CUniqueFolder));
    // A stored tree begins with the folder tag.
    refused(Dw(2) + W(0xFFFF) + Dw(1) + Str("CTreeFolder") + Dw(0) + Str("r"),
            CArchiveException::BadFormat);
    // A child tagged as a folder must be one.
    refused(folderHead + Dw(1) + Str("r") + Dw(1) + itemClass + Str("x"),
            CArchiveException::BadClass);
    // A node cannot appear twice in a tree (that would give it two owners),
    // nor can a folder contain itself.
    refused(folderHead + Dw(2) + Str("r") + Dw(2) + itemClass + Str("x") + Dw(2) + W(0x0004),
            CArchiveException::BadFormat);
    refused(folderHead + Dw(1) + Str("r") + Dw(1) + W(0x0002), CArchiveException::BadFormat);
    refused(folderHead + Dw(1) + Str("r") + Dw(2) + W(0xFFFF) + Dw(1) + Str("CMissingNode") +
                Str("x"),
            CArchiveException::UnknownClass);
}

// Reads damaged bytes: either a tree comes back or the archive says why;
// the sanitizer build turns any crash, overflow or leak into a failure.
void LoadDamaged(const QByteArray &bytes, const CTreeFolder::AddChildPolicy &add, int &failures)
{
    try {
        LoadBytes(bytes, [&](CArchive &ar) {
            std::unique_ptr<CTreeFolder> r(CTreeFolder::ReadTree(ar, nullptr, add));
        });
    } catch (const CArchiveException &e) {
        ASSERT_FALSE(e.Message().isEmpty());
        ++failures;
    }
}

QByteArray DamageSample()
{
    std::unique_ptr<CTreeFolder> root(ThreeChildren());
    auto *sub = static_cast<CTreeFolder *>(root->FindByName(QStringLiteral("Sub")));
    sub->AddChild(Folder(QStringLiteral("Ünï"), {Leaf(QString(260, QLatin1Char('n')))}), false);
    auto *v = new CVersionedNode;
    v->SetName(QStringLiteral("v"));
    v->m_nested.reset(Leaf(QStringLiteral("nested")));
    root->AddChild(v, false);
    return StoreTree(*root);
}

TEST_F(TreeStoreTest, TruncatedOrDamagedBytesFailCleanly)
{
    const QByteArray bytes = DamageSample();
    int failures = 0;
    for (qsizetype len = 0; len < bytes.size(); ++len)
        LoadDamaged(bytes.left(len), CTreeFolder::AppendChild, failures);
    // Every proper prefix is missing something the tree announced.
    EXPECT_EQ(failures, bytes.size());

    failures = 0;
    int cases = 0;
    for (qsizetype pos = 0; pos < bytes.size(); ++pos) {
        for (const quint8 mask : {0x01, 0x80, 0xFF}) {
            QByteArray damaged = bytes;
            damaged[pos] = char(quint8(damaged[pos]) ^ mask);
            LoadDamaged(damaged, pos % 2 ? CTreeFolder::AppendChild : CTreeFolder::AddChildSorted,
                        failures);
            ++cases;
        }
        for (const quint8 value : {0x00, 0x7F, 0xFE}) {
            QByteArray damaged = bytes;
            damaged[pos] = char(value);
            LoadDamaged(damaged, CTreeFolder::AppendChild, failures);
            ++cases;
        }
    }
    // Most damage is noticed; some (a changed letter in a name) is not.
    EXPECT_GT(failures, 0);
    EXPECT_LT(failures, cases);
}

} // namespace
