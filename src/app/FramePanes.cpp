#include "app/FramePanes.h"

#include "app/ChildFrame.h"
#include "app/FrameLayout.h"
#include "app/JavaIDEApp.h"
#include "project/ProjectFramePlacement.h"

#include <QEvent>
#include <QHash>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <algorithm>

namespace {

Qt::ToolBarArea AreaOf(int dock)
{
    switch (dock) {
    case CBarLayout::DockLeft:
        return Qt::LeftToolBarArea;
    case CBarLayout::DockRight:
        return Qt::RightToolBarArea;
    case CBarLayout::DockBottom:
        return Qt::BottomToolBarArea;
    default:
        return Qt::TopToolBarArea;
    }
}

int DockOf(Qt::ToolBarArea area)
{
    switch (area) {
    case Qt::LeftToolBarArea:
        return CBarLayout::DockLeft;
    case Qt::RightToolBarArea:
        return CBarLayout::DockRight;
    case Qt::BottomToolBarArea:
        return CBarLayout::DockBottom;
    default:
        return CBarLayout::DockTop;
    }
}

void FloatBar(QToolBar *bar, const QPoint &pos)
{
    // What a toolbar becomes when the user drags it off its dock: a small
    // tool window of its own that the main window's layout leaves out.
    bar->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    bar->adjustSize();
    bar->move(pos);
}

} // namespace

CFramePanes::CFramePanes(QMainWindow *frame, CFrameLayout &layout)
    : QObject(nullptr), m_frame(frame), m_layout(layout)
{
}

CFramePanes::~CFramePanes()
{
    // The panes may sit in floating windows of the editor area; they are
    // children of the main window either way and go with it.
    if (m_projectFrame)
        m_projectFrame->removeEventFilter(this);
    if (m_outputFrame)
        m_outputFrame->removeEventFilter(this);
}

void CFramePanes::Build(QWidget *projectPane, QWidget *editorArea, QMdiArea *mdiArea,
                        QWidget *output)
{
    m_projectPane = projectPane;
    m_mdiArea = mdiArea;
    m_output = output;
    m_outputSplitter = new QSplitter(Qt::Vertical, m_frame);
    m_outputSplitter->setObjectName(QStringLiteral("OutputSplitter"));
    m_outputSplitter->setChildrenCollapsible(false);
    m_paneSplitter = new QSplitter(Qt::Horizontal, m_outputSplitter);
    m_paneSplitter->setObjectName(QStringLiteral("PaneSplitter"));
    m_paneSplitter->setChildrenCollapsible(false);
    m_paneSplitter->addWidget(projectPane);
    m_paneSplitter->addWidget(editorArea);
    // A wider window gives its room to the editors.
    m_paneSplitter->setStretchFactor(0, 0);
    m_paneSplitter->setStretchFactor(1, 1);
    m_outputSplitter->addWidget(m_paneSplitter);
    m_outputSplitter->addWidget(output);
    m_outputSplitter->setStretchFactor(0, 1);
    m_outputSplitter->setStretchFactor(1, 0);
    m_frame->setCentralWidget(m_outputSplitter);
}

void CFramePanes::SetBars(QToolBar *mainBar, QToolBar *debugBar, QToolBar *browserBar)
{
    m_mainBar = mainBar;
    m_debugBar = debugBar;
    m_browserBar = browserBar;
}

void CFramePanes::ShowOutput(bool show)
{
    m_layout.m_output = show;
    PlaceOutput();
    emit changed();
}

void CFramePanes::SetOutputDocked(bool docked)
{
    if (m_layout.m_dockOutput == docked)
        return;
    m_layout.m_dockOutput = docked;
    PlaceOutput();
    emit changed();
}

void CFramePanes::SetProjectDocked(bool docked)
{
    if (m_layout.m_project == docked)
        return;
    m_layout.m_project = docked;
    PlaceProjectPane();
    emit changed();
}

void CFramePanes::SwapPanes()
{
    if (!m_layout.m_project)
        return;
    // The project pane keeps its width on the other side.
    const QList<int> sizes = m_paneSplitter->sizes();
    m_layout.SwapPanes();
    m_paneSplitter->insertWidget(m_layout.m_projectPane, m_projectPane);
    if (sizes.size() == 2)
        m_paneSplitter->setSizes({sizes.at(1), sizes.at(0)});
    emit changed();
}

void CFramePanes::RaiseProjectFrame()
{
    if (!m_layout.m_project && m_projectFrame) {
        m_projectFrame->show();
        m_mdiArea->setActiveSubWindow(m_projectFrame);
    }
}

