#pragma once

#include "javamodel/VarObject.h"

// One import statement; a static import has its static flag set.
class CVarImport : public CVarObject
{
    DECLARE_SERIAL(CVarImport)
public:
    CVarImport() = default;
    CVarImport(CElementConverter *parser, int line) : CVarObject(parser, line) {}

    bool ParseChar(char c) override;
};
