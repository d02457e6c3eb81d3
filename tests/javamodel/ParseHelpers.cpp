#include "ParseHelpers.h"

#include "javamodel/FileObject.h"
#include "javamodel/JavaParser.h"
#include "javamodel/ParseCommand.h"

#include <memory>
#include <ostream>

QStringList FileLines(const CFileObject &file)
{
    std::string text;
    WriteParsedFile("F", file, text);
    QStringList lines = QString::fromStdString(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString &line : lines)
        line = line.mid(2); // "F\t"
    return lines;
}

QStringList ParseLines(const QByteArray &source)
{
    std::unique_ptr<CFileObject> file(CJavaParser::ParseText(source));
    return file ? FileLines(*file) : QStringList{QStringLiteral("<null>")};
}

void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

void PrintTo(const QStringList &list, std::ostream *os)
{
    *os << "\n";
    for (const QString &s : list)
        *os << "    " << s.toStdString() << "\n";
}
