#pragma once

#include <QString>
#include <functional>

class CArchive;

// Every data file is one archive read or written as a whole. These two do the
// file handling around it so that each document only serialises its data.

// Writes path through QSaveFile: the file on disk is replaced only once every
// byte is written, so a failure halfway leaves the old file untouched. On
// failure returns false and sets error to one readable reason.
bool WriteArchiveFile(const QString &path, QString &error,
                      const std::function<void(CArchive &)> &store);

// WriteArchiveFile, telling the user when it fails: "Error writing the <kind>
// file <path>." with the reason, and that the file on disk is unchanged.
bool SaveArchiveFileOrReport(const QString &path, const QString &kind,
                             const std::function<void(CArchive &)> &store);

// Opens path and hands load an archive over it. On failure (the file cannot
// be opened, or load throws CArchiveException for damaged data) returns false
// and sets error to one readable reason; what load read is the caller's to
// discard.
bool ReadArchiveFile(const QString &path, QString &error,
                     const std::function<void(CArchive &)> &load);
