#pragma once

#include <QString>

// Where a child's text goes: an output tab, an output frame of its own, or
// a test's recorder. Text arrives in pieces as the child writes it; a piece
// may end in the middle of a line, never in the middle of a character.
class CToolOutput
{
public:
    virtual ~CToolOutput() = default;
    virtual void AppendOutput(const QString &text) = 0;
};
