#include "javamodel/VarContainer.h"

#include "core/Prompter.h"
#include "editor/Language.h"
#include "javamodel/Argument.h"
#include "javamodel/ElementConverter.h"
#include "javamodel/JavaNames.h"
#include "javamodel/NameOrder.h"
#include "javamodel/VarBlock.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarInnerClass.h"
#include "javamodel/VarInnerInterface.h"
#include "javamodel/VarMethod.h"
#include "javamodel/Variable.h"
#include "javamodel/WordRing.h"
#include "tree/Archive.h"

#include <new>

IMPLEMENT_SERIAL(CVarContainer, CVarObject, VERSIONABLE_SCHEMA | 4)

CVarContainer::CVarContainer(CElementConverter *parser, int line, Kind kind)
    : CVarObject(parser, line), m_kind(kind)
{
}

CVarContainer::~CVarContainer()
{
    DeleteChildren();
}

void CVarContainer::ReleaseChildren(std::vector<CVarObject *> &out)
{
    out.insert(out.end(), m_methods.cbegin(), m_methods.cend());
    m_methods.clear();
    out.insert(out.end(), m_variables.cbegin(), m_variables.cend());
    m_variables.clear();
    out.insert(out.end(), m_blocks.cbegin(), m_blocks.cend());
    m_blocks.clear();
    m_components.clear();
    if (m_currentChild)
        out.push_back(m_currentChild);
    m_currentChild = nullptr;
}

bool CVarContainer::ShortenNames()
{
    CVarObject::ShortenNames();
    for (CVariable *v : std::as_const(m_variables))
        v->ShortenNames();
    for (CVarMethodDecl *m : std::as_const(m_methods))
        m->ShortenNames();
    return true;
}

void CVarContainer::Serialize(CArchive &ar)
{
    CVarObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteObjectList(m_methods);
        ar.WriteObjectList(m_variables);
        ar.WriteString(m_baseName);
        ar.WriteString(m_sourceFile);
        return;
    }
    ar.ReadObjectList(m_methods, RUNTIME_CLASS(CVarMethodDecl));
    ar.ReadObjectList(m_variables, RUNTIME_CLASS(CVariable));
    m_baseName = ar.ReadString();
    if (m_loadedSchema >= 4)
        m_sourceFile = ar.ReadString();
}

bool CVarContainer::HasMain() const
{
    for (const CVarMethodDecl *m : m_methods) {
        if (m->m_static && m->m_name == QLatin1String("main"))
            return true;
    }
    return false;
}

CVarMethodDecl *CVarContainer::FindMethodAtLine(int line) const
{
    for (CVarMethodDecl *m : m_methods) {
        if (m->m_startLine < line && m->m_endLine > line)
            return m;
    }
    return nullptr;
}

CVarMethodDecl *CVarContainer::FindMember(const CVarObject *element) const
{
    for (CVarMethodDecl *m : m_methods) {
        if (m->IsEqual(element))
            return m;
    }
    return nullptr;
}

CVarMethod *CVarContainer::AddMethodCopy(const CVarMethodDecl *method, int line)
{
    auto *copy = new CVarMethod;
    copy->CopyHeaderFrom(*method);
    copy->m_abstract = method->m_abstract;
    copy->m_startLine = line;
    copy->m_owner = this;
    InsertByName(m_methods, copy);
    return copy;
}

CVarMethodDecl *CVarContainer::AddMethodDeclCopy(const CVarMethodDecl *method, int line)
{
    auto *copy = new CVarMethodDecl;
    copy->CopyHeaderFrom(*method);
    copy->m_abstract = method->m_abstract;
    copy->m_startLine = line;
    InsertByName(m_methods, copy);
    return copy;
}

// ---------------------------------------------------------------- reading

