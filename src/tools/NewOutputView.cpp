#include "tools/NewOutputView.h"

#include "tools/OutputWnd.h"

#include <QTabWidget>
#include <QVBoxLayout>

CNewOutputView::CNewOutputView(QWidget *parent) : QWidget(parent), m_tabs(new QTabWidget(this))
{
    setObjectName(QStringLiteral("OutputWindow"));
    m_tabs->setTabPosition(QTabWidget::South);
    m_tabs->setDocumentMode(true);
    const QString names[2] = {QStringLiteral("Output"), QStringLiteral("Build")};
    for (int i = 0; i < 2; ++i) {
        m_views[i] = new COutputWnd;
        m_views[i]->setObjectName(names[i]);
        m_tabs->addTab(m_views[i], names[i]);
    }
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);
}

COutputWnd *CNewOutputView::View(int tab) const
{
    return tab == BuildTab ? m_views[BuildTab] : m_views[OutputTab];
}

void CNewOutputView::ShowTab(int tab)
{
    m_tabs->setCurrentIndex(tab == BuildTab ? BuildTab : OutputTab);
}

int CNewOutputView::CurrentTab() const
{
    return m_tabs->currentIndex();
}
