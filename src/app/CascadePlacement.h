#pragma once

#include <QRect>
#include <QSize>

// Where a new editor window goes in the editor area: as large as the area
// allows while leaving room for a few steps of the cascade, each window a
// step down and right of the one before, starting again at the top left
// before a window would leave the area. A window that fits in the area can
// always be reached and read without moving it first.
class CCascadePlacement
{
public:
    // Windows of one round of the cascade.
    static constexpr int kSteps = 4;
    // The geometry of the index-th window (0-based) in an area of that
    // size; step is how far each window moves, about a title bar's height.
    static QRect Place(const QSize &area, int index, int step);
};
