#include "project/Project.h"

#include "core/Prompter.h"
#include "javamodel/ParsedFileCache.h"
#include "project/ProjectFileItem.h"
#include "project/ProjectFolder.h"
#include "project/ProjectHost.h"
#include "project/ProjectPathScope.h"
#include "project/ProjectVirtualFolder.h"
#include "project/ResourceFileItem.h"
#include "tree/Archive.h"
#include "tree/ArchiveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr quint32 kTagFolder = 1;

const QString kOldFormatQuestion = QStringLiteral(
    "The project file format is an old format. Please select YES to backup the project file as "
    ".bkp file otherwise select NO to continue.");

QString DirOf(const QString &path)
{
    if (path.isEmpty())
        return QString();
    QString dir = QFileInfo(path).absolutePath();
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

// A list seeded from a value that older files kept on its own.
void Seed(QStringList &list, const QString &value)
{
    if (!value.isEmpty() && !list.contains(value))
        list.prepend(value);
}

// Builds one class path from the three that files before version 15 kept
// per tool: the compiler's, then each entry of the others not yet in it.
QString MergeClassPaths(const QString &compiler, const QString &interpreter, const QString &doc)
{
    const QChar sep = QDir::listSeparator();
    QStringList entries = compiler.split(sep, Qt::SkipEmptyParts);
    auto contains = [&entries](const QString &e) {
        for (const QString &x : entries) {
            if (x.compare(e, Qt::CaseInsensitive) == 0)
                return true;
        }
        return false;
    };
    for (const QString &more : {interpreter, doc}) {
        for (const QString &e : more.split(sep, Qt::SkipEmptyParts)) {
            if (!contains(e))
                entries << e;
        }
    }
    return entries.join(sep);
}

} // namespace

CProject::CProject(CProjectHost *host)
    : m_pHost(host ? host : &CProjectHost::Default()),
      m_parsedFiles(std::make_unique<CParsedFileCache>())
{
}

CProject::~CProject() = default;

void CProject::SetHost(CProjectHost *host)
{
    m_pHost = host ? host : &CProjectHost::Default();
}

QString CProject::GetTitle() const
{
    return QFileInfo(m_strPathName).fileName();
}

void CProject::DeleteContents()
{
    m_bLoadFlag1 = m_bLoadFlag2 = 0;
    m_nVersion = m_nStoredVersion = kCurrentVersion;
    m_strMainClass.clear();
    m_strMainHtml.clear();
    m_files.clear();
    m_breakpoints.clear();
    m_parsedFiles->Clear();
    m_strClassPath.clear();
    m_compiler = CCompilerOptions();
    m_interpreter = CInterpreterOptions();
    m_doc = CDocOptions();
    m_rmic = CRmicOptions();
    m_bJdbCustomOptions = 0;
    m_strJdbCustomOptions.clear();
}

// ---------------------------------------------------------------- open/close

bool CProject::Open(CProjectFolder *folder, bool create)
{
    if (!folder)
        return false;
    const QString path = folder->GetProjectPath();

    if (create) {
        // The new project is written at once, so that the file is a valid
        // project whatever happens before the next save. A file that holds
        // something already is left as it is: it is only replaced when the
        // new project is saved.
        const QFileInfo existing(path);
        const bool writeNow = !existing.exists() || existing.size() == 0;
        CProject empty(m_pHost);
        empty.m_strPathName = path;
        empty.m_strProjectDir = DirOf(path);
        QString error;
        if (writeNow &&
            !WriteArchiveFile(path, error, [&empty](CArchive &ar) { empty.Serialize(ar); })) {
            Prompter().MessageBox(QStringLiteral("Error creating the file !!!"), CPrompter::Ok,
                                  CPrompter::Stop);
            return false;
        }
        DeleteContents();
        m_pRootFolder = folder;
        folder->SetProject(this);
        folder->SetLoaded(true);
        m_strPathName = path;
        m_strProjectDir = DirOf(path);
        SetModifiedFlag(true);
    } else {
        if (!ReadProjectFile(*folder))
            return false;
        SetModifiedFlag(false);
        if (m_nStoredVersion < kCurrentVersion) {
            if (Prompter().AskYesNo(kOldFormatQuestion, false)) {
                const QFileInfo info(path);
                const QString backup =
                    info.dir().filePath(info.completeBaseName() + QStringLiteral(".bkp"));
                // QFile::copy never overwrites, so an older backup survives.
                if (!QFile::copy(path, backup))
                    Prompter().MessageBox(QStringLiteral("Error copying the project file !!!"),
                                          CPrompter::Ok, CPrompter::Warning);
            }
            // Written in the current format from now on.
            m_nVersion = kCurrentVersion;
            SetModifiedFlag(true);
        }
        if (m_bLoadFlag1 || m_bLoadFlag2)
            SetModifiedFlag(true);
    }

    QDir::setCurrent(m_strProjectDir);
    m_bOpened = true;
    Host().RefreshMainFrame();
    Host().RefreshProjectFolder(*folder);
    if (Host().ParseAllFiles()) {
        const QStringList files = m_files;
        for (const QString &file : files)
            Host().ParseFile(*this, file);
    }
    return true;
}

