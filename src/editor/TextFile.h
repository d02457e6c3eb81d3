#pragma once

#include <QByteArray>
#include <QString>

// A text file as an editor holds it: the text in UTF-8 with its line ends
// as they are in the file, and how the file was written (encoding, a
// leading byte-order mark, its line ends), so that saving an unchanged text
// gives back the file byte for byte and new lines match the old ones.
class CTextFile
{
public:
    // Files that are not valid UTF-8 are taken as Latin-1 (older sources
    // often are) and written back the same way.
    enum Encoding { Utf8, Latin1 };
    enum LineEnd { Lf, CrLf };

    // Reads path. False, with the reason in error, when it cannot be read
    // or is not text; this object is then unchanged.
    bool Read(const QString &path, QString &error);
    // Writes the text to path in the file's form. The old file is replaced
    // only once everything was written; false, with the reason in error,
    // when it could not be, and the file on disk is then unchanged.
    bool Write(const QString &path, QString &error);

    // The same without the disk: bytes of a file to text, and back.
    bool Decode(const QByteArray &bytes, QString *error = nullptr, const QString &path = QString());
    // The text in the file's form; used, if given, says the encoding it
    // took (characters Latin-1 has no room for make a Latin-1 file UTF-8
    // rather than question marks).
    QByteArray Encode(Encoding *used = nullptr) const;

    const QByteArray &Text() const { return m_text; }
    void SetText(const QByteArray &utf8) { m_text = utf8; }
    Encoding GetEncoding() const { return m_encoding; }
    bool HasByteOrderMark() const { return m_bom; }
    LineEnd GetLineEnd() const { return m_lineEnd; }

    // Zero bytes do not occur in text files: a file with one is binary.
    static bool IsBinary(const QByteArray &bytes);
    static QString BinaryFileMessage(const QString &path);
    // The line end most lines of text end with; Lf when it has none.
    static LineEnd DetectLineEnd(const QByteArray &text);

private:
    QByteArray m_text;
    Encoding m_encoding = Utf8;
    bool m_bom = false;
    LineEnd m_lineEnd = Lf;
};
