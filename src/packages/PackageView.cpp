#include "packages/PackageView.h"

#include "core/Prompter.h"
#include "javamodel/PackageObject.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarInterface.h"
#include "packages/ClassDumpDlg.h"
#include "packages/ClassDumpRun.h"
#include "packages/ClassDumper.h"
#include "packages/PkgDoc.h"

#include <QContextMenuEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMenu>
#include <memory>

namespace {
// What an item stands for: the kind in one role, the object in another.
enum ItemKind { RootItem = 1, PackageNode, ClassesNode, InterfacesNode, ElementNode };
constexpr int kKindRole = Qt::UserRole;
constexpr int kObjectRole = Qt::UserRole + 1;

int KindOf(const QTreeWidgetItem *item)
{
    return item ? item->data(0, kKindRole).toInt() : 0;
}

QTreeWidgetItem *MakeItem(QTreeWidgetItem *parent, const QString &text, ItemKind kind,
                          const void *object = nullptr)
{
    auto *item = new QTreeWidgetItem(parent, {text});
    item->setData(0, kKindRole, kind);
    item->setData(0, kObjectRole, QVariant::fromValue(quintptr(object)));
    return item;
}

struct CommandText
{
    CPackageView::Command m_command;
    const char *m_text; // tool tip, then the short name
};

const CommandText kCommands[] = {
    {CPackageView::AddUpdate, "Add or Update Package Class\nAdd/Update"},
    {CPackageView::AddUpdateClass, "Add/Update a class file\nAdd Update Class"},
    {CPackageView::AddZipJar, "Add Zip/Jar file to Packages\nAdd Zip/Jar"},
    {CPackageView::FindClass, "Find the Package for a Class\nFind Class"},
    {CPackageView::FindInterface, "Find the Package for an Interface\nFind Interface"},
    {CPackageView::FindNext, "\nFind next"},
    {CPackageView::DeletePackage, "Delete this Package\nDelete Package"},
    {CPackageView::PackageClassPath, "Edit Package classpath\nPackage classpath"},
    {CPackageView::AddJdkClasses, "Add the Java SE API of the JDK to Packages\nAdd JDK classes"},
};

} // namespace

CPackageView::CPackageView(CPkgDoc &db, CClassDumper &introspector, QWidget *parent)
    : QTreeWidget(parent), m_db(db), m_introspector(introspector), m_commands(db)
{
    setObjectName(QStringLiteral("PackageView"));
    setHeaderHidden(true);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    m_chooseFiles = [this](const QString &title, const QString &filter) {
        return QFileDialog::getOpenFileNames(this, title, QString(), filter);
    };
    m_askText = [this](const QString &title, const QString &text) {
        return QInputDialog::getText(this, title, title, QLineEdit::Normal, text);
    };
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem *item) {
        if (KindOf(item) == PackageNode)
            FillPackage(item);
    });
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) {
        CVarContainer *element = ElementOf(item);
        CPackageObject *package = PackageOf(item);
        if (element && package && m_onActivate)
            m_onActivate(*element, *package);
    });
    m_db.m_onUpdateAllViews = [this] { Refill(); };
    m_db.m_onPackageAdded = [this](CPackageObject *) { Refill(); };
}

CPackageView::~CPackageView()
{
    m_db.m_onUpdateAllViews = nullptr;
    m_db.m_onPackageAdded = nullptr;
}

void CPackageView::showEvent(QShowEvent *event)
{
    QTreeWidget::showEvent(event);
    if (!m_filled)
        Refill();
}

void CPackageView::Refill()
{
    m_filled = true;
    // Reading a deferred database refills the tree itself: read it before
    // anything is taken down here.
    m_db.EnsureLoaded();
    clear();
    auto *root = new QTreeWidgetItem(this, {QStringLiteral("Packages")});
    root->setData(0, kKindRole, RootItem);
    for (CPackageObject *package : m_db.Packages()) {
        QTreeWidgetItem *item = MakeItem(root, package->m_packageName, PackageNode, package);
        item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    }
    root->setExpanded(true);
}

void CPackageView::FillPackage(QTreeWidgetItem *packageItem)
{
    if (packageItem->childCount() > 0)
        return;
    auto *package =
        reinterpret_cast<CPackageObject *>(packageItem->data(0, kObjectRole).value<quintptr>());
    QTreeWidgetItem *classes = MakeItem(packageItem, QStringLiteral("Classes"), ClassesNode);
    QTreeWidgetItem *interfaces =
        MakeItem(packageItem, QStringLiteral("Interfaces"), InterfacesNode);
    for (CVarClass *c : std::as_const(package->m_classes))
        MakeItem(classes, c->m_name, ElementNode, static_cast<CVarContainer *>(c))
            ->setToolTip(0, c->GetDescription());
    for (CVarInterface *i : std::as_const(package->m_interfaces))
        MakeItem(interfaces, i->m_name, ElementNode, static_cast<CVarContainer *>(i))
            ->setToolTip(0, i->GetDescription());
}

QTreeWidgetItem *CPackageView::PackageItem(const QString &name) const
{
    QTreeWidgetItem *root = topLevelItem(0);
    for (int i = 0; root && i < root->childCount(); ++i) {
        if (root->child(i)->text(0) == name)
            return root->child(i);
    }
    return nullptr;
}

