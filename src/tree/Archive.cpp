#include "tree/Archive.h"

#include "tree/Object.h"

#include <QIODevice>
#include <QStringDecoder>
#include <QtEndian>
#include <cstring>
#include <memory>

namespace {

// Object tags (one WORD in front of every stored object).
constexpr quint16 kNullTag = 0x0000;     // null pointer
constexpr quint16 kNewClassTag = 0xFFFF; // class identity follows, then the object
constexpr quint16 kClassTag = 0x8000;    // or'ed with the index of a class stored earlier
constexpr quint16 kBigTag = 0x7FFF;      // a DWORD index follows
constexpr quint32 kBigClassFlag = 0x80000000u;
constexpr quint32 kMaxIndex = 0x7FFFFFFEu;

// Length prefixes of strings and counts of string collections.
constexpr quint8 kByteEscape = 0xFF;
constexpr quint16 kWordEscape = 0xFFFF;

// Strings are read in pieces so that a corrupt length on a device of unknown
// size costs at most what the device really holds.
constexpr qint64 kReadChunk = 1 << 16;

} // namespace

CArchiveException::CArchiveException(Cause cause, QString detail)
    : m_cause(cause), m_detail(std::move(detail)), m_what(Message().toUtf8())
{
}

QString CArchiveException::Message() const
{
    QString base;
    switch (m_cause) {
    case EndOfFile:
        base = QStringLiteral("The file ends unexpectedly");
        break;
    case BadClass:
        base = QStringLiteral("The file holds an object of the wrong kind");
        break;
    case UnknownClass:
        base = QStringLiteral("The file names a class this program does not know");
        break;
    case BadSchema:
        base = QStringLiteral("The file holds an object in a format version this program "
                              "cannot read");
        break;
    case BadIndex:
        base = QStringLiteral("The file refers to an object it never stored");
        break;
    case BadFormat:
        base = QStringLiteral("The file is damaged");
        break;
    case WriteFailed:
        base = QStringLiteral("The file could not be written");
        break;
    }
    if (m_detail.isEmpty())
        return base + QLatin1Char('.');
    return base + QStringLiteral(": ") + m_detail + QLatin1Char('.');
}

const char *CArchiveException::what() const noexcept
{
    return m_what.constData();
}

CArchive::CArchive(QIODevice *device, Mode mode) : m_device(device), m_mode(mode)
{
    Q_ASSERT(device);
    if (mode == load) {
        m_loaded.append(LoadedEntry{}); // index 0: the null object
        // Asked for every count read: a file's size costs a system call.
        if (!device->isSequential())
            m_deviceSize = device->size();
    }
}

CArchive::~CArchive() = default;

void CArchive::WriteRaw(const char *data, qint64 len)
{
    Q_ASSERT(IsStoring());
    if (len <= 0)
        return;
    if (m_device->write(data, len) != len)
        throw CArchiveException(CArchiveException::WriteFailed, m_device->errorString());
}

void CArchive::ReadRaw(char *data, qint64 len)
{
    Q_ASSERT(IsLoading());
    if (len <= 0)
        return;
    // Served from a read-ahead buffer: a QIODevice::read per field costs more
    // than the field's decoding.
    while (len > 0) {
        if (m_inPos == m_in.size()) {
            m_in = m_device->read(kReadAhead);
            m_inPos = 0;
            if (m_in.isEmpty())
                throw CArchiveException(CArchiveException::EndOfFile, QString());
        }
        const qint64 piece = qMin<qint64>(len, m_in.size() - m_inPos);
        memcpy(data, m_in.constData() + m_inPos, size_t(piece));
        m_inPos += piece;
        data += piece;
        len -= piece;
    }
}

void CArchive::WriteDWORD(quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    WriteRaw(b, 4);
}

void CArchive::WriteWORD(quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    WriteRaw(b, 2);
}

void CArchive::WriteBYTE(quint8 v)
{
    const char b = static_cast<char>(v);
    WriteRaw(&b, 1);
}

quint32 CArchive::ReadDWORD()
{
    char b[4];
    ReadRaw(b, 4);
    return qFromLittleEndian<quint32>(b);
}

