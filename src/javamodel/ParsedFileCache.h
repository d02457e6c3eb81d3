#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <functional>

class CFileObject;

// Parsed Java files by path, each with the last-write time of the file it
// was read from, so that a file that did not change is not parsed again.
// The project keeps one; the class view and the run command read from it.
class CParsedFileCache
{
public:
    // Makes a parse result from a file's bytes (the Java recogniser unless
    // another one is given, such as the resource converter's).
    using Parser = std::function<CFileObject *(const QByteArray &)>;

    CParsedFileCache();
    explicit CParsedFileCache(Parser parser);
    ~CParsedFileCache();
    CParsedFileCache(const CParsedFileCache &) = delete;
    CParsedFileCache &operator=(const CParsedFileCache &) = delete;

    // Parses the file at path. With useCache, a cached result whose time
    // stamp equals the file's last-write time is returned as it is, and a
    // new result replaces the cached one and stays owned by the cache;
    // without, the caller owns the result. Null when the file cannot be
    // read: the output window says so and a cached result stays.
    CFileObject *ParseJavaFile(const QString &path, bool useCache);

    CFileObject *Find(const QString &path) const;
    // Drops (and deletes) the cached result of path.
    bool Remove(const QString &path);
    void Clear();
    int Count() const { return int(m_files.size()); }

private:
    static QString Key(const QString &path);

    Parser m_parser;
    QHash<QString, CFileObject *> m_files;
};
