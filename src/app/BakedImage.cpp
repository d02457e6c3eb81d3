#include "app/BakedImage.h"

#include <QResource>
#include <QtEndian>
#include <cstring>

namespace {

constexpr char kMagic[] = "MAVUIMG1";
constexpr qsizetype kMagicSize = sizeof kMagic - 1;
constexpr qsizetype kHeaderSize = kMagicSize + 5 * 4;

quint32 Field(const uchar *header, int index)
{
    return qFromLittleEndian<quint32>(header + kMagicSize + 4 * index);
}

} // namespace

QImage BakedImage(const QString &resourcePath)
{
    const QResource resource(resourcePath);
    // A compressed entry would have to be inflated into a copy first; the
    // build stores these uncompressed, so anything else is a broken build.
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() < kHeaderSize ||
        std::memcmp(resource.data(), kMagic, size_t(kMagicSize)) != 0)
        return {};
    const uchar *header = resource.data();
    const quint32 width = Field(header, 0);
    const quint32 height = Field(header, 1);
    const quint32 bytesPerLine = Field(header, 2);
    const quint32 format = Field(header, 3);
    const quint32 ratio = Field(header, 4);
    if (width == 0 || height == 0 || format <= QImage::Format_Invalid ||
        format >= QImage::NImageFormats || ratio == 0 ||
        qint64(bytesPerLine) * height != resource.size() - kHeaderSize)
        return {};
    QImage image(header + kHeaderSize, int(width), int(height), int(bytesPerLine),
                 QImage::Format(format));
    // The shared image must not outlive the resource, which lives as long as
    // the program; a row start that is not word-aligned is copied instead.
    if (reinterpret_cast<quintptr>(header + kHeaderSize) % 4 != 0)
        image = image.copy();
    image.setDevicePixelRatio(ratio / 100.0);
    return image;
}