const char *CVarContainer::HeaderKeyword() const
{
    switch (m_kind) {
    case KindEnum:
        return "enum";
    case KindRecord:
        return "record";
    case KindInterface:
    case KindAnnotation:
        return "interface";
    case KindClass:
        break;
    }
    return "class";
}

bool CVarContainer::WantsTypeArguments() const
{
    if (!m_inBody)
        return true;
    if (m_currentChild)
        return m_currentChild->WantsTypeArguments();
    return !m_inConstants;
}

bool CVarContainer::ReadHeader()
{
    const CWordRing &ring = Ring();
    const int n = ring.InUse();
    const int i = ring.Find(HeaderKeyword());
    if (i < 0)
        return false;
    ReadModifiers(IsClass());
    for (int k = 0; k < i; ++k) {
        // The scanner splits non-sealed at its '-'.
        if (ring.Word(k) == "sealed" &&
            (k == 0 || (ring.Word(k - 1) != "-" && ring.Word(k - 1) != "non")))
            m_sealed = 1;
    }
    m_namePos = ring.Position(i);
    if (i + 1 < n)
        m_name = JavaNames::ToQString(JavaNames::StripTypeArguments(ring.Word(i + 1)));
    int j = i + 2;
    if (j + 1 < n && ring.Word(j) == "extends") {
        m_baseName = JavaNames::Shorten(
            JavaNames::ToQString(JavaNames::StripTypeArguments(ring.Word(j + 1))));
        j += 2;
    }
    ReadImplements(j);
    return true;
}

void CVarContainer::ReadImplements(int)
{
}

CVarMethodDecl *CVarContainer::MakeMethod(int line, int arrayDims)
{
    return new CVarMethod(m_parser, line, this, arrayDims);
}

bool CVarContainer::ParseChar(char c)
{
    if (!m_inBody)
        return ParseHeaderChar(c);
    if (m_currentChild) {
        // Only for callers that drive an element themselves; the recogniser
        // hands delimiters to the innermost element directly.
        BeforeChildChar(c);
        if (m_currentChild->ParseChar(c))
            return true;
        return ChildEnded(c);
    }
    if (m_inConstants)
        return ParseEnumConstantChar(c);
    return ParseBodyChar(c);
}

bool CVarContainer::ParseHeaderChar(char c)
{
    if (m_kind == KindRecord && m_componentState < 2) {
        // A record's header lists its components in parentheses; each one
        // is a field of the record.
        if (m_componentState == 0) {
            if (c != '(')
                return true;
            m_startPos = Ring().FirstPosition();
            if (!ReadHeader())
                return false;
            Ring().Reset();
            m_componentState = 1;
            return true;
        }
        if (c == '[') {
            ++m_arrayDims;
        } else if (c == ',' || c == ')') {
            AddComponent();
            if (c == ')')
                m_componentState = 2;
        }
        return true;
    }
    if (c != '{')
        return true;
    m_inBody = 1;
    m_localClassCounter = 0;
    m_startLine = PendingLine() + 1;
    if (m_componentState == 0) {
        m_startPos = Ring().FirstPosition();
        if (!ReadHeader())
            return false;
    } else {
        ReadImplements(0);
    }
    Ring().Reset();
    m_arrayDims = 0;
    m_inConstants = m_kind == KindEnum;
    return true;
}

void CVarContainer::AddComponent()
{
    CWordRing &ring = Ring();
    if (ring.InUse() > 0) {
        auto *v = new CVariable(m_parser, PendingLine() + 1);
        v->ReadModifiers(false);
        v->ReadTypeAndName(m_arrayDims);
        // Components are the record's private final fields.
        v->m_access = AccessPrivate;
        v->m_final = 1;
        v->m_inBody = 1;
        v->m_complete = 1;
        v->m_parser = nullptr;
        m_variables.append(v);
        m_components.append(v);
    }
    ring.Reset();
    m_arrayDims = 0;
}

