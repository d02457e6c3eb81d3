#pragma once

#include "tools/OutputWnd.h"

#include <QMdiSubWindow>

// The results of Find in Files: one line per hit, "path:line:  text"; a
// double click (or Find Next/Previous Error) opens the file at that line.
class CSearchView : public COutputWnd
{
    Q_OBJECT
public:
    using COutputWnd::COutputWnd;
};

// The window the results live in, titled "Search Results - " or "Replace
// Results - " and the text looked for.
class CSearchFrame : public QMdiSubWindow
{
    Q_OBJECT
public:
    explicit CSearchFrame(QWidget *parent = nullptr);
    CSearchView *View() const { return m_view; }
    static QString Title(bool replace, const QString &find);

private:
    CSearchView *m_view;
};