bool CProject::ReadProjectFile(CProjectFolder &folder)
{
    const QString path = folder.GetProjectPath();
    const QString unreadable =
        QStringLiteral("Cannot open the project %1.\n%2\nThe file has been left as it is !!!");
    // Read into a staging project and folder first, so that a file that
    // turns out to be damaged halfway leaves everything as it was.
    CProject staged(m_pHost);
    CProjectFolder stagedRoot(path);
    staged.m_pRootFolder = &stagedRoot;
    staged.m_strPathName = path;
    staged.m_strProjectDir = DirOf(path);
    QString error;
    if (!ReadArchiveFile(path, error, [&](CArchive &ar) { staged.Serialize(ar); })) {
        Prompter().MessageBox(unreadable.arg(path, error), CPrompter::Ok, CPrompter::Stop);
        return false;
    }

    if (staged.m_nStoredVersion > kCurrentVersion) {
        Prompter().MessageBox(
            QStringLiteral("Incorrect project version. Cannot open the project !!!"), CPrompter::Ok,
            CPrompter::Stop);
        return false;
    }
    TakeContentsFrom(staged, stagedRoot, folder);
    return true;
}

void CProject::TakeContentsFrom(CProject &staged, CProjectFolder &stagedRoot,
                                CProjectFolder &folder)
{
    DeleteContents();
    m_bLoadFlag1 = staged.m_bLoadFlag1;
    m_bLoadFlag2 = staged.m_bLoadFlag2;
    m_strPathName = staged.m_strPathName;
    m_strProjectDir = staged.m_strProjectDir;
    m_nVersion = staged.m_nVersion;
    m_nStoredVersion = staged.m_nStoredVersion;
    m_strMainClass = staged.m_strMainClass;
    m_strMainHtml = staged.m_strMainHtml;
    m_files = staged.m_files;
    m_breakpoints = staged.m_breakpoints;
    m_strClassPath = staged.m_strClassPath;
    m_compiler = staged.m_compiler;
    m_interpreter = staged.m_interpreter;
    m_doc = staged.m_doc;
    m_rmic = staged.m_rmic;
    m_bJdbCustomOptions = staged.m_bJdbCustomOptions;
    m_strJdbCustomOptions = staged.m_strJdbCustomOptions;

    // The folder's present children (from an earlier load, or remembered by
    // the workspace) are marked; once the project has opened the workspace
    // deletes the marked ones, so that only the children just read remain.
    if (folder.IsLoaded() || folder.GetChildCount() > 0)
        folder.MarkAll();
    while (!stagedRoot.Children().empty()) {
        CTreeItem *child = stagedRoot.Children().front();
        stagedRoot.RemoveChild(child);
        folder.InsertChildBefore(folder.ChildrenEnd(), child);
    }
    folder.SetLoaded(true);
    folder.SetProjectPath(m_strPathName);
    m_pRootFolder = &folder;
    folder.SetProject(this);
    ForEachFileItem([this](CProjectFileItem &item) {
        if (!item.IsMarked())
            item.SetProject(this);
    });
}

bool CProject::SaveModified()
{
    if (!IsModified())
        return true;
    const CPrompter::Answer answer =
        Prompter().MessageBox(QStringLiteral("Save changes to %1?").arg(GetTitle()),
                              CPrompter::YesNoCancel, CPrompter::Warning, CPrompter::AnswerYes);
    if (answer == CPrompter::AnswerCancel)
        return false;
    if (answer == CPrompter::AnswerYes)
        return Save();
    return true;
}

