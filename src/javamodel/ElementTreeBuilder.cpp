#include "javamodel/ElementTreeBuilder.h"

#include "core/Prompter.h"
#include "javamodel/FileObject.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarImport.h"
#include "javamodel/VarInterface.h"
#include "javamodel/VarMethodDecl.h"
#include "javamodel/Variable.h"

CElementTreeBuilder::CElementTreeBuilder(CTreeControl &tree) : m_tree(tree)
{
}

CElementTreeBuilder::~CElementTreeBuilder() = default;

void CElementTreeBuilder::Clear()
{
    m_items.clear();
    m_reportedFailure = false;
}

CElementItem *CElementTreeBuilder::MakeNode(CElementItem::Kind kind, CVarObject *element)
{
    m_items.push_back(std::make_unique<CElementItem>(this, kind, element));
    return m_items.back().get();
}

HTREEITEM CElementTreeBuilder::Insert(HTREEITEM parent, const QString &text, int image,
                                      bool expandable, CTreeItem *data, HTREEITEM after)
{
    const HTREEITEM h = m_tree.InsertItem(parent, text, image, image, expandable, data, after);
    if (!h && !m_reportedFailure) {
        m_reportedFailure = true;
        Prompter().MessageBox(QStringLiteral("Memory error adding items to tree control !!!"));
    }
    return h;
}

HTREEITEM CElementTreeBuilder::InsertNode(HTREEITEM parent, const QString &text,
                                          CElementItem::Kind kind, CVarObject *element, int image,
                                          bool expandable, HTREEITEM after)
{
    CElementItem *node = MakeNode(kind, element);
    node->SetImages(image, image);
    return Insert(parent, text, image, expandable, node, after);
}

HTREEITEM CElementTreeBuilder::InsertMethodsFolder(HTREEITEM parent, CVarContainer *container,
                                                   HTREEITEM after)
{
    return InsertNode(parent, QStringLiteral("Methods"), CElementItem::MethodsFolder, container,
                      TreeImage::MethodsFolder, true, after);
}

HTREEITEM CElementTreeBuilder::InsertVariablesFolder(HTREEITEM parent, CVarContainer *container,
                                                     HTREEITEM after)
{
    return InsertNode(parent, QStringLiteral("Variables"), CElementItem::VariablesFolder, container,
                      TreeImage::MethodsFolder, true, after);
}

HTREEITEM CElementTreeBuilder::InsertClass(HTREEITEM parent, const QString &text,
                                           CVarContainer *element, HTREEITEM after)
{
    return InsertNode(parent, text, CElementItem::Element, element, TreeImageOf(*element), true,
                      after);
}

HTREEITEM CElementTreeBuilder::InsertInterface(HTREEITEM parent, const QString &text,
                                               CVarContainer *element, HTREEITEM after)
{
    return InsertClass(parent, text, element, after);
}

HTREEITEM CElementTreeBuilder::InsertNone(HTREEITEM parent)
{
    return InsertNode(parent, QStringLiteral("<none>"), CElementItem::Placeholder, nullptr,
                      TreeImage::None, false, TVI_LAST);
}

HTREEITEM CElementTreeBuilder::InsertMember(HTREEITEM parent, const QString &text,
                                            CVarObject *element, HTREEITEM after)
{
    return InsertNode(parent, text, CElementItem::Element, element, TreeImageOf(*element), false,
                      after);
}

HTREEITEM CElementTreeBuilder::InsertExpandableMember(HTREEITEM parent, const QString &text,
                                                      CVarObject *element, HTREEITEM after)
{
    return InsertNode(parent, text, CElementItem::Element, element, TreeImageOf(*element), true,
                      after);
}

HTREEITEM CElementTreeBuilder::InsertTreeItem(HTREEITEM parent, CTreeItem *item, bool select,
                                              HTREEITEM after)
{
    const HTREEITEM h =
        m_tree.InsertItem(parent, item->GetDisplayName(), item->GetImage(),
                          item->GetSelectedImage(), item->HasChildren(), item, after);
    if (h && select)
        m_tree.SelectItem(h);
    return h;
}

HTREEITEM CElementTreeBuilder::InsertText(HTREEITEM parent, const QString &text, HTREEITEM after)
{
    CElementItem *node = MakeNode(CElementItem::Text, nullptr);
    return Insert(parent, text, TreeImage::Leaf, false, node, after);
}

HTREEITEM CElementTreeBuilder::FindTreeInsertPos(HTREEITEM parent, const CVarObject &element) const
{
    HTREEITEM pos = TVI_FIRST;
    for (HTREEITEM child = m_tree.GetChildItem(parent); child;
         child = m_tree.GetNextSiblingItem(child)) {
        CTreeItem *data = m_tree.GetItemData(child);
        if (!data)
            break;
        auto *node = dynamic_cast<CElementItem *>(data);
        const CVarObject *other = node ? node->OrderedElement() : nullptr;
        if (!other) {
            // Folders and labels ("Methods", "Imports") are passed over:
            // the elements follow them.
            pos = child;
            continue;
        }
        if (element.m_static && !other->m_static)
            break;
        // A non-static element passes over every static one, so that the
        // statics stay in front whatever their names.
        if (bool(other->m_static) == bool(element.m_static) &&
            QString::compare(other->m_name, element.m_name, Qt::CaseInsensitive) >= 0)
            break;
        pos = child;
    }
    return pos;
}

