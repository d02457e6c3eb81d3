#pragma once

#include "javamodel/VarObject.h"

// The package statement of a file.
class CVarPackage : public CVarObject
{
    DECLARE_SERIAL(CVarPackage)
public:
    CVarPackage() = default;
    CVarPackage(CElementConverter *parser, int line) : CVarObject(parser, line) {}

    bool ParseChar(char c) override;
};
