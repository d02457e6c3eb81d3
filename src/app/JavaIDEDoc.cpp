#include "app/JavaIDEDoc.h"

#include "core/Prompter.h"

#include <QFileInfo>

QString CJavaIDEDoc::GetTitle() const
{
    return m_path.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(m_path).fileName();
}

bool CJavaIDEDoc::OnOpenDocument(const QString &path)
{
    QString error;
    if (!m_file.Read(path, error)) {
        Prompter().MessageBox(error, CPrompter::Ok, CPrompter::Stop);
        return false;
    }
    m_path = QFileInfo(path).absoluteFilePath();
    m_modified = QFileInfo(m_path).lastModified();
    return true;
}

bool CJavaIDEDoc::OnSaveDocument(const QString &path, const QByteArray &text)
{
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
    m_modified = QFileInfo(m_path).lastModified();
    return true;
}

bool CJavaIDEDoc::OnSaveDocument(const QString &path)
{
    return OnSaveDocument(path, m_file.Text());
}
