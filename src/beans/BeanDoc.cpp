#include "beans/BeanDoc.h"

#include "beans/BeanConverter.h"
#include "beans/BeanElements.h"
#include "beans/BeanItem.h"
#include "core/Prompter.h"
#include "javamodel/JavaModel.h"
#include "tree/Archive.h"
#include "tree/ArchiveFile.h"
#include "tree/TreeClasses.h"
#include "tree/TreeFolder.h"

#include <QFile>
#include <QFileInfo>
#include <vector>

namespace {

const QString kRootName = QStringLiteral("Beans");

// Depth-first search for the chain of folders from root down to (without)
// node. Trees here are a few levels deep, so recursion is harmless.
bool PathTo(const CTreeFolder &folder, const CTreeItem *node,
            std::vector<const CTreeFolder *> &path)
{
    path.push_back(&folder);
    for (const CTreeItem *child : folder.Children()) {
        if (child == node)
            return true;
        if (child->IsFolder() && PathTo(*static_cast<const CTreeFolder *>(child), node, path))
            return true;
    }
    path.pop_back();
    return false;
}

} // namespace

void RegisterBeanClasses()
{
    RegisterTreeClasses();
    RegisterJavaModelClasses();
    const CRuntimeClass *const classes[] = {
        RUNTIME_CLASS(CBeanEvent), RUNTIME_CLASS(CBeanListenInterface),
        RUNTIME_CLASS(CBeanProp),  RUNTIME_CLASS(CBeanObject),
        RUNTIME_CLASS(CBeanItem),
    };
    for (const CRuntimeClass *cls : classes)
        CRuntimeClass::RegisterClass(cls);
}

CBeanDoc::CBeanDoc()
{
    NewRoot();
}

CBeanDoc::~CBeanDoc() = default;

void CBeanDoc::NewRoot()
{
    m_root = std::make_unique<CTreeFolder>(kRootName);
}

bool CBeanDoc::Open(const QString &path)
{
    NewRoot();
    m_path = path;
    m_saveBlocked = false;
    m_rewritten = false;
    if (!QFileInfo::exists(path)) {
        if (m_onUpdateAllViews)
            m_onUpdateAllViews();
        return true;
    }
    bool olderSchema = false;
    QString error;
    if (!ReadArchiveFile(path, error, [&](CArchive &ar) {
            Serialize(ar);
            olderSchema = ar.OlderSchemaRead();
        })) {
        NewRoot();
        m_saveBlocked = true;
        Prompter().MessageBox(QStringLiteral("Cannot open the bean tree %1.\n%2\nThe file has been "
                                             "left as it is and the bean tree will not be saved "
                                             "over it !!!")
                                  .arg(path, error),
                              CPrompter::Ok, CPrompter::Stop);
        if (m_onUpdateAllViews)
            m_onUpdateAllViews();
        return false;
    }
    if (m_onUpdateAllViews)
        m_onUpdateAllViews();
    if (olderSchema) {
        // Written back at once so that the older form is read only once.
        m_rewritten = Save();
    }
    return true;
}

bool CBeanDoc::Save()
{
    if (m_path.isEmpty() || m_saveBlocked)
        return false;
    return SaveArchiveFileOrReport(m_path, QStringLiteral("bean tree"),
                                   [this](CArchive &ar) { Serialize(ar); });
}

void CBeanDoc::Serialize(CArchive &ar)
{
    if (ar.IsStoring()) {
        m_root->WriteTree(ar);
        return;
    }
    std::unique_ptr<CTreeFolder> root(CTreeFolder::ReadTree(ar, RUNTIME_CLASS(CTreeFolder)));
    // Leaves of the bean tree are beans; any other leaf is damage.
    std::vector<const CTreeFolder *> folders{root.get()};
    while (!folders.empty()) {
        const CTreeFolder *f = folders.back();
        folders.pop_back();
        for (const CTreeItem *child : f->Children()) {
            if (child->IsFolder())
                folders.push_back(static_cast<const CTreeFolder *>(child));
            else if (!child->IsKindOf(RUNTIME_CLASS(CBeanItem)))
                throw CArchiveException(
                    CArchiveException::BadClass,
                    QStringLiteral("expected a CBeanItem, found a %1")
                        .arg(QString::fromLatin1(child->GetRuntimeClass()->m_lpszClassName)));
        }
    }
    // Bytes after the tree mean a damaged count: refused rather than half
    // read and then saved over.
    ar.CheckAtEnd();
    m_root = std::move(root);
}

