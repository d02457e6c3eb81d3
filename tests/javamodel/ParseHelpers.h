#pragma once

#include <QString>
#include <QStringList>

class CFileObject;

// The elements of a parsed text as `mavu --parse` lists them, without the
// file column: "kind<TAB>name<TAB>enclosing<TAB>start<TAB>end<TAB>description".
QStringList ParseLines(const QByteArray &source);
QStringList FileLines(const CFileObject &file);

// gtest prints QStrings as bytes otherwise.
void PrintTo(const QString &s, std::ostream *os);
void PrintTo(const QStringList &list, std::ostream *os);
