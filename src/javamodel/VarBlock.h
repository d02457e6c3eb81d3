#pragma once

#include "javamodel/VarObject.h"

// An initializer block: "{ ... }" or "static { ... }" directly in a class
// or interface body. Never stored.
class CVarBlock : public CVarObject
{
public:
    CVarBlock(CElementConverter *parser, int line) : CVarObject(parser, line) {}

    bool ParseChar(char c) override;

    int m_braceDepth = 0;
};
