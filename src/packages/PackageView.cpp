#include "packages/PackageView.h"

#include "core/Prompter.h"
#include "javamodel/ElementTreeBuilder.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaParser.h"
#include "javamodel/PackageObject.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarInterface.h"
#include "javamodel/VarMethodDecl.h"
#include "javamodel/Variable.h"
#include "packages/ClassDumpDlg.h"
#include "packages/ClassDumpRun.h"
#include "packages/ClassDumper.h"
#include "packages/PkgDoc.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>
#include <algorithm>

namespace {

struct CommandRow
{
    CPackageView::Command m_command;
    const char *m_text; // tool tip, then the menu text
};

const CommandRow kCommands[] = {
    {CPackageView::AddUpdate, "Add or Update Package Class\nAdd/Update"},
    {CPackageView::AddUpdateClass, "Add/Update a class file\nAdd Update Class"},
    {CPackageView::AddZipJar, "Add Zip/Jar file to Packages\nAdd Zip/Jar"},
    {CPackageView::FindClass, "Find the Package for a Class\nFind Class"},
    {CPackageView::FindInterface, "Find the Package for an Interface\nFind Interface"},
    {CPackageView::FindNext, "\nFind next"},
    {CPackageView::DisplayHelp,
     "Display Help for this Class/Interface\nDisplay Help for this Class/Interface"},
    {CPackageView::DeletePackage, "Delete this Package\nDelete Package"},
    {CPackageView::PackageClassPath, "Edit Package classpath\nPackage classpath"},
    {CPackageView::AddJdkClasses, "Add the Java SE API of the JDK to Packages\nAdd JDK classes"},
};

QString TextPart(CPackageView::Command command, int part)
{
    for (const CommandRow &row : kCommands) {
        if (row.m_command == command)
            return QString::fromLatin1(row.m_text).section(QLatin1Char('\n'), part, part);
    }
    return QString();
}

// The types of a list in the order the tree shows them: by name, ignoring
// case; nameless ones (a declaration the recogniser could not read) left out.
template <class T> QList<T *> InTreeOrder(const QList<T *> &types)
{
    QList<T *> sorted;
    for (T *t : types) {
        if (!t->m_name.isEmpty())
            sorted << t;
    }
    std::stable_sort(sorted.begin(), sorted.end(), [](const T *a, const T *b) {
        return QString::compare(a->m_name, b->m_name, Qt::CaseInsensitive) < 0;
    });
    return sorted;
}

CVarContainer *MemberType(const CVarContainer &outer, const QString &name)
{
    if (const QList<CVarClass *> *inner = outer.InnerClasses()) {
        for (CVarClass *c : *inner)
            if (c->m_name.compare(name, Qt::CaseInsensitive) == 0)
                return c;
    }
    if (const QList<CVarInterface *> *inner = outer.InnerInterfaces()) {
        for (CVarInterface *i : *inner)
            if (i->m_name.compare(name, Qt::CaseInsensitive) == 0)
                return i;
    }
    return nullptr;
}

// The line of the source at path where element is declared: types are
// found by the names of the nesting chain (outermost first), members in
// the innermost type. A class introspected from an archive has lines of
// the introspector's output, not of its source, so the source is always
// read anew. 1 when nothing matches.
int SourceLine(const QString &path, const QStringList &typeChain, const CVarObject &element)
{
    QFile file(path);
    if (typeChain.isEmpty() || !file.open(QIODevice::ReadOnly))
        return 1;
    std::unique_ptr<CFileObject> parsed(CJavaParser::ParseText(file.readAll()));
    CVarContainer *type = parsed ? parsed->FindClassByName(typeChain.first()) : nullptr;
    for (qsizetype i = 1; type && i < typeChain.size(); ++i) {
        CVarContainer *inner = MemberType(*type, typeChain[i]);
        if (!inner)
            break; // the nearest enclosing type it has
        type = inner;
    }
    if (!type)
        return 1;
    int line = type->m_startLine;
    if (dynamic_cast<const CVarMethodDecl *>(&element)) {
        const CVarObject *method = type->FindMember(&element);
        for (qsizetype i = 0; !method && i < type->m_methods.size(); ++i) {
            if (type->m_methods[i]->m_name == element.m_name)
                method = type->m_methods[i];
        }
        if (method)
            line = method->m_startLine;
    } else if (dynamic_cast<const CVariable *>(&element)) {
        for (const CVariable *v : std::as_const(type->m_variables)) {
            if (v->m_name == element.m_name) {
                line = v->m_startLine;
                break;
            }
        }
    }
    return std::max(line, 1);
}

} // namespace

