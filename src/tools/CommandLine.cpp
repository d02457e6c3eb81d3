#include "tools/CommandLine.h"

#include <QDir>
#include <QFileInfo>

QList<CCommandLine::Word> CCommandLine::Words(const QString &line)
{
    QList<Word> words;
    Word word;
    bool inWord = false;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (!quoted && (c == QLatin1Char(' ') || c == QLatin1Char('\t'))) {
            if (inWord)
                words.append(word);
            word = Word();
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == QLatin1Char('\\') && i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"')) {
            word.text += QLatin1Char('"');
            ++i;
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else {
            if (!quoted && (c == QLatin1Char('*') || c == QLatin1Char('?')))
                word.pattern = true;
            word.text += c;
        }
    }
    if (inWord)
        words.append(word);
    return words;
}

QStringList CCommandLine::Split(const QString &line)
{
    QStringList out;
    for (const Word &w : Words(line))
        out << w.text;
    return out;
}

QStringList CCommandLine::Expand(const QString &pattern, const QString &dir)
{
    // Only the last part of the path may hold wildcards; "src/*.java" looks
    // in src under dir.
    const qsizetype slash = pattern.lastIndexOf(QLatin1Char('/'));
    const QString head = slash < 0 ? QString() : pattern.left(slash + 1);
    const QString filter = pattern.mid(slash + 1);
    if (head.contains(QLatin1Char('*')) || head.contains(QLatin1Char('?')))
        return {};
    QDir where(QFileInfo(head).isAbsolute() ? head : QDir(dir).filePath(head));
    const QStringList names =
        where.entryList({filter}, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    QStringList out;
    for (const QString &name : names)
        out << head + name;
    return out;
}

QStringList CCommandLine::SplitExpanded(const QString &line, const QString &dir)
{
    QStringList out;
    const QList<Word> words = Words(line);
    for (qsizetype i = 0; i < words.size(); ++i) {
        const Word &w = words.at(i);
        // The program itself is never a pattern.
        const QStringList matches = (i > 0 && w.pattern) ? Expand(w.text, dir) : QStringList();
        if (matches.isEmpty())
            out << w.text;
        else
            out += matches;
    }
    return out;
}

QString CCommandLine::Quote(const QString &path)
{
    if (path.contains(QLatin1Char(' ')))
        return QLatin1Char('"') + path + QLatin1Char('"');
    return path;
}
