#include "packages/PkgDoc.h"

#include "core/Prompter.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaParser.h"
#include "javamodel/PackageObject.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarInterface.h"
#include "javamodel/VarMethodDecl.h"
#include "javamodel/VarPackage.h"
#include "tree/Archive.h"
#include "tree/ArchiveFile.h"

#include <QFile>
#include <QFileInfo>
#include <memory>

namespace {

// The index key of a name: what FindClassOnlyByName compares in a package
// (which has no package element), folded as the case-insensitive
// comparison folds it.
QString IndexKey(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return (dot < 0 ? name : name.mid(dot + 1)).toCaseFolded();
}

template <class F> void ForEachType(const CVarContainer *type, const F &visit)
{
    visit(type);
    if (const QList<CVarClass *> *inner = type->InnerClasses())
        for (const CVarClass *c : *inner)
            ForEachType(c, visit);
    if (const QList<CVarInterface *> *inner = type->InnerInterfaces())
        for (const CVarInterface *i : *inner)
            ForEachType(i, visit);
}

template <class T> bool HasNamed(const QList<T *> &list, const QString &name)
{
    for (const T *e : list)
        if (e->m_name.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// A cycle of bases in a damaged or odd database must not hang a walk.
constexpr int kMaxBaseChain = 1000;

} // namespace

CPkgDoc::CPkgDoc() = default;

CPkgDoc::~CPkgDoc()
{
    if (m_modified && !m_loadPending)
        Save();
    DeleteContents();
}

void CPkgDoc::DeleteContents()
{
    qDeleteAll(m_packages);
    m_packages.clear();
    m_version = kFormatVersion;
    m_classPath.clear();
    m_upgraded = false;
    m_indexValid = false;
}

bool CPkgDoc::Open(const QString &path)
{
    m_loadPending = false;
    return LoadNow(path);
}

void CPkgDoc::OpenLater(const QString &path)
{
    DeleteContents();
    m_path = path;
    m_modified = false;
    m_saveBlocked = false;
    m_loadPending = true;
}

void CPkgDoc::EnsureLoaded()
{
    if (!m_loadPending)
        return;
    m_loadPending = false;
    LoadNow(m_path);
}

bool CPkgDoc::LoadNow(const QString &path)
{
    DeleteContents();
    m_path = path;
    m_modified = false;
    m_saveBlocked = false;

    if (!QFileInfo::exists(path)) {
        UpdateAllViews();
        return true;
    }

    auto refuse = [&](const QString &why) {
        Prompter().MessageBox(QStringLiteral("Cannot open the package database %1.\n%2\nThe file "
                                             "has been left as it is and the package database "
                                             "will not be saved over it !!!")
                                  .arg(path, why),
                              CPrompter::Ok, CPrompter::Stop);
        DeleteContents();
        m_saveBlocked = true;
        UpdateAllViews(); // what they showed before is gone
        return false;
    };

    bool olderSchema = false;
    QString error;
    if (!ReadArchiveFile(path, error, [&](CArchive &ar) {
            Serialize(ar);
            olderSchema = ar.OlderSchemaRead();
        }))
        return refuse(error);
    if (m_version > kFormatVersion)
        return refuse(QStringLiteral("Incorrect package database version %1.").arg(m_version));
    UpdateAllViews();
    if (m_upgraded || olderSchema) {
        // Written back at once so that the older layout is read only once.
        m_version = kFormatVersion;
        Save();
    }
    return true;
}

bool CPkgDoc::Save()
{
    if (m_path.isEmpty() || m_saveBlocked || m_loadPending)
        return false;
    if (!SaveArchiveFileOrReport(m_path, QStringLiteral("package database"),
                                 [this](CArchive &ar) { Serialize(ar); }))
        return false;
    m_modified = false;
    return true;
}

void CPkgDoc::Serialize(CArchive &ar)
{
    if (ar.IsStoring()) {
        ar.WriteInt(kFormatVersion);
        ar.WriteString(m_classPath);
        ar.WriteInt(qint32(m_packages.size()));
        for (const CPackageObject *pkg : std::as_const(m_packages))
            ar.WriteObject(pkg);
        return;
    }

    DeleteContents();
    const qint32 first = ar.ReadInt();
    qint32 count = 0;
    if (first < kFormatVersion) {
        // The older layout: no version, no class path, the count first.
        count = first;
        m_upgraded = true;
    } else {
        m_version = first;
        if (m_version > kFormatVersion)
            return; // the caller refuses it
        m_classPath = ar.ReadString();
        count = ar.ReadInt();
    }
    if (count < 0)
        throw CArchiveException(CArchiveException::BadFormat,
                                QStringLiteral("Negative package count %1.").arg(count));
    ar.CheckCount(quint64(count), 2);
    for (qint32 i = 0; i < count; ++i) {
        auto *pkg =
            static_cast<CPackageObject *>(ar.ReadOwnedObject(RUNTIME_CLASS(CPackageObject)));
        // A later package of the same name replaces the earlier one.
        if (CPackageObject *old = m_packages.value(pkg->m_packageName))
            delete old;
        m_packages.insert(pkg->m_packageName, pkg);
    }
    // Bytes after the last package mean a damaged count: refused rather than
    // half read and then saved over.
    ar.CheckAtEnd();
}

const QMap<QString, CPackageObject *> &CPkgDoc::Packages()
{
    EnsureLoaded();
    return m_packages;
}

CPackageObject *CPkgDoc::Package(const QString &name)
{
    EnsureLoaded();
    return m_packages.value(name);
}

const QString &CPkgDoc::ClassPath()
{
    EnsureLoaded();
    return m_classPath;
}

void CPkgDoc::SetClassPath(const QString &classPath)
{
    EnsureLoaded();
    if (m_classPath != classPath) {
        m_classPath = classPath;
        m_modified = true;
    }
}

void CPkgDoc::MergeClassPath(const QString &entries)
{
    EnsureLoaded();
    QStringList have = m_classPath.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &entry : entries.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (have.contains(entry))
            continue;
        have << entry;
        if (!m_classPath.isEmpty() && !m_classPath.endsWith(QLatin1Char(':')))
            m_classPath += QLatin1Char(':');
        m_classPath += entry;
        m_modified = true;
    }
}

void CPkgDoc::Touch()
{
    m_indexValid = false;
    m_modified = true;
}

void CPkgDoc::BuildIndex() const
{
    m_index.clear();
    m_index.reserve(m_packages.size() * 16);
    // Packages are visited in map order, so each list of candidates is in
    // the order a plain walk of the map would meet them.
    for (CPackageObject *pkg : m_packages) {
        auto note = [&](const CVarContainer *type) {
            Candidates &list = m_index[IndexKey(type->m_name)];
            if (list.isEmpty() || list.last() != pkg)
                list.append(pkg);
        };
        for (const CVarClass *c : std::as_const(pkg->m_classes))
            ForEachType(c, note);
        for (const CVarInterface *i : std::as_const(pkg->m_interfaces))
            ForEachType(i, note);
    }
    m_indexValid = true;
}

const CPkgDoc::Candidates *CPkgDoc::CandidatesFor(const QString &name) const
{
    const_cast<CPkgDoc *>(this)->EnsureLoaded();
    if (name.isEmpty())
        return nullptr;
    if (!m_indexValid)
        BuildIndex();
    auto it = m_index.constFind(IndexKey(name));
    return it == m_index.cend() ? nullptr : &*it;
}

CVarClass *CPkgDoc::FindClass(const QString &name) const
{
    if (const Candidates *list = CandidatesFor(name))
        for (CPackageObject *pkg : *list)
            if (CVarClass *c = pkg->FindClassOnlyByName(name))
                return c;
    return nullptr;
}

CVarInterface *CPkgDoc::FindInterface(const QString &name) const
{
    if (const Candidates *list = CandidatesFor(name))
        for (CPackageObject *pkg : *list)
            if (CVarInterface *i = pkg->FindInterfaceByName(name))
                return i;
    return nullptr;
}

CVarContainer *CPkgDoc::FindClassOrInterface(const QString &name) const
{
    if (CVarClass *c = FindClass(name))
        return c;
    return FindInterface(name);
}

const CVarContainer *CPkgDoc::FindClassByName(const QString &name) const
{
    return FindClass(name);
}

CPackageObject *CPkgDoc::FindPackageOf(const CVarObject &element) const
{
    if (const Candidates *list = CandidatesFor(element.m_name))
        for (CPackageObject *pkg : *list)
            if (HasNamed(pkg->m_classes, element.m_name) ||
                HasNamed(pkg->m_interfaces, element.m_name))
                return pkg;
    return nullptr;
}

CVarContainer *CPkgDoc::FindOwnerOf(const CVarMethodDecl *method) const
{
    const_cast<CPkgDoc *>(this)->EnsureLoaded();
    if (!method)
        return nullptr;
    for (CPackageObject *pkg : m_packages)
        for (CVarClass *c : std::as_const(pkg->m_classes))
            if (c->m_methods.contains(method))
                return c;
    for (CPackageObject *pkg : m_packages)
        for (CVarInterface *i : std::as_const(pkg->m_interfaces))
            if (i->m_methods.contains(method))
                return i;
    return nullptr;
}

bool CPkgDoc::IsParentOf(const CVarContainer &candidate, const CVarContainer &cls) const
{
    QString name = cls.m_baseName;
    for (int depth = 0; !name.isEmpty() && depth < kMaxBaseChain; ++depth) {
        const CVarContainer *found = FindClass(name);
        if (!found)
            found = FindInterface(name);
        if (!found)
            return false;
        if (found->m_name.compare(candidate.m_name, Qt::CaseInsensitive) == 0)
            return true;
        name = found->m_baseName;
    }
    return false;
}

QString CPkgDoc::FindSourceFile(const CVarContainer &cls, const CPackageObject &pkg,
                                const QString &jdkSourceDir, const QStringList &pkgSourceDirs) const
{
    QString packagePath = pkg.m_packageName;
    packagePath.replace(QLatin1Char('.'), QLatin1Char('/'));
    const QString fileName =
        (cls.m_sourceFile.isEmpty() ? cls.m_name : cls.m_sourceFile) + QStringLiteral(".java");
    auto withSlash = [](QString dir) {
        if (!dir.isEmpty() && !dir.endsWith(QLatin1Char('/')))
            dir += QLatin1Char('/');
        return dir;
    };

    if (!jdkSourceDir.isEmpty()) {
        const QString first = withSlash(jdkSourceDir) + packagePath + QLatin1Char('/') + fileName;
        if (QFileInfo::exists(first))
            return first;
    }
    QString last;
    for (const QString &entry : pkgSourceDirs) {
        if (entry.isEmpty())
            continue;
        const QString dir = withSlash(entry); // "." stays the current directory
        last =
            dir + (packagePath.isEmpty() ? QString() : packagePath + QLatin1Char('/')) + fileName;
        if (QFileInfo::exists(last))
            return last;
        if (!packagePath.isEmpty()) {
            last = dir + fileName;
            if (QFileInfo::exists(last))
                return last;
        }
    }
    return last;
}

CPackageObject *CPkgDoc::FindOrMakePackage(const QString &name)
{
    if (CPackageObject *pkg = m_packages.value(name))
        return pkg;
    auto *pkg = new CPackageObject(name);
    m_packages.insert(name, pkg);
    return pkg;
}

bool CPkgDoc::AddSourceFile(CFileObject &parsed, const QString &sourcePath)
{
    EnsureLoaded();
    const QString name = parsed.m_package ? parsed.m_package->m_name : UserPackage();
    CPackageObject *pkg = FindOrMakePackage(name);
    Touch();
    const bool merged = pkg->Merge(parsed, sourcePath);
    Changed();
    return merged;
}

int CPkgDoc::AddSourceFiles(const QStringList &paths)
{
    EnsureLoaded();
    Prompter().SetStatusText(QStringLiteral("Wait, updating the packages..."));
    int added = 0;
    BeginChanges();
    for (const QString &path : paths) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            Prompter().MessageBox(
                QStringLiteral("Error opening the file %1 for parsing !!!").arg(path));
            continue;
        }
        std::unique_ptr<CFileObject> parsed(CJavaParser::ParseText(file.readAll()));
        if (parsed && AddSourceFile(*parsed, path))
            ++added;
    }
    m_modified = true;
    EndChanges();
    Prompter().SetStatusText(QStringLiteral("Done..."));
    return added;
}

