#include "javamodel/FileObject.h"

#include "javamodel/ClassLookup.h"
#include "javamodel/VarBlockComment.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarImport.h"
#include "javamodel/VarInterface.h"
#include "javamodel/VarPackage.h"
#include "tree/Archive.h"

#include <QFileInfo>

IMPLEMENT_SERIAL(CFileObject, CObject, 1)

CFileObject::~CFileObject()
{
    DeleteAll();
}

void CFileObject::DeleteAll()
{
    std::vector<CVarObject *> elements;
    elements.insert(elements.end(), m_imports.cbegin(), m_imports.cend());
    m_imports.clear();
    elements.insert(elements.end(), m_classes.cbegin(), m_classes.cend());
    m_classes.clear();
    elements.insert(elements.end(), m_interfaces.cbegin(), m_interfaces.cend());
    m_interfaces.clear();
    elements.insert(elements.end(), m_comments.cbegin(), m_comments.cend());
    m_comments.clear();
    if (m_package)
        elements.push_back(m_package);
    m_package = nullptr;
    CVarObject::DeleteElements(elements);
}

void CFileObject::Serialize(CArchive &ar)
{
    if (ar.IsStoring()) {
        ar.WriteObjectList(m_classes);
        ar.WriteObjectList(m_interfaces);
        ar.WriteObjectList(m_imports);
        return;
    }
    ar.ReadObjectList(m_classes, RUNTIME_CLASS(CVarClass));
    ar.ReadObjectList(m_interfaces, RUNTIME_CLASS(CVarInterface));
    ar.ReadObjectList(m_imports, RUNTIME_CLASS(CVarImport));
}

CVarClass *CFileObject::AddClass(CElementConverter *parser, int line, CVarContainer::Kind kind)
{
    auto *c = new CVarClass(parser, line, kind);
    m_classes.append(c);
    return c;
}

CVarInterface *CFileObject::AddInterface(CElementConverter *parser, int line,
                                         CVarContainer::Kind kind)
{
    auto *i = new CVarInterface(parser, line, kind);
    m_interfaces.append(i);
    return i;
}

CVarImport *CFileObject::AddImport(CElementConverter *parser, int line)
{
    auto *i = new CVarImport(parser, line);
    m_imports.append(i);
    return i;
}

CVarBlockComment *CFileObject::AddComment(CElementConverter *parser, int line)
{
    auto *c = new CVarBlockComment(parser, line);
    m_comments.append(c);
    return c;
}

CVarPackage *CFileObject::SetPackage(CElementConverter *parser, int line)
{
    delete m_package;
    m_package = new CVarPackage(parser, line);
    return m_package;
}

CVarPackage *CFileObject::EnsurePackage()
{
    if (m_package)
        return nullptr;
    m_package = new CVarPackage;
    m_package->m_name = QStringLiteral("User");
    return m_package;
}

// ---------------------------------------------------------------- finding

namespace {

bool Holds(const CVarObject *e, int line)
{
    return e->m_endLine != 0 && e->m_startLine <= line && line <= e->m_endLine;
}

CVarContainer *FindAtLine(CVarContainer *type, int line)
{
    if (const QList<CVarClass *> *inner = type->InnerClasses()) {
        for (CVarClass *c : *inner) {
            if (CVarContainer *found = FindAtLine(c, line))
                return found;
        }
    }
    if (const QList<CVarInterface *> *inner = type->InnerInterfaces()) {
        for (CVarInterface *i : *inner) {
            if (CVarContainer *found = FindAtLine(i, line))
                return found;
        }
    }
    return Holds(type, line) ? type : nullptr;
}

struct NameMatch
{
    QString name;
    bool prefix;
    bool operator()(const CVarObject *e) const
    {
        if (prefix)
            return QStringView(e->m_name).left(name.size()).compare(name, Qt::CaseInsensitive) ==
                       0 &&
                   e->m_name.size() >= name.size();
        return e->m_name.compare(name, Qt::CaseInsensitive) == 0;
    }
};

CVarClass *FindClassIn(const QList<CVarClass *> &list, const NameMatch &match)
{
    for (CVarClass *c : list) {
        if (match(c))
            return c;
        if (!c->m_innerClasses.isEmpty()) {
            if (CVarClass *found = FindClassIn(c->m_innerClasses, match))
                return found;
        }
    }
    return nullptr;
}

CVarInterface *FindInnerInterfaceIn(const QList<CVarClass *> &list, const NameMatch &match)
{
    for (CVarClass *c : list) {
        for (CVarInterface *i : std::as_const(c->m_innerInterfaces)) {
            if (match(i))
                return i;
        }
        if (CVarInterface *found = FindInnerInterfaceIn(c->m_innerClasses, match))
            return found;
    }
    return nullptr;
}

} // namespace

