#pragma once

#include "editor/TextFile.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The file behind an editor window: its path, the text as the editor takes
// it (UTF-8, line ends as in the file), how the file was written, and its
// modification time and size as last seen. Reading refuses binary files;
// writing goes through a temporary file that replaces the old one only when
// everything was written, and asks first when another program changed the
// file since this document read or wrote it.
class CJavaIDEDoc
{
public:
    using Encoding = CTextFile::Encoding;
    static constexpr Encoding Utf8 = CTextFile::Utf8;
    static constexpr Encoding Latin1 = CTextFile::Latin1;

    // Reads path. False, after a message, when it cannot be read or is
    // not text; the document is then unchanged.
    bool OnOpenDocument(const QString &path);
    // Writes the text the editor left in File() to path. False, after a
    // message, when it cannot be written or the user keeps a version
    // written by another program; the file on disk is then unchanged.
    bool OnSaveDocument(const QString &path);
    // The same for text given here (UTF-8).
    bool OnSaveDocument(const QString &path, const QByteArray &text);

    QString GetPathName() const { return m_path; }
    // The file was renamed on disk: the document follows it.
    void SetPathName(const QString &path);
    // The file name, or "Untitled" for a new document.
    QString GetTitle() const;
    // The window title of a file: its name alone when it lies in
    // currentDir, else "/.../" and its directory's name before it, so that
    // two files of one name in different folders can be told apart.
    static QString DisplayTitle(const QString &path, const QString &currentDir);
    const QByteArray &Text() const { return m_file.Text(); }
    Encoding GetEncoding() const { return m_file.GetEncoding(); }
    QDateTime LastSeenModified() const { return m_modified; }
    // Whether the file on disk differs in time stamp or size from what
    // this document last read or wrote (false when it no longer exists).
    bool ChangedOnDisk() const;
    static QString OverwriteQuestion(const QString &path);
    // The text and the form it is kept in on disk, which the editor reads
    // from and writes to.
    CTextFile &File() { return m_file; }
    const CTextFile &File() const { return m_file; }

private:
    QString m_path;
    CTextFile m_file;
    QDateTime m_modified;
    qint64 m_size = -1;

    void RememberDiskState();
};