// The view's own nodes: the root, one per package, and the two groups of a
// package. The root and the packages fill their items when first expanded.
class CPackageView::CNode final : public CTreeItem
{
public:
    enum Kind { Root = 1, Package, Classes, Interfaces };

    CNode(CPackageView &view, Kind kind, const QString &name, CPackageObject *package)
        : CTreeItem(name, TreeImage::FolderClosed, TreeImage::FolderOpen), m_view(view),
          m_kind(kind), m_package(package)
    {
    }

    Kind GetKind() const { return m_kind; }
    CPackageObject *GetPackage() const { return m_package; }

    bool HasChildren() const override { return true; }
    bool OnItemExpanding(CTreeControl &tree, const CTreeNotification &notify) override
    {
        if (!m_populated && !tree.GetChildItem(notify.hItem)) {
            if (m_kind == Root)
                m_view.FillRoot(notify.hItem);
            else if (m_kind == Package && m_package)
                m_view.FillPackage(notify.hItem, *m_package);
        }
        m_populated = true;
        return false;
    }

private:
    CPackageView &m_view;
    Kind m_kind;
    CPackageObject *m_package; // the database's
};

CPackageView::CPackageView(CPkgDoc &db, CClassDumper &introspector, QWidget *parent)
    : CMyTreeView(parent), m_db(db), m_introspector(introspector), m_commands(db)
{
    setObjectName(QStringLiteral("PackageView"));
    // Types and methods go to the class wizard in an editor; nothing is
    // dropped here.
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    m_chooseFiles = [this](const QString &title, const QString &filter) {
        return QFileDialog::getOpenFileNames(this, title, QString(), filter);
    };
    m_askText = [this](const QString &title, const QString &text) {
        return QInputDialog::getText(this, title, title, QLineEdit::Normal, text);
    };
    m_runDialog = [](CClassDumpDlg &dlg) { return dlg.exec() == QDialog::Accepted; };
    m_viewId = m_db.AddView([this] { Refill(); });
}

CPackageView::~CPackageView()
{
    m_db.RemoveView(m_viewId);
    // The items refer to the nodes: take them down first.
    blockSignals(true);
    QTreeWidget::clear();
}

void CPackageView::showEvent(QShowEvent *event)
{
    CMyTreeView::showEvent(event);
    if (!m_filled)
        Refill();
}

void CPackageView::Refill()
{
    if (m_refilling)
        return;
    m_filled = true;
    // Reading a deferred database tells every view, this one too: read it
    // before anything is taken down here.
    m_refilling = true;
    m_db.EnsureLoaded();
    m_refilling = false;

    // A change rebuilds the tree from the database: the user finds the
    // packages and classes open that were open, and their place kept.
    const OpenState open = SaveOpenState();
    ClearTree(nullptr);
    ForgetElements();
    m_nodes.clear();
    m_nodes.push_back(
        std::make_unique<CNode>(*this, CNode::Root, QStringLiteral("Packages"), nullptr));
    InsertRoot(m_nodes.back().get()); // expanding it puts the packages in
    RestoreOpenState(open);
}

void CPackageView::FillRoot(HTREEITEM root)
{
    for (CPackageObject *package : m_db.Packages()) {
        m_nodes.push_back(
            std::make_unique<CNode>(*this, CNode::Package, package->m_packageName, package));
        CNode *node = m_nodes.back().get();
        if (!Control().InsertItem(root, node->GetDisplayName(), node->GetImage(),
                                  node->GetSelectedImage(), true, node, TVI_LAST)) {
            Prompter().MessageBox(QStringLiteral("Memory error adding items to tree control !!!"));
            return;
        }
    }
}