// A floating pane lives in an MDI window of its own; this object watches it
// so that closing the window does not lose the pane (see eventFilter).
QMdiSubWindow *CFramePanes::NewPaneFrame(const QString &name, const QString &title, QWidget *pane)
{
    auto *frame = new QMdiSubWindow;
    frame->setObjectName(name);
    frame->setWindowTitle(title);
    frame->setWidget(pane);
    CChildFrame::ReleaseCloseShortcut(frame);
    m_mdiArea->addSubWindow(frame);
    frame->installEventFilter(this);
    return frame;
}

// The pane is taken out first: it goes back into the main window.
void CFramePanes::DeletePaneFrame(QMdiSubWindow *frame)
{
    frame->removeEventFilter(this);
    frame->setWidget(nullptr);
    m_mdiArea->removeSubWindow(frame);
    delete frame;
}

void CFramePanes::SaveProjectPlacement(CSettingsStore &store) const
{
    CProjectFramePlacement placement;
    const QRect g = m_projectFrame->geometry();
    placement.Save(store, g.x(), g.y(), g.width(), g.height(), m_projectFrame->isMaximized(),
                   m_projectFrame->isMinimized());
}

void CFramePanes::PlaceProjectPane()
{
    CJavaIDEApp *app = GetApp();
    if (m_layout.m_project) {
        if (m_projectFrame) {
            if (app)
                SaveProjectPlacement(app->Settings());
            DeletePaneFrame(m_projectFrame);
        }
        m_paneSplitter->insertWidget(m_layout.m_projectPane, m_projectPane);
        m_projectPane->show();
        return;
    }
    if (m_projectFrame)
        return;
    QMdiSubWindow *frame =
        NewPaneFrame(QStringLiteral("ProjectFrame"), QStringLiteral("Project"), m_projectPane);
    frame->setWindowIcon(m_frame->windowIcon());
    CProjectFramePlacement placement;
    if (app)
        placement.Load(app->Settings());
    // The editor area is never larger than the main window.
    placement.ClampTo(m_layout.m_mainSizeX, m_layout.m_mainSizeY);
    if (placement.HasStoredGeometry())
        frame->setGeometry(placement.m_nOrigX, placement.m_nOrigY, placement.m_nWidth,
                           placement.m_nHeight);
    else
        frame->resize(qMax(200, m_layout.ProjectWidth(m_mdiArea->width())), 400);
    m_projectFrame = frame;
    if (placement.m_nMaximize)
        frame->showMaximized();
    else
        frame->show();
    m_projectPane->show();
}

void CFramePanes::PlaceOutput()
{
    if (m_layout.m_dockOutput) {
        if (m_outputFrame)
            DeletePaneFrame(m_outputFrame);
        if (m_output->parentWidget() != m_outputSplitter)
            m_outputSplitter->addWidget(m_output);
        m_output->setVisible(m_layout.m_output);
        if (m_layout.m_output) {
            // A row that was never shown gets a quarter of the height.
            const QList<int> sizes = m_outputSplitter->sizes();
            if (sizes.size() == 2 && sizes.at(1) == 0) {
                const int total = qMax(sizes.at(0), 100);
                const int row = m_layout.m_split1Y2 > 0 ? m_layout.m_split1Y2 : total / 4;
                m_outputSplitter->setSizes({qMax(total - row, 50), row});
            }
        }
        return;
    }
    if (!m_outputFrame) {
        m_outputFrame =
            NewPaneFrame(QStringLiteral("OutputFrame"), QStringLiteral("Output Window"), m_output);
        m_outputFrame->resize(qMax(300, m_mdiArea->width() * 2 / 3),
                              qMax(150, m_mdiArea->height() / 3));
    }
    m_output->show();
    m_outputFrame->setVisible(m_layout.m_output);
    if (m_layout.m_output)
        m_mdiArea->setActiveSubWindow(m_outputFrame);
}