bool CPkgDoc::AddElement(CFileObject &file, CVarContainer *element, bool isClass)
{
    const QString full = element->m_name;
    element->ShortenNames();
    const QString shortName = element->m_name;
    QString packageName;
    if (full != shortName) {
        const qsizetype at = full.lastIndexOf(QLatin1Char('.') + shortName);
        packageName = full.left(at < 0 ? 0 : at);
    }
    if (packageName.isEmpty() && file.EnsurePackage())
        packageName = file.m_package->m_name;

    CPackageObject *pkg = FindOrMakePackage(packageName);
    Touch();
    if (isClass) {
        if (HasNamed(pkg->m_classes, shortName) && !pkg->RemoveClass(shortName))
            return false;
        pkg->m_classes.append(static_cast<CVarClass *>(element));
    } else {
        if (HasNamed(pkg->m_interfaces, shortName) && !pkg->RemoveInterface(shortName))
            return false;
        pkg->m_interfaces.append(static_cast<CVarInterface *>(element));
    }
    return true;
}

bool CPkgDoc::AddDumpedFiles(const std::vector<std::unique_ptr<CFileObject>> &files,
                             const QString &classPathAdditions)
{
    bool ok = true;
    BeginChanges();
    for (const auto &file : files)
        ok = AddIntrospectedFile(*file) && ok;
    MergeClassPath(classPathAdditions);
    SetModified();
    EndChanges();
    return Save() && ok;
}

