#include "javamodel/VarPattern.h"

IMPLEMENT_SERIAL(CVarPattern, CVarObject, 1)

bool CVarPattern::IsEndOfPattern(const char *, int, int) const
{
    return false;
}
