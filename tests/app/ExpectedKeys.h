#pragma once

#include <QList>
#include <QPair>
#include <QString>

// The keys of the settings tables, written out by hand in the order the
// settings file must show them.
using KeyList = QList<QPair<QString, QString>>;

// The directory keys for lists of the given lengths (executables,
// libraries, documentation, Java sources, package sources).
KeyList DirectoryKeys(int exe, int lib, int doc, int src, int pkg);
// The main window's layout keys: "Windows", then the status bar and the
// three toolbars.
KeyList LayoutKeys();