QString CElementTreeBuilder::TreeText(const CVarObject &element)
{
    QString text = element.GetDescription();
    if (text.isEmpty())
        text = element.m_name; // imports, packages
    const auto *type = dynamic_cast<const CVarContainer *>(&element);
    if (!type)
        return text;
    switch (type->m_kind) {
    case CVarContainer::KindEnum:
        text.prepend(QLatin1String("enum "));
        break;
    case CVarContainer::KindRecord:
        text.prepend(QLatin1String("record "));
        break;
    case CVarContainer::KindAnnotation:
        text.prepend(QLatin1String("@interface "));
        break;
    default:
        break;
    }
    if (type->m_sealed)
        text.prepend(QLatin1String("sealed "));
    return text;
}

int CElementTreeBuilder::TreeImageOf(const CVarObject &element)
{
    if (dynamic_cast<const CVarImport *>(&element))
        return TreeImage::Import;
    const auto *type = dynamic_cast<const CVarContainer *>(&element);
    if (!type)
        return element.GetImage();
    if (type->m_sealed)
        return TreeImage::Sealed;
    switch (type->m_kind) {
    case CVarContainer::KindEnum:
        return TreeImage::Enum;
    case CVarContainer::KindRecord:
        return TreeImage::Record;
    case CVarContainer::KindAnnotation:
        return TreeImage::Annotation;
    default:
        return type->IsClass() ? TreeImage::Class : TreeImage::Interface;
    }
}

HTREEITEM CElementTreeBuilder::AddToTree(HTREEITEM parent, CVarObject &element)
{
    if (element.m_name.isEmpty())
        return nullptr;
    const QString text = TreeText(element);
    const HTREEITEM after = FindTreeInsertPos(parent, element);
    HTREEITEM h;
    if (auto *type = dynamic_cast<CVarContainer *>(&element)) {
        h = type->IsClass() ? InsertClass(parent, text, type, after)
                            : InsertInterface(parent, text, type, after);
    } else {
        h = InsertMember(parent, text, &element, after);
    }
    if (h && element.m_static)
        m_tree.SetItemBold(h, true);
    return h;
}

void CElementTreeBuilder::AddFile(HTREEITEM parent, CFileObject &file)
{
    if (!file.m_imports.isEmpty()) {
        CElementItem *label = MakeNode(CElementItem::Group, nullptr);
        label->SetImages(TreeImage::FolderClosed, TreeImage::FolderClosed);
        const HTREEITEM group = Insert(parent, QStringLiteral("Imports"), TreeImage::FolderClosed,
                                       true, label, TVI_LAST);
        if (group) {
            for (CVarImport *import : std::as_const(file.m_imports))
                AddToTree(group, *import);
            label->SetPopulated(true);
        }
    }
    for (CVarClass *cls : std::as_const(file.m_classes))
        AddToTree(parent, *cls);
    for (CVarInterface *iface : std::as_const(file.m_interfaces))
        AddToTree(parent, *iface);
}

void CElementTreeBuilder::Fill(HTREEITEM item, CElementItem &node)
{
    switch (node.GetKind()) {
    case CElementItem::Element:
        if (auto *type = dynamic_cast<CVarContainer *>(node.GetElement()))
            FillContainer(item, *type);
        break;
    case CElementItem::MethodsFolder:
    case CElementItem::VariablesFolder:
        FillMembers(item, node);
        break;
    default:
        break;
    }
}

void CElementTreeBuilder::FillContainer(HTREEITEM item, CVarContainer &container)
{
    InsertMethodsFolder(item, &container);
    InsertVariablesFolder(item, &container);
    if (const QList<CVarClass *> *inner = container.InnerClasses()) {
        for (CVarClass *cls : *inner)
            AddToTree(item, *cls);
    }
    if (const QList<CVarInterface *> *inner = container.InnerInterfaces()) {
        for (CVarInterface *iface : *inner)
            AddToTree(item, *iface);
    }
}

void CElementTreeBuilder::FillMembers(HTREEITEM item, CElementItem &folder)
{
    auto *container = dynamic_cast<CVarContainer *>(folder.GetElement());
    bool any = false;
    if (container && folder.GetKind() == CElementItem::MethodsFolder) {
        for (CVarMethodDecl *method : std::as_const(container->m_methods))
            any = AddToTree(item, *method) != nullptr || any;
    } else if (container) {
        for (CVariable *variable : std::as_const(container->m_variables))
            any = AddToTree(item, *variable) != nullptr || any;
    }
    if (!any)
        InsertNone(item);
}