bool CVarContainer::ParseEnumConstantChar(char c)
{
    if (m_skipParens > 0) {
        if (c == '(')
            ++m_skipParens;
        else if (c == ')')
            --m_skipParens;
        return true;
    }
    if (m_skipBraces > 0) {
        if (c == '{') {
            ++m_skipBraces;
        } else if (c == '}' && --m_skipBraces == 0) {
            Ring().Reset();
        }
        return true;
    }
    switch (c) {
    case '(':
        m_skipParens = 1;
        break;
    case '{':
        m_skipBraces = 1; // a constant's class body
        break;
    case ',':
        Ring().Reset();
        break;
    case ';':
        m_inConstants = false;
        Ring().Reset();
        break;
    case '}':
        m_inConstants = false;
        return ParseBodyChar(c);
    default:
        break;
    }
    return true;
}

int CVarContainer::FindTypeKeyword(const CWordRing &ring, Kind *kind)
{
    const int n = ring.InUse();
    for (int i = 0; i < n; ++i) {
        if (ring.Kind(i) != CLanguage::Keyword)
            continue;
        const std::string_view w = ring.Word(i);
        if (w == "class") {
            *kind = KindClass;
            return i;
        }
        if (w == "interface") {
            *kind = KindInterface;
            return i;
        }
        if (w == "enum") {
            *kind = KindEnum;
            return i;
        }
    }
    return -1;
}

bool CVarContainer::IsRecordHeader() const
{
    return RingStartsRecord();
}

bool CVarContainer::IsCompactConstructor() const
{
    const CWordRing &ring = Ring();
    const int n = ring.InUse();
    if (n < 1 || JavaNames::ToQString(ring.Word(n - 1)) != m_name)
        return false;
    for (int i = 0; i < n - 1; ++i) {
        if (!IsModifierWord(ring.Word(i), ring.Kind(i)))
            return false;
    }
    return true;
}

bool CVarContainer::MemoryError()
{
    Prompter().MessageBox(QStringLiteral("Memory error parsing the file !!!"), CPrompter::Ok);
    return false;
}

bool CVarContainer::ParseBodyChar(char c)
{
    try {
        const int line = PendingLine() + 1;
        switch (c) {
        case '{': {
            Kind kind = KindClass;
            if (FindTypeKeyword(Ring(), &kind) >= 0) {
                if (kind == KindInterface)
                    return StartChild(new CVarInnerInterface(m_parser, line, kind, m_name),
                                      ToInnerInterfaces, c);
                return StartChild(new CVarInnerClass(m_parser, line, kind, m_name), ToInnerClasses,
                                  c);
            }
            if (m_kind == KindRecord && IsCompactConstructor()) {
                // "Name { ... }" in a record: the canonical constructor
                // whose parameters are the components.
                auto *ctor = new CVarMethod(m_parser, line, this);
                ctor->ReadModifiers(false);
                const CWordRing &ring = Ring();
                ctor->m_name = m_name;
                ctor->m_namePos = ring.Position(ring.InUse() - 1);
                for (const CVariable *comp : std::as_const(m_components)) {
                    auto *arg = new CArgument(nullptr, line);
                    arg->m_name = comp->m_name;
                    arg->m_type = comp->m_type;
                    arg->m_inBody = 1;
                    arg->m_complete = 1;
                    ctor->m_arguments.append(arg);
                }
                ctor->m_inArgs = 0;
                ctor->SetHeaderDone();
                return StartChild(ctor, ToMethods, c);
            }
            return StartChild(new CVarBlock(m_parser, line), ToBlocks, c);
        }
        case '}':
            m_inBody = 0;
            MarkEnd();
            m_complete = 1;
            return false;
        case '[':
            ++m_arrayDims;
            return true;
        case ',': {
            Kind kind = KindClass;
            if (FindTypeKeyword(Ring(), &kind) >= 0)
                return true; // "implements A, B" of a nested type's header
            return StartChild(new CVariable(m_parser, line, m_arrayDims), ToVariables, c);
        }
        case ';':
            if (Ring().InUse() == 0) {
                m_arrayDims = 0;
                return true; // a stray ';' ("};" after a nested class)
            }
            [[fallthrough]];
        case '=':
            return StartChild(new CVariable(m_parser, line, m_arrayDims), ToVariables, c);
        case '(':
            if (IsRecordHeader())
                return StartChild(new CVarInnerClass(m_parser, line, KindRecord, m_name),
                                  ToInnerClasses, c);
            return StartChild(MakeMethod(line, m_arrayDims), ToMethods, c);
        default:
            return true;
        }
    } catch (const std::bad_alloc &) {
        return MemoryError();
    }
}