CVarContainer *CPackageView::ElementOf(const QTreeWidgetItem *item) const
{
    if (KindOf(item) != ElementNode)
        return nullptr;
    return reinterpret_cast<CVarContainer *>(item->data(0, kObjectRole).value<quintptr>());
}

CPackageObject *CPackageView::PackageOf(const QTreeWidgetItem *item) const
{
    while (item && KindOf(item) != PackageNode)
        item = item->parent();
    return item ? reinterpret_cast<CPackageObject *>(item->data(0, kObjectRole).value<quintptr>())
                : nullptr;
}

void CPackageView::ShowMatch(const CPackageCommands::Match &match)
{
    if (!match.m_package)
        return;
    QTreeWidgetItem *packageItem = PackageItem(match.m_package->m_packageName);
    if (!packageItem)
        return;
    packageItem->setExpanded(true); // fills it
    const int group = m_commands.SearchKind() == CPackageCommands::Classes ? 0 : 1;
    QTreeWidgetItem *groupItem = packageItem->child(group);
    if (!groupItem)
        return;
    groupItem->setExpanded(true);
    for (int i = 0; i < groupItem->childCount(); ++i) {
        if (ElementOf(groupItem->child(i)) == match.m_element) {
            setCurrentItem(groupItem->child(i));
            scrollToItem(groupItem->child(i));
            return;
        }
    }
}

void CPackageView::Introspect(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    if (m_prepareClassDumper)
        m_prepareClassDumper(m_introspector);
    CClassDumpDlg dlg(m_introspector, paths, this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    CPrompter &p = Prompter();
    p.BeginWaitCursor();
    p.SetStatusText(QStringLiteral("Wait, updating the packages..."));
    m_db.AddIntrospectedFiles(dlg.Run().TakeFiles(), dlg.Run().ClassPathAdditions());
    p.SetStatusText(QStringLiteral("Done..."));
    p.EndWaitCursor();
    Refill();
}

void CPackageView::OnCommand(Command command)
{
    switch (command) {
    case AddUpdate: {
        const QStringList files = m_chooseFiles(
            QStringLiteral("Add Package"), QStringLiteral("Java Files (*.java);;All Files (*)"));
        if (files.isEmpty())
            return;
        CPrompter &p = Prompter();
        p.BeginWaitCursor();
        p.SetStatusText(QStringLiteral("Wait, updating the packages..."));
        m_db.AddSourceFiles(files);
        p.SetStatusText(QStringLiteral("Done..."));
        p.EndWaitCursor();
        Refill();
        return;
    }
    case AddUpdateClass:
        Introspect(m_chooseFiles(QStringLiteral("Add Class to Package"),
                                 QStringLiteral("Class Files (*.class);;All Files (*)")));
        return;
    case AddZipJar:
        Introspect(
            m_chooseFiles(QStringLiteral("Select File to Add"),
                          QStringLiteral("Zip Files (*.zip);;Jar Files (*.jar);;All Files (*)")));
        return;
    case AddJdkClasses:
        Introspect({CClassDumper::PlatformApiPath()});
        return;
    case FindClass:
    case FindInterface: {
        const bool classes = command == FindClass;
        const QString name =
            m_askText(classes ? QStringLiteral("Find Class") : QStringLiteral("Find Interface"),
                      m_commands.SearchText());
        if (name.isEmpty())
            return;
        m_commands.BeginFind(name,
                             classes ? CPackageCommands::Classes : CPackageCommands::Interfaces);
        ShowMatch(m_commands.FindNext());
        return;
    }
    case FindNext:
        if (m_commands.HasSearch())
            ShowMatch(m_commands.FindNext());
        return;
    case DeletePackage: {
        CPackageObject *package = PackageOf(currentItem());
        if (package)
            m_commands.DeletePackage(package->m_packageName); // refills through the database
        return;
    }
    case PackageClassPath: {
        bool ok = false;
        const QString text = QInputDialog::getText(this, QStringLiteral("Package classpath"),
                                                   QStringLiteral("Package classpath"),
                                                   QLineEdit::Normal, m_db.ClassPath(), &ok);
        if (ok) {
            m_db.SetClassPath(text);
            m_db.Save();
        }
        return;
    }
    }
}

QMenu *CPackageView::CreateContextMenu()
{
    auto *menu = new QMenu(this);
    const bool onPackage = PackageOf(currentItem()) != nullptr;
    for (const CommandText &c : kCommands) {
        const QStringList parts = QString::fromLatin1(c.m_text).split(QLatin1Char('\n'));
        if (c.m_command == DeletePackage && !onPackage)
            continue;
        if (c.m_command == FindNext && !m_commands.HasSearch())
            continue;
        QAction *action = menu->addAction(parts.value(1));
        action->setStatusTip(parts.value(0));
        action->setToolTip(parts.value(0));
        const Command command = c.m_command;
        connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
    }
    return menu;
}

void CPackageView::contextMenuEvent(QContextMenuEvent *event)
{
    if (QTreeWidgetItem *item = itemAt(event->pos()))
        setCurrentItem(item);
    std::unique_ptr<QMenu> menu(CreateContextMenu());
    menu->exec(event->globalPos());
}
