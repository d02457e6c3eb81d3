#include "javamodel/Argument.h"

IMPLEMENT_SERIAL(CArgument, CVariable, VERSIONABLE_SCHEMA | 4)

bool CArgument::IsEqual(const CVarObject *other) const
{
    return other && m_type == other->m_type;
}