bool CPkgDoc::AddIntrospectedFile(CFileObject &file)
{
    EnsureLoaded();
    auto wanted = [](const CVarContainer *e) { return e->m_complete && !e->m_name.isEmpty(); };
    qint64 total = 0;
    for (const CVarClass *c : std::as_const(file.m_classes))
        total += wanted(c);
    for (const CVarInterface *i : std::as_const(file.m_interfaces))
        total += wanted(i);
    const bool showProgress = total > 10;
    const QString progressText = QStringLiteral("Wait, updating the packages...");
    qint64 done = 0;
    bool ok = true;

    // Each element leaves the file's list before it goes into its package,
    // so that the file never deletes what the database now owns.
    auto move = [&](auto &list, bool isClass) {
        for (qsizetype i = 0; ok && i < list.size();) {
            if (!wanted(list[i])) {
                ++i;
                continue;
            }
            CVarContainer *element = list.takeAt(i);
            if (!AddElement(file, element, isClass)) {
                delete element;
                ok = false;
            }
            if (showProgress)
                Prompter().Progress(progressText, ++done, total);
        }
    };
    move(file.m_classes, true);
    move(file.m_interfaces, false);
    if (showProgress)
        Prompter().Progress(progressText, 0, 0);
    Changed();
    return ok;
}

bool CPkgDoc::DeletePackage(const QString &name)
{
    EnsureLoaded();
    CPackageObject *pkg = m_packages.take(name);
    if (!pkg)
        return false;
    delete pkg;
    Touch();
    Changed();
    return true;
}

int CPkgDoc::AddView(std::function<void()> update)
{
    m_views.emplace_back(m_nextViewId, std::move(update));
    return m_nextViewId++;
}

void CPkgDoc::RemoveView(int id)
{
    std::erase_if(m_views, [id](const auto &view) { return view.first == id; });
}

void CPkgDoc::UpdateAllViews()
{
    // A view may add or remove views while it rebuilds: walk a copy.
    const auto views = m_views;
    for (const auto &view : views) {
        if (view.second)
            view.second();
    }
}

void CPkgDoc::Changed()
{
    if (m_changeDepth > 0)
        m_changedInBatch = true;
    else
        UpdateAllViews();
}

void CPkgDoc::EndChanges()
{
    if (--m_changeDepth > 0 || !m_changedInBatch)
        return;
    m_changedInBatch = false;
    UpdateAllViews();
}
