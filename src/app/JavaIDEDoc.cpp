#include "app/JavaIDEDoc.h"

#include "core/Prompter.h"

#include <QDir>
#include <QFileInfo>

QString CJavaIDEDoc::GetTitle() const
{
    return m_path.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(m_path).fileName();
}

QString CJavaIDEDoc::DisplayTitle(const QString &path, const QString &currentDir)
{
    if (path.isEmpty())
        return QStringLiteral("Untitled");
    const QFileInfo info(path);
    const QString dir = QDir::cleanPath(info.absolutePath());
    if (dir == QDir::cleanPath(QDir(currentDir).absolutePath()))
        return info.fileName();
    const QString dirName = QFileInfo(dir).fileName();
    if (dirName.isEmpty()) // the root
        return QDir::toNativeSeparators(dir + info.fileName());
    return QDir::toNativeSeparators(QStringLiteral("/.../") + dirName + QLatin1Char('/') +
                                    info.fileName());
}

bool CJavaIDEDoc::OnOpenDocument(const QString &path)
{
    QString error;
    if (!m_file.Read(path, error)) {
        Prompter().MessageBox(error, CPrompter::Ok, CPrompter::Stop);
        return false;
    }
    m_path = QFileInfo(path).absoluteFilePath();
    RememberDiskState();
    return true;
}

void CJavaIDEDoc::SetPathName(const QString &path)
{
    m_path = QFileInfo(path).absoluteFilePath();
}

void CJavaIDEDoc::RememberDiskState()
{
    const QFileInfo info(m_path);
    m_modified = info.lastModified();
    m_size = info.exists() ? info.size() : -1;
}

bool CJavaIDEDoc::ChangedOnDisk() const
{
    if (m_path.isEmpty())
        return false;
    const QFileInfo info(m_path);
    if (!info.exists())
        return false;
    return info.lastModified() != m_modified || info.size() != m_size;
}

QString CJavaIDEDoc::OverwriteQuestion(const QString &path)
{
    return QStringLiteral("File %1 has been modified from outside since it was read. Select Yes "
                          "to overwrite the changes made outside, otherwise select NO.")
        .arg(path);
}

bool CJavaIDEDoc::OnSaveDocument(const QString &path, const QByteArray &text)
{
    // Another program's changes would be lost without a word: the user
    // decides.
    if (QFileInfo(path).absoluteFilePath() == m_path && ChangedOnDisk() &&
        !Prompter().AskYesNo(OverwriteQuestion(m_path), false))
        return false;

    // The encoding a save may change is taken only once the file is on
    // disk.
    CTextFile file = m_file;
    file.SetText(text);
    QString error;
    if (!file.Write(path, error)) {
        Prompter().MessageBox(error, CPrompter::Ok, CPrompter::Stop);
        return false;
    }
    m_file = file;
    m_path = QFileInfo(path).absoluteFilePath();
    RememberDiskState();
    return true;
}

bool CJavaIDEDoc::OnSaveDocument(const QString &path)
{
    return OnSaveDocument(path, m_file.Text());
}
