#include "app/JavaIDEDoc.h"

#include "app/Prompter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

QString CJavaIDEDoc::GetTitle() const
{
    return m_path.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(m_path).fileName();
}

bool CJavaIDEDoc::IsBinary(const QByteArray &bytes)
{
    return bytes.contains('\0');
}

QString CJavaIDEDoc::BinaryFileMessage(const QString &path)
{
    return QStringLiteral("%1 is not a text file and cannot be opened in an editor window !!!")
        .arg(path);
}

bool CJavaIDEDoc::OnOpenDocument(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Prompter().MessageBox(
            QStringLiteral("Cannot open the file %1.\n%2 !!!").arg(path, file.errorString()),
            CPrompter::Ok, CPrompter::Stop);
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        Prompter().MessageBox(
            QStringLiteral("Cannot read the file %1.\n%2 !!!").arg(path, file.errorString()),
            CPrompter::Ok, CPrompter::Stop);
        return false;
    }
    if (IsBinary(bytes)) {
        Prompter().MessageBox(BinaryFileMessage(path), CPrompter::Ok, CPrompter::Stop);
        return false;
    }

    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8(bytes);
    if (utf8.hasError()) {
        m_encoding = Latin1;
        m_text = QString::fromLatin1(bytes).toUtf8();
    } else {
        m_encoding = Utf8;
        m_text = bytes;
    }
    m_path = QFileInfo(path).absoluteFilePath();
    m_modified = QFileInfo(m_path).lastModified();
    return true;
}

bool CJavaIDEDoc::OnSaveDocument(const QString &path, const QByteArray &text)
{
    QByteArray bytes = text;
    Encoding encoding = m_encoding;
    if (encoding == Latin1) {
        // Characters typed since that Latin-1 cannot hold make the file
        // UTF-8 rather than turning them into question marks.
        const QString unicode = QString::fromUtf8(text);
        QStringEncoder latin1(QStringEncoder::Latin1);
        bool fits = true;
        for (QChar c : unicode)
            fits = fits && c.unicode() <= 0xFF;
        if (fits)
            bytes = latin1.encode(unicode);
        else
            encoding = Utf8;
    }

    const QString failed =
        QStringLiteral("Error writing the file %1.\n%2\nThe file on disk has not been changed !!!");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        Prompter().MessageBox(failed.arg(path, file.errorString()), CPrompter::Ok, CPrompter::Stop);
        return false;
    }
    file.write(bytes);
    if (!file.commit()) {
        Prompter().MessageBox(failed.arg(path, file.errorString()), CPrompter::Ok, CPrompter::Stop);
        return false;
    }
    m_path = QFileInfo(path).absoluteFilePath();
    m_text = text;
    m_encoding = encoding;
    m_modified = QFileInfo(m_path).lastModified();
    return true;
}