bool CProject::Close()
{
    if (!m_bOpened)
        return false;
    if (IsModified()) {
        if (!SaveModified())
            return false;
    } else {
        // Unmodified projects are still written, to record which files
        // have editor windows; a failure here loses nothing.
        Save();
    }
    if (Host().CloseProjectFiles()) {
        const QStringList files = m_files;
        for (const QString &file : files)
            Host().CloseEditorWindow(file);
    }
    ForEachFileItem([](CProjectFileItem &item) { item.SetProject(nullptr); });
    if (m_pRootFolder)
        m_pRootFolder->SetProject(nullptr);
    m_pRootFolder = nullptr;
    m_strPathName.clear();
    m_bOpened = false;
    m_bModified = false;
    m_parsedFiles->Clear();
    return true;
}

bool CProject::Save()
{
    if (m_strPathName.isEmpty())
        return false;
    RecordEditorStates();
    if (!SaveArchiveFileOrReport(m_strPathName, QStringLiteral("project"),
                                 [this](CArchive &ar) { Serialize(ar); }))
        return false;
    SetModifiedFlag(false);
    return true;
}

void CProject::RecordEditorStates()
{
    ForEachFileItem([this](CProjectFileItem &item) {
        int selStart = 0;
        int selEnd = 0;
        const bool open = Host().GetEditorState(item.GetName(), selStart, selEnd);
        item.SetEditorState(open, selStart, selEnd);
    });
}

// ------------------------------------------------------------------ format

void CProject::Serialize(CArchive &ar)
{
    const bool storing = ar.IsStoring();
    // Paths of files are stored relative to the project directory.
    CProjectPathScope scope(m_strProjectDir);

    quint32 version = kCurrentVersion;
    if (storing) {
        ar.WriteDWORD(kCurrentVersion);
    } else {
        version = ar.ReadDWORD();
        m_nVersion = m_nStoredVersion = version;
        if (version == 0)
            throw CArchiveException(CArchiveException::BadFormat,
                                    QStringLiteral("the project file version is 0"));
        if (version > kCurrentVersion)
            return; // the caller refuses it; nothing more can be understood
    }

    // What older versions kept in places of their own: the file list before
    // the tree, the project directory, and before version 15 a class path
    // for each tool.
    QStringList oldFiles;
    QString storedDir, compilerClassPath, interpreterClassPath, docClassPath;

    if (!storing && version < 10)
        oldFiles = ar.ReadStringList();
    ar.Exchange(m_strMainClass);
    if (version >= 15)
        ar.Exchange(m_strClassPath);
    if (version >= 2)
        ar.Exchange(m_strMainHtml);
    // Each group of fields came with the version that numbers it.
    if (version >= 3) {
        m_compiler.ExchangeProject(ar, 3, version, compilerClassPath);
        m_interpreter.ExchangeProject(ar, 3, version, interpreterClassPath);
    }
    if (version >= 4)
        ExchangeBreakpoints(ar);
    if (version == 5 || version == 6)
        ar.Exchange(storedDir);
    if (version >= 7) {
        if (storing)
            ar.WriteString(m_strProjectDir);
        else
            storedDir = ar.ReadString();
        m_compiler.ExchangeProject(ar, 7, version, compilerClassPath);
        m_doc.ExchangeProject(ar, 7, version, docClassPath);
    }
    if (version >= 8) {
        m_interpreter.ExchangeProject(ar, 8, version, interpreterClassPath);
        m_compiler.ExchangeProject(ar, 8, version, compilerClassPath);
    }
    if (version >= 9)
        m_compiler.ExchangeProject(ar, 9, version, compilerClassPath);
    if (version >= 10)
        SerializeTree(ar);
    if (version >= 11) {
        m_compiler.ExchangeProject(ar, 11, version, compilerClassPath);
        m_interpreter.ExchangeProject(ar, 11, version, interpreterClassPath);
    }
    if (version >= 12) {
        m_interpreter.ExchangeProject(ar, 12, version, interpreterClassPath);
        m_doc.ExchangeProject(ar, 12, version, docClassPath);
    }
    if (version >= 13)
        m_rmic.ExchangeProject(ar);
    if (version >= 14) {
        // The console debugger's custom options.
        ar.Exchange(m_bJdbCustomOptions);
        ar.Exchange(m_strJdbCustomOptions);
    }

    if (!storing) {
        ar.CheckAtEnd();
        AfterLoad(oldFiles, storedDir, compilerClassPath, interpreterClassPath, docClassPath);
    }
}

