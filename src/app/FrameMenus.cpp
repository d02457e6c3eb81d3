#include "app/FrameMenus.h"

#include "app/CommandTable.h"
#include "app/JavaIDEApp.h"
#include "app/RecentFileList.h"
#include "core/CommandIds.h"
#include "tools/Command.h"
#include "tools/CommandsDoc.h"
#include "tree/ThemeIcon.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QIcon CommandIcon(const CCommandDef &def)
{
    if (!def.iconName && def.fallbackIcon == QStyle::SP_CustomBase)
        return QIcon();
    return ThemeIcon(def.iconName, def.fallbackIcon);
}

QString PlainTitle(const QMdiSubWindow *window)
{
    QString title = window->windowTitle();
    title.replace(QStringLiteral("[*]"),
                  window->isWindowModified() ? QStringLiteral("*") : QString());
    return title;
}

} // namespace

CFrameMenus::CFrameMenus(QMainWindow *frame, QMdiArea *area, Execute execute)
    : m_frame(frame), m_area(area), m_execute(std::move(execute))
{
}

void CFrameMenus::CreateActions()
{
    for (const CCommandDef &def : CommandTable::Commands()) {
        auto *action = new QAction(QString::fromUtf8(def.text), m_frame);
        action->setObjectName(QStringLiteral("cmd%1").arg(def.id));
        action->setData(def.id);
        action->setStatusTip(QString::fromUtf8(def.tip));
        action->setToolTip(QString::fromUtf8(def.tip));
        action->setIcon(CommandIcon(def));
        action->setIconVisibleInMenu(false);
        action->setShortcuts(CommandTable::Shortcuts(def));
        action->setEnabled(false);
        if (def.id == Cmd::AppExit)
            action->setMenuRole(QAction::QuitRole);
        else if (def.id == Cmd::AppAbout)
            action->setMenuRole(QAction::AboutRole);
        else
            action->setMenuRole(QAction::NoRole);
        const int id = def.id;
        QObject::connect(action, &QAction::triggered, m_frame, [this, id] { m_execute(id); });
        m_frame->addAction(action); // shortcuts work while the menus are closed
        m_actions.insert(id, action);
    }
    for (int id : {int(Cmd::ToggleOutput), int(Cmd::ViewToolBar), int(Cmd::ToggleDebugBar),
                   int(Cmd::ToggleBrowserBar), int(Cmd::ViewStatusBar)})
        m_actions.value(id)->setCheckable(true);
}

void CFrameMenus::CreateMenus(std::function<void()> onShow, std::function<void()> onHide)
{
    for (const CMenuDef &def : CommandTable::Menus()) {
        QMenu *menu = m_frame->menuBar()->addMenu(QString::fromUtf8(def.title));
        for (int item : def.items) {
            switch (item) {
            case CMenuDef::Separator:
                menu->addSeparator();
                break;
            case CMenuDef::RecentFiles:
                m_fileMenu = menu;
                m_recentAnchor = menu->addSeparator();
                break;
            case CMenuDef::WindowList:
                m_windowMenu = menu;
                break;
            default:
                if (QAction *action = m_actions.value(item))
                    menu->addAction(action);
                if (item == Cmd::CustomCommand)
                    m_userCommandsMenu = menu;
            }
        }
        QObject::connect(menu, &QMenu::aboutToShow, m_frame, [this, menu, onShow] {
            if (menu == m_windowMenu)
                RebuildWindowMenu();
            if (menu == m_userCommandsMenu)
                RebuildUserCommands();
            onShow();
        });
        QObject::connect(menu, &QMenu::aboutToHide, m_frame, onHide);
    }
    RebuildRecentFiles();
}

