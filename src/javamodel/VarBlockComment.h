#pragma once

#include "javamodel/VarPattern.h"

// A block comment; only its start line is recorded.
class CVarBlockComment : public CVarPattern
{
    DECLARE_SERIAL(CVarBlockComment)
public:
    CVarBlockComment() = default;
    CVarBlockComment(CElementConverter *parser, int line) : CVarPattern(parser, line) {}

    bool IsEndOfPattern(const char *text, int pos, int length) const override;
    bool ParseChar(char) override { return true; }
};
