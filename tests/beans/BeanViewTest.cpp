#include "beans/BeanView.h"

#include "FakePrompter.h"
#include "TestEnv.h"
#include "beans/BeanConverter.h"
#include "beans/BeanDoc.h"
#include "beans/BeanElements.h"
#include "beans/BeanItem.h"
#include "tree/TreeFolder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QStringList ChildTexts(QTreeWidgetItem *item)
{
    QStringList texts;
    for (int i = 0; item && i < item->childCount(); ++i)
        texts << item->child(i)->text(0);
    return texts;
}

TEST(BeanViewTest, AddBeanShowsItsSectionsAndDeleteRemovesIt)
{
    RegisterBeanClasses();
    CTestEnv env;
    CFakePrompter prompter;
    CBeanDoc doc;
    ASSERT_TRUE(doc.Open(env.FilePath("mavu.bns")));
    CBeanView view(doc);

    // Add Bean: the chosen file goes to the introspector, whose output
    // (here written by hand) becomes the bean.
    QString asked;
    view.m_chooseFile = [](const QString &, const QString &) {
        return QStringLiteral("/b/G.class");
    };
    view.m_introspectBean = [&](const QString &path, std::function<void(const QString &)> done) {
        asked = path;
        const QString out = env.WriteFile(QStringLiteral("out.txt"),
                                          "class G {\nProperties {\nint size getSize;\n}\n"
                                          "Events {\n}\nMethods {\npublic int getSize();\n}\n}\n");
        done(out);
        return true;
    };
    view.OnCommand(CBeanView::AddBean);
    EXPECT_EQ(asked, QStringLiteral("/b/G.class"));
    CTreeItem *bean = doc.Root().FindByName(QStringLiteral("G"));
    ASSERT_NE(bean, nullptr);
    QTreeWidgetItem *item = view.ItemOf(bean);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(view.SelectedNode(), bean);

    item->setExpanded(true);
    EXPECT_EQ(ChildTexts(item), (QStringList{QStringLiteral("Properties"), QStringLiteral("Events"),
                                             QStringLiteral("Methods")}));
    EXPECT_EQ(ChildTexts(item->child(0)),
              QStringList{QStringLiteral("int size   GetMethod  - getSize   SetMethod  - None")});

    prompter.QueueAnswer(CPrompter::AnswerYes);
    view.SelectNode(bean);
    view.OnCommand(CBeanView::DeleteItem);
    EXPECT_EQ(doc.Root().GetChildCount(), 0);
    EXPECT_EQ(view.topLevelItem(0)->childCount(), 0);
}

} // namespace
