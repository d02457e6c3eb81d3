#pragma once

class QDialog;
class QString;
class QWidget;

// Lays dialog out as a sheet with one tab, page, under tab, above OK and
// Cancel: the compiler and interpreter options are shown alone this way,
// and must look alike.
void LayOutOnePageSheet(QDialog &dialog, const QString &title, QWidget *page, const QString &tab);
