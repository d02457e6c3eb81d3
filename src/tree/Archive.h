#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <exception>

class QIODevice;
class CObject;
struct CRuntimeClass;

// Raised by CArchive on bad input. The document that owns the file catches
// it, reports Message() and discards what it had read; it never escapes a
// document's load operation.
class CArchiveException : public std::exception
{
public:
    enum Cause {
        EndOfFile,     // truncated input
        BadClass,      // object of the wrong class for what the reader expects
        UnknownClass,  // a class name no registered class answers to
        BadSchema,     // stored schema differs for a plain-schema class
        BadIndex,      // reference to an object or class never stored
        BadFormat,     // any other malformed data (absurd counts, bad tags)
        WriteFailed,   // the device refused bytes
    };
    CArchiveException(Cause cause, QString detail);
    Cause m_cause;
    QString m_detail;
    QString Message() const; // one readable sentence for the user
    const char *what() const noexcept override;

private:
    QByteArray m_what;
};

// The one archive through which every data file is written and read.
// Little-endian scalars, UTF-8 strings with a length prefix, string
// collections, and objects stored with their class name and schema.
// docs/file-formats.md gives the byte layout.
class CArchive
{
public:
    enum Mode { load, store };
    CArchive(QIODevice *device, Mode mode);
    ~CArchive();
    CArchive(const CArchive &) = delete;
    CArchive &operator=(const CArchive &) = delete;

    bool IsLoading() const { return m_mode == load; }
    bool IsStoring() const { return m_mode == store; }

    void WriteDWORD(quint32 v);
    void WriteWORD(quint16 v);
    void WriteBYTE(quint8 v);
    void WriteInt(qint32 v) { WriteDWORD(static_cast<quint32>(v)); }
    void WriteString(const QString &s);
    void WriteStringArray(const QStringList &list); // framework array form
    void WriteStringList(const QStringList &list);  // framework list form

    quint32 ReadDWORD();
    quint16 ReadWORD();
    quint8 ReadBYTE();
    qint32 ReadInt() { return static_cast<qint32>(ReadDWORD()); }
    QString ReadString();
    QStringList ReadStringArray();
    QStringList ReadStringList();

    // Writes the object's class (name + schema, once per archive; later
    // objects of the same class refer back to it), then its Serialize output.
    // A null pointer and an object already written have forms of their own.
    void WriteObject(const CObject *obj);
    // Reads an object written by WriteObject and checks that it derives from
    // base (null = any). Returns a new object the caller owns (or null for a
    // stored null, or a back reference to an object read earlier, which the
    // caller does not own a second time). Throws CArchiveException.
    CObject *ReadObject(const CRuntimeClass *base);
    // Reads an object that the caller is to own outright, such as a node of a
    // tree or a member of a list: a stored null or a reference to an object
    // read earlier is corrupt data here and throws.
    CObject *ReadOwnedObject(const CRuntimeClass *base);

    // While an object of a versionable class is being read: the stored
    // version (without the flag). Otherwise the current class's schema.
    quint32 GetObjectSchema() const;

    // Reads ahead must not allocate absurd amounts: counts above this are
    // treated as corrupt data.
    static constexpr quint32 kMaxCount = 50'000'000;

    QIODevice *Device() const { return m_device; }

private:
    void ReadRaw(char *data, qint64 len);
    void WriteRaw(const char *data, qint64 len);
    quint32 ReadCount();
    void WriteCount(quint32 n);

    QIODevice *m_device;
    Mode m_mode;
    // store: class -> index, object -> index; load: index -> class / object
    QHash<const CRuntimeClass *, quint32> m_storedClasses;
    QHash<const CObject *, quint32> m_storedObjects;
    QVector<const CRuntimeClass *> m_loadedClasses;
    QVector<CObject *> m_loadedObjects;
    quint32 m_nextIndex = 1;
    quint32 m_currentSchema = 0;
};