void CPackageView::FillPackage(HTREEITEM item, CPackageObject &package)
{
    CElementTreeBuilder &builder = Builder();
    auto group = [&](CNode::Kind kind, const QString &text) -> HTREEITEM {
        m_nodes.push_back(std::make_unique<CNode>(*this, kind, text, &package));
        CNode *node = m_nodes.back().get();
        node->SetPopulated(true); // filled right here
        const HTREEITEM h = Control().InsertItem(item, text, node->GetImage(),
                                                 node->GetSelectedImage(), true, node, TVI_LAST);
        if (!h)
            Prompter().MessageBox(QStringLiteral("Memory error adding items to tree control !!!"));
        return h;
    };
    // The types are put in sorted, each at the end: the builder's own
    // ordered insert would walk the siblings for every one of them.
    if (const HTREEITEM classes = group(CNode::Classes, QStringLiteral("Classes"))) {
        const QList<CVarClass *> sorted = InTreeOrder(package.m_classes);
        for (CVarClass *c : sorted) {
            if (!builder.InsertClass(classes, CElementTreeBuilder::TreeText(*c), c))
                return;
        }
        if (sorted.isEmpty())
            builder.InsertNone(classes);
    }
    if (const HTREEITEM interfaces = group(CNode::Interfaces, QStringLiteral("Interfaces"))) {
        const QList<CVarInterface *> sorted = InTreeOrder(package.m_interfaces);
        for (CVarInterface *i : sorted) {
            if (!builder.InsertInterface(interfaces, CElementTreeBuilder::TreeText(*i), i))
                return;
        }
        if (sorted.isEmpty())
            builder.InsertNone(interfaces);
    }
}

int CPackageView::NodeKindOf(QTreeWidgetItem *item) const
{
    const auto *node = dynamic_cast<const CNode *>(NodeOf(item));
    return node ? node->GetKind() : 0;
}

QTreeWidgetItem *CPackageView::PackageItem(const QString &name) const
{
    QTreeWidgetItem *root = topLevelItem(0);
    for (int i = 0; root && i < root->childCount(); ++i) {
        if (!root->child(i)->isHidden() && root->child(i)->text(0) == name)
            return root->child(i);
    }
    return nullptr;
}

CVarContainer *CPackageView::TypeOf(QTreeWidgetItem *item) const
{
    return dynamic_cast<CVarContainer *>(ElementOf(NodeOf(item)));
}

CPackageObject *CPackageView::PackageOf(QTreeWidgetItem *item) const
{
    for (; item; item = item->parent()) {
        if (const auto *node = dynamic_cast<const CNode *>(NodeOf(item)))
            return node->GetPackage();
    }
    return nullptr;
}

void CPackageView::Locate(const QString &name)
{
    if (name.isEmpty())
        return;
    // A word in the source names a type whole: "List" is java.util.List,
    // not the first type whose name starts with it.
    const CPackageCommands::Kind kind = m_commands.Holds(name, CPackageCommands::Classes, true)
                                            ? CPackageCommands::Classes
                                            : CPackageCommands::Interfaces;
    m_commands.BeginFind(name, kind, true);
    ShowMatch(m_commands.FindNext());
}

void CPackageView::ShowMatch(const CPackageCommands::Match &match)
{
    if (!match.m_package)
        return;
    QTreeWidgetItem *packageItem = PackageItem(match.m_package->m_packageName);
    if (!packageItem)
        return;
    expandItem(packageItem); // fills it
    const CNode::Kind wanted =
        m_commands.SearchKind() == CPackageCommands::Classes ? CNode::Classes : CNode::Interfaces;
    for (int g = 0; g < packageItem->childCount(); ++g) {
        QTreeWidgetItem *groupItem = packageItem->child(g);
        if (NodeKindOf(groupItem) != wanted)
            continue;
        expandItem(groupItem);
        for (int i = 0; i < groupItem->childCount(); ++i) {
            if (TypeOf(groupItem->child(i)) == match.m_element) {
                setCurrentItem(groupItem->child(i));
                scrollToItem(groupItem->child(i));
                return;
            }
        }
    }
}

bool CPackageView::AddClassFiles(const QStringList &paths)
{
    if (paths.isEmpty())
        return false;
    if (m_prepareClassDumper)
        m_prepareClassDumper(m_introspector);
    CClassDumpDlg dlg(m_introspector, paths, this);
    if (!m_runDialog(dlg))
        return false;
    CPrompter &p = Prompter();
    p.BeginWaitCursor();
    p.SetStatusText(QStringLiteral("Wait, updating the packages..."));
    // Every view is refilled by the database once all is in.
    const bool added = m_db.AddDumpedFiles(dlg.Run().TakeFiles(), dlg.Run().ClassPathAdditions());
    p.SetStatusText(QStringLiteral("Done..."));
    p.EndWaitCursor();
    return added;
}

