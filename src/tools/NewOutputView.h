#pragma once

#include <QWidget>

class COutputWnd;
class QTabWidget;

// The output window's client: a tab control with the Output and the Build
// tab, each a COutputWnd.
class CNewOutputView : public QWidget
{
    Q_OBJECT
public:
    enum { OutputTab = 0, BuildTab = 1 };

    explicit CNewOutputView(QWidget *parent = nullptr);

    COutputWnd *View(int tab) const;
    COutputWnd *OutputView() const { return m_views[OutputTab]; }
    COutputWnd *BuildView() const { return m_views[BuildTab]; }
    // Shows tab 0 (Output) or 1 (Build) in front.
    void ShowTab(int tab);
    int CurrentTab() const;
    QTabWidget *Tabs() const { return m_tabs; }

private:
    QTabWidget *m_tabs;
    COutputWnd *m_views[2];
};
