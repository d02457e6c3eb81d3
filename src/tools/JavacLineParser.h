#pragma once

#include <QList>
#include <QString>

// One diagnostic of the compiler: where, how bad, and what it said (the
// message line with its indented detail lines, such as "symbol:" and
// "location:").
struct CCompileDiagnostic
{
    QString file; // as javac wrote it, or resolved by the caller
    int line = 0; // 1-based
    bool warning = false;
    QString message;

    bool operator==(const CCompileDiagnostic &) const = default;
};

// Reads javac's output one line at a time. javac 17 writes
//   Bad.java:4: error: cannot find symbol
//           int x = undefinedVar;          (the source line)
//                   ^                      (the caret line)
//     symbol:   variable undefinedVar      (details, indented)
//     location: class Bad
//   error: file not found: Nope.java       (no place)
//   Note: ...  /  2 errors  /  3 warnings
// and compilers of old wrote "Bad.java:4: message" without a kind; both are
// read. The source and caret lines that follow a diagnostic are told apart
// from the details by their position.
class CJavacLineParser
{
public:
    enum Kind {
        Other,      // anything else (-verbose lines, usage text)
        Diagnostic, // file:line: [error|warning:] message
        General,    // "error: ..." or "warning: ..." with no place
        SourceLine, // the source line after a diagnostic
        CaretLine,  // the line with the '^' under it
        Detail,     // an indented line that adds to the message
        Note,       // "Note: ..."
        Summary,    // "2 errors", "1 warning"
    };

    struct Line
    {
        Kind kind = Other;
        QString file;
        int line = 0;
        bool warning = false;
        QString message;
    };

    Line Feed(const QString &text);
    // Every diagnostic with a place read so far, details joined to the
    // message with "\n".
    const QList<CCompileDiagnostic> &Diagnostics() const { return m_diagnostics; }

    // Whether text starts a diagnostic with a place; fills file and line.
    static bool ParsePlace(const QString &text, QString *file, int *line, QString *rest);

private:
    enum State { Idle, AfterDiagnostic, AfterSource, InDetails };
    State m_state = Idle;
    QList<CCompileDiagnostic> m_diagnostics;
};
