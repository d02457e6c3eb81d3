#include "javamodel/VarPackage.h"

#include "javamodel/JavaNames.h"
#include "javamodel/WordRing.h"

IMPLEMENT_SERIAL(CVarPackage, CVarObject, VERSIONABLE_SCHEMA | 4)

bool CVarPackage::ParseChar(char c)
{
    if (c != ';')
        return false; // anything but ';' cuts the statement off
    CWordRing &ring = Ring();
    const int i = ring.Find("package");
    if (i >= 0 && i + 1 < ring.InUse()) {
        m_name = JavaNames::ToQString(ring.Word(i + 1));
        m_namePos = ring.Position(i + 1);
    }
    ring.Reset();
    m_complete = 1;
    return false;
}
