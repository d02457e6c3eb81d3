#include "app/CascadePlacement.h"

#include <QtGlobal>

QRect CCascadePlacement::Place(const QSize &area, int index, int step)
{
    const int width = qMax(area.width(), 1);
    const int height = qMax(area.height(), 1);
    step = qMax(step, 0);
    QSize size(width - (kSteps - 1) * step, height - (kSteps - 1) * step);
    // In an area too small for a cascade every window takes all of it.
    if (size.width() < width / 2 || size.height() < height / 2)
        return QRect(0, 0, width, height);
    const int k = qMax(index, 0) % kSteps;
    return QRect(QPoint(k * step, k * step), size);
}