void CProject::ExchangeBreakpoints(CArchive &ar)
{
    if (ar.IsStoring()) {
        ar.WriteDWORD(static_cast<quint32>(m_breakpoints.size()));
        for (const CBreakpointList &list : std::as_const(m_breakpoints)) {
            ar.WriteString(CProjectPathScope::ToStored(list.m_strPath));
            ar.WriteDWORD(static_cast<quint32>(list.m_breakpoints.size()));
            for (const CBreakpoint &bp : list.m_breakpoints) {
                ar.WriteString(bp.m_strClassName);
                ar.WriteWORD(bp.m_nLine);
            }
        }
        return;
    }
    m_breakpoints.clear();
    const quint32 files = ar.ReadDWORD();
    ar.CheckCount(files, 8); // a path and a count at least
    for (quint32 f = 0; f < files; ++f) {
        const QString path = CProjectPathScope::FromStored(ar.ReadString(), m_strProjectDir);
        const quint32 count = ar.ReadDWORD();
        ar.CheckCount(count, 6); // a class name and a line
        CBreakpointList &list = m_breakpoints[path];
        list.m_strPath = path;
        for (quint32 b = 0; b < count; ++b) {
            CBreakpoint bp;
            bp.m_strClassName = ar.ReadString();
            bp.m_nLine = ar.ReadWORD();
            list.m_breakpoints.append(bp);
        }
    }
}

void CProject::SerializeTree(CArchive &ar)
{
    if (ar.IsStoring()) {
        if (m_pRootFolder) {
            m_pRootFolder->WriteTree(ar);
        } else {
            // A project without its folder still writes a readable tree.
            CProjectFolder empty(m_strPathName);
            empty.WriteTree(ar);
        }
        return;
    }

    const quint32 tag = ar.ReadDWORD();
    if (tag != kTagFolder)
        throw CArchiveException(CArchiveException::BadFormat,
                                QStringLiteral("the project's tree does not begin with a folder"));
    std::unique_ptr<CObject> obj(ar.ReadOwnedObject(RUNTIME_CLASS(CProjectFolder)));
    auto *stored = static_cast<CProjectFolder *>(obj.get());
    if (!stored)
        throw CArchiveException(CArchiveException::BadFormat,
                                QStringLiteral("the project's tree has no root folder"));
    // A project file that was moved still names its old place: correct it
    // and have the project written again. Paths on this platform are
    // case-sensitive, so a change of case counts as a move too.
    if (stored->GetProjectPath() != m_strPathName)
        m_bLoadFlag1 = 1;
    m_pRootFolder->SetStoredChildCount(stored->GetStoredChildCount());
    ar.ForgetObject(stored);
    obj.reset();

    const QString dir = m_strProjectDir;
    m_pRootFolder->ReadChildren(ar, [this, dir](CTreeFolder &parent, CTreeItem *child) {
        if (child->IsKindOf(RUNTIME_CLASS(CProjectFileItem))) {
            auto *item = static_cast<CProjectFileItem *>(child);
            item->SetPath(CProjectPathScope::FromStored(item->GetName(), dir));
        }
        if (parent.AddChild(child, true))
            return true;
        m_bLoadFlag2 = 1; // a duplicate or stray node was dropped
        return false;
    });
}

