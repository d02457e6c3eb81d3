#pragma once

#include <QStringList>
#include <QWidget>

class QTabWidget;

// The project pane: one tab per tree of the program, in the order
// Projects, Packages, Help, Beans. A tree that is not there yet is
// represented by a page that says so.
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
    QWidget *PaneView(Pane pane) const;
    // Selects the tab of pane; false for a number that is no pane.
    bool ActivatePane(int pane);
    // The pane whose tab is shown.
    Pane CurrentPane() const;
    QTabWidget *Tabs() const { return m_tabs; }

    static bool IsPane(int pane);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    int TabOf(Pane pane) const;
    // Tabs show their names when the pane is wide enough for all of them,
    // else only their icons (the name stays in the tooltip).
    void UpdateTabLabels();

    QTabWidget *m_tabs;
    QStringList m_tabNames;
};
