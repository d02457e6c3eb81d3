#pragma once

#include <QDateTime>
#include <QString>

// A path and what the file system says about it. Setting a path with a check
// asks the file system: when the file is missing the parts stay empty and the
// error number says why; without a check the path is only split.
//
// Parts: drive (always empty here: paths have no drive letters), directory
// (up to and including the last '/'), file name and extension (from the last
// '.' of the name, dot included).
class CFilePathInfo
{
public:
    CFilePathInfo() = default;
    explicit CFilePathInfo(const QString &path, bool check = true) { SetPath(path, check); }

    // Returns whether the path exists (always true without a check).
    bool SetPath(const QString &path, bool check = true);

    const QString &GetFullPath() const { return m_path; }
    bool Exists() const { return m_exists; }
    int ErrorNumber() const { return m_error; }
    bool IsDirectory() const { return m_isDir; }
    qint64 Size() const { return m_size; }
    QDateTime LastModified() const { return m_modified; }

    const QString &Drive() const { return m_drive; }
    const QString &Dir() const { return m_dir; }
    const QString &FileName() const { return m_fname; }
    const QString &Extension() const { return m_ext; }

    // Drive and directory, always ending with '/' ("./" for a bare name).
    QString GetDriveDir() const;
    // The same without the trailing '/', except for the root, which keeps it.
    QString GetDriveDirNoSlash() const;
    QString GetNameExt() const { return m_fname + m_ext; }
    // Case-insensitive comparison of the extension with ext (".mavu").
    bool IsExtension(const QString &ext) const;

    // dir + '/' + name with exactly one '/' between them; an empty dir gives
    // name unchanged.
    static QString Join(const QString &dir, const QString &name);
    // dir with a trailing '/' (an empty dir stays empty).
    static QString WithSlash(const QString &dir);

private:
    void Split();

    QString m_path;
    bool m_exists = false;
    bool m_isDir = false;
    int m_error = 0;
    qint64 m_size = 0;
    QDateTime m_modified;
    QString m_drive, m_dir, m_fname, m_ext;
};
