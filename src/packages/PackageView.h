#pragma once

#include "packages/PackageCommands.h"
#include "project/MyTreeView.h"

#include <functional>
#include <memory>
#include <vector>

class CClassDumpDlg;
class CClassDumper;
class CPackageObject;
class CPkgDoc;
class CTreeItem;
class CVarContainer;
class QMenu;

// The Packages tab: the package database as a tree ("Packages", one node
// per package, its "Classes" and "Interfaces" below it, and each type with
// its members as the class view shows them) with the commands that fill it
// (sources, class files, archives), find the packages of a class or
// interface, delete a package and edit the package class path.
//
// A package's types are put into the tree when it is first expanded, so
// that a database with the whole platform API shows at once. Types,
// interfaces and methods are dragged to the class wizard as element drag
// tokens; activating one opens its source.
class CPackageView : public CMyTreeView
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
        DisplayHelp,
        DeletePackage,
        PackageClassPath,
        AddJdkClasses,
    };

    CPackageView(CPkgDoc &db, CClassDumper &introspector, QWidget *parent = nullptr);
    ~CPackageView() override;

    // Empties the tree and fills it again from the database. The database
    // calls it after every change, for every view of it.
    void Refill();
    // Runs one of the commands; the file and text choices come from the
    // choosers below (dialogs unless a test replaced them).
    void OnCommand(Command command);
    // Whether a command can run now (Display Help waits for the help
    // system; Find next for a search; Delete Package for a package).
    bool IsCommandEnabled(Command command) const;
    // The menu text of a command.
    static QString CommandText(Command command);
    QMenu *CreateContextMenu(CTreeItem *node) override;
    // Shows the first package that holds a class (else an interface) of
    // exactly that name; Find next goes on to the others.
    void Locate(const QString &name);

    // Puts class files and archives into the database through the
    // introspection dialog. False when nothing was added.
    bool AddClassFiles(const QStringList &paths);

    // The package node (or null), and the class or interface an item shows
    // (null for any other item).
    QTreeWidgetItem *PackageItem(const QString &name) const;
    CVarContainer *TypeOf(QTreeWidgetItem *item) const;
    CPackageObject *PackageOf(QTreeWidgetItem *item) const;
    CPackageCommands &Commands() { return m_commands; }

    // How the commands ask: files to open (title, filter), a name (title),
    // a text to edit (title, old text). Empty answers cancel.
    std::function<QStringList(const QString &, const QString &)> m_chooseFiles;
    std::function<QString(const QString &, const QString &)> m_askText;
    // Runs the introspection dialog; true when it ended with OK.
    std::function<bool(CClassDumpDlg &)> m_runDialog;
    // Called before each introspection run, to point the introspector at
    // the JDK and the program's classes.zip as the settings now say.
    std::function<void(CClassDumper &)> m_prepareClassDumper;
    // Where the source of a top-level type of a package lies (empty when
    // unknown); activation opens it.
    std::function<QString(const CVarContainer &, const CPackageObject &)> m_findSource;

protected:
    // The database is read when the tab is first shown, not at start-up.
    void showEvent(QShowEvent *event) override;
    void OnActivate(CTreeItem *node) override;
    void OnDeleteKey(CTreeItem *node) override;
    bool CanRename(CTreeItem *node) const override;
    QString OnRenamed(CTreeItem *node, const QString &text) override;

private:
    class CNode;
    friend class CNode;

    void FillRoot(HTREEITEM root);
    void FillPackage(HTREEITEM item, CPackageObject &package);
    void ShowMatch(const CPackageCommands::Match &match);
    int NodeKindOf(QTreeWidgetItem *item) const;

    CPkgDoc &m_db;
    CClassDumper &m_introspector;
    CPackageCommands m_commands;
    std::vector<std::unique_ptr<CNode>> m_nodes; // root, packages, groups
    int m_viewId = 0;
    bool m_filled = false;
    bool m_refilling = false;
};
