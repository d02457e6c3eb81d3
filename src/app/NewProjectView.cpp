#include "app/NewProjectView.h"

#include "tree/ThemeIcon.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QProxyStyle>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <utility>

namespace {

// Tab order; the pane numbers are not in tab order.
constexpr CNewProjectView::Pane kTabPanes[] = {
    CNewProjectView::ProjectPane, CNewProjectView::PackagePane, CNewProjectView::HelpPane,
    CNewProjectView::BeanPane};

// The tab bar's style with a little less padding beside each tab's
// picture: at the pane's usual width the four tabs then fit as icons,
// without scroll arrows. Everything else is the application's style.
class CCompactTabStyle final : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_TabBarTabHSpace ? value * 2 / 3 : value;
    }
};

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
    auto *compact = new CCompactTabStyle;
    compact->setParent(m_tabs->tabBar());
    m_tabs->tabBar()->setStyle(compact);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);

    m_tabNames = {QStringLiteral("Projects"), QStringLiteral("Packages"), QStringLiteral("Help"),
                  QStringLiteral("Beans")};
    const QIcon icons[kTabs] = {
        ThemeIcon("folder", QStyle::SP_DirIcon),
        ThemeIcon("package-x-generic", QStyle::SP_DriveHDIcon),
        ThemeIcon("help-browser", QStyle::SP_DialogHelpButton),
        ThemeIcon("applications-development", QStyle::SP_FileDialogDetailedView)};
    for (int i = 0; i < kTabs; ++i) {
        m_pages[i] = new QWidget;
        auto *pageLayout = new QVBoxLayout(m_pages[i]);
        pageLayout->setContentsMargins(0, 0, 0, 0);
        m_tabs->addTab(m_pages[i], icons[i], m_tabNames[i]);
        m_tabs->setTabToolTip(i, m_tabNames[i]);
    }
    // The pages of the tabs not shown are only made when first shown: a
    // hidden page still costs its size hint, and a word-wrapped label's is
    // dear.
    SetPaneFactory(ProjectPane, [] {
        auto *projects = new QLabel(QStringLiteral("No workspace is loaded."));
        projects->setAlignment(Qt::AlignCenter);
        projects->setEnabled(false);
        return projects;
    });
    SetPaneFactory(PackagePane, [] { return ComingLater(QStringLiteral("The package tree")); });
    SetPaneFactory(HelpPane, [] { return ComingLater(QStringLiteral("The help tree")); });
    SetPaneFactory(BeanPane, [] { return ComingLater(QStringLiteral("The bean tree")); });
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int tab) {
        MakePendingView(tab);
        UpdateTabLabels();
    });
}

void CNewProjectView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    UpdateTabLabels();
}

void CNewProjectView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        m_namedWidths.clear();
        m_labelledWidth = -1;
        UpdateTabLabels();
    }
}

void CNewProjectView::UpdateTabLabels()
{
    // Every name when they all fit; else the name of the tab shown with the
    // others as icons; else icons only (the tool tips name them). When not
    // even the icons fit, the tab bar's scroll arrows keep every tab in
    // reach. The tab bar measures both forms once; the choice after that
    // is arithmetic, so resizing the pane does not lay the tabs out again
    // and again.
    const int current = m_tabs->currentIndex();
    if (width() == m_labelledWidth && current == m_labelledCurrent && !m_namedWidths.isEmpty())
        return;
    QTabBar *bar = m_tabs->tabBar();
    const auto label = [&](auto named) {
        for (int i = 0; i < kTabs; ++i) {
            const QString text = named(i) ? m_tabNames[i] : QString();
            if (m_tabs->tabText(i) != text)
                m_tabs->setTabText(i, text);
        }
    };
    if (m_namedWidths.isEmpty()) {
        const auto measure = [&](QList<int> &widths) {
            widths.clear();
            for (int i = 0; i < kTabs; ++i)
                widths << bar->tabRect(i).width();
        };
        label([](int) { return true; });
        measure(m_namedWidths);
        label([](int) { return false; });
        measure(m_iconWidths);
    }
    int named = 0;
    int icons = 0;
    for (int i = 0; i < kTabs; ++i) {
        named += m_namedWidths[i];
        icons += m_iconWidths[i];
    }
    const bool currentFits = current >= 0 && current < kTabs &&
                             icons - m_iconWidths[current] + m_namedWidths[current] <= width();
    if (named <= width())
        label([](int) { return true; });
    else if (currentFits)
        label([current](int i) { return i == current; });
    else
        label([](int) { return false; });
    m_labelledWidth = width();
    m_labelledCurrent = current;
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
    m_factories[tab] = nullptr;
    QWidget *old = m_views[tab];
    m_views[tab] = view;
    m_pages[tab]->layout()->addWidget(view);
    // On a page already shown a layout shows its new widget only after a
    // round of the event loop: the tab would first come up empty.
    view->show();
    // Focus given to the tab's page goes to the view on it.
    m_pages[tab]->setFocusProxy(view);
    delete old;
}

void CNewProjectView::SetPaneFactory(Pane pane, std::function<QWidget *()> make)
{
    const int tab = TabOf(pane);
    if (tab < 0 || !make)
        return;
    m_factories[tab] = std::move(make);
    if (m_tabs->currentIndex() == tab)
        MakePendingView(tab);
}

void CNewProjectView::MakePendingView(int tab)
{
    if (tab < 0 || tab >= kTabs || !m_factories[tab])
        return;
    const std::function<QWidget *()> make = std::exchange(m_factories[tab], nullptr);
    if (QWidget *view = make())
        SetPaneView(kTabPanes[tab], view);
}

QWidget *CNewProjectView::PaneView(Pane pane)
{
    const int tab = TabOf(pane);
    if (tab < 0)
        return nullptr;
    MakePendingView(tab);
    return m_views[tab];
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
