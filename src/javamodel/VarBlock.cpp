#include "javamodel/VarBlock.h"

#include "javamodel/WordRing.h"

bool CVarBlock::ParseChar(char c)
{
    if (!m_inBody) {
        if (c == '{') {
            m_inBody = 1;
            Ring().Reset();
        }
        return true;
    }
    if (c == '{') {
        ++m_braceDepth;
    } else if (c == '}') {
        if (m_braceDepth == 0) {
            MarkEnd();
            m_complete = 1;
            m_inBody = 0;
            Ring().Reset();
            return false;
        }
        --m_braceDepth;
    }
    return true;
}
