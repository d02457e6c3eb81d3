#include "app/TipReader.h"

#include "core/SettingsStore.h"

#include <QStringDecoder>
#include <ctime>

namespace {
const QString kTip = QStringLiteral("Tip");
const QString kTimeStamp = QStringLiteral("TimeStamp");
const QString kFilePos = QStringLiteral("FilePos");
// A tip is one line; longer lines are cut here.
constexpr qsizetype kMaxTipLength = 1000;
} // namespace

QString CTipReader::NoFileText(const QString &path)
{
    return QStringLiteral("The tips file %1 could not be opened, so there is no tip to show.")
        .arg(path);
}

QString CTipReader::SeekFailedText()
{
    return QStringLiteral("The tips file could not be read where the last tip ended; the tips "
                          "start again from the first one.");
}

QString CTipReader::NoTipText()
{
    return QStringLiteral("The tips file holds no tips.");
}

QString CTipReader::TimeStamp(const QDateTime &modified)
{
    const std::time_t t = static_cast<std::time_t>(modified.toSecsSinceEpoch());
    const char *text = std::ctime(&t);
    return text ? QString::fromLatin1(text).trimmed() : QString();
}

CTipReader::Status CTipReader::Open(const QString &path, CSettingsStore &store)
{
    m_file.close();
    m_file.setFileName(path);
    if (path.isEmpty() || !m_file.open(QIODevice::ReadOnly))
        return NoFile;
    const QString stamp = TimeStamp(m_file.fileTime(QFileDevice::FileModificationTime));
    qint64 pos = 0;
    if (store.GetProfileString(kTip, kTimeStamp, QString()) != stamp)
        store.WriteProfileString(kTip, kTimeStamp, stamp);
    else
        pos = store.GetProfileInt(kTip, kFilePos, 0);
    // Past the end is no error: reading then wraps to the first tip.
    if (pos < 0 || !m_file.seek(pos)) {
        m_file.seek(0);
        return SeekFailed;
    }
    return Ok;
}

QString CTipReader::NextTip()
{
    if (!m_file.isOpen())
        return QString();
    bool wrapped = false;
    while (true) {
        if (m_file.atEnd()) {
            // One pass over the whole file without a tip: there is none.
            if (wrapped)
                return QString();
            wrapped = true;
            if (!m_file.seek(0))
                return QString();
            continue;
        }
        const QByteArray line = m_file.readLine();
        if (line.isEmpty()) {
            if (m_file.atEnd())
                continue;
            return QString(); // a read error
        }
        const char first = line.front();
        if (first == ' ' || first == '\t' || first == '\n' || first == '\r' || first == ';')
            continue;
        // Binary junk is no tip: it would only show as garbage.
        if (line.contains('\0'))
            continue;
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString tip = decoder(line);
        if (decoder.hasError())
            continue;
        while (tip.endsWith(QLatin1Char('\n')) || tip.endsWith(QLatin1Char('\r')))
            tip.chop(1);
        return tip.left(kMaxTipLength);
    }
}

void CTipReader::Close(CSettingsStore &store)
{
    if (!m_file.isOpen())
        return;
    store.WriteProfileInt(kTip, kFilePos, int(qMin<qint64>(m_file.pos(), INT_MAX)));
    m_file.close();
}
