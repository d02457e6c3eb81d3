#pragma once

#include <QObject>
#include <QPointer>

class CFrameLayout;
class CSettingsStore;
class QMainWindow;
class QMdiArea;
class QMdiSubWindow;
class QSplitter;
class QToolBar;
class QWidget;
struct CBarLayout;

// The main window's arrangement: the project pane and the editor area side
// by side in a splitter (either may be on the left), the output window in a
// row below them or floating in the editor area, and the three toolbars. It
// puts the widgets where a CFrameLayout says and reads the layout back from
// them, so the main frame keeps only its commands and windows.
class CFramePanes : public QObject
{
    Q_OBJECT
public:
    // frame and layout are not owned and must outlive this object.
    CFramePanes(QMainWindow *frame, CFrameLayout &layout);
    ~CFramePanes() override;

    // Makes the splitters the window's central widget, with projectPane and
    // editorArea in the top row and output below. The floating panes become
    // windows of mdiArea.
    void Build(QWidget *projectPane, QWidget *editorArea, QMdiArea *mdiArea, QWidget *output);
    void SetBars(QToolBar *mainBar, QToolBar *debugBar, QToolBar *browserBar);
    bool IsBuilt() const { return m_outputSplitter != nullptr; }

    void ShowOutput(bool show);
    void SetOutputDocked(bool docked);
    void SetProjectDocked(bool docked);
    void SwapPanes();
    // A floating project pane's window is shown and activated.
    void RaiseProjectFrame();

    // Puts the panes and bars where the layout says.
    void Restore();
    // The window was shown: the splitters now know the room they have.
    void OnShown();
    // Reads the arrangement as it is now into the layout and writes it, the
    // floating project pane's placement included.
    void Save(CSettingsStore &store);

signals:
    // The arrangement changed: the commands that show it follow.
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ApplySplitterSizes();
    void PlaceProjectPane();
    void PlaceOutput();
    QMdiSubWindow *NewPaneFrame(const QString &name, const QString &title, QWidget *pane);
    void DeletePaneFrame(QMdiSubWindow *frame);
    void SaveProjectPlacement(CSettingsStore &store) const;
    void ReadBar(QToolBar *bar, CBarLayout &layout) const;
    void RestoreBar(QToolBar *bar, const CBarLayout &layout);
    void CaptureLayout();

    QMainWindow *m_frame;
    CFrameLayout &m_layout;
    QSplitter *m_outputSplitter = nullptr; // rows: panes, output
    QSplitter *m_paneSplitter = nullptr;   // columns: project pane and editor area
    QWidget *m_projectPane = nullptr;
    QWidget *m_output = nullptr;
    QMdiArea *m_mdiArea = nullptr;
    QToolBar *m_mainBar = nullptr;
    QToolBar *m_debugBar = nullptr;
    QToolBar *m_browserBar = nullptr;
    QPointer<QMdiSubWindow> m_projectFrame; // the floating project pane
    QPointer<QMdiSubWindow> m_outputFrame;  // the floating output window
    bool m_sizesApplied = false;
};
