#pragma once

#include "javamodel/VarObject.h"

// Base of elements that span a coloured pattern of the scanner.
class CVarPattern : public CVarObject
{
    DECLARE_SERIAL(CVarPattern)
public:
    CVarPattern() = default;
    CVarPattern(CElementConverter *parser, int line) : CVarObject(parser, line) {}

    virtual bool IsEndOfPattern(const char *text, int pos, int length) const;
};
