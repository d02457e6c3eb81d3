#pragma once

#include <QString>
#include <QStringList>

// From a line of tool output to a place in a source: the compiler's
// "file:line: ..." lines, read against the directory the compile ran in,
// and a program's stack-trace lines, whose bare file names are found among
// the open project's files.
class CErrorLocator
{
public:
    struct Place
    {
        QString file;        // a full path, or a bare name to look up
        int line = 0;        // 1-based; 0 when the line gave none
        bool lookup = false; // file is a bare name (stack-trace form)
        QString packageDir;  // for a lookup: "p/q/" from the frame's class
        bool IsValid() const { return !file.isEmpty(); }
    };

    // Lines longer than this are read only this far.
    static constexpr int kMaxLine = 3000;

    // baseDir: the directory compiler lines are relative to (the Build tab
    // after a compile), empty elsewhere.
    static Place ParseLine(const QString &line, const QString &baseDir);

    // The full path of a looked-up file among projectFiles: the one whose
    // path ends with packageDir + name, else the first of that name
    // (letter case ignored when nothing matches exactly); empty when none.
    static QString FindInFiles(const QStringList &projectFiles, const QString &name,
                               const QString &packageDir);
};
