#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>

class QTabWidget;

// The project pane: one tab per tree of the program, in the order
// Projects, Packages, Help, Beans. A tree that is not there yet is
// represented by a page that says so. A tree whose tab is hidden can be
// given as a factory, so that its view is only built when first needed.
class CNewProjectView : public QWidget
{
    Q_OBJECT
public:
    // Pane numbers as the commands name them when they bring a tree to the
    // front.
    enum Pane { ProjectPane = 0, PackagePane = 1, BeanPane = 2, HelpPane = 4 };

    explicit CNewProjectView(QWidget *parent = nullptr);

    // Puts view on the tab of pane in place of what was there (deleted).
    void SetPaneView(Pane pane, QWidget *view);
    // The view of pane is made by make when its tab is first shown or
    // PaneView() first asks for it, whichever comes first.
    void SetPaneFactory(Pane pane, std::function<QWidget *()> make);
    // The view on the tab of pane (made now if it was left to a factory).
    QWidget *PaneView(Pane pane);
    // Selects the tab of pane; false for a number that is no pane.
    bool ActivatePane(int pane);
    // The pane whose tab is shown.
    Pane CurrentPane() const;
    QTabWidget *Tabs() const { return m_tabs; }

    static bool IsPane(int pane);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    static constexpr int kTabs = 4;
    int TabOf(Pane pane) const;
    void MakePendingView(int tab);
    // Tabs show their names when the pane is wide enough for all of them,
    // else only their icons (the name stays in the tooltip).
    void UpdateTabLabels();

    QTabWidget *m_tabs;
    QStringList m_tabNames;
    // Each tab's page holds the tab's view; the tab itself never changes,
    // so that a view coming or going costs the tab bar nothing.
    std::array<QWidget *, kTabs> m_pages{};
    std::array<QWidget *, kTabs> m_views{};
    std::array<std::function<QWidget *()>, kTabs> m_factories;
    // The widths of the tabs with their names and with icons only, as the
    // tab bar measured them for the current font and style (empty: not yet).
    QList<int> m_namedWidths;
    QList<int> m_iconWidths;
    int m_labelledWidth = -1;
    int m_labelledCurrent = -1;
};
