#pragma once

#include <QDateTime>
#include <QFile>
#include <QString>

class CSettingsStore;

// Reads the Tip of the Day file: one tip per line; lines that begin with a
// blank, a tab, a line end or ';' are not tips. Where the user left off is
// kept as "Tip"/"FilePos"; when the file's modification time differs from
// "Tip"/"TimeStamp" the file was replaced, and the tips start again from the
// first line.
class CTipReader
{
public:
    enum Status { Ok, NoFile, SeekFailed };

    CTipReader() = default;
    CTipReader(const CTipReader &) = delete;
    CTipReader &operator=(const CTipReader &) = delete;

    Status Open(const QString &path, CSettingsStore &store);
    bool IsOpen() const { return m_file.isOpen(); }
    // The next tip, wrapping at the end of the file. Empty when the file
    // holds no line that is a tip (it is then read once, never more).
    QString NextTip();
    // Remembers where the next tip starts and closes the file.
    void Close(CSettingsStore &store);
    qint64 Position() const { return m_file.isOpen() ? m_file.pos() : 0; }

    // The file's time stamp as it is kept in the settings.
    static QString TimeStamp(const QDateTime &modified);

    static QString NoFileText(const QString &path);
    static QString SeekFailedText();
    static QString NoTipText();

private:
    QFile m_file;
};
