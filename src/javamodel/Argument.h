#pragma once

#include "javamodel/Variable.h"

// A parameter of a method or constructor.
class CArgument : public CVariable
{
    DECLARE_SERIAL(CArgument)
public:
    CArgument() = default;
    CArgument(CElementConverter *parser, int line) : CVariable(parser, line) {}

    // Two arguments are equal when their types are: names do not matter to
    // a method's signature.
    bool IsEqual(const CVarObject *other) const override;
};
