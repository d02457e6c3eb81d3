#include "project/ProjectClassLookup.h"

#include "javamodel/FileObject.h"
#include "javamodel/JavaNames.h"
#include "javamodel/ParsedFileCache.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarInterface.h"
#include "javamodel/VarMethodDecl.h"
#include "javamodel/Variable.h"
#include "project/Project.h"

#include <QFileInfo>

const CVarContainer *CProjectClassLookup::FindClassByName(const QString &name) const
{
    const QString shortName = JavaNames::Shorten(name);
    if (shortName.isEmpty())
        return nullptr;
    CParsedFileCache &cache = m_project.ParsedFiles();
    const QStringList files = m_project.GetFiles();
    for (const QString &path : files) {
        if (QFileInfo(path).completeBaseName().compare(shortName, Qt::CaseInsensitive) != 0)
            continue;
        if (CFileObject *file = cache.ParseJavaFile(path, true)) {
            if (const CVarContainer *c = file->FindClassByName(shortName))
                return c;
        }
    }
    for (const QString &path : files) {
        if (const CFileObject *file = cache.Find(path)) {
            if (const CVarContainer *c = file->FindClassByName(shortName))
                return c;
        }
    }
    return m_fallback ? m_fallback->FindClassByName(name) : nullptr;
}

namespace {

// The first type named name in the types and their nested types.
template <class List> const CVarContainer *FindType(const List &types, const QString &name)
{
    for (const CVarContainer *type : types) {
        if (type->m_name == name)
            return type;
        if (const QList<CVarClass *> *inner = type->InnerClasses()) {
            if (const CVarContainer *found = FindType(*inner, name))
                return found;
        }
        if (const QList<CVarInterface *> *inner = type->InnerInterfaces()) {
            if (const CVarContainer *found = FindType(*inner, name))
                return found;
        }
    }
    return nullptr;
}

// A member named name: methods first (member 0), then fields (member 1).
template <class List>
const CVarObject *FindMember(const List &types, const QString &name, int member)
{
    for (const CVarContainer *type : types) {
        if (member == 0) {
            for (const CVarMethodDecl *m : type->m_methods) {
                if (m->m_name == name)
                    return m;
            }
        } else {
            for (const CVariable *v : type->m_variables) {
                if (v->m_name == name)
                    return v;
            }
        }
        if (const QList<CVarClass *> *inner = type->InnerClasses()) {
            if (const CVarObject *found = FindMember(*inner, name, member))
                return found;
        }
        if (const QList<CVarInterface *> *inner = type->InnerInterfaces()) {
            if (const CVarObject *found = FindMember(*inner, name, member))
                return found;
        }
    }
    return nullptr;
}

} // namespace

bool CProjectClassLookup::FindDeclaration(const QString &name, QString *path, int *line) const
{
    if (name.isEmpty())
        return false;
    CParsedFileCache &cache = m_project.ParsedFiles();
    QStringList files;
    // The source named after a class holds it; look there first.
    for (const QString &file : m_project.GetFiles()) {
        if (!file.endsWith(QLatin1String(".java"), Qt::CaseInsensitive))
            continue;
        if (QFileInfo(file).completeBaseName() == name)
            files.prepend(file);
        else
            files.append(file);
    }
    for (int pass = 0; pass < 3; ++pass) {
        for (const QString &file : std::as_const(files)) {
            CFileObject *parsed = cache.ParseJavaFile(file, true);
            if (!parsed)
                continue;
            const CVarObject *found = nullptr;
            if (pass == 0) {
                found = FindType(parsed->m_classes, name);
                if (!found)
                    found = FindType(parsed->m_interfaces, name);
            } else {
                found = FindMember(parsed->m_classes, name, pass - 1);
                if (!found)
                    found = FindMember(parsed->m_interfaces, name, pass - 1);
            }
            if (found) {
                *path = file;
                *line = found->m_startLine;
                return true;
            }
        }
    }
    return false;
}
