#pragma once

#include <QImage>
#include <QString>

// A picture the build stored as raw pixels in the program's resources
// (resources/bake/BakeImages.cpp writes them). The image shares the
// resource's memory, so showing it costs neither a decode nor a copy. A null
// image when the resource is missing or not in the expected layout.
QImage BakedImage(const QString &resourcePath);