QToolBar *CFrameMenus::CreateBar(const QString &name, const QString &title, const QList<int> &ids)
{
    auto *bar = new QToolBar(title, m_frame);
    bar->setObjectName(name);
    bar->setIconSize(QSize(16, 16));
    for (int id : ids) {
        if (id == 0)
            bar->addSeparator();
        else if (QAction *action = m_actions.value(id))
            bar->addAction(action);
    }
    m_frame->addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

void CFrameMenus::RebuildUserCommands()
{
    qDeleteAll(m_userCommandActions);
    m_userCommandActions.clear();
    CJavaIDEApp *app = GetApp();
    if (!m_userCommandsMenu || !app)
        return;
    const QList<CCommand *> commands = app->UserCommands().BuildMenu(CCommandsDoc::MainMenu);
    if (commands.isEmpty())
        return;
    m_userCommandActions << m_userCommandsMenu->addSeparator();
    for (const CCommand *cmd : commands) {
        QAction *action = m_userCommandsMenu->addAction(cmd->m_strMenuName);
        const int id = cmd->MenuId();
        action->setData(id);
        action->setObjectName(QStringLiteral("cmd%1").arg(id));
        QObject::connect(action, &QAction::triggered, m_frame, [this, id] { m_execute(id); });
        m_userCommandActions << action;
    }
}

void CFrameMenus::RebuildRecentFiles()
{
    if (!m_fileMenu || !m_recentAnchor)
        return;
    qDeleteAll(m_recentActions);
    m_recentActions.clear();
    CJavaIDEApp *app = GetApp();
    const CRecentFileList *list = app ? &app->RecentFiles() : nullptr;
    const int count = list ? int(list->Files().size()) : 0;
    for (int i = 0; i < count; ++i) {
        auto *action = new QAction(list->MenuText(i), m_fileMenu);
        action->setStatusTip(list->Files().at(i));
        const int id = Cmd::FileMruFirst + i;
        QObject::connect(action, &QAction::triggered, m_frame, [this, id] { m_execute(id); });
        m_fileMenu->insertAction(m_recentAnchor, action);
        m_recentActions << action;
    }
    if (count == 0) {
        auto *none = new QAction(QStringLiteral("Recent File"), m_fileMenu);
        none->setEnabled(false);
        m_fileMenu->insertAction(m_recentAnchor, none);
        m_recentActions << none;
    }
}

void CFrameMenus::RebuildWindowMenu()
{
    if (!m_windowMenu)
        return;
    qDeleteAll(m_windowActions);
    m_windowActions.clear();
    const QList<QMdiSubWindow *> windows = m_area->subWindowList();
    QMdiSubWindow *active = m_area->activeSubWindow();
    for (int i = 0; i < windows.size() && i < 9; ++i) {
        QMdiSubWindow *window = windows.at(i);
        auto *action = m_windowMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            PlainTitle(window).replace(QLatin1Char('&'), QStringLiteral("&&"))));
        action->setCheckable(true);
        action->setChecked(window == active);
        QObject::connect(action, &QAction::triggered, m_frame, [this, window = QPointer(window)] {
            if (window) {
                window->show();
                m_area->setActiveSubWindow(window);
            }
        });
        m_windowActions << action;
    }
}

void CFrameMenus::ShowWindowsList()
{
    QDialog dialog(m_frame);
    dialog.setWindowTitle(QStringLiteral("Windows"));
    auto *list = new QListWidget(&dialog);
    const QList<QMdiSubWindow *> windows = m_area->subWindowList();
    for (QMdiSubWindow *window : windows)
        list->addItem(PlainTitle(window));
    list->setCurrentRow(int(windows.indexOf(m_area->activeSubWindow())));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(list);
    layout->addWidget(buttons);
    CJavaIDEApp *app = GetApp();
    const int result = app ? app->RunDialog(dialog) : dialog.exec();
    const int row = list->currentRow();
    if (result == QDialog::Accepted && row >= 0 && row < windows.size()) {
        windows.at(row)->show();
        m_area->setActiveSubWindow(windows.at(row));
    }
}
