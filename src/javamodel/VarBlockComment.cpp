#include "javamodel/VarBlockComment.h"

IMPLEMENT_SERIAL(CVarBlockComment, CVarPattern, 1)

bool CVarBlockComment::IsEndOfPattern(const char *text, int pos, int length) const
{
    return text[pos] == '*' && pos + 1 < length && text[pos + 1] == '/';
}
