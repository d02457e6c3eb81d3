#include "tools/SearchView.h"

CSearchFrame::CSearchFrame(QWidget *parent) : QMdiSubWindow(parent), m_view(new CSearchView)
{
    setObjectName(QStringLiteral("SearchResults"));
    setWidget(m_view);
    // Closing hides it: the next search shows it again with its place.
    setAttribute(Qt::WA_DeleteOnClose, false);
}

QString CSearchFrame::Title(bool replace, const QString &find)
{
    return (replace ? QStringLiteral("Replace Results - ") : QStringLiteral("Search Results - ")) +
           find;
}
