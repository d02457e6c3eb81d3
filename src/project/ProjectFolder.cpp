#include "project/ProjectFolder.h"

#include "tree/Archive.h"

#include <QFileInfo>

IMPLEMENT_SERIAL(CProjectFolder, CProjectFolderBase, 1)

CProjectFolder::CProjectFolder()
{
    SetImages(TreeImage::ProjectClosed, TreeImage::ProjectClosed);
}

CProjectFolder::CProjectFolder(const QString &projectPath)
    : CProjectFolderBase(NameFromPath(projectPath)), m_strProjectPath(projectPath)
{
    SetImages(TreeImage::ProjectClosed, TreeImage::ProjectClosed);
}

void CProjectFolder::Serialize(CArchive &ar)
{
    CTreeFolder::Serialize(ar);
    if (ar.IsStoring())
        ar.WriteString(m_strProjectPath);
    else
        m_strProjectPath = ar.ReadString();
}

QString CProjectFolder::GetProjectDir() const
{
    if (m_strProjectPath.isEmpty())
        return QString();
    QString dir = QFileInfo(m_strProjectPath).absolutePath();
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

void CProjectFolder::SetProjectOpen(bool open)
{
    m_bProjectOpen = open;
    const int image = open ? TreeImage::ProjectOpen : TreeImage::ProjectClosed;
    SetImages(image, image);
}

QString CProjectFolder::NameFromPath(const QString &projectPath)
{
    return QFileInfo(projectPath).completeBaseName();
}
