#include "javamodel/VarImport.h"

#include "javamodel/JavaNames.h"
#include "javamodel/WordRing.h"

IMPLEMENT_SERIAL(CVarImport, CVarObject, VERSIONABLE_SCHEMA | 4)

bool CVarImport::ParseChar(char c)
{
    if (c != ';')
        return false; // anything but ';' cuts the statement off
    CWordRing &ring = Ring();
    const int n = ring.InUse();
    int i = ring.Find("import");
    if (i >= 0 && i + 1 < n) {
        if (ring.Word(i + 1) == "static" && i + 2 < n) {
            m_static = 1;
            ++i;
        }
        m_name = JavaNames::ToQString(ring.Word(i + 1));
        m_namePos = ring.Position(i + 1);
    }
    ring.Reset();
    m_complete = 1;
    return false;
}
