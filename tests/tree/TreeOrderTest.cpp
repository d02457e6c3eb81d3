// Name-order insertion against a plain model of the rule: whatever mix of
// sorted and unsorted additions, insertions at given places, removals and
// renames a folder goes through, its children must stand exactly where the
// walk over the list would have put them.

#include "TreeTestSupport.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Refuses a child whose name equals an existing child's exactly, asking
// only the children that could share it, as project folders do for files.
class CExactNameFolder : public CTreeFolder
{
public:
    bool AddChild(CTreeItem *child, bool sorted) override
    {
        const QString name = child->GetName();
        if (AnyChildNamed(child->GetDisplayName(),
                          [&](const CTreeItem &c) { return c.GetName() == name; }))
            return false;
        return CTreeFolder::AddChild(child, sorted);
    }
};

// The rule written out once: before the first child whose display name is
// not smaller, ignoring case; at the end when there is none.
size_t LinearPlace(const std::vector<CTreeItem *> &list, const QString &name)
{
    size_t i = 0;
    while (i < list.size() &&
           QString::compare(name, list[i]->GetDisplayName(), Qt::CaseInsensitive) > 0)
        ++i;
    return i;
}

// Few distinct letters, so that equal names (also differing only in case)
// come up often; a non-ASCII letter and its capital among them.
QString RandomName(QRandomGenerator &rng)
{
    static const QString letters = QStringLiteral("aAbBcäÄ_z");
    QString name;
    const int len = 1 + int(rng.bounded(3));
    for (int i = 0; i < len; ++i)
        name += letters.at(int(rng.bounded(quint32(letters.size()))));
    return name;
}

std::vector<CTreeItem *> ListOf(const CTreeFolder &folder)
{
    return {folder.Children().begin(), folder.Children().end()};
}

TEST(TreeOrderTest, EveryMixOfOperationsKeepsTheOrderOfTheLinearRule)
{
    for (quint32 seed = 1; seed <= 150; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        QRandomGenerator rng(seed);
        CExactNameFolder folder;
        std::vector<CTreeItem *> model;
        // Runs where almost every insertion is sorted stay ordered for long
        // stretches; the others fall out of order often.
        const quint32 disorder = seed % 3 == 0 ? 2 : 30;
        QStringList trail;
        for (int step = 0; step < 300; ++step) {
            const quint32 op = rng.bounded(100);
            if (op < 60 || model.empty()) {
                auto *child = new CTreeItem(RandomName(rng), 0, 0);
                const bool duplicate = std::any_of(model.begin(), model.end(), [&](CTreeItem *c) {
                    return c->GetName() == child->GetName();
                });
                const bool sorted = rng.bounded(100u) >= disorder;
                trail << QStringLiteral("%1 %2").arg(sorted ? "add" : "append", child->GetName());
                ASSERT_EQ(folder.AddChild(child, sorted), !duplicate)
                    << trail.join(", ").toStdString();
                if (duplicate) {
                    delete child;
                } else {
                    const size_t at = sorted ? LinearPlace(model, child->GetName()) : model.size();
                    model.insert(model.begin() + std::ptrdiff_t(at), child);
                }
            } else if (op < 70) {
                const size_t at = rng.bounded(quint32(model.size() + 1));
                auto *child = new CTreeItem(RandomName(rng), 0, 0);
                trail << QStringLiteral("insert %1 at %2").arg(child->GetName()).arg(at);
                auto pos = folder.ChildrenEnd();
                if (at < model.size())
                    pos = folder.FindChildPosition(model[at]);
                ASSERT_TRUE(folder.InsertChildBefore(pos, child));
                model.insert(model.begin() + std::ptrdiff_t(at), child);
            } else if (op < 82) {
                const size_t at = rng.bounded(quint32(model.size()));
                trail << QStringLiteral("remove %1").arg(model[at]->GetName());
                ASSERT_TRUE(folder.RemoveChild(model[at]));
                delete model[at];
                model.erase(model.begin() + std::ptrdiff_t(at));
            } else if (op < 90) {
                const size_t at = rng.bounded(quint32(model.size()));
                const QString name = RandomName(rng);
                trail << QStringLiteral("rename %1 to %2").arg(model[at]->GetName(), name);
                model[at]->SetName(name);
                folder.ChildRenamed();
            } else if (op < 97) {
                trail << QStringLiteral("delete marked");
                std::vector<CTreeItem *> kept;
                for (CTreeItem *c : model) {
                    c->SetMarked(rng.bounded(4) == 0);
                    if (!c->IsMarked())
                        kept.push_back(c);
                }
                folder.DeleteMarkedChildren();
                model = kept;
            } else {
                trail << QStringLiteral("delete all");
                folder.DeleteAllChildren();
                model.clear();
            }
            ASSERT_EQ(ListOf(folder), model) << trail.join(", ").toStdString();
        }
    }
}

} // namespace
