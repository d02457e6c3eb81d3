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

// A row of a table-driven parse test: a source and the lines it parses to.
struct Case
{
    const char *what;
    const char *source;
    std::vector<const char *> expected;
};

// Names the case in failure messages instead of dumping its bytes.
inline void PrintTo(const Case &c, std::ostream *os)
{
    *os << c.what;
}
