#include "tools/ErrorLocator.h"

#include "tools/JavacLineParser.h"
#include "tools/StackTraceLineParser.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kJavaColon = QStringLiteral(".java:");

// "... (Bad.java:12)" or "Bad.java:12: error": the name before ".java:",
// after the last blank, tab or '(', and the number after the ':'.
CErrorLocator::Place LooseForm(const QString &text)
{
    CErrorLocator::Place place;
    const qsizetype at = text.indexOf(kJavaColon);
    if (at < 0)
        return place;
    qsizetype start = at;
    while (start > 0) {
        const QChar c = text.at(start - 1);
        if (c == QLatin1Char(' ') || c == QLatin1Char('(') || c == QLatin1Char('\t'))
            break;
        --start;
    }
    const qsizetype numStart = at + kJavaColon.size();
    qsizetype numEnd = numStart;
    while (numEnd < text.size() && text.at(numEnd).isDigit())
        ++numEnd;
    place.file = text.mid(start, at + 5 - start);
    place.line = text.mid(numStart, numEnd - numStart).toInt();
    place.lookup = true;
    return place;
}

} // namespace

CErrorLocator::Place CErrorLocator::ParseLine(const QString &fullLine, const QString &baseDir)
{
    const QString line = fullLine.left(kMaxLine);
    Place place;
    if (line.trimmed().isEmpty())
        return place;

    if (!baseDir.isEmpty()) {
        QString file;
        int number = 0;
        if (CJavacLineParser::ParsePlace(line, &file, &number, nullptr) &&
            !file.trimmed().isEmpty()) {
            place.file = QDir::cleanPath(QDir(baseDir).filePath(file));
            place.line = number;
            return place;
        }
    }

    if (!line.contains(QLatin1String(".java")) && !line.contains(QLatin1String("(Unknown Source)")))
        return place;
    const CStackTraceLineParser::Line frame = CStackTraceLineParser::Parse(line);
    if (frame.kind == CStackTraceLineParser::Frame) {
        place.file = frame.file.isEmpty() ? CStackTraceLineParser::SourceFileOf(frame.className)
                                          : frame.file;
        place.line = frame.line;
        place.lookup = true;
        place.packageDir = CStackTraceLineParser::PackageDir(frame.className);
        return place;
    }
    place = LooseForm(line);
    if (place.IsValid() && QFileInfo(place.file).isAbsolute())
        place.lookup = false;
    return place;
}

QString CErrorLocator::FindInFiles(const QStringList &projectFiles, const QString &name,
                                   const QString &packageDir)
{
    const QString bare = QFileInfo(name).fileName();
    const QString withPackage = QLatin1Char('/') + packageDir + bare;
    QString sameName, sameNameAnyCase;
    for (const QString &path : projectFiles) {
        if (!packageDir.isEmpty() && path.endsWith(withPackage))
            return path;
        const QString fileName = QFileInfo(path).fileName();
        if (sameName.isEmpty() && fileName == bare)
            sameName = path;
        if (sameNameAnyCase.isEmpty() && fileName.compare(bare, Qt::CaseInsensitive) == 0)
            sameNameAnyCase = path;
    }
    return sameName.isEmpty() ? sameNameAnyCase : sameName;
}
