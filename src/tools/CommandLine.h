#pragma once

#include <QString>
#include <QStringList>

// A tool's command line is one string, built the way the user reads it:
// words separated by blanks, a word with blanks in double quotes. The
// operating system wants a program and its arguments, so the line is split
// here, and - since no shell stands between us and the tool - a word with
// '*' or '?' outside quotes is expanded against the working directory
// ("*.java"), as the compilers of old expanded their own arguments. A
// pattern that matches nothing is passed on as written, so the tool reports
// it.
class CCommandLine
{
public:
    // The words of line. Inside double quotes blanks belong to the word;
    // \" stands for a quote character. No expansion.
    static QStringList Split(const QString &line);
    // Split, with the patterns expanded against dir (sorted by name).
    static QStringList SplitExpanded(const QString &line, const QString &dir);
    // path in double quotes when it contains a blank.
    static QString Quote(const QString &path);

private:
    struct Word
    {
        QString text;
        bool pattern = false; // '*' or '?' outside quotes
    };
    static QList<Word> Words(const QString &line);
    static QStringList Expand(const QString &pattern, const QString &dir);
};
