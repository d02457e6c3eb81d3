#include "app/FilePathInfo.h"

#include <QFileInfo>
#include <cerrno>
#include <filesystem>
#include <system_error>

bool CFilePathInfo::SetPath(const QString &path, bool check)
{
    m_path = path;
    m_exists = false;
    m_isDir = false;
    m_error = 0;
    m_size = 0;
    m_modified = QDateTime();
    m_drive.clear();
    m_dir.clear();
    m_fname.clear();
    m_ext.clear();
    if (!check) {
        Split();
        return true;
    }
    if (path.isEmpty()) {
        m_error = ENOENT;
        return false;
    }
    std::error_code ec;
    const auto status = std::filesystem::status(std::filesystem::path(path.toStdU16String()), ec);
    if (ec || !std::filesystem::exists(status)) {
        m_error = ec ? ec.value() : ENOENT;
        return false;
    }
    const QFileInfo info(path);
    m_exists = true;
    m_isDir = info.isDir();
    m_size = info.size();
    m_modified = info.lastModified();
    Split();
    return true;
}

void CFilePathInfo::Split()
{
    const qsizetype slash = m_path.lastIndexOf(QLatin1Char('/'));
    m_dir = m_path.left(slash + 1);
    const QString name = m_path.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0) {
        m_fname = name;
    } else {
        m_fname = name.left(dot);
        m_ext = name.mid(dot);
    }
}

QString CFilePathInfo::GetDriveDir() const
{
    const QString d = m_drive + m_dir;
    if (d.isEmpty())
        return QStringLiteral("./");
    return WithSlash(d);
}

QString CFilePathInfo::GetDriveDirNoSlash() const
{
    QString d = GetDriveDir();
    if (d.size() > 1)
        d.chop(1);
    return d;
}

bool CFilePathInfo::IsExtension(const QString &ext) const
{
    return m_ext.compare(ext, Qt::CaseInsensitive) == 0;
}

QString CFilePathInfo::WithSlash(const QString &dir)
{
    if (dir.isEmpty() || dir.endsWith(QLatin1Char('/')))
        return dir;
    return dir + QLatin1Char('/');
}

QString CFilePathInfo::Join(const QString &dir, const QString &name)
{
    if (dir.isEmpty())
        return name;
    QString tail = name;
    while (tail.startsWith(QLatin1Char('/')))
        tail.remove(0, 1);
    return WithSlash(dir) + tail;
}
