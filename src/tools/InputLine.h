#pragma once

#include <QString>

// What the user types into an output view for the program running in it:
// the characters since the last Enter, less those taken back with
// Backspace. The view shows the typing as text; this keeps the line that
// Enter sends.
class CInputLine
{
public:
    // A typed character (after the view has shown it). True on Enter: the
    // line is then in *line, and the input line starts again empty.
    bool OnChar(QChar c, QString *line);
    QString Text() const { return m_line; }
    void Clear() { m_line.clear(); }

private:
    QString m_line;
};
