#include "project/ProjectDoc.h"

#include "core/Prompter.h"
#include "project/ProjectFileItem.h"
#include "project/ProjectFolder.h"
#include "project/ProjectHost.h"
#include "project/ProjectPathScope.h"
#include "project/ProjectRootFolder.h"
#include "tree/Archive.h"
#include "tree/ArchiveFile.h"

#include <QFileInfo>
#include <memory>

namespace {

const QString kRootName = QStringLiteral("Mavu Projects");

void ResolveItems(CTreeFolder &folder, const QString &dir)
{
    for (CTreeItem *child : folder.Children()) {
        if (child->IsFolder()) {
            ResolveItems(static_cast<CTreeFolder &>(*child), dir);
        } else if (child->IsKindOf(RUNTIME_CLASS(CProjectFileItem))) {
            auto *item = static_cast<CProjectFileItem *>(child);
            item->SetPath(CProjectPathScope::FromStored(item->GetName(), dir));
        }
    }
}

} // namespace

CProjectDoc::CProjectDoc(CProjectHost *host)
    : m_pHost(host ? host : &CProjectHost::Default()), m_project(m_pHost)
{
}

CProjectDoc::~CProjectDoc()
{
    delete m_pRoot;
}

void CProjectDoc::DeleteContents()
{
    m_nVersion = kCurrentVersion;
    m_bModifiedWhileLoading = false;
    m_interpreter = CInterpreterOptions();
    m_compiler = CCompilerOptions();
    m_doc = CDocOptions();
    m_pActiveFolder = nullptr;
    delete m_pRoot;
    m_pRoot = new CProjectRootFolder(kRootName);
}

bool CProjectDoc::Load(const QString &path)
{
    if (m_project.IsOpen() && !CloseCurrentProject())
        return false;

    m_bSaveBlocked = false;
    if (!QFileInfo::exists(path)) {
        DeleteContents();
        m_strPathName = path;
        m_bModified = false;
        Host().UpdateAllViews();
        return true;
    }

    const QString unreadable = QStringLiteral(
        "Cannot open the workspace %1.\n%2\nThe file has been left as it is and the workspace "
        "will not be saved over it !!!");
    auto refuse = [&](const QString &why) {
        Prompter().MessageBox(unreadable.arg(path, why), CPrompter::Ok, CPrompter::Stop);
        if (!m_pRoot)
            DeleteContents();
        m_strPathName = path;
        m_bSaveBlocked = true;
        return false;
    };

    // Read into a staging workspace so that a damaged file changes nothing.
    CProjectDoc staged(m_pHost);
    QString error;
    if (!ReadArchiveFile(path, error, [&](CArchive &ar) { staged.Serialize(ar); }))
        return refuse(error);
    if (staged.m_nVersion > kCurrentVersion)
        return refuse(QStringLiteral("Incorrect workspace version %1.").arg(staged.m_nVersion));

    delete m_pRoot;
    m_pRoot = staged.m_pRoot;
    staged.m_pRoot = nullptr;
    m_pActiveFolder = nullptr;
    m_interpreter = staged.m_interpreter;
    m_compiler = staged.m_compiler;
    m_doc = staged.m_doc;
    m_nVersion = kCurrentVersion;
    m_strPathName = path;
    m_bModified = false;
    Host().UpdateAllViews();
    if (staged.m_bModifiedWhileLoading) {
        // An older layout: written again at once in the current one.
        Save();
    }
    return true;
}

bool CProjectDoc::Save()
{
    if (m_strPathName.isEmpty() || m_bSaveBlocked || !m_pRoot)
        return false;
    if (!SaveArchiveFileOrReport(m_strPathName, QStringLiteral("workspace"),
                                 [this](CArchive &ar) { Serialize(ar); }))
        return false;
    m_bModified = false;
    return true;
}

void CProjectDoc::Serialize(CArchive &ar)
{
    const bool storing = ar.IsStoring();
    quint32 version = kCurrentVersion;
    if (storing) {
        ar.WriteDWORD(kCurrentVersion);
    } else {
        DeleteContents();
        version = ar.ReadDWORD();
        m_nVersion = version;
        if (version > kCurrentVersion)
            return; // the caller refuses it
    }

    if (version >= kFirstVersionWithOptions) {
        m_interpreter.ExchangeWorkspace(ar, version);
        m_compiler.ExchangeWorkspace(ar);
        m_doc.ExchangeWorkspace(ar);
    }

    if (storing) {
        // The tree. Each project's remembered files are stored relative to
        // that project's directory, like in the project file itself.
        ar.WriteDWORD(1);
        ar.WriteObject(m_pRoot);
        for (CTreeItem *child : m_pRoot->Children()) {
            if (child->IsFolder()) {
                QString dir;
                if (child->IsKindOf(RUNTIME_CLASS(CProjectFolder)))
                    dir = static_cast<CProjectFolder *>(child)->GetProjectDir();
                CProjectPathScope scope(dir);
                static_cast<CTreeFolder *>(child)->WriteTree(ar);
            } else {
                ar.WriteDWORD(2);
                ar.WriteObject(child);
            }
        }
        return;
    }

    if (version < kCurrentVersion)
        m_bModifiedWhileLoading = true;
    m_nVersion = kCurrentVersion;

    ar.ReadDWORD(); // the tree's tag
    std::unique_ptr<CObject> root(ar.ReadOwnedObject(RUNTIME_CLASS(CProjectRootFolder)));
    if (!root)
        throw CArchiveException(CArchiveException::BadFormat,
                                QStringLiteral("the workspace has no root folder"));
    delete m_pRoot;
    m_pRoot = static_cast<CProjectRootFolder *>(root.release());
    // Projects are kept in name order, whatever order they were stored in.
    m_pRoot->ReadChildren(ar, CTreeFolder::AddChildSorted);
    ar.CheckAtEnd();
    ResolveProjectPaths();
}