bool CFramePanes::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close) {
        // Closing a floating pane's window does not lose the pane: the
        // output window is hidden (Toggle Output brings it back), the
        // project pane goes back beside the editors.
        if (watched == m_outputFrame) {
            event->ignore();
            ShowOutput(false);
            return true;
        }
        if (watched == m_projectFrame) {
            event->ignore();
            QTimer::singleShot(0, this, [this] { SetProjectDocked(true); });
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void CFramePanes::ApplySplitterSizes()
{
    const int width =
        m_outputSplitter->width() > 1 ? m_outputSplitter->width() : m_layout.m_mainSizeX;
    if (m_layout.m_project) {
        QList<int> sizes(2);
        sizes[m_layout.m_projectPane] = m_layout.ProjectWidth(width);
        sizes[m_layout.m_editorPane] = m_layout.EditorWidth(width);
        m_paneSplitter->setSizes(sizes);
    }
    if (m_layout.m_dockOutput && m_layout.m_output) {
        const int height =
            m_outputSplitter->height() > 1 ? m_outputSplitter->height() : m_layout.m_mainSizeY;
        const int row = m_layout.m_split1Y2 > 0 ? m_layout.m_split1Y2 : height / 4;
        m_outputSplitter->setSizes({m_layout.m_split1Y1, row});
    }
}

void CFramePanes::OnShown()
{
    if (!m_sizesApplied) {
        // Only now do the splitters know the room they have, which the
        // rules for unset widths need.
        m_sizesApplied = true;
        ApplySplitterSizes();
    }
}

void CFramePanes::Restore()
{
    if (m_layout.m_projectPane != 0)
        m_paneSplitter->insertWidget(m_layout.m_projectPane, m_projectPane);
    PlaceProjectPane();
    PlaceOutput();
    ApplySplitterSizes();
    m_frame->statusBar()->setVisible(m_layout.m_statusBar);

    // Docked bars are added side by side in the order they stood, with a
    // new row where they stood on different rows.
    struct Entry
    {
        QToolBar *bar;
        const CBarLayout *layout;
    };
    QList<Entry> entries = {{m_mainBar, &m_layout.m_toolBar},
                            {m_debugBar, &m_layout.m_debugBar},
                            {m_browserBar, &m_layout.m_browserBar}};
    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        const QRect &ra = a.layout->m_rect;
        const QRect &rb = b.layout->m_rect;
        return ra.top() != rb.top() ? ra.top() < rb.top() : ra.left() < rb.left();
    });
    QHash<int, const CBarLayout *> lastInArea;
    for (const Entry &e : entries) {
        if (!e.layout->m_float) {
            const CBarLayout *previous = lastInArea.value(e.layout->m_dock);
            const bool vertical = e.layout->m_dock == CBarLayout::DockLeft ||
                                  e.layout->m_dock == CBarLayout::DockRight;
            if (previous) {
                const bool newRow = vertical ? previous->m_rect.left() != e.layout->m_rect.left()
                                             : previous->m_rect.top() != e.layout->m_rect.top();
                if (newRow)
                    m_frame->addToolBarBreak(AreaOf(e.layout->m_dock));
            }
            lastInArea.insert(e.layout->m_dock, e.layout);
        }
        RestoreBar(e.bar, *e.layout);
    }
}

void CFramePanes::RestoreBar(QToolBar *bar, const CBarLayout &layout)
{
    if (layout.m_float) {
        FloatBar(bar, layout.m_rect.topLeft());
    } else {
        if (bar->isFloating())
            bar->setWindowFlags(Qt::Widget);
        m_frame->addToolBar(AreaOf(layout.m_dock), bar);
    }
    bar->setVisible(layout.m_display);
}

void CFramePanes::ReadBar(QToolBar *bar, CBarLayout &layout) const
{
    layout.m_display = !bar->isHidden();
    layout.m_float = bar->isFloating();
    if (!layout.m_float)
        layout.m_dock = DockOf(m_frame->toolBarArea(bar));
    layout.m_rect =
        layout.m_float ? bar->frameGeometry() : QRect(bar->mapToGlobal(QPoint(0, 0)), bar->size());
}

void CFramePanes::CaptureLayout()
{
    m_layout.m_mainOrigX = m_frame->pos().x();
    m_layout.m_mainOrigY = m_frame->pos().y();
    m_layout.m_mainSizeX = m_frame->width();
    m_layout.m_mainSizeY = m_frame->height();
    // A pane that is not in its splitter keeps the size it had there.
    const QList<int> rows = m_outputSplitter->sizes();
    if (rows.size() == 2) {
        m_layout.m_split1Y1 = rows.at(0);
        if (m_layout.m_dockOutput && m_layout.m_output && rows.at(1) > 0)
            m_layout.m_split1Y2 = rows.at(1);
    }
    if (m_layout.m_project) {
        const QList<int> columns = m_paneSplitter->sizes();
        if (columns.size() == 2) {
            m_layout.m_split2X1 = columns.at(m_layout.m_projectPane);
            m_layout.m_split2X2 = columns.at(m_layout.m_editorPane);
        }
    }
    m_layout.m_statusBar = !m_frame->statusBar()->isHidden();
    ReadBar(m_mainBar, m_layout.m_toolBar);
    ReadBar(m_debugBar, m_layout.m_debugBar);
    ReadBar(m_browserBar, m_layout.m_browserBar);
}

void CFramePanes::Save(CSettingsStore &store)
{
    CaptureLayout();
    m_layout.Save(store);
    if (m_projectFrame)
        SaveProjectPlacement(store);
}
