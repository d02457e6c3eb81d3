#include "javamodel/Variable.h"

#include "editor/Language.h"
#include "javamodel/ElementConverter.h"
#include "javamodel/JavaNames.h"
#include "javamodel/WordRing.h"

IMPLEMENT_SERIAL(CVariable, CVarObject, VERSIONABLE_SCHEMA | 4)

CVariable::CVariable(CElementConverter *parser, int line, int arrayDims)
    : CVarObject(parser, line), m_arrayDims(arrayDims)
{
}

void CVariable::PushForNextDeclarator()
{
    // The next declarator of "int a, b;" finds the modifiers and the type of
    // this one in the ring, and its own name after them.
    CWordRing &ring = Ring();
    ring.Reset();
    if (m_static)
        ring.Push("static", 0, CLanguage::Keyword);
    if (m_final)
        ring.Push("final", 0, CLanguage::Keyword);
    static const char *const access[] = {nullptr, "public", "protected", "private"};
    if (m_access > AccessNone && m_access <= AccessPrivate)
        ring.Push(access[m_access], 0, CLanguage::Keyword);
    ring.PushShared(m_type, 0, CLanguage::None);
}

bool CVariable::ParseChar(char c)
{
    if (!m_inBody) {
        if (c != '=' && c != ';' && c != ',')
            return true;
        m_inBody = 1;
        ReadModifiers(true);
        ReadTypeAndName(m_arrayDims);
        m_arrayDims = 0;
        Ring().Reset();
    }
    switch (c) {
    case '{':
        ++m_braceDepth;
        break;
    case '}':
        if (m_braceDepth == 0) {
            // The container's closing brace: this declaration lost its ';'.
            m_complete = 1;
            m_returnsChar = true;
            return false;
        }
        --m_braceDepth;
        break;
    case '(':
        ++m_parenDepth;
        break;
    case ')':
        if (m_parenDepth > 0)
            --m_parenDepth;
        break;
    case '<': {
        // In an initializer '<' is mostly less-than; but "new HashMap<K, V>()"
        // has a comma that ends no declarator. Type arguments follow a type
        // name (capitalised, "java.util.HashMap<") or a '.'
        // ("Collections.<T>emptyList()").
        const CWordRing &ring = Ring();
        const int last = ring.LastIndex();
        if (last >= 0) {
            const std::string_view w = ring.Word(last);
            const size_t dot = w.rfind('.');
            const char first = dot == std::string_view::npos ? w.front()
                               : dot + 1 < w.size()          ? w[dot + 1]
                                                             : 'A';
            if (first >= 'A' && first <= 'Z')
                ++m_angleDepth;
        }
        break;
    }
    case '>':
        if (m_angleDepth > 0)
            --m_angleDepth;
        break;
    case ',':
        if (m_braceDepth == 0 && m_parenDepth == 0 && m_angleDepth == 0) {
            PushForNextDeclarator();
            m_complete = 1;
            return false;
        }
        break;
    case ';':
        // Only a ';' outside braces ends the declaration: one inside belongs
        // to a lambda or anonymous class body of the initializer.
        if (m_braceDepth == 0) {
            Ring().Reset();
            m_complete = 1;
            return false;
        }
        break;
    default:
        break;
    }
    return true;
}

void CVariable::GetDescription(QString &text) const
{
    text.resize(0);
    if (m_final)
        text += QLatin1String("final ");
    text += JavaNames::ShortenType(m_type);
    text += QLatin1Char(' ');
    text += m_name;
}
