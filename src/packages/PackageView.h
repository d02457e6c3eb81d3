#pragma once

#include "packages/PackageCommands.h"

#include <QTreeWidget>
#include <functional>

class CClassDumper;
class CPackageObject;
class CPkgDoc;
class CVarContainer;
class QMenu;

// The Packages tab: the package database as a tree ("Packages", one node
// per package, its "Classes" and "Interfaces" below it) with the commands
// that fill it (sources, class files, archives), find the packages of a
// class or interface, delete a package and edit the package class path.
// A package's classes are put into the tree when it is first expanded, so
// that a database with the whole platform API shows at once.
class CPackageView : public QTreeWidget
{
    Q_OBJECT
public:
    // The command ids of the view's own menu.
    enum Command {
        AddUpdate,
        AddUpdateClass,
        AddZipJar,
        FindClass,
        FindInterface,
        FindNext,
        DeletePackage,
        PackageClassPath,
        AddJdkClasses,
    };

    CPackageView(CPkgDoc &db, CClassDumper &introspector, QWidget *parent = nullptr);
    ~CPackageView() override;

    // Empties the tree and fills it again from the database.
    void Refill();
    // Runs one of the commands; the file and text choices come from the
    // choosers below (dialogs unless a test replaced them).
    void OnCommand(Command command);
    QMenu *CreateContextMenu();

    // The package node (or null) and the element node (or null) shown.
    QTreeWidgetItem *PackageItem(const QString &name) const;
    CVarContainer *ElementOf(const QTreeWidgetItem *item) const;
    CPackageCommands &Commands() { return m_commands; }

    // How the commands ask: files to open (title, filter), a name (title),
    // a text to edit (title, old text). Empty answers cancel.
    std::function<QStringList(const QString &, const QString &)> m_chooseFiles;
    std::function<QString(const QString &, const QString &)> m_askText;
    // Called before each introspection run, to point the introspector at
    // the JDK and the program's classes.zip as the settings now say.
    std::function<void(CClassDumper &)> m_prepareClassDumper;
    // A class or interface node was activated.
    std::function<void(const CVarContainer &, const CPackageObject &)> m_onActivate;

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    // The database is read when the tab is first shown, not at start-up.
    void showEvent(QShowEvent *event) override;

private:
    void FillPackage(QTreeWidgetItem *packageItem);
    void ShowMatch(const CPackageCommands::Match &match);
    void Introspect(const QStringList &paths);
    CPackageObject *PackageOf(const QTreeWidgetItem *item) const;

    CPkgDoc &m_db;
    CClassDumper &m_introspector;
    CPackageCommands m_commands;
    bool m_filled = false;
};
