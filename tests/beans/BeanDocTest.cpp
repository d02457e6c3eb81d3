#include "beans/BeanDoc.h"

#include "FakePrompter.h"
#include "TestEnv.h"
#include "beans/BeanConverter.h"
#include "beans/BeanElements.h"
#include "beans/BeanItem.h"
#include "javamodel/VarMethodDecl.h"
#include "tree/Archive.h"
#include "tree/TreeFolder.h"

#include <QBuffer>
#include <QFile>
#include <gtest/gtest.h>

namespace {

std::unique_ptr<CBeanObject> Bean(const char *name)
{
    return CBeanConverter::ParseBean(QByteArray("class ") + name +
                                     " {\nProperties {\nint size getSize setSize;\n}\n"
                                     "Events {\njava.awt.event.ActionListener action "
                                     "addActionListener removeActionListener actionPerformed;\n}\n"
                                     "Methods {\npublic int getSize();\n}\n}\n");
}

class BeanDocTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterBeanClasses();
        m_path = m_env.FilePath(QStringLiteral("mavu.bns"));
    }

    CTestEnv m_env;
    CFakePrompter m_prompter;
    QString m_path;
};

TEST_F(BeanDocTest, FoldersNestFourDeepAndBeansAreUniquePerFolder)
{
    CBeanDoc doc;
    ASSERT_TRUE(doc.Open(m_path));
    EXPECT_EQ(doc.Root().GetName(), QStringLiteral("Beans"));

    // Root, then folders with 1, 2 and 3 folders above them.
    CTreeItem *folder = &doc.Root();
    for (int depth = 1; depth <= 4; ++depth) {
        folder = doc.AddFolder(folder);
        ASSERT_NE(folder, nullptr) << depth;
        EXPECT_EQ(doc.AncestorCount(folder), depth);
    }
    EXPECT_TRUE(m_prompter.m_messages.isEmpty());
    // Four folders above: no sub-folder, not even through a bean in it.
    EXPECT_EQ(doc.AddFolder(folder), nullptr);
    EXPECT_EQ(m_prompter.m_messages, QStringList{QStringLiteral("Nested too deep !!!")});
    CBeanItem *deep = doc.AddBean(folder, Bean("Deep"));
    ASSERT_NE(deep, nullptr);
    EXPECT_EQ(doc.AddFolder(deep), nullptr);
    EXPECT_EQ(m_prompter.m_messages.size(), 2);

    // The same bean twice in one folder is refused; in another it is not.
    auto *first = static_cast<CTreeFolder *>(doc.Root().Children().front());
    first->SetName(QStringLiteral("Tools"));
    m_prompter.m_messages.clear();
    ASSERT_NE(doc.AddBean(first, Bean("a.Gauge")), nullptr);
    EXPECT_EQ(doc.AddBean(first, Bean("a.Gauge")), nullptr);
    EXPECT_EQ(m_prompter.m_messages,
              QStringList{QStringLiteral("Duplicate bean a.Gauge found under folder Tools")});
    EXPECT_NE(doc.AddBean(&doc.Root(), Bean("a.Gauge")), nullptr);

    // Every change was saved at once.
    CBeanDoc reread;
    ASSERT_TRUE(reread.Open(m_path));
    EXPECT_NE(reread.Root().FindByName(QStringLiteral("Deep")), nullptr);
    EXPECT_EQ(reread.Root().GetChildCount(), 2);

    // Delete asks; No keeps the folder, Yes takes it with all it holds.
    m_prompter.m_messages.clear();
    m_prompter.QueueAnswer(CPrompter::AnswerNo);
    EXPECT_FALSE(doc.DeleteItem(first));
    EXPECT_EQ(m_prompter.m_messages,
              QStringList{QStringLiteral("Are you sure you want to delete ???")});
    m_prompter.QueueAnswer(CPrompter::AnswerYes);
    CTreeItem *told = nullptr;
    EXPECT_TRUE(doc.DeleteItem(first, [&](CTreeItem *gone) { told = gone; }));
    EXPECT_EQ(told, first);
    EXPECT_EQ(doc.Root().GetChildCount(), 1);
    EXPECT_FALSE(CBeanDoc::CanDelete(doc, &doc.Root()));
    CBeanDoc after;
    ASSERT_TRUE(after.Open(m_path));
    EXPECT_EQ(after.Root().FindByName(QStringLiteral("Deep")), nullptr);
    EXPECT_EQ(after.Root().GetChildCount(), 1);
}

