#include "app/BuddyWnd.h"

#include <QMdiArea>
#include <QVBoxLayout>

CBuddyWnd::CBuddyWnd(QWidget *parent) : QWidget(parent), m_mdiArea(new QMdiArea(this))
{
    setObjectName(QStringLiteral("EditorPane"));
    m_mdiArea->setObjectName(QStringLiteral("MdiArea"));
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_mdiArea);
}
