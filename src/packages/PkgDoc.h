#pragma once

#include "javamodel/ClassLookup.h"

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>
#include <functional>
#include <memory>
#include <vector>

class CArchive;
class CFileObject;
class CPackageObject;
class CVarClass;
class CVarContainer;
class CVarInterface;
class CVarMethodDecl;
class CVarObject;

// The package database: which packages exist and which classes and
// interfaces each holds, from sources the user added and from introspected
// class files and archives. Kept in "mavu.pkg" in the program directory.
//
// Name lookups walk the packages in map order (by package name) and return
// the first hit, comparing names without regard to case. An index from each
// type name to the packages that declare a type of that name (at any depth)
// narrows the walk to those packages, so a lookup costs one hash probe even
// with the whole JDK in the database; it is rebuilt after every change.
class CPkgDoc : public CClassLookup
{
public:
    static constexpr qint32 kFormatVersion = 10001;
    // Classes declared without a package statement go to this package.
    static QString UserPackage() { return QStringLiteral("User"); }

    CPkgDoc();
    ~CPkgDoc() override; // saves first when modified
    CPkgDoc(const CPkgDoc &) = delete;
    CPkgDoc &operator=(const CPkgDoc &) = delete;

    // Reads the file at path now. A missing file starts an empty database
    // under that path. A file of the older layout (or with elements of an
    // older schema) is written back at once in the current one. A damaged
    // or truncated file, or one of a newer version, is refused with a
    // message: the database stays empty, and the file is never written
    // over. Returns false only for a refused file.
    bool Open(const QString &path);
    // Remembers path and reads it on first use (any lookup or change), so
    // that a large database does not hold up the start of the window.
    void OpenLater(const QString &path);
    // Reads the file now when OpenLater deferred it.
    void EnsureLoaded();
    bool IsLoaded() const { return !m_loadPending; }

    // Writes the database to its own path (QSaveFile: all or nothing).
    // Refused files and databases without a path are not written.
    bool Save();
    void Serialize(CArchive &ar);

    const QString &PathName() const { return m_path; }
    bool IsModified() const { return m_modified; }
    void SetModified(bool modified = true) { m_modified = modified; }
    bool IsSaveBlocked() const { return m_saveBlocked; }
    // Set when the file just read had the older layout.
    bool WasUpgraded() const { return m_upgraded; }

    // Packages by name. Whoever changes a package's lists directly calls
    // InvalidateIndex afterwards.
    const QMap<QString, CPackageObject *> &Packages();
    CPackageObject *Package(const QString &name);
    void InvalidateIndex() { m_indexValid = false; }

    // The directories and archives that introspection added, ':'-separated.
    const QString &ClassPath();
    void SetClassPath(const QString &classPath);
    // Appends each ':'-separated entry of entries that is not there yet.
    void MergeClassPath(const QString &entries);

    // Lookups. A dotted name is compared by its last part.
    CVarClass *FindClass(const QString &name) const;
    CVarInterface *FindInterface(const QString &name) const;
    CVarContainer *FindClassOrInterface(const QString &name) const;
    // The first package with a top-level class, else interface, of the
    // element's name.
    CPackageObject *FindPackageOf(const CVarObject &element) const;
    // The class, else the interface, whose method list holds that very method.
    CVarContainer *FindOwnerOf(const CVarMethodDecl *method) const;
    // Whether candidate's name appears in the chain of bases of cls, each
    // base looked up as a class, else as an interface.
    bool IsParentOf(const CVarContainer &candidate, const CVarContainer &cls) const;
    // Where the source of a class of package pkg lies: under the JDK source
    // directory if the file exists there, else the first existing candidate
    // under the package source directories (each with the package path,
    // then without), else the last candidate tried; empty when the list is
    // empty.
    QString FindSourceFile(const CVarContainer &cls, const CPackageObject &pkg,
                           const QString &jdkSourceDir, const QStringList &pkgSourceDirs) const;

    // The class lookup that parsed files use to follow their bases.
    const CVarContainer *FindClassByName(const QString &name) const override;

    // Moves the classes and interfaces of a parsed source into the package
    // of its package statement ("User" without one), replacing types of the
    // same name. False when a type could not be replaced.
    bool AddSourceFile(CFileObject &parsed, const QString &sourcePath);
    // Reads and parses each file and adds it; a file that cannot be read is
    // reported and skipped. Marks the database modified. Returns the number
    // of files added.
    int AddSourceFiles(const QStringList &paths);
    // Moves each complete, named class and then interface of an introspected
    // file into the package its qualified name gives; false at the first
    // failure.
    bool AddIntrospectedFile(CFileObject &file);
    // One element of an introspected file, taken out of it. False when the
    // element could not replace an existing type of its name.
    bool AddElement(CFileObject &file, CVarContainer *element, bool isClass);
    // What an introspection run brought: each parsed output added (files
    // left empty of what moved in), the class-path entries merged, and the
    // database saved at once. False when an element could not be added or
    // the save failed.
    bool AddDumpedFiles(const std::vector<std::unique_ptr<CFileObject>> &files,
                        const QString &classPathAdditions);
    // Removes a package; false when there is none of that name.
    bool DeletePackage(const QString &name);

    // The views of the database. Each is told after the packages changed
    // (read, added to, deleted from), once per command however many files
    // it added, and must rebuild what it shows: the elements it pointed to
    // may be gone. AddView returns the id that RemoveView takes.
    int AddView(std::function<void()> update);
    void RemoveView(int id);
    void UpdateAllViews();

private:
    using Candidates = QVarLengthArray<CPackageObject *, 2>;

    void DeleteContents();
    bool LoadNow(const QString &path);
    CPackageObject *FindOrMakePackage(const QString &name);
    const Candidates *CandidatesFor(const QString &name) const;
    void BuildIndex() const;
    void Touch();
    // Views are told at the end of the outermost batch of changes.
    void BeginChanges() { ++m_changeDepth; }
    void EndChanges();
    void Changed();

    QMap<QString, CPackageObject *> m_packages;
    qint32 m_version = kFormatVersion;
    QString m_classPath;
    bool m_upgraded = false;

    QString m_path;
    bool m_modified = false;
    bool m_saveBlocked = false;
    bool m_loadPending = false;

    std::vector<std::pair<int, std::function<void()>>> m_views;
    int m_nextViewId = 1;
    int m_changeDepth = 0;
    bool m_changedInBatch = false;

    mutable QHash<QString, Candidates> m_index;
    mutable bool m_indexValid = false;
};
