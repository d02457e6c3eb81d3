#include "project/ProjectFileItem.h"

#include "core/Prompter.h"
#include "project/Project.h"
#include "project/ProjectHost.h"
#include "project/ProjectPathScope.h"
#include "tree/Archive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

IMPLEMENT_SERIAL(CProjectFileItem, CTreeItem,
                 VERSIONABLE_SCHEMA | CProjectFileItem::kCurrentVersion)

CProjectFileItem::CProjectFileItem() = default;

CProjectFileItem::CProjectFileItem(const QString &path)
{
    m_name = path;
}

void CProjectFileItem::Serialize(CArchive &ar)
{
    // The stored path is the one part of the base form; it is written here
    // because it is stored relative to the project directory.
    if (ar.IsStoring()) {
        ar.WriteString(CProjectPathScope::ToStored(m_name));
        ar.WriteInt(m_nFlag);
        ar.WriteInt(m_bOpen);
        ar.WriteInt(m_bOpen ? m_nSelStart : 0);
        ar.WriteInt(m_bOpen ? m_nSelEnd : 0);
        return;
    }
    // The reader resolves the path against the directory of the project
    // file it reads, which only it knows.
    m_nStoredVersion = ar.GetObjectSchema();
    m_name = ar.ReadString();
    if (m_nStoredVersion >= 2)
        m_nFlag = ar.ReadInt();
    if (m_nStoredVersion >= 3) {
        m_bOpen = ar.ReadInt();
        m_nSelStart = ar.ReadInt();
        m_nSelEnd = ar.ReadInt();
    }
}

int CProjectFileItem::OnRemove()
{
    if (!m_pProject || !m_pProject->IsOpen())
        return 0;
    m_pProject->RemoveFile(m_name);
    m_pProject = nullptr;
    return 1;
}

void CProjectFileItem::Activate()
{
    Open();
}

int CProjectFileItem::Open()
{
    if (!m_pProject)
        return 0;
    return m_pProject->Host().OpenDocumentFile(m_name) ? 1 : 0;
}

bool CProjectFileItem::BelongsToOpenProject() const
{
    return m_pProject && m_pProject->IsOpen();
}

bool CProjectFileItem::CanDrag() const
{
    return true;
}

bool CProjectFileItem::IsFile() const
{
    return true;
}

QString CProjectFileItem::GetDisplayName() const
{
    // Folders compare display names at every sorted insertion, so adding a
    // directory of thousands of files asks for them millions of times: cut
    // the name out of the path instead of building a QFileInfo each time.
    return m_name.mid(m_name.lastIndexOf(QLatin1Char('/')) + 1);
}

bool CProjectFileItem::SetName(const QString &name)
{
    if (name.isEmpty())
        return false;
    QString path = name;
    if (!name.contains(QLatin1Char('/')))
        path = QFileInfo(m_name).dir().filePath(name);
    if (path == m_name)
        return true;
    if (!m_pProject) {
        m_name = path;
        return true;
    }
    if (m_pProject->HasFile(path)) {
        Prompter().MessageBox(QStringLiteral("Duplicate file name in the project !!!"),
                              CPrompter::Ok, CPrompter::Warning);
        return false;
    }
    // The file on disk takes the new name too, or nothing changes: an entry
    // whose file kept the old name could not be opened any more. Only an
    // entry without a file is renamed alone.
    if (QFileInfo::exists(m_name)) {
        if (QFileInfo::exists(path)) {
            Prompter().MessageBox(
                QStringLiteral("File %1 already exists. The file has not been renamed !!!")
                    .arg(path),
                CPrompter::Ok, CPrompter::Warning);
            return false;
        }
        QFile file(m_name);
        if (!file.rename(path)) {
            Prompter().MessageBox(QStringLiteral("Error renaming the file %1 to %2: %3 !!!")
                                      .arg(m_name, path, file.errorString()),
                                  CPrompter::Ok, CPrompter::Stop);
            return false;
        }
    }
    const QString oldPath = m_name;
    m_pProject->RenameFile(oldPath, path);
    m_name = path;
    m_pProject->Host().FileRenamed(oldPath, path);
    // The rename on disk cannot wait for the project to be saved: a project
    // file still naming the old file would lose it at the next start.
    if (m_pProject->IsOpen())
        m_pProject->Save();
    return true;
}

void CProjectFileItem::ForgetTreeHandle()
{
    m_hTreeItem = nullptr;
}

int CProjectFileItem::GetImage() const
{
    const QString suffix = QFileInfo(m_name).suffix();
    if (suffix.compare(QLatin1String("java"), Qt::CaseInsensitive) == 0)
        return m_bDirty ? TreeImage::JavaFileDirty : TreeImage::JavaFile;
    if (suffix.compare(QLatin1String("html"), Qt::CaseInsensitive) == 0 ||
        suffix.compare(QLatin1String("htm"), Qt::CaseInsensitive) == 0)
        return TreeImage::HtmlFile;
    return TreeImage::File;
}

int CProjectFileItem::GetSelectedImage() const
{
    return GetImage();
}

void CProjectFileItem::SetEditorState(bool open, int selStart, int selEnd)
{
    m_bOpen = open ? 1 : 0;
    m_nSelStart = open ? selStart : 0;
    m_nSelEnd = open ? selEnd : 0;
}
