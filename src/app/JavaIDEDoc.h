#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The file behind an editor window: its path, the text as the editor takes
// it (UTF-8), how the file was encoded, and its modification time as last
// seen. Reading refuses binary files; writing goes through a temporary file
// that replaces the old one only when everything was written.
class CJavaIDEDoc
{
public:
    // Files that are not valid UTF-8 are taken as Latin-1 (older sources
    // often are) and written back the same way, byte for byte.
    enum Encoding { Utf8, Latin1 };

    // Reads path. False, after a message, when it cannot be read or is
    // not text (it has zero bytes); the document is then unchanged.
    bool OnOpenDocument(const QString &path);
    // Writes text (UTF-8 from the editor) to path. False, after a message,
    // when it cannot be written; the file on disk is then unchanged.
    bool OnSaveDocument(const QString &path, const QByteArray &text);

    QString GetPathName() const { return m_path; }
    // The file name, or "Untitled" for a new document.
    QString GetTitle() const;
    const QByteArray &Text() const { return m_text; }
    Encoding GetEncoding() const { return m_encoding; }
    QDateTime LastSeenModified() const { return m_modified; }

    // A document that is not text: zero bytes do not occur in source files.
    static bool IsBinary(const QByteArray &bytes);
    static QString BinaryFileMessage(const QString &path);

private:
    QString m_path;
    QByteArray m_text;
    Encoding m_encoding = Utf8;
    QDateTime m_modified;
};