void CProjectDoc::ResolveProjectPaths()
{
    for (CTreeItem *child : m_pRoot->Children()) {
        if (child->IsKindOf(RUNTIME_CLASS(CProjectFolder))) {
            auto *folder = static_cast<CProjectFolder *>(child);
            ResolveItems(*folder, folder->GetProjectDir());
        }
    }
}

CProjectFolder *CProjectDoc::FindProject(const QString &path) const
{
    if (!m_pRoot)
        return nullptr;
    for (CTreeItem *child : m_pRoot->Children()) {
        if (!child->IsKindOf(RUNTIME_CLASS(CProjectFolder)))
            continue;
        auto *folder = static_cast<CProjectFolder *>(child);
        if (folder->GetProjectPath().compare(path, Qt::CaseInsensitive) == 0)
            return folder;
    }
    return nullptr;
}

bool CProjectDoc::CloseCurrentProject()
{
    if (!m_project.IsOpen())
        return false;
    if (!m_project.Close())
        return false;
    if (m_pActiveFolder)
        m_pActiveFolder->SetProjectOpen(false);
    m_pActiveFolder = nullptr;
    Host().UpdateAllViews();
    return true;
}

bool CProjectDoc::OpenProject(const QString &path, bool create)
{
    if (!m_pRoot)
        DeleteContents();
    if (m_project.IsOpen() && !CloseCurrentProject())
        return false;

    CProjectFolder *existing = FindProject(path);
    if (!create && existing) {
        existing->SetProject(&m_project);
        m_project.SetModifiedFlag(false);
        if (!m_project.Open(existing, false)) {
            Host().UpdateAllViews();
            return false;
        }
        existing->DeleteMarkedChildren();
        existing->SetPopulated(false);
        return FinishOpen(existing);
    }

    if (!create) {
        if (!QFileInfo::exists(path)) {
            Prompter().MessageBox(QStringLiteral("Project file does not exist !!!"), CPrompter::Ok,
                                  CPrompter::Stop);
            return false;
        }
        if (QFileInfo(path).suffix().compare(QLatin1String("mavu"), Qt::CaseInsensitive) != 0) {
            Prompter().MessageBox(QStringLiteral("The file is not a Mavu project file !!!"),
                                  CPrompter::Ok, CPrompter::Stop);
            return false;
        }
    }

    if (create && existing) {
        // A new project over one the workspace already knows: start the
        // known folder afresh rather than listing the project twice.
        existing->DeleteAllChildren();
        if (!m_project.Open(existing, true)) {
            Host().UpdateAllViews();
            return false;
        }
        Save();
        return FinishOpen(existing);
    }

    auto folder = std::make_unique<CProjectFolder>(path);
    folder->SetProject(&m_project);
    if (!m_project.Open(folder.get(), create))
        return false;
    CProjectFolder *raw = folder.release();
    m_pRoot->AddChild(raw, true);
    SetModifiedFlag();
    Save();
    return FinishOpen(raw);
}

bool CProjectDoc::FinishOpen(CProjectFolder *folder)
{
    folder->SetProjectOpen(true);
    Host().UpdateAllViews();
    m_pActiveFolder = folder;
    Host().SelectProject(*folder);
    Host().RefreshOutputWindows();
    Host().FocusProjectPane();
    return true;
}

CProjectFolder *CProjectDoc::AddProject(const QString &path)
{
    if (!m_pRoot)
        DeleteContents();
    if (FindProject(path)) {
        Prompter().MessageBox(QStringLiteral("Project %1 already exists in the tree !!!").arg(path),
                              CPrompter::Ok, CPrompter::Warning);
        return nullptr;
    }
    auto *folder = new CProjectFolder(path);
    m_pRoot->AddChild(folder, true);
    SetModifiedFlag();
    Save();
    return folder;
}

bool CProjectDoc::RemoveProject(CProjectFolder *folder)
{
    if (!folder || !m_pRoot)
        return false;
    if (folder == m_pActiveFolder && !CloseCurrentProject())
        return false;
    if (!m_pRoot->RemoveChild(folder))
        return false;
    delete folder;
    SetModifiedFlag();
    Save();
    Host().UpdateAllViews();
    return true;
}

QString CProjectDoc::GetActiveProjectName() const
{
    if (!m_project.IsOpen() || !m_pActiveFolder)
        return QString();
    return m_pActiveFolder->GetName();
}

QString CProjectDoc::GetActiveProjectPath() const
{
    if (!m_project.IsOpen() || !m_pActiveFolder)
        return QString();
    return m_pActiveFolder->GetProjectPath();
}
