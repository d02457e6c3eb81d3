#pragma once

#include "javamodel/FileObject.h"

// One package of the package database: its name and its classes and
// interfaces, kept in the lists of a parsed file.
class CPackageObject : public CFileObject
{
    DECLARE_SERIAL(CPackageObject)
public:
    CPackageObject() = default;
    explicit CPackageObject(const QString &name) : m_packageName(name) {}

    void Serialize(CArchive &ar) override;

    QString m_packageName;
    // For the package database's own bookkeeping; not stored, not owned.
    QList<void *> m_extra;
};