void CProject::AfterLoad(const QStringList &oldFiles, const QString &storedDir,
                         const QString &compilerClassPath, const QString &interpreterClassPath,
                         const QString &docClassPath)
{
    const quint32 version = m_nStoredVersion;

    RebuildFileList();
    // Before the tree, a project was a plain list of files.
    if (version < 10 && m_pRootFolder) {
        for (const QString &stored : oldFiles) {
            const QString path = CProjectPathScope::FromStored(stored, m_strProjectDir);
            CProjectFileItem *item = NewFileItem(path);
            if (m_pRootFolder->AddChild(item, true)) {
                item->SetProject(this);
                m_files.append(path);
            } else {
                delete item;
                m_bLoadFlag2 = 1;
            }
        }
    }

    if (m_files.isEmpty()) {
        m_strMainClass.clear();
        m_strMainHtml.clear();
    }
    if (!m_strMainClass.isEmpty() && !m_strMainHtml.isEmpty())
        m_strMainHtml.clear();

    // The directory is always the one the file is in now; a different one
    // stored means the project was moved.
    const QString computed = DirOf(m_strPathName);
    if (!storedDir.isEmpty() && storedDir != computed)
        m_bLoadFlag1 = 1;
    m_strProjectDir = computed;

    CInterpreterOptions &i = m_interpreter;
    if (version < 12) {
        i.m_bArguments = i.m_strArguments.isEmpty() ? 0 : 1;
        i.m_bClassToRun = i.m_strClassToRun.isEmpty() ? 0 : 1;
        Seed(m_doc.m_prevClassPaths, docClassPath);
        Seed(m_doc.m_prevOutputDirs, m_doc.m_strOutputDir);
    }
    if (version < 11) {
        Seed(m_compiler.m_prevClassPaths, compilerClassPath);
        Seed(m_compiler.m_prevOutputDirs, m_compiler.m_strOutputDir);
        Seed(i.m_prevClassPaths, interpreterClassPath);
    }
    if (version == 7)
        Seed(i.m_prevArguments, i.m_strArguments);
    if (version == 8)
        Seed(m_compiler.m_prevCustomOptions, m_compiler.m_strCustomOptions);
    if (version < 15)
        m_strClassPath = MergeClassPaths(compilerClassPath, interpreterClassPath, docClassPath);

    // The custom compiler is switched on per session, never by a file.
    m_compiler.m_bUseCompiler = 0;
}

void CProject::RebuildFileList()
{
    m_files.clear();
    ForEachFileItem([this](CProjectFileItem &item) {
        item.SetProject(this);
        m_files.append(item.GetName());
    });
}

CProjectFileItem *CProject::NewFileItem(const QString &path)
{
    if (CResourceFileItem::IsResourcePath(path))
        return new CResourceFileItem(path);
    return new CProjectFileItem(path);
}

namespace {
void VisitFileItems(const CTreeFolder &folder, const std::function<void(CProjectFileItem &)> &fn)
{
    for (CTreeItem *child : folder.Children()) {
        if (child->IsFolder())
            VisitFileItems(static_cast<const CTreeFolder &>(*child), fn);
        else if (child->IsKindOf(RUNTIME_CLASS(CProjectFileItem)))
            fn(static_cast<CProjectFileItem &>(*child));
    }
}

CTreeFolder *ParentOf(CTreeFolder &folder, const CTreeItem *item)
{
    for (CTreeItem *child : folder.Children()) {
        if (child == item)
            return &folder;
        if (child->IsFolder()) {
            if (CTreeFolder *found = ParentOf(static_cast<CTreeFolder &>(*child), item))
                return found;
        }
    }
    return nullptr;
}
} // namespace

void CProject::ForEachFileItem(const std::function<void(CProjectFileItem &)> &fn) const
{
    if (m_pRootFolder)
        VisitFileItems(*m_pRootFolder, fn);
}

// --------------------------------------------------------------- file list

void CProject::SetMainClass(const QString &fileName)
{
    m_strMainClass = fileName;
    if (!fileName.isEmpty())
        m_strMainHtml.clear();
    SetModifiedFlag();
}

void CProject::SetMainHtml(const QString &fileName)
{
    m_strMainHtml = fileName;
    if (!fileName.isEmpty())
        m_strMainClass.clear();
    SetModifiedFlag();
}

int CProject::AddFile(const QString &path)
{
    if (m_files.contains(path)) {
        Prompter().MessageBox(path + QStringLiteral(" file already in the project !!!"),
                              CPrompter::Ok, CPrompter::Warning);
        return -1;
    }
    if (!QFileInfo::exists(path)) {
        // NewOnly: a file that appeared meanwhile is never truncated.
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            Prompter().MessageBox(QStringLiteral("Error creating the file !!!"), CPrompter::Ok,
                                  CPrompter::Stop);
    }
    m_files.prepend(path);
    SetModifiedFlag();
    return 0;
}

CProjectFileItem *CProject::AddFileItem(const QString &path, CProjectFolderBase *folder)
{
    if (!m_pRootFolder)
        return nullptr;
    const int position = AddFile(path);
    if (position < 0)
        return nullptr;
    if (!folder)
        folder = m_pRootFolder;
    CProjectFileItem *item = NewFileItem(path);
    item->SetProject(this);
    item->m_nListPosition = position;
    if (!folder->AddChild(item, true)) {
        delete item;
        m_files.removeOne(path);
        return nullptr;
    }
    Host().ShowFileInProjectView(*item);
    return item;
}