quint16 CArchive::ReadWORD()
{
    char b[2];
    ReadRaw(b, 2);
    return qFromLittleEndian<quint16>(b);
}

quint8 CArchive::ReadBYTE()
{
    char b;
    ReadRaw(&b, 1);
    return static_cast<quint8>(b);
}

void CArchive::CheckCount(quint64 n, quint32 minBytesEach) const
{
    if (n > kMaxCount)
        throw CArchiveException(CArchiveException::BadFormat,
                                QStringLiteral("it announces %1 entries, more than the %2 "
                                               "this program accepts")
                                    .arg(n)
                                    .arg(kMaxCount));
    const qint64 available = BytesLeft();
    if (available >= 0 && n * minBytesEach > quint64(available))
        throw CArchiveException(
            CArchiveException::EndOfFile,
            QStringLiteral("it announces %1 entries but too few bytes follow").arg(n));
}

qint64 CArchive::BytesLeft() const
{
    // What the device still holds plus what was read ahead and not used.
    const qint64 buffered = m_in.size() - m_inPos;
    if (m_deviceSize >= 0)
        return m_deviceSize - m_device->pos() + buffered;
    return m_device->isSequential() ? -1 : m_device->bytesAvailable() + buffered;
}

void CArchive::CheckAtEnd() const
{
    const qint64 left = BytesLeft();
    if (left > 0)
        throw CArchiveException(CArchiveException::BadFormat,
                                QStringLiteral("%1 byte(s) follow the end of the data").arg(left));
}

void CArchive::WriteString(const QString &s)
{
    const QByteArray utf8 = s.toUtf8();
    const auto n = static_cast<quint64>(utf8.size());
    if (n < kByteEscape) {
        WriteBYTE(static_cast<quint8>(n));
    } else {
        WriteBYTE(kByteEscape);
        if (n < kWordEscape) {
            WriteWORD(static_cast<quint16>(n));
        } else {
            WriteWORD(kWordEscape);
            WriteDWORD(static_cast<quint32>(n));
        }
    }
    WriteRaw(utf8.constData(), utf8.size());
}

QString CArchive::ReadString()
{
    quint32 n = ReadBYTE();
    if (n == kByteEscape) {
        n = ReadWORD();
        if (n == kWordEscape)
            n = ReadDWORD();
    }
    if (n == 0)
        return QString(QLatin1String("")); // empty, not null: "" was stored
    CheckCount(n, 1);
    // Keep a leading byte order mark: it is part of the stored text.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    QString s;
    if (n <= quint64(m_in.size() - m_inPos)) {
        // Most strings lie whole in the read-ahead buffer: decoded in place.
        s = decoder(QByteArrayView(m_in.constData() + m_inPos, n));
        m_inPos += n;
    } else {
        QByteArray bytes;
        qint64 done = 0;
        while (done < n) {
            const qint64 piece = qMin<qint64>(kReadChunk, n - done);
            bytes.resize(done + piece);
            ReadRaw(bytes.data() + done, piece);
            done += piece;
        }
        s = decoder(bytes);
    }
    if (decoder.hasError())
        throw CArchiveException(CArchiveException::BadFormat,
                                QStringLiteral("a string is not valid UTF-8"));
    return s;
}

void CArchive::WriteCount(quint32 n)
{
    if (n < kWordEscape) {
        WriteWORD(static_cast<quint16>(n));
    } else {
        WriteWORD(kWordEscape);
        WriteDWORD(n);
    }
}

quint32 CArchive::ReadCount()
{
    quint32 n = ReadWORD();
    if (n == kWordEscape)
        n = ReadDWORD();
    return n;
}

void CArchive::WriteStringArray(const QStringList &list)
{
    WriteCount(static_cast<quint32>(list.size()));
    for (const QString &s : list)
        WriteString(s);
}

void CArchive::WriteStringList(const QStringList &list)
{
    WriteStringArray(list);
}

QStringList CArchive::ReadStringArray()
{
    const quint32 n = ReadCount();
    CheckCount(n, 1); // every string takes at least its length byte
    QStringList list;
    list.reserve(qMin<quint32>(n, kReadChunk));
    for (quint32 i = 0; i < n; ++i)
        list.append(ReadString());
    return list;
}

