#include "tree/IconCache.h"

#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QProxyStyle>
#include <QSaveFile>
#include <QStyle>
#include <QTimer>

namespace {

constexpr char kMagic[] = "MAVUICN1";
// Small enough that nothing but a damaged file would ever come close.
constexpr quint32 kMaxSide = 1024;
constexpr quint32 kMaxCount = 4096;

QString IndexDates(const QString &theme)
{
    QString dates;
    if (theme.isEmpty())
        return dates;
    for (const QString &dir : QIcon::themeSearchPaths()) {
        const QFileInfo index(dir + QLatin1Char('/') + theme + QStringLiteral("/index.theme"));
        if (index.exists())
            dates += QString::number(index.lastModified().toMSecsSinceEpoch()) + QLatin1Char(',');
    }
    return dates;
}

} // namespace

CIconCache &CIconCache::Instance()
{
    static CIconCache cache;
    return cache;
}

CIconCache::CIconCache() = default;

CIconCache::~CIconCache() = default;

QString CIconCache::CurrentKey()
{
    const QStyle *current = QApplication::style();
    if (const auto *proxy = qobject_cast<const QProxyStyle *>(current))
        current = proxy->baseStyle();
    const QString style = current ? current->name() : QString();
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    return QStringLiteral("%1|%2|%3:%4|%5:%6|%7")
        .arg(QString::fromLatin1(qVersion()), style, QIcon::themeName(),
             IndexDates(QIcon::themeName()), QIcon::fallbackThemeName(),
             IndexDates(QIcon::fallbackThemeName()))
        .arg(ratio);
}

void CIconCache::Open(const QString &path, const QString &key, const QString &seed)
{
    m_path = path;
    m_key = key;
    m_dirty = false;
    m_images.clear();
    if (path.isEmpty())
        return;
    const auto read = [&key](const QString &file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? Decode(in.readAll(), key) : QHash<QString, QImage>();
    };
    m_images = read(path);
    if (m_images.isEmpty() && !seed.isEmpty()) {
        m_images = read(seed);
        if (!m_images.isEmpty()) {
            m_dirty = true;
            ScheduleSave();
        }
    }
}

QImage CIconCache::Find(const QString &name) const
{
    return m_images.value(name);
}

void CIconCache::Add(const QString &name, const QImage &image)
{
    if (!IsOpen() || image.isNull())
        return;
    m_images.insert(name, image);
    m_dirty = true;
    ScheduleSave();
}

void CIconCache::ScheduleSave()
{
    // Icons are drawn in bursts (the main window, then a dialog): write
    // once a burst is over, while the program is still surely running.
    if (!m_saveTimer && qApp) {
        m_saveTimer = new QTimer(qApp);
        m_saveTimer->setSingleShot(true);
        m_saveTimer->setInterval(400);
        QObject::connect(m_saveTimer, &QTimer::timeout, qApp, [this] { Save(); });
        QObject::connect(m_saveTimer, &QObject::destroyed, qApp, [this] { m_saveTimer = nullptr; });
    }
    if (m_saveTimer)
        m_saveTimer->start();
}

bool CIconCache::Save()
{
    if (!IsOpen() || !m_dirty)
        return true;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(Encode(m_key, m_images)) < 0 ||
        !file.commit())
        return false;
    m_dirty = false;
    return true;
}

QByteArray CIconCache::Encode(const QString &key, const QHash<QString, QImage> &images)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out.writeRawData(kMagic, sizeof kMagic - 1);
    out << key << quint32(images.size());
    for (auto it = images.cbegin(); it != images.cend(); ++it) {
        const QImage image = it.value().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        out << it.key() << quint32(image.width()) << quint32(image.height())
            << quint32(qRound(image.devicePixelRatio() * 100));
        for (int y = 0; y < image.height(); ++y)
            out.writeRawData(reinterpret_cast<const char *>(image.constScanLine(y)),
                             image.width() * 4);
    }
    return bytes;
}

QHash<QString, QImage> CIconCache::Decode(const QByteArray &bytes, const QString &key)
{
    QHash<QString, QImage> images;
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    char magic[sizeof kMagic - 1];
    if (in.readRawData(magic, sizeof magic) != int(sizeof magic) ||
        memcmp(magic, kMagic, sizeof magic) != 0)
        return {};
    QString storedKey;
    quint32 count = 0;
    in >> storedKey >> count;
    if (in.status() != QDataStream::Ok || storedKey != key || count > kMaxCount)
        return {};
    for (quint32 i = 0; i < count; ++i) {
        QString name;
        quint32 width = 0, height = 0, ratio = 0;
        in >> name >> width >> height >> ratio;
        if (in.status() != QDataStream::Ok || width == 0 || height == 0 || width > kMaxSide ||
            height > kMaxSide || ratio == 0)
            return {};
        QImage image(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < image.height(); ++y)
            if (in.readRawData(reinterpret_cast<char *>(image.scanLine(y)), int(width) * 4) !=
                int(width) * 4)
                return {};
        image.setDevicePixelRatio(ratio / 100.0);
        images.insert(name, image);
    }
    return in.atEnd() ? images : QHash<QString, QImage>();
}
