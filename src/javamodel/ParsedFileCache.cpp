#include "javamodel/ParsedFileCache.h"

#include "core/Prompter.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaParser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

CParsedFileCache::CParsedFileCache() : m_parser(&CJavaParser::ParseText)
{
}

CParsedFileCache::CParsedFileCache(Parser parser) : m_parser(std::move(parser))
{
}

CParsedFileCache::~CParsedFileCache()
{
    Clear();
}

QString CParsedFileCache::Key(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

CFileObject *CParsedFileCache::Find(const QString &path) const
{
    return m_files.value(Key(path));
}

bool CParsedFileCache::Remove(const QString &path)
{
    CFileObject *file = m_files.take(Key(path));
    delete file;
    return file != nullptr;
}

void CParsedFileCache::Clear()
{
    qDeleteAll(m_files);
    m_files.clear();
}

CFileObject *CParsedFileCache::ParseJavaFile(const QString &path, bool useCache)
{
    const QString key = Key(path);
    const QDateTime modified = QFileInfo(path).fileTime(QFileDevice::FileModificationTime);
    if (useCache) {
        CFileObject *cached = m_files.value(key);
        if (cached && modified.isValid() && cached->m_timeStamp == modified)
            return cached;
    }

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Prompter().OutputLine(
            QStringLiteral("Output"),
            QStringLiteral("\nError opening the file %1 for parsing !!!").arg(path));
        return nullptr;
    }
    const QByteArray text = file.readAll();
    file.close();

    CFileObject *parsed = m_parser(text);
    if (!parsed)
        return nullptr;
    parsed->m_timeStamp = modified;
    if (useCache) {
        delete m_files.take(key);
        m_files.insert(key, parsed);
    }
    return parsed;
}
