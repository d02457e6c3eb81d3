#pragma once

#include "app/MessagePrompter.h"

#include <QMainWindow>

class QMdiArea;

// The main window: menu bar, the area where editor and help windows live,
// status bar. It installs the program's prompter, and on close writes the
// settings back.
class CMainFrame : public QMainWindow
{
    Q_OBJECT
public:
    // installPrompter: make this window's message boxes the program's
    // prompter (not done when a test has installed its own).
    explicit CMainFrame(bool installPrompter);
    ~CMainFrame() override;

    // Builds the window's menus, bars and client area. False on failure,
    // which ends start-up.
    bool LoadFrame();
    // Puts the docking bars back where the user left them.
    void RestoreBars();
    // The last step of start-up, once the first windows are open.
    void OnStartupComplete();

    QMdiArea *MdiArea() const { return m_mdiArea; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void CreateMenus();

    CMessagePrompter m_prompter;
    bool m_prompterInstalled = false;
    CPrompter *m_previousPrompter = nullptr;
    QMdiArea *m_mdiArea = nullptr;
};