bool CPackageView::IsCommandEnabled(Command command) const
{
    switch (command) {
    case DisplayHelp:
        // Mavu has no help system yet to show an API page in.
        return false;
    case FindNext:
        return m_commands.HasSearch();
    case DeletePackage:
        return PackageOf(currentItem()) != nullptr;
    default:
        return true;
    }
}

QString CPackageView::CommandText(Command command)
{
    return TextPart(command, 1);
}

void CPackageView::OnCommand(Command command)
{
    if (!IsCommandEnabled(command))
        return;
    switch (command) {
    case AddUpdate: {
        const QStringList files = m_chooseFiles(
            QStringLiteral("Add Package"), QStringLiteral("Java Files (*.java);;All Files (*)"));
        if (files.isEmpty())
            return;
        CPrompter &p = Prompter();
        p.BeginWaitCursor();
        m_db.AddSourceFiles(files); // with its status texts; refills every view
        p.EndWaitCursor();
        return;
    }
    case AddUpdateClass:
        AddClassFiles(m_chooseFiles(QStringLiteral("Add Class to Package"),
                                    QStringLiteral("Class Files (*.class);;All Files (*)")));
        return;
    case AddZipJar:
        AddClassFiles(
            m_chooseFiles(QStringLiteral("Select File to Add"),
                          QStringLiteral("Zip Files (*.zip);;Jar Files (*.jar);;All Files (*)")));
        return;
    case AddJdkClasses:
        AddClassFiles({CClassDumper::PlatformApiPath()});
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
        ShowMatch(m_commands.FindNext());
        return;
    case DisplayHelp:
        return;
    case DeletePackage:
        // Asks first; on Yes the database refills every view.
        m_commands.DeletePackage(PackageOf(currentItem())->m_packageName);
        return;
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

QMenu *CPackageView::CreateContextMenu(CTreeItem *node)
{
    (void)node; // the commands act on the selected item, which node is
    auto *menu = new QMenu(this);
    for (const CommandRow &row : kCommands) {
        const Command command = row.m_command;
        if (command == DisplayHelp || command == DeletePackage)
            menu->addSeparator();
        QAction *action = menu->addAction(CommandText(command));
        action->setStatusTip(TextPart(command, 0));
        action->setToolTip(TextPart(command, 0));
        action->setEnabled(IsCommandEnabled(command));
        connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
    }
    return menu;
}

void CPackageView::OnActivate(CTreeItem *node)
{
    CVarObject *element = ElementOf(node);
    if (!element)
        return; // packages and groups open and close as usual
    QTreeWidgetItem *item = NodeOf(currentItem()) == node ? currentItem() : ItemOf(node);
    // The chain of types from the one directly under "Classes" or
    // "Interfaces" down to the element (or the type that holds it).
    QStringList chain;
    CVarContainer *top = nullptr;
    for (QTreeWidgetItem *up = item; up; up = up->parent()) {
        if (CVarContainer *type = TypeOf(up)) {
            chain.prepend(type->m_name);
            top = type;
        }
        const int kind = NodeKindOf(up->parent());
        if (kind == CNode::Classes || kind == CNode::Interfaces)
            break;
    }
    CPackageObject *package = PackageOf(item);
    if (!top || !package)
        return;
    const QString path = m_findSource ? m_findSource(*top, *package) : QString();
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        Prompter().SetStatusText(QStringLiteral("No source file found for %1").arg(top->m_name));
        return;
    }
    emit openFileAtLineRequested(path, SourceLine(path, chain, *element));
}

void CPackageView::OnDeleteKey(CTreeItem *node)
{
    const auto *packageNode = dynamic_cast<const CNode *>(node);
    if (packageNode && packageNode->GetKind() == CNode::Package)
        OnCommand(DeletePackage);
}

bool CPackageView::CanRename(CTreeItem *node) const
{
    (void)node;
    return false;
}

QString CPackageView::OnRenamed(CTreeItem *node, const QString &text)
{
    (void)text;
    return node->GetDisplayName();
}
