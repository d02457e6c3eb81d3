#include "JdkSources.h"

#include <QFile>
#include <QtEndian>
#include <zlib.h>

#ifndef MAVU_JDK_HOME
#define MAVU_JDK_HOME ""
#endif

namespace {

quint16 U16(const char *p)
{
    return qFromLittleEndian<quint16>(p);
}
quint32 U32(const char *p)
{
    return qFromLittleEndian<quint32>(p);
}
quint64 U64(const char *p)
{
    return qFromLittleEndian<quint64>(p);
}

bool Inflate(const char *data, qint64 size, qint64 expected, QByteArray &out)
{
    out.resize(expected);
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
        return false;
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data));
    z.avail_in = uInt(size);
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = uInt(expected);
    const int rc = inflate(&z, Z_FINISH);
    inflateEnd(&z);
    return rc == Z_STREAM_END && qint64(z.total_out) == expected;
}

} // namespace

bool CJdkSources::ReadZip(const QString &zipPath, std::vector<CJdkSource> &out, QString *error)
{
    QFile file(zipPath);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open %1: %2").arg(zipPath, file.errorString());
        return false;
    }
    const QByteArray zip = file.readAll();
    const char *base = zip.constData();
    const qint64 size = zip.size();
    auto fail = [&](const char *what) {
        *error = QStringLiteral("%1: %2").arg(zipPath, QLatin1String(what));
        return false;
    };

    // The end-of-central-directory record sits in the last 64 KiB + 22 bytes.
    qint64 eocd = -1;
    for (qint64 p = size - 22; p >= 0 && p >= size - 22 - 65535; --p) {
        if (U32(base + p) == 0x06054b50) {
            eocd = p;
            break;
        }
    }
    if (eocd < 0)
        return fail("no end of central directory (not a zip archive?)");
    quint64 count = U16(base + eocd + 10);
    quint64 dirOffset = U32(base + eocd + 16);
    if ((count == 0xffff || dirOffset == 0xffffffff) && eocd >= 20 &&
        U32(base + eocd - 20) == 0x07064b50) {
        const quint64 z64 = U64(base + eocd - 20 + 8);
        if (z64 + 56 > quint64(size) || U32(base + z64) != 0x06064b50)
            return fail("bad zip64 end record");
        count = U64(base + z64 + 32);
        dirOffset = U64(base + z64 + 48);
    }

    qint64 p = qint64(dirOffset);
    for (quint64 i = 0; i < count; ++i) {
        if (p + 46 > size || U32(base + p) != 0x02014b50)
            return fail("bad central directory entry");
        const quint16 method = U16(base + p + 10);
        quint64 csize = U32(base + p + 20);
        quint64 usize = U32(base + p + 24);
        const quint16 nameLen = U16(base + p + 28);
        const quint16 extraLen = U16(base + p + 30);
        const quint16 commentLen = U16(base + p + 32);
        quint64 local = U32(base + p + 42);
        if (p + 46 + nameLen + extraLen > size)
            return fail("truncated central directory");
        const QString name = QString::fromUtf8(base + p + 46, nameLen);
        // zip64 sizes and offset live in extra field 0x0001, in this order,
        // each present only when its 32-bit field is all ones.
        const qint64 extraEnd = p + 46 + nameLen + extraLen;
        for (qint64 e = p + 46 + nameLen; e + 4 <= extraEnd;) {
            const quint16 id = U16(base + e), len = U16(base + e + 2);
            const qint64 fieldEnd = e + 4 + len;
            if (fieldEnd > extraEnd)
                return fail("bad extra field");
            qint64 f = e + 4;
            const auto next64 = [&](quint64 &v) {
                if (f + 8 <= fieldEnd) {
                    v = U64(base + f);
                    f += 8;
                }
            };
            if (id == 1) {
                if (usize == 0xffffffff)
                    next64(usize);
                if (csize == 0xffffffff)
                    next64(csize);
                if (local == 0xffffffff)
                    next64(local);
            }
            e = fieldEnd;
        }
        p += 46 + nameLen + extraLen + commentLen;
        if (!name.endsWith(QLatin1String(".java")))
            continue;

        if (qint64(local) + 30 > size || U32(base + local) != 0x04034b50)
            return fail("bad local header");
        const qint64 dataAt = qint64(local) + 30 + U16(base + local + 26) + U16(base + local + 28);
        if (dataAt + qint64(csize) > size)
            return fail("truncated entry data");
        CJdkSource src;
        src.path = name;
        if (method == 0) {
            src.text = QByteArray(base + dataAt, qint64(csize));
        } else if (method == 8) {
            if (!Inflate(base + dataAt, qint64(csize), qint64(usize), src.text))
                return fail("corrupt deflated entry");
        } else {
            return fail("unsupported compression method");
        }
        out.push_back(std::move(src));
    }
    return true;
}

CJdkSources::CJdkSources()
{
    m_archive = qEnvironmentVariable("MAVU_JDK_SRC_ZIP");
    if (m_archive.isEmpty()) {
        QString home = qEnvironmentVariable("MAVU_JDK_HOME");
        if (home.isEmpty())
            home = QString::fromUtf8(MAVU_JDK_HOME);
        m_archive = home + QStringLiteral("/lib/src.zip");
    }
    if (!ReadZip(m_archive, m_files, &m_error))
        m_files.clear();
    for (const CJdkSource &s : m_files)
        m_totalBytes += s.text.size();
    if (m_error.isEmpty() && m_files.empty())
        m_error = QStringLiteral("%1 holds no .java files").arg(m_archive);
}

const CJdkSources &CJdkSources::Get()
{
    static const CJdkSources sources;
    return sources;
}
