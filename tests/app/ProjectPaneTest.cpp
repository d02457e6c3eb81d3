// The project pane's tabs: trees made only when needed, and tab labels that
// fit the pane's width.

#include "app/NewProjectView.h"

#include <QLabel>
#include <QPointer>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QStringList Labels(const CNewProjectView &pane)
{
    QStringList labels;
    for (int i = 0; i < pane.Tabs()->count(); ++i)
        labels << pane.Tabs()->tabText(i);
    return labels;
}

int NamedWidth(CNewProjectView &pane)
{
    int width = 0;
    for (int i = 0; i < pane.Tabs()->count(); ++i)
        width += pane.Tabs()->tabBar()->tabRect(i).width();
    return width;
}

// A view left to a factory is made once, when its tab comes up or when it
// is asked for, and not before: a tree built at start-up for a tab nobody
// opens is start-up time lost.
TEST(ProjectPane, ViewsOfHiddenTabsAreMadeWhenFirstNeeded)
{
    CNewProjectView pane;
    pane.resize(600, 400);
    pane.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pane));

    int packageMade = 0;
    int beanMade = 0;
    QPointer<QWidget> packages;
    pane.SetPaneFactory(CNewProjectView::PackagePane, [&] {
        ++packageMade;
        packages = new QLabel(QStringLiteral("packages"));
        return packages.data();
    });
    pane.SetPaneFactory(CNewProjectView::BeanPane, [&] {
        ++beanMade;
        return new QLabel(QStringLiteral("beans"));
    });
    EXPECT_EQ(packageMade + beanMade, 0);

    pane.ActivatePane(CNewProjectView::PackagePane);
    EXPECT_EQ(packageMade, 1);
    EXPECT_EQ(pane.PaneView(CNewProjectView::PackagePane), packages.data());
    EXPECT_TRUE(packages->isVisible());
    pane.ActivatePane(CNewProjectView::ProjectPane);
    pane.ActivatePane(CNewProjectView::PackagePane);
    EXPECT_EQ(packageMade, 1);

    // Asked for while hidden: made at once, and the tab stays where it was.
    ASSERT_NE(pane.PaneView(CNewProjectView::BeanPane), nullptr);
    EXPECT_EQ(beanMade, 1);
    EXPECT_EQ(pane.CurrentPane(), CNewProjectView::PackagePane);

    // A view put in its place replaces (and deletes) the one made; focus
    // given to the tab's page reaches the view.
    auto *replacement = new QLabel(QStringLiteral("other"));
    replacement->setFocusPolicy(Qt::StrongFocus);
    pane.SetPaneView(CNewProjectView::PackagePane, replacement);
    EXPECT_TRUE(packages.isNull());
    EXPECT_EQ(pane.PaneView(CNewProjectView::PackagePane), replacement);
    pane.activateWindow();
    pane.Tabs()->currentWidget()->setFocus();
    EXPECT_TRUE(QTest::qWaitFor([&] { return replacement->hasFocus(); }));
}

// Every name when they fit; else only the shown tab's name; else icons
// only. The choice follows both the width and the tab shown.
TEST(ProjectPane, TabLabelsShrinkWithThePane)
{
    const QStringList names = {QStringLiteral("Projects"), QStringLiteral("Packages"),
                               QStringLiteral("Help"), QStringLiteral("Beans")};
    CNewProjectView pane;
    pane.resize(800, 300);
    pane.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pane));
    EXPECT_EQ(Labels(pane), names);
    const int allNamed = NamedWidth(pane);

    pane.resize(allNamed - 1, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(Labels(pane), QStringList({names[0], QString(), QString(), QString()}));
    pane.ActivatePane(CNewProjectView::BeanPane);
    EXPECT_EQ(Labels(pane), QStringList({QString(), QString(), QString(), names[3]}));
    EXPECT_LE(NamedWidth(pane), pane.width());

    // At the pane's usual width the four tabs fit as icons, no scroll
    // arrows needed.
    pane.resize(175, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(Labels(pane), QStringList({QString(), QString(), QString(), QString()}));
    EXPECT_LE(NamedWidth(pane), pane.Tabs()->tabBar()->width());

    pane.resize(20, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(Labels(pane), QStringList({QString(), QString(), QString(), QString()}));
    EXPECT_EQ(pane.Tabs()->tabToolTip(3), names[3]);

    pane.resize(allNamed, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(Labels(pane), names);
}

} // namespace