CTreeFolder *CBeanDoc::ParentOf(const CTreeItem *node) const
{
    std::vector<const CTreeFolder *> path;
    if (!node || node == m_root.get() || !PathTo(*m_root, node, path))
        return nullptr;
    return const_cast<CTreeFolder *>(path.back());
}

int CBeanDoc::AncestorCount(const CTreeItem *node) const
{
    if (node == m_root.get())
        return 0;
    std::vector<const CTreeFolder *> path;
    if (!node || !PathTo(*m_root, node, path))
        return -1;
    return int(path.size());
}

CTreeFolder *CBeanDoc::FolderFor(CTreeItem *selected) const
{
    if (!selected)
        return m_root.get();
    if (selected->IsFolder() && AncestorCount(selected) >= 0)
        return static_cast<CTreeFolder *>(selected);
    return ParentOf(selected);
}

CTreeFolder *CBeanDoc::AddFolder(CTreeItem *selected)
{
    CTreeFolder *parent = FolderFor(selected);
    if (!parent)
        return nullptr;
    if (AncestorCount(selected ? selected : parent) >= kMaxAncestors) {
        Prompter().MessageBox(QStringLiteral("Nested too deep !!!"), CPrompter::Ok);
        return nullptr;
    }
    auto *folder = new CTreeFolder(QStringLiteral("New Folder"));
    parent->AddChild(folder, false);
    Save();
    return folder;
}

CBeanItem *CBeanDoc::AddBean(CTreeItem *selected, std::unique_ptr<CBeanObject> bean)
{
    CTreeFolder *parent = FolderFor(selected);
    if (!parent || !bean)
        return nullptr;
    for (const CTreeItem *child : parent->Children()) {
        if (!child->IsFolder() &&
            child->GetName().compare(bean->m_name, Qt::CaseInsensitive) == 0) {
            Prompter().MessageBox(QStringLiteral("Duplicate bean %1 found under folder %2")
                                      .arg(bean->m_name, parent->GetName()),
                                  CPrompter::Ok);
            return nullptr;
        }
    }
    auto *item = new CBeanItem(std::move(bean));
    parent->AddChild(item, false);
    Save();
    return item;
}

CBeanItem *CBeanDoc::AddDumpedBean(CTreeItem *selected, const QString &outputFile)
{
    QFile file(outputFile);
    if (!file.open(QIODevice::ReadOnly)) {
        Prompter().MessageBox(
            QStringLiteral("Error opening the file %1 for parsing !!!").arg(outputFile),
            CPrompter::Ok);
        return nullptr;
    }
    const QByteArray text = file.readAll();
    file.close();
    QFile::remove(outputFile);
    std::unique_ptr<CBeanObject> bean = CBeanConverter::ParseBean(text);
    if (!bean || !bean->m_complete || bean->m_name.isEmpty()) {
        if (bean || !text.isEmpty())
            Prompter().MessageBox(
                QStringLiteral("The introspector's output holds no whole bean !!!"), CPrompter::Ok);
        return nullptr;
    }
    return AddBean(selected, std::move(bean));
}

bool CBeanDoc::CanDelete(const CBeanDoc &doc, const CTreeItem *node)
{
    return node && node != doc.m_root.get() && doc.ParentOf(node);
}

bool CBeanDoc::DeleteItem(CTreeItem *node, const std::function<void(CTreeItem *)> &beforeDelete)
{
    CTreeFolder *parent = ParentOf(node);
    if (!parent)
        return false;
    if (Prompter().MessageBox(QStringLiteral("Are you sure you want to delete ???"),
                              CPrompter::YesNo, CPrompter::Question,
                              CPrompter::AnswerNo) != CPrompter::AnswerYes)
        return false;
    if (beforeDelete)
        beforeDelete(node);
    parent->RemoveChild(node);
    delete node;
    Save();
    return true;
}

bool CBeanDoc::RenameFolder(CTreeFolder *folder, const QString &name)
{
    CTreeFolder *parent = ParentOf(folder);
    if (!parent || name.isEmpty())
        return false;
    folder->SetName(name);
    parent->ChildRenamed();
    Save();
    return true;
}
