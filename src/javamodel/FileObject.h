#pragma once

#include "javamodel/VarContainer.h"
#include "tree/Object.h"

#include <QDateTime>
#include <QList>
#include <QString>

class CClassLookup;
class CElementConverter;
class CVarBlockComment;
class CVarClass;
class CVarImport;
class CVarInterface;
class CVarPackage;

// The parse result of one Java source: its package statement, imports,
// top-level classes and interfaces, and block comments.
class CFileObject : public CObject
{
    DECLARE_SERIAL(CFileObject)
public:
    CFileObject() = default;
    ~CFileObject() override;
    CFileObject(const CFileObject &) = delete;
    CFileObject &operator=(const CFileObject &) = delete;

    void Serialize(CArchive &ar) override;

    // New elements of each kind at the given 1-based line, appended to
    // their list (a package replaces the package element).
    CVarClass *AddClass(CElementConverter *parser, int line,
                        CVarContainer::Kind kind = CVarContainer::KindClass);
    CVarInterface *AddInterface(CElementConverter *parser, int line,
                                CVarContainer::Kind kind = CVarContainer::KindInterface);
    CVarImport *AddImport(CElementConverter *parser, int line);
    CVarBlockComment *AddComment(CElementConverter *parser, int line);
    CVarPackage *SetPackage(CElementConverter *parser, int line);

    // A file without package statement belongs to the package "User": the
    // first call makes that element and returns it, later calls (and files
    // with a package) return null.
    CVarPackage *EnsurePackage();

    // The innermost class whose lines hold the line, else the first
    // interface that holds it; elements never closed (end line 0) hold none.
    CVarContainer *FindClassAtLine(int line) const;
    // By name (ignoring case): classes with their inner classes first, then
    // interfaces, then the inner interfaces of classes. With prefix set only
    // the first name.size() characters of each class's name are compared. A
    // dotted name must contain the file's package name (when it has one).
    CVarContainer *FindClassByName(const QString &name, bool prefix = false) const;
    CVarClass *FindClassOnlyByName(const QString &name, bool prefix = false) const;
    CVarInterface *FindInterfaceByName(const QString &name, bool prefix = false) const;
    bool RemoveClass(const QString &name);
    bool RemoveInterface(const QString &name);
    CVarClass *FirstClass() const { return m_classes.isEmpty() ? nullptr : m_classes.first(); }
    CVarInterface *FirstInterface() const
    {
        return m_interfaces.isEmpty() ? nullptr : m_interfaces.first();
    }
    // The first class that has a static main.
    CVarClass *FindMainClass() const;
    // The first class whose chain of bases, followed through lookup, reaches
    // a class named exactly "Applet".
    CVarClass *FindAppletClass(const CClassLookup &lookup) const;
    // Moves every class and interface of other into this file, replacing
    // those of the same name; a moved type whose name differs from the
    // source file's base name remembers that file name. FALSE if a type of
    // the same name could not be removed.
    bool Merge(CFileObject &other, const QString &sourcePath);

    CVarPackage *m_package = nullptr; // not stored
    QList<CVarClass *> m_classes;
    QList<CVarInterface *> m_interfaces;
    QList<CVarImport *> m_imports;
    QList<CVarBlockComment *> m_comments; // not stored
    QDateTime m_timeStamp;                // last-write time when parsed; not stored

protected:
    void DeleteAll();
};