void CProject::RemoveFile(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    if (!m_strMainClass.isEmpty() && name.compare(m_strMainClass, Qt::CaseInsensitive) == 0)
        m_strMainClass.clear();
    if (!m_strMainHtml.isEmpty() && name.compare(m_strMainHtml, Qt::CaseInsensitive) == 0)
        m_strMainHtml.clear();
    m_breakpoints.remove(path);
    m_parsedFiles->Remove(path);
    m_files.removeAll(path);
    SetModifiedFlag();
}

bool CProject::RemoveFileItem(CProjectFileItem *item)
{
    if (!item || item->GetProject() != this || !m_pRootFolder)
        return false;
    CTreeFolder *parent = ParentOf(*m_pRootFolder, item);
    if (!parent || !item->OnRemove())
        return false;
    parent->RemoveChild(item);
    delete item;
    return true;
}

bool CProject::RenameFile(const QString &oldPath, const QString &newPath)
{
    if (m_files.contains(newPath))
        return false;
    const qsizetype at = m_files.indexOf(oldPath);
    if (at >= 0)
        m_files[at] = newPath;
    if (m_breakpoints.contains(oldPath)) {
        CBreakpointList list = m_breakpoints.take(oldPath);
        list.m_strPath = newPath;
        m_breakpoints.insert(newPath, list);
    }
    m_parsedFiles->Remove(oldPath);
    // The file to run keeps being the file to run under its new name.
    const QString oldName = QFileInfo(oldPath).fileName();
    const QString newName = QFileInfo(newPath).fileName();
    if (!m_strMainClass.isEmpty() && oldName.compare(m_strMainClass, Qt::CaseInsensitive) == 0)
        m_strMainClass = newName;
    if (!m_strMainHtml.isEmpty() && oldName.compare(m_strMainHtml, Qt::CaseInsensitive) == 0)
        m_strMainHtml = newName;
    SetModifiedFlag();
    return true;
}

CProjectFileItem *CProject::FindFileItem(const QString &path) const
{
    CProjectFileItem *found = nullptr;
    ForEachFileItem([&](CProjectFileItem &item) {
        if (!found && item.GetName() == path)
            found = &item;
    });
    return found;
}

// ------------------------------------------------------------- breakpoints

bool CProject::HasBreakpoint(const QString &path, int line) const
{
    const auto it = m_breakpoints.constFind(path);
    if (it == m_breakpoints.cend())
        return false;
    for (const CBreakpoint &bp : it->m_breakpoints) {
        if (bp.m_nLine == line)
            return true;
    }
    return false;
}

QString CProject::GetBreakpointClass(const QString &path, int line) const
{
    const auto it = m_breakpoints.constFind(path);
    if (it == m_breakpoints.cend())
        return QString();
    for (const CBreakpoint &bp : it->m_breakpoints) {
        if (bp.m_nLine == line)
            return bp.m_strClassName;
    }
    return QString();
}

bool CProject::AddBreakpoint(const QString &path, const QString &className, int line)
{
    if (line < 0 || line > 0xFFFF)
        return false;
    CBreakpointList &list = m_breakpoints[path];
    list.m_strPath = path;
    for (CBreakpoint &bp : list.m_breakpoints) {
        if (bp.m_nLine == line) {
            bp.m_strClassName = className;
            SetModifiedFlag();
            return true;
        }
    }
    list.m_breakpoints.append(CBreakpoint{className, static_cast<quint16>(line)});
    SetModifiedFlag();
    return true;
}

bool CProject::RemoveBreakpoint(const QString &path, int line)
{
    const auto it = m_breakpoints.find(path);
    if (it == m_breakpoints.end())
        return false;
    const qsizetype removed =
        it->m_breakpoints.removeIf([line](const CBreakpoint &bp) { return bp.m_nLine == line; });
    if (it->m_breakpoints.isEmpty())
        m_breakpoints.erase(it);
    if (removed > 0)
        SetModifiedFlag();
    return removed > 0;
}

QList<CBreakpoint> CProject::GetBreakpoints(const QString &path) const
{
    return m_breakpoints.value(path).m_breakpoints;
}