QStringList CArchive::ReadStringList()
{
    return ReadStringArray();
}

void CArchive::Exchange(qint32 &v)
{
    if (IsStoring())
        WriteInt(v);
    else
        v = ReadInt();
}

void CArchive::Exchange(QString &s)
{
    if (IsStoring())
        WriteString(s);
    else
        s = ReadString();
}

void CArchive::ExchangeStringArray(QStringList &list)
{
    if (IsStoring())
        WriteStringArray(list);
    else
        list = ReadStringArray();
}

void CArchive::WriteIndexTag(quint32 index, bool isClass)
{
    if (index < kBigTag) {
        WriteWORD(static_cast<quint16>(isClass ? (kClassTag | index) : index));
    } else {
        WriteWORD(kBigTag);
        WriteDWORD(isClass ? (kBigClassFlag | index) : index);
    }
}

void CArchive::WriteObject(const CObject *obj)
{
    Q_ASSERT(IsStoring());
    if (!obj) {
        WriteWORD(kNullTag);
        return;
    }
    if (const auto it = m_storedObjects.constFind(obj); it != m_storedObjects.constEnd()) {
        WriteIndexTag(*it, false);
        return;
    }
    const CRuntimeClass *cls = obj->GetRuntimeClass();
    const QString name = QString::fromLatin1(cls->m_lpszClassName);
    // Catch a forgotten registration now, not when the file is read back.
    if (!cls->m_pfnCreateObject || CRuntimeClass::FromName(name) != cls)
        throw CArchiveException(CArchiveException::BadClass,
                                QStringLiteral("class %1 is not registered as creatable, so "
                                               "it could not be read back")
                                    .arg(name));
    if (m_nextIndex >= kMaxIndex)
        throw CArchiveException(CArchiveException::BadFormat,
                                QStringLiteral("too many objects for one file"));

    if (const auto it = m_storedClasses.constFind(cls); it != m_storedClasses.constEnd()) {
        WriteIndexTag(*it, true);
    } else {
        WriteWORD(kNewClassTag);
        WriteDWORD(cls->Schema());
        WriteString(name);
        m_storedClasses.insert(cls, m_nextIndex++);
    }
    m_storedObjects.insert(obj, m_nextIndex++);

    const quint32 outerSchema = m_currentSchema;
    m_currentSchema = cls->Schema();
    try {
        const_cast<CObject *>(obj)->Serialize(*this);
    } catch (...) {
        m_currentSchema = outerSchema;
        throw;
    }
    m_currentSchema = outerSchema;
}

CObject *CArchive::ReadObject(const CRuntimeClass *base)
{
    return ReadObjectImpl(base, false, true);
}

CObject *CArchive::ReadOwnedObject(const CRuntimeClass *base)
{
    return ReadObjectImpl(base, true, false);
}

CObject *CArchive::ReadOwnedObjectOrNull(const CRuntimeClass *base)
{
    return ReadObjectImpl(base, true, true);
}

const CArchive::LoadedEntry &CArchive::ClassEntryAt(quint32 index) const
{
    if (index == 0 || index >= quint32(m_loaded.size()) || !m_loaded[index].cls)
        throw CArchiveException(CArchiveException::BadIndex,
                                QStringLiteral("class number %1").arg(index));
    return m_loaded[index];
}

namespace {

QString BaseName(const CRuntimeClass *base)
{
    return base ? QString::fromLatin1(base->m_lpszClassName) : QStringLiteral("CObject");
}

} // namespace