bool CVarContainer::StartChild(CVarObject *child, Destination dest, char c)
{
    m_currentChild = child;
    m_destination = dest;
    m_arrayDims = 0;
    if (child->ParseChar(c))
        return true;
    return ChildFinished(c);
}

void CVarContainer::BeforeChildChar(char c)
{
    if (c != '{' || m_destination != ToMethods)
        return;
    auto *decl = static_cast<CVarMethodDecl *>(m_currentChild);
    const CWordRing &ring = Ring();
    // "default {1, 2}" of an annotation type's element is a value, not a
    // body.
    if (decl->IsDeclaration() && decl->AwaitsBodyOrEnd() &&
        (ring.InUse() == 0 || ring.Word(0) == "throws")) {
        // A default, static or private interface method: it has a body
        // after all.
        auto *method = new CVarMethod(m_parser, decl->m_startLine, this);
        method->TakeHeaderFrom(*decl);
        delete decl;
        m_currentChild = method;
    }
}

bool CVarContainer::ChildEnded(char c)
{
    try {
        return ChildFinished(c);
    } catch (const std::bad_alloc &) {
        return MemoryError();
    }
}

void CVarContainer::ReadingEnded()
{
    SortByName(m_methods);
    SortByName(m_variables);
    SortByName(m_blocks);
    if (QList<CVarClass *> *inner = InnerClasses())
        SortByName(*inner);
    if (QList<CVarInterface *> *inner = InnerInterfaces())
        SortByName(*inner);
}

bool CVarContainer::ChildFinished(char c)
{
    CVarObject *child = m_currentChild;
    m_currentChild = nullptr;
    if (!child->m_complete) {
        // A member that could not be read stops its container too.
        delete child;
        return false;
    }
    child->m_parser = nullptr;
    child->ReadingEnded();
    if (m_destination == ToVariables) {
        auto *var = static_cast<CVariable *>(child);
        const bool returnsChar = var->m_returnsChar;
        const int line = var->m_startLine;
        var->m_returnsChar = false;
        // Words that gave no name (a stray type, damaged text) make no field.
        if (var->m_name.isEmpty())
            delete var;
        else
            Insert(var, ToVariables);
        if (returnsChar)
            return ParseBodyChar(c);
        if (c == ',') {
            // The next declarator of the same declaration.
            m_currentChild = new CVariable(m_parser, line);
            m_destination = ToVariables;
            return true;
        }
        Ring().Reset();
        return true;
    }
    Insert(child, m_destination);
    Ring().Reset();
    return true;
}

void CVarContainer::Insert(CVarObject *child, Destination dest)
{
    switch (dest) {
    case ToMethods:
        m_methods.append(static_cast<CVarMethodDecl *>(child));
        break;
    case ToVariables:
        m_variables.append(static_cast<CVariable *>(child));
        break;
    case ToBlocks:
        m_blocks.append(static_cast<CVarBlock *>(child));
        break;
    case ToInnerClasses:
        InnerClasses()->append(static_cast<CVarClass *>(child));
        break;
    case ToInnerInterfaces:
        InnerInterfaces()->append(static_cast<CVarInterface *>(child));
        break;
    }
}
