#include "javamodel/VarMethod.h"

#include "core/Prompter.h"
#include "editor/Language.h"
#include "javamodel/ElementConverter.h"
#include "javamodel/JavaNames.h"
#include "javamodel/NameOrder.h"
#include "javamodel/VarContainer.h"
#include "javamodel/VarLocalClass.h"
#include "javamodel/WordRing.h"
#include "tree/Archive.h"

#include <new>

IMPLEMENT_SERIAL(CVarMethod, CVarMethodDecl, VERSIONABLE_SCHEMA | 4)

CVarMethod::CVarMethod()
{
    m_abstract = 0;
}

CVarMethod::CVarMethod(CElementConverter *parser, int line, CVarContainer *owner, int arrayDims)
    : CVarMethodDecl(parser, line, arrayDims), m_owner(owner)
{
    m_abstract = 0;
}

CVarMethod::~CVarMethod()
{
    DeleteChildren();
}

void CVarMethod::ReleaseChildren(std::vector<CVarObject *> &out)
{
    CVarMethodDecl::ReleaseChildren(out);
    out.insert(out.end(), m_localClasses.cbegin(), m_localClasses.cend());
    m_localClasses.clear();
    if (m_currentLocal)
        out.push_back(m_currentLocal);
    m_currentLocal = nullptr;
}

void CVarMethod::Serialize(CArchive &ar)
{
    CVarMethodDecl::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteObjectList(m_localClasses);
        return;
    }
    if (m_loadedSchema != 3 && m_loadedSchema != 4)
        return;
    ar.ReadObjectList(m_localClasses, RUNTIME_CLASS(CVarClass));
}

bool CVarMethod::WantsTypeArguments() const
{
    if (!m_inBody)
        return !m_complete;
    if (m_currentLocal)
        return m_currentLocal->WantsTypeArguments();
    // In the header of a local type ("class Filter implements
    // Predicate<Item> {"). Elsewhere in a body a '<' taken for type
    // arguments costs nothing: any brace, ';' or ')' ends them again.
    const CWordRing &ring = Ring();
    for (int i = 0; i < ring.InUse(); ++i) {
        if (ring.Kind(i) != CLanguage::Keyword)
            continue;
        const std::string_view w = ring.Word(i);
        if (w == "class" || w == "interface" || w == "enum" || w == "record")
            return true;
    }
    return false;
}

void CVarMethod::ReadHeader()
{
    ReadModifiers(true, &m_synchronized, &m_native);
    // A constructor: the class's name right before '(', after nothing but
    // modifiers. Its return type stays empty.
    const CWordRing &ring = Ring();
    const int n = ring.InUse();
    if (m_owner && m_owner->IsClass() && n > 0 &&
        JavaNames::ToQString(ring.Word(n - 1)) == m_owner->m_name) {
        bool onlyModifiers = true;
        for (int i = 0; i < n - 1 && onlyModifiers; ++i)
            onlyModifiers = IsModifierWord(ring.Word(i), ring.Kind(i));
        if (onlyModifiers) {
            m_name = m_owner->m_name;
            m_namePos = ring.Position(n - 1);
            return;
        }
    }
    ReadTypeAndName(m_arrayDims);
}

bool CVarMethod::ParseChar(char c)
{
    if (m_inBody)
        return ParseBodyChar(c);
    if (m_inArgs) {
        if (c == ';') {
            ReadThrows(true);
            m_complete = 1;
            return false;
        }
        return ParseArgumentChar(c);
    }
    switch (c) {
    case '(':
        if (!m_argsClosed) {
            m_parenPos = CurrentPosition();
            m_inArgs = 1;
            ReadHeader();
            Ring().Reset();
            m_arrayDims = 0;
        }
        return true;
    case ';':
        // No body: an abstract or native method.
        ReadThrows(true);
        MarkEnd();
        m_endPos = 0;
        m_complete = 1;
        return false;
    case '{':
        m_inBody = 1;
        m_startPos = Ring().FirstPosition();
        ReadThrows(true);
        return true;
    default:
        return true;
    }
}

CVarClass *CVarMethod::MakeLocal(int kind)
{
    const QString outer = m_owner ? m_owner->m_name : QString();
    const int number = m_owner ? ++m_owner->m_localClassCounter : 1;
    return new CVarLocalClass(m_parser, PendingLine() + 1, CVarContainer::Kind(kind), outer, m_name,
                              number);
}

CVarObject *CVarMethod::ReadingChild() const
{
    return m_currentLocal;
}

bool CVarMethod::StartLocal(CVarClass *local, char c)
{
    m_currentLocal = local;
    if (local->ParseChar(c))
        return true;
    return ChildEnded(c);
}

bool CVarMethod::ChildEnded(char)
{
    CVarClass *local = m_currentLocal;
    m_currentLocal = nullptr;
    if (!local->m_complete) {
        delete local; // an unreadable local class ends the method too
        return false;
    }
    local->m_parser = nullptr;
    local->ReadingEnded();
    m_localClasses.append(local);
    Ring().Reset();
    return true;
}

void CVarMethod::ReadingEnded()
{
    SortByName(m_localClasses);
}

bool CVarMethod::ParseBodyChar(char c)
{
    if (m_currentLocal) {
        // Only for callers that drive an element themselves; the recogniser
        // hands delimiters to the innermost element directly.
        if (m_currentLocal->ParseChar(c))
            return true;
        return ChildEnded(c);
    }
    CWordRing &ring = Ring();
    try {
        switch (c) {
        case '{': {
            CVarContainer::Kind kind = CVarContainer::KindClass;
            if (CVarContainer::FindTypeKeyword(ring, &kind) >= 0)
                return StartLocal(MakeLocal(kind), c);
            ++m_braceDepth;
            ring.Reset();
            return true;
        }
        case '(':
            if (RingStartsRecord())
                return StartLocal(MakeLocal(CVarContainer::KindRecord), c);
            return true;
        case '}':
            if (m_braceDepth == 0) {
                m_inBody = 0;
                MarkEnd();
                m_complete = 1;
                ring.Reset();
                return false;
            }
            --m_braceDepth;
            ring.Reset();
            return true;
        case ';':
            ring.Reset();
            return true;
        default:
            return true;
        }
    } catch (const std::bad_alloc &) {
        Prompter().MessageBox(QStringLiteral("Memory error parsing the file !!!"), CPrompter::Ok);
        return false;
    }
}