CObject *CArchive::ReadObjectImpl(const CRuntimeClass *base, bool owned, bool nullAllowed)
{
    Q_ASSERT(IsLoading());
    const quint16 tag = ReadWORD();
    if (tag == kNullTag) {
        if (!nullAllowed)
            throw CArchiveException(CArchiveException::BadFormat,
                                    QStringLiteral("a %1 is missing").arg(BaseName(base)));
        return nullptr;
    }

    const CRuntimeClass *cls = nullptr;
    quint32 storedSchema = 0;
    if (tag == kNewClassTag) {
        storedSchema = ReadDWORD();
        const QString name = ReadString();
        cls = CRuntimeClass::FromName(name);
        if (!cls)
            throw CArchiveException(CArchiveException::UnknownClass,
                                    QStringLiteral("\"%1\"").arg(name));
        if (!cls->IsVersionable() && storedSchema != cls->Schema())
            throw CArchiveException(CArchiveException::BadSchema,
                                    QStringLiteral("%1 is stored as version %2, this program "
                                                   "reads version %3")
                                        .arg(name)
                                        .arg(storedSchema)
                                        .arg(cls->Schema()));
        m_loaded.append(LoadedEntry{cls, storedSchema, nullptr});
    } else {
        quint32 index = 0;
        bool isClass = false;
        if (tag == kBigTag) {
            const quint32 big = ReadDWORD();
            isClass = (big & kBigClassFlag) != 0;
            index = big & ~kBigClassFlag;
        } else {
            isClass = (tag & kClassTag) != 0;
            index = tag & ~kClassTag;
        }
        if (isClass) {
            const LoadedEntry &entry = ClassEntryAt(index);
            cls = entry.cls;
            storedSchema = entry.storedSchema;
        } else {
            // A reference to an object read earlier in this archive.
            if (index >= quint32(m_loaded.size()) || !m_loaded[index].obj)
                throw CArchiveException(CArchiveException::BadIndex,
                                        QStringLiteral("object number %1").arg(index));
            CObject *obj = m_loaded[index].obj;
            if (owned)
                throw CArchiveException(
                    CArchiveException::BadFormat,
                    QStringLiteral("one %1 is stored in two places")
                        .arg(QString::fromLatin1(obj->GetRuntimeClass()->m_lpszClassName)));
            if (base && !obj->IsKindOf(base))
                throw CArchiveException(
                    CArchiveException::BadClass,
                    QStringLiteral("expected a %1, found a %2")
                        .arg(BaseName(base),
                             QString::fromLatin1(obj->GetRuntimeClass()->m_lpszClassName)));
            return obj;
        }
    }

    if (base && !cls->IsDerivedFrom(base))
        throw CArchiveException(
            CArchiveException::BadClass,
            QStringLiteral("expected a %1, found a %2")
                .arg(BaseName(base), QString::fromLatin1(cls->m_lpszClassName)));
    std::unique_ptr<CObject> obj(cls->CreateObject());
    if (!obj)
        throw CArchiveException(
            CArchiveException::BadClass,
            QStringLiteral("%1 cannot be created").arg(QString::fromLatin1(cls->m_lpszClassName)));
    const qsizetype index = m_loaded.size();
    m_loaded.append(LoadedEntry{nullptr, 0, obj.get()});

    if (m_objectDepth >= kMaxObjectDepth)
        throw CArchiveException(
            CArchiveException::BadFormat,
            QStringLiteral("objects are nested more than %1 deep").arg(kMaxObjectDepth));
    const quint32 outerSchema = m_currentSchema;
    m_currentSchema = cls->IsVersionable() ? storedSchema : cls->Schema();
    ++m_objectDepth;
    try {
        obj->Serialize(*this);
    } catch (...) {
        // The half-read object dies here; nothing may refer to it later.
        m_loaded[index].obj = nullptr;
        m_currentSchema = outerSchema;
        --m_objectDepth;
        throw;
    }
    --m_objectDepth;
    m_currentSchema = outerSchema;
    return obj.release();
}

bool CArchive::AtEnd() const
{
    return m_inPos == m_in.size() && m_device->atEnd();
}

void CArchive::ForgetObject(const CObject *obj)
{
    Q_ASSERT(IsLoading());
    // Rare (a folder refusing a child it just read), so the loaded objects
    // keep no reverse map; the object sought is usually among the last.
    for (qsizetype i = m_loaded.size() - 1; i > 0; --i) {
        if (m_loaded[i].obj == obj) {
            m_loaded[i].obj = nullptr;
            return;
        }
    }
}

quint32 CArchive::GetObjectSchema() const
{
    return m_currentSchema;
}