TEST_F(BeanDocTest, FileRoundTripAndOlderSchemaRewrite)
{
    {
        CBeanDoc doc;
        ASSERT_TRUE(doc.Open(m_path));
        CTreeFolder *tools = doc.AddFolder(nullptr);
        ASSERT_NE(doc.AddBean(tools, Bean("a.Gauge")), nullptr);
        ASSERT_NE(doc.AddBean(nullptr, Bean("Dial")), nullptr);
    }
    const QByteArray bytes = FileBytes(m_path);
    // Tag 1 and the root folder object first.
    EXPECT_EQ(bytes.left(6), QByteArray::fromHex("01000000ffff"));

    CBeanDoc doc;
    ASSERT_TRUE(doc.Open(m_path));
    EXPECT_FALSE(doc.WasRewritten());
    ASSERT_EQ(doc.Root().GetChildCount(), 2);
    EXPECT_TRUE(doc.Root().Children().front()->IsFolder()); // stored order kept
    // The accessors are found again by name after loading.
    auto *item = dynamic_cast<CBeanItem *>(doc.Root().FindByName(QStringLiteral("a.Gauge")));
    ASSERT_NE(item, nullptr);
    ASSERT_EQ(item->Bean()->Properties().size(), 1);
    EXPECT_EQ(item->Bean()->Properties()[0]->m_setMethod->m_name, QStringLiteral("setSize"));
    ASSERT_TRUE(doc.Save());
    EXPECT_EQ(FileBytes(m_path), bytes);

    // A bean stored by an older schema: CBeanObject version 2 had no
    // abstract flag and no source-file name.
    QByteArray old;
    {
        QBuffer buf(&old);
        buf.open(QIODevice::WriteOnly);
        CArchive ar(&buf, CArchive::store);
        CTreeFolder root(QStringLiteral("Beans"));
        root.SetStoredChildCount(1);
        ar.WriteDWORD(1);
        root.AddChild(new CTreeItem(QStringLiteral("x"), 0, 0), false); // count 1
        ar.WriteObject(&root);
        ar.WriteDWORD(2);
        ar.WriteWORD(0xFFFF);
        ar.WriteDWORD(1);
        ar.WriteString(QStringLiteral("CBeanItem"));
        ar.WriteString(QStringLiteral("Old"));
        ar.WriteWORD(0xFFFF);
        ar.WriteDWORD(2);
        ar.WriteString(QStringLiteral("CBeanObject"));
        ar.WriteString(QStringLiteral("Old")); // name, lines, access, flags, type
        for (int i = 0; i < 7; ++i)
            ar.WriteInt(i == 4 ? 1 : 0);
        ar.WriteString(QString());
        ar.WriteDWORD(0); // methods
        ar.WriteDWORD(0); // variables
        ar.WriteString(QString());
        ar.WriteInt(7);
        ar.WriteInt(-3);
        ar.WriteDWORD(0); // event sets
    }
    m_env.WriteFile(QStringLiteral("mavu.bns"), old);
    CBeanDoc upgraded;
    ASSERT_TRUE(upgraded.Open(m_path)) << m_prompter.m_messages.join(u'|').toStdString();
    EXPECT_TRUE(upgraded.WasRewritten());
    const QByteArray now = FileBytes(m_path);
    EXPECT_NE(now, old);
    CBeanDoc again;
    ASSERT_TRUE(again.Open(m_path));
    EXPECT_FALSE(again.WasRewritten());
    auto *oldItem = dynamic_cast<CBeanItem *>(again.Root().FindByName(QStringLiteral("Old")));
    ASSERT_NE(oldItem, nullptr);
    EXPECT_EQ(oldItem->Bean()->m_value1, 7);
    EXPECT_EQ(oldItem->Bean()->m_value2, -3);
    EXPECT_TRUE(m_prompter.m_messages.isEmpty());
}

TEST_F(BeanDocTest, DamagedFilesAreRefusedAndLeftAsTheyAre)
{
    {
        CBeanDoc doc;
        ASSERT_TRUE(doc.Open(m_path));
        doc.AddBean(doc.AddFolder(nullptr), Bean("a.Gauge"));
    }
    const QByteArray good = FileBytes(m_path);
    QList<QByteArray> damaged;
    for (qsizetype cut : {qsizetype(3), qsizetype(12), good.size() / 2, good.size() - 1})
        damaged << good.left(cut);
    damaged << good + QByteArray("\x02\x00", 2);
    // A well-formed tree whose leaf is no bean.
    QByteArray notABean;
    {
        QBuffer buf(&notABean);
        buf.open(QIODevice::WriteOnly);
        CArchive ar(&buf, CArchive::store);
        CTreeFolder root(QStringLiteral("Beans"));
        root.AddChild(new CTreeItem(QStringLiteral("a.Gauge"), 0, 0), false);
        root.WriteTree(ar);
    }
    damaged << notABean;

    for (const QByteArray &bytes : damaged) {
        m_env.WriteFile(QStringLiteral("mavu.bns"), bytes);
        m_prompter.m_messages.clear();
        CBeanDoc doc;
        EXPECT_FALSE(doc.Open(m_path)) << bytes.size();
        ASSERT_EQ(m_prompter.m_messages.size(), 1);
        EXPECT_TRUE(m_prompter.m_messages[0].startsWith(
            QStringLiteral("Cannot open the bean tree ") + m_path))
            << m_prompter.m_messages[0].toStdString();
        EXPECT_EQ(doc.Root().GetChildCount(), 0);
        // Commands still work in the empty tree but never write the file.
        EXPECT_NE(doc.AddFolder(nullptr), nullptr);
        EXPECT_FALSE(doc.Save());
        EXPECT_EQ(FileBytes(m_path), bytes);
    }
}

} // namespace
