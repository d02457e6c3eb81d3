#pragma once

#include <QIcon>
#include <QList>

// The icons behind the TreeImage indexes, in that order: the desktop theme's
// icon where it has one, else a standard icon of the current style. Needs a
// QApplication.
QList<QIcon> BuildTreeImageList();
// The one list every tree view shares, built on first use.
const QList<QIcon> &SharedTreeImages();
