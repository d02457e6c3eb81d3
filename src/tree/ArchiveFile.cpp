#include "tree/ArchiveFile.h"

#include "core/Prompter.h"
#include "tree/Archive.h"

#include <QFile>
#include <QSaveFile>

bool WriteArchiveFile(const QString &path, QString &error,
                      const std::function<void(CArchive &)> &store)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    try {
        CArchive ar(&file, CArchive::store);
        store(ar);
    } catch (const CArchiveException &e) {
        file.cancelWriting();
        error = e.Message();
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

bool SaveArchiveFileOrReport(const QString &path, const QString &kind,
                             const std::function<void(CArchive &)> &store)
{
    QString error;
    if (WriteArchiveFile(path, error, store))
        return true;
    Prompter().MessageBox(QStringLiteral("Error writing the %1 file %2.\n%3\n"
                                         "The file on disk has not been changed !!!")
                              .arg(kind, path, error),
                          CPrompter::Ok, CPrompter::Stop);
    return false;
}

bool ReadArchiveFile(const QString &path, QString &error,
                     const std::function<void(CArchive &)> &load)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    try {
        CArchive ar(&file, CArchive::load);
        load(ar);
    } catch (const CArchiveException &e) {
        error = e.Message();
        return false;
    }
    return true;
}
