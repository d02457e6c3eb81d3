#pragma once

#include <QHash>
#include <QList>
#include <functional>

class QAction;
class QMainWindow;
class QMdiArea;
class QMenu;
class QString;
class QToolBar;

// The main window's actions, menus and toolbars, laid out from the command
// table, with the parts of the menus that change: the recent files, the
// user's commands and the list of windows. Every action runs its command id
// through the function the main frame hands in.
class CFrameMenus
{
public:
    using Execute = std::function<void(int id)>;
    // frame and area are not owned and must outlive this object.
    CFrameMenus(QMainWindow *frame, QMdiArea *area, Execute execute);

    // One action per command of the table, added to the frame so that its
    // shortcuts work while the menus are closed. All start disabled.
    void CreateActions();
    // The menu bar. onShow runs when a menu opens (after its changing part
    // is rebuilt), onHide when it closes.
    void CreateMenus(std::function<void()> onShow, std::function<void()> onHide);
    // A toolbar of the commands ids (0: a separator) at the top of the frame.
    QToolBar *CreateBar(const QString &name, const QString &title, const QList<int> &ids);

    QAction *Action(int id) const { return m_actions.value(id); }
    const QHash<int, QAction *> &Actions() const { return m_actions; }
    // The File menu's recent files, one a command id from Cmd::FileMruFirst.
    const QList<QAction *> &RecentActions() const { return m_recentActions; }

    // Fills the File menu's recent files from the application's list.
    void RebuildRecentFiles();
    // The Windows dialog: the editor area's windows; the one chosen is
    // activated.
    void ShowWindowsList();

private:
    void RebuildWindowMenu();
    // The user's commands at the end of the menu that holds Custom Command.
    void RebuildUserCommands();

    QMainWindow *m_frame;
    QMdiArea *m_area;
    Execute m_execute;
    QHash<int, QAction *> m_actions;
    QMenu *m_fileMenu = nullptr;
    QAction *m_recentAnchor = nullptr; // the separator before the recent files
    QList<QAction *> m_recentActions;
    QMenu *m_windowMenu = nullptr;
    QList<QAction *> m_windowActions;
    QMenu *m_userCommandsMenu = nullptr;
    QList<QAction *> m_userCommandActions;
};
