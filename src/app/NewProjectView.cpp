#include "app/NewProjectView.h"

#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

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
    // The pane is narrow: the tab texts shorten rather than scroll.
    m_tabs->setElideMode(Qt::ElideRight);
    m_tabs->setUsesScrollButtons(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);

    auto *projects = new QLabel(QStringLiteral("No workspace is loaded."));
    projects->setAlignment(Qt::AlignCenter);
    projects->setEnabled(false);
    m_tabs->addTab(projects, QStringLiteral("Projects"));
    m_tabs->addTab(ComingLater(QStringLiteral("The package tree")), QStringLiteral("Packages"));
    m_tabs->addTab(ComingLater(QStringLiteral("The help tree")), QStringLiteral("Help"));
    m_tabs->addTab(ComingLater(QStringLiteral("The bean tree")), QStringLiteral("Beans"));
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
    m_tabs->removeTab(tab);
    m_tabs->insertTab(tab, view, text);
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
