#include "ParseHelpers.h"

#include "javamodel/FileObject.h"
#include "javamodel/JavaParser.h"
#include "javamodel/ParseCommand.h"

#include <QFile>
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

std::vector<ParseCase> ReadParseCases(const QString &fixture)
{
    QFile f(QStringLiteral(MAVU_JAVAMODEL_FIXTURES "/") + fixture);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    std::vector<ParseCase> cases;
    bool inSource = false;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith("=== ")) {
            cases.push_back({QString::fromUtf8(line.mid(4)), {}, {}});
            inSource = true;
        } else if (cases.empty()) {
            continue; // the file's own comment
        } else if (inSource && line == "---") {
            inSource = false;
        } else if (inSource) {
            cases.back().source += line + '\n';
        } else if (!line.isEmpty()) {
            cases.back().expected << QString::fromUtf8(line);
        }
    }
    return cases;
}
