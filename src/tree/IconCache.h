#pragma once

#include <QHash>
#include <QImage>
#include <QString>

class QTimer;

// The pictures of the themed icons as the last session drew them, kept in a
// file of the user's cache directory. Finding an icon in a theme means
// looking through a dozen directories per name and decoding a PNG through
// the image plugins: for the toolbars and trees of the main window that
// cost more than building the window. With the cache, a start that finds
// the same theme, style and Qt draws them from one small file.
//
// The cache is only a copy: a file that is missing, damaged or was written
// for another theme, style or screen is ignored and written anew.
class CIconCache
{
public:
    // The one cache the icons of the program use; inactive (never finds,
    // never writes) until Open() names its file.
    static CIconCache &Instance();

    CIconCache();
    ~CIconCache();
    CIconCache(const CIconCache &) = delete;
    CIconCache &operator=(const CIconCache &) = delete;

    // Reads the file when it was written under the same key; what is added
    // later is written back to it shortly after the last addition. When the
    // file has nothing for this key (a user's first start), the seed is read
    // instead under the same rule: a cache the build drew beside the
    // executable with the theme it found, so that the first start does not
    // look through the theme either. What it gives is written to path.
    void Open(const QString &path, const QString &key, const QString &seed = QString());
    // What the pictures depend on besides their names: Qt's version, the
    // style, the icon theme and its fallback with the dates of their index
    // files, and the screen's pixel ratio.
    static QString CurrentKey();

    bool IsOpen() const { return !m_path.isEmpty(); }
    // The picture stored under that name, or a null image.
    QImage Find(const QString &name) const;
    void Add(const QString &name, const QImage &image);
    // Writes the file now when something was added since it was read.
    bool Save();

    // The file's contents for a key and a set of pictures, and back; a
    // damaged or foreign file reads as empty.
    static QByteArray Encode(const QString &key, const QHash<QString, QImage> &images);
    static QHash<QString, QImage> Decode(const QByteArray &bytes, const QString &key);

private:
    void ScheduleSave();

    QString m_path;
    QString m_key;
    QHash<QString, QImage> m_images;
    bool m_dirty = false;
    QTimer *m_saveTimer = nullptr;
};
