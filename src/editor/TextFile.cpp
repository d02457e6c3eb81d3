#include "editor/TextFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

const char kBom[] = "\xef\xbb\xbf";

} // namespace

bool CTextFile::IsBinary(const QByteArray &bytes)
{
    return bytes.contains('\0');
}

QString CTextFile::BinaryFileMessage(const QString &path)
{
    return QStringLiteral("%1 is not a text file and cannot be opened in an editor window !!!")
        .arg(path);
}

CTextFile::LineEnd CTextFile::DetectLineEnd(const QByteArray &text)
{
    qsizetype lf = 0, crlf = 0;
    for (qsizetype at = text.indexOf('\n'); at >= 0; at = text.indexOf('\n', at + 1)) {
        if (at > 0 && text.at(at - 1) == '\r')
            ++crlf;
        else
            ++lf;
    }
    return crlf > lf ? CrLf : Lf;
}

bool CTextFile::Decode(const QByteArray &bytes, QString *error, const QString &path)
{
    if (IsBinary(bytes)) {
        if (error)
            *error = BinaryFileMessage(path);
        return false;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8(bytes);
    if (utf8.hasError()) {
        m_encoding = Latin1;
        m_bom = false;
        m_text = QString::fromLatin1(bytes).toUtf8();
    } else {
        m_encoding = Utf8;
        // The mark is no part of the text: left in, it would be an
        // invisible first character the user could delete by accident.
        m_bom = bytes.startsWith(kBom);
        m_text = m_bom ? bytes.mid(3) : bytes;
    }
    m_lineEnd = DetectLineEnd(m_text);
    return true;
}

QByteArray CTextFile::Encode(Encoding *used) const
{
    Encoding encoding = m_encoding;
    QByteArray bytes;
    if (encoding == Latin1) {
        const QString unicode = QString::fromUtf8(m_text);
        bool fits = true;
        for (QChar c : unicode)
            fits = fits && c.unicode() <= 0xFF;
        if (fits)
            bytes = unicode.toLatin1();
        else
            encoding = Utf8;
    }
    if (encoding == Utf8)
        bytes = m_bom ? kBom + m_text : m_text;
    if (used)
        *used = encoding;
    return bytes;
}

bool CTextFile::Read(const QString &path, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Cannot open the file %1.\n%2 !!!").arg(path, file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = QStringLiteral("Cannot read the file %1.\n%2 !!!").arg(path, file.errorString());
        return false;
    }
    CTextFile read;
    if (!read.Decode(bytes, &error, path))
        return false;
    *this = read;
    return true;
}

bool CTextFile::Write(const QString &path, QString &error)
{
    const QString failed =
        QStringLiteral("Error writing the file %1.\n%2\nThe file on disk has not been changed !!!");
    Encoding used = m_encoding;
    const QByteArray bytes = Encode(&used);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = failed.arg(path, file.errorString());
        return false;
    }
    file.write(bytes);
    if (!file.commit()) {
        error = failed.arg(path, file.errorString());
        return false;
    }
    m_encoding = used;
    return true;
}
