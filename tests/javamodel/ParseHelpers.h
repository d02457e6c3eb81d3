#pragma once

#include <QString>
#include <QStringList>
#include <ostream>
#include <vector>

class CFileObject;

// The elements of a parsed text as `mavu --parse` lists them, without the
// file column: "kind<TAB>name<TAB>enclosing<TAB>start<TAB>end<TAB>description".
QStringList ParseLines(const QByteArray &source);
QStringList FileLines(const CFileObject &file);

// gtest prints QStrings as bytes otherwise.
void PrintTo(const QString &s, std::ostream *os);
void PrintTo(const QStringList &list, std::ostream *os);

// A case of a golden parse file in tests/fixtures/javamodel: "=== what",
// the source, "---", then the lines it parses to.
struct ParseCase
{
    QString what;
    QByteArray source;
    QStringList expected;
};
std::vector<ParseCase> ReadParseCases(const QString &fixture);