CVarContainer *CFileObject::FindClassAtLine(int line) const
{
    for (CVarClass *c : m_classes) {
        if (CVarContainer *found = FindAtLine(c, line))
            return found;
    }
    for (CVarInterface *i : m_interfaces) {
        if (CVarContainer *found = FindAtLine(i, line))
            return found;
    }
    return nullptr;
}

// The name to compare for a lookup, or a null string when nothing can match.
static QString NameToCompare(const QString &name, const CVarPackage *package)
{
    if (name.isEmpty())
        return QString();
    if (!name.contains(QLatin1Char('.')))
        return name;
    if (package) {
        if (!name.contains(package->m_name, Qt::CaseInsensitive))
            return QString();
        return name;
    }
    return name.mid(name.lastIndexOf(QLatin1Char('.')) + 1);
}

CVarClass *CFileObject::FindClassOnlyByName(const QString &name, bool prefix) const
{
    const QString cmp = NameToCompare(name, m_package);
    if (cmp.isEmpty())
        return nullptr;
    return FindClassIn(m_classes, NameMatch{cmp, prefix});
}

CVarInterface *CFileObject::FindInterfaceByName(const QString &name, bool prefix) const
{
    const QString cmp = NameToCompare(name, m_package);
    if (cmp.isEmpty())
        return nullptr;
    const NameMatch match{cmp, prefix};
    for (CVarInterface *i : m_interfaces) {
        if (match(i))
            return i;
    }
    if (CVarInterface *found = FindInnerInterfaceIn(m_classes, match))
        return found;
    // Types nested in interfaces come last.
    for (CVarInterface *i : m_interfaces) {
        for (CVarInterface *inner : std::as_const(i->m_innerInterfaces)) {
            if (match(inner))
                return inner;
        }
    }
    return nullptr;
}

CVarContainer *CFileObject::FindClassByName(const QString &name, bool prefix) const
{
    if (CVarClass *c = FindClassOnlyByName(name, prefix))
        return c;
    if (CVarInterface *i = FindInterfaceByName(name, prefix))
        return i;
    const QString cmp = NameToCompare(name, m_package);
    if (cmp.isEmpty())
        return nullptr;
    for (CVarInterface *i : m_interfaces) {
        if (CVarClass *found = FindClassIn(i->m_innerClasses, NameMatch{cmp, prefix}))
            return found;
    }
    return nullptr;
}

bool CFileObject::RemoveClass(const QString &name)
{
    for (qsizetype i = 0; i < m_classes.size(); ++i) {
        if (m_classes[i]->m_name.compare(name, Qt::CaseInsensitive) == 0) {
            delete m_classes.takeAt(i);
            return true;
        }
    }
    return false;
}

bool CFileObject::RemoveInterface(const QString &name)
{
    for (qsizetype i = 0; i < m_interfaces.size(); ++i) {
        if (m_interfaces[i]->m_name.compare(name, Qt::CaseInsensitive) == 0) {
            delete m_interfaces.takeAt(i);
            return true;
        }
    }
    return false;
}

CVarClass *CFileObject::FindMainClass() const
{
    for (CVarClass *c : m_classes) {
        if (c->HasMain())
            return c;
    }
    return nullptr;
}

CVarClass *CFileObject::FindAppletClass(const CClassLookup &lookup) const
{
    for (CVarClass *c : m_classes) {
        QString base = c->m_baseName;
        // A database that holds a cycle of bases must not hang the walk.
        for (int depth = 0; !base.isEmpty() && depth < 1000; ++depth) {
            const CVarContainer *found = lookup.FindClassByName(base);
            if (!found)
                break;
            if (base == QLatin1String("Applet"))
                return c;
            base = found->m_baseName;
        }
    }
    return nullptr;
}

template <class T> static bool HasNamed(const QList<T *> &list, const QString &name)
{
    for (const T *e : list) {
        if (e->m_name.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool CFileObject::Merge(CFileObject &other, const QString &sourcePath)
{
    const QString base = QFileInfo(sourcePath).completeBaseName();
    while (!other.m_classes.isEmpty()) {
        CVarClass *c = other.m_classes.first();
        if (HasNamed(m_classes, c->m_name) && !RemoveClass(c->m_name))
            return false;
        m_classes.append(other.m_classes.takeFirst());
        if (c->m_name.compare(base, Qt::CaseInsensitive) != 0)
            c->m_sourceFile = base;
    }
    while (!other.m_interfaces.isEmpty()) {
        CVarInterface *i = other.m_interfaces.first();
        if (HasNamed(m_interfaces, i->m_name) && !RemoveInterface(i->m_name))
            return false;
        m_interfaces.append(other.m_interfaces.takeFirst());
        if (i->m_name.compare(base, Qt::CaseInsensitive) != 0)
            i->m_sourceFile = base;
    }
    return true;
}
