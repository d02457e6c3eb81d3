#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
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
        EndOfFile,    // truncated input
        BadClass,     // object of the wrong class for what the reader expects
        UnknownClass, // a class name no registered class answers to
        BadSchema,    // stored schema differs for a plain-schema class
        BadIndex,     // reference to an object or class never stored
        BadFormat,    // any other malformed data (absurd counts, bad tags)
        WriteFailed,  // the device refused bytes
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

    // One Serialize body serves both directions: these write the field when
    // storing and read it back into place when loading.
    void Exchange(qint32 &v);
    void Exchange(QString &s);
    void ExchangeStringArray(QStringList &list);

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
    // The same for an optional member, which may be stored as null (the
    // result then is null); a reference to an object read earlier still
    // throws.
    CObject *ReadOwnedObjectOrNull(const CRuntimeClass *base);

    // A list of objects the list owns: a DWORD count, then each object as
    // WriteObject stores it. Reading appends to list; after an exception
    // what was appended is the caller's to discard with the rest.
    template <class T> void WriteObjectList(const QList<T *> &list)
    {
        WriteDWORD(static_cast<quint32>(list.size()));
        for (const T *obj : list)
            WriteObject(obj);
    }
    template <class T> void ReadObjectList(QList<T *> &list, const CRuntimeClass *cls)
    {
        const quint32 n = ReadDWORD();
        CheckCount(n, 2); // every stored object takes a WORD tag at least
        for (quint32 i = 0; i < n; ++i)
            list.append(static_cast<T *>(ReadOwnedObject(cls)));
    }

    // An object read from this archive was deleted before reading ended (a
    // folder refused it, say): a later reference to it is then corrupt data
    // instead of a dangling pointer.
    void ForgetObject(const CObject *obj);

    // While an object of a versionable class is being read: the stored
    // version (without the flag). Otherwise the current class's schema.
    quint32 GetObjectSchema() const;

    // An object read a schema older than its class writes today, one that
    // lacks fields the program now fills in itself; the document that owns
    // the archive asks afterwards whether to offer an upgrade.
    void NoteOlderSchema() { m_olderSchemaRead = true; }
    bool OlderSchemaRead() const { return m_olderSchemaRead; }

    // After an exception the archive is left where the error was found and
    // must not be read further; the owner discards what it had read.

    // Reads ahead must not allocate absurd amounts: counts above this are
    // treated as corrupt data.
    static constexpr quint32 kMaxCount = 50'000'000;
    // Objects stored inside objects deeper than this are taken for damage:
    // reading them would otherwise exhaust the stack.
    static constexpr int kMaxObjectDepth = 1000;

    QIODevice *Device() const { return m_device; }
    // Loading: every byte of the device has been read (the archive reads
    // ahead, so the device's own position says less).
    bool AtEnd() const;

    // For readers of their own counts (a DWORD followed by that many
    // elements): throws when n is beyond kMaxCount or, on a device whose size
    // is known, when the rest of the file cannot hold n elements of at least
    // minBytesEach bytes. Call it before reserving memory for n elements.
    void CheckCount(quint64 n, quint32 minBytesEach = 1) const;
    // For readers that have read their last field: throws when bytes follow
    // it. A file with more in it than its reader understands is damaged
    // (or written twice), and taking what was read would drop the rest at
    // the next save.
    void CheckAtEnd() const;

private:
    // Loading: the bytes not yet read, -1 when the device cannot tell.
    qint64 BytesLeft() const;
    // One entry per class or object read so far, numbered from 1 in the
    // order they appear in the file; index 0 stands for the null object.
    struct LoadedEntry
    {
        const CRuntimeClass *cls = nullptr; // set for a class entry
        quint32 storedSchema = 0;           // class entry: schema in the file
        CObject *obj = nullptr;             // set for an object entry
    };

    void ReadRaw(char *data, qint64 len);
    void WriteRaw(const char *data, qint64 len);
    quint32 ReadCount();
    void WriteCount(quint32 n);
    void WriteIndexTag(quint32 index, bool isClass);
    CObject *ReadObjectImpl(const CRuntimeClass *base, bool owned, bool nullAllowed);
    const LoadedEntry &ClassEntryAt(quint32 index) const;

    QIODevice *m_device;
    Mode m_mode;
    bool m_olderSchemaRead = false;
    // load: the device's size when it has one (read once), else -1
    qint64 m_deviceSize = -1;
    // load: bytes read ahead from the device and how many were used
    static constexpr qint64 kReadAhead = 64 * 1024;
    QByteArray m_in;
    qsizetype m_inPos = 0;
    // store: class -> index, object -> index
    QHash<const CRuntimeClass *, quint32> m_storedClasses;
    QHash<const CObject *, quint32> m_storedObjects;
    // load: index -> class or object
    QVector<LoadedEntry> m_loaded;
    quint32 m_nextIndex = 1;
    quint32 m_currentSchema = 0;
    int m_objectDepth = 0; // objects being read inside one another
};
