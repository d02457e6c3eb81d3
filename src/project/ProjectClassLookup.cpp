#include "project/ProjectClassLookup.h"

#include "javamodel/FileObject.h"
#include "javamodel/JavaNames.h"
#include "javamodel/ParsedFileCache.h"
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
    return nullptr;
}
