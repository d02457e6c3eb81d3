#include "app/NewProjectView.h"

#include "tree/ThemeIcon.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Tab order; the pane numbers are not in tab order.
constexpr CNewProjectView::Pane kTabPanes[] = {
    CNewProjectView::ProjectPane, CNewProjectView::PackagePane, CNewProjectView::HelpPane,
    CNewProjectView::BeanPane};

QWidget *ComingLater(const QString &what)
{
    auto *label =
        new QLabel(QStringLiteral("%1 will be shown here in a later version of Mavu.").arg(what));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setEnabled(false);
    label->setMargin(12);
    return label;
}

} // namespace

CNewProjectView::CNewProjectView(QWidget *parent) : QWidget(parent), m_tabs(new QTabWidget(this))
{
    setObjectName(QStringLiteral("ProjectPane"));
    m_tabs->setObjectName(QStringLiteral("ProjectTabs"));
    m_tabs->setTabPosition(QTabWidget::South);
    m_tabs->setDocumentMode(true);
    m_tabs->setElideMode(Qt::ElideNone);
    m_tabs->setUsesScrollButtons(true);
    // The labels adapt to the width (UpdateTabLabels); the tab bar's own
    // minimum must not hold the pane wider than the user made it.
    m_tabs->setMinimumWidth(40);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);

    auto *projects = new QLabel(QStringLiteral("No workspace is loaded."));
    projects->setAlignment(Qt::AlignCenter);
    projects->setEnabled(false);
    const auto icon = ThemeIcon;
    m_tabNames = {QStringLiteral("Projects"), QStringLiteral("Packages"), QStringLiteral("Help"),
                  QStringLiteral("Beans")};
    m_tabs->addTab(projects, icon("folder", QStyle::SP_DirIcon), m_tabNames[0]);
    m_tabs->addTab(ComingLater(QStringLiteral("The package tree")),
                   icon("package-x-generic", QStyle::SP_DriveHDIcon), m_tabNames[1]);
    m_tabs->addTab(ComingLater(QStringLiteral("The help tree")),
                   icon("help-browser", QStyle::SP_DialogHelpButton), m_tabNames[2]);
    m_tabs->addTab(ComingLater(QStringLiteral("The bean tree")),
                   icon("applications-development", QStyle::SP_FileDialogDetailedView),
                   m_tabNames[3]);
    for (int i = 0; i < m_tabNames.size(); ++i)
        m_tabs->setTabToolTip(i, m_tabNames[i]);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] { UpdateTabLabels(); });
    UpdateTabLabels();
}

void CNewProjectView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    UpdateTabLabels();
}

void CNewProjectView::UpdateTabLabels()
{
    // Every name when they all fit; else the name of the tab shown with the
    // others as icons; else icons only (the tool tips name them). The tab
    // bar measures each try itself; when not even the icons fit, its scroll
    // arrows keep every tab in reach.
    QTabBar *bar = m_tabs->tabBar();
    const int current = m_tabs->currentIndex();
    const int count = std::min(int(m_tabNames.size()), m_tabs->count());
    const auto fits = [&](auto named) {
        int total = 0;
        for (int i = 0; i < count; ++i) {
            m_tabs->setTabText(i, named(i) ? m_tabNames[i] : QString());
            total += bar->tabRect(i).width();
        }
        return total <= width();
    };
    if (!fits([](int) { return true; }) && !fits([current](int i) { return i == current; }))
        fits([](int) { return false; });
}

bool CNewProjectView::IsPane(int pane)
{
    for (Pane p : kTabPanes) {
        if (p == pane)
            return true;
    }
    return false;
}

int CNewProjectView::TabOf(Pane pane) const
{
    for (int i = 0; i < int(std::size(kTabPanes)); ++i) {
        if (kTabPanes[i] == pane)
            return i;
    }
    return -1;
}

void CNewProjectView::SetPaneView(Pane pane, QWidget *view)
{
    const int tab = TabOf(pane);
    if (tab < 0 || !view)
        return;
    const bool current = m_tabs->currentIndex() == tab;
    QWidget *old = m_tabs->widget(tab);
    const QString text = m_tabs->tabText(tab);
    const QIcon icon = m_tabs->tabIcon(tab);
    m_tabs->removeTab(tab);
    m_tabs->insertTab(tab, view, icon, text);
    m_tabs->setTabToolTip(tab, m_tabNames.value(tab));
    if (current)
        m_tabs->setCurrentIndex(tab);
    delete old;
}

QWidget *CNewProjectView::PaneView(Pane pane) const
{
    const int tab = TabOf(pane);
    return tab < 0 ? nullptr : m_tabs->widget(tab);
}

bool CNewProjectView::ActivatePane(int pane)
{
    if (!IsPane(pane))
        return false;
    m_tabs->setCurrentIndex(TabOf(Pane(pane)));
    return true;
}

CNewProjectView::Pane CNewProjectView::CurrentPane() const
{
    const int tab = m_tabs->currentIndex();
    return tab >= 0 && tab < int(std::size(kTabPanes)) ? kTabPanes[tab] : ProjectPane;
}
