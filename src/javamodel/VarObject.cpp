#include "javamodel/VarObject.h"

#include "editor/Language.h"
#include "javamodel/ElementConverter.h"
#include "javamodel/JavaNames.h"
#include "javamodel/WordRing.h"
#include "tree/Archive.h"
#include "tree/TreeImages.h"

IMPLEMENT_SERIAL(CVarObject, CObject, VERSIONABLE_SCHEMA | 4)

bool IsModifierWord(std::string_view word, int kind)
{
    return (kind == CLanguage::Keyword || word == "non") && JavaNames::IsModifier(word);
}

CVarObject::CVarObject() : m_access(AccessProtected)
{
}

CVarObject::CVarObject(CElementConverter *parser, int line) : m_startLine(line), m_parser(parser)
{
}

CVarObject::~CVarObject() = default;

void CVarObject::Serialize(CArchive &ar)
{
    if (ar.IsStoring()) {
        ar.WriteString(m_name);
        ar.WriteInt(m_startLine);
        ar.WriteInt(m_endLine);
        ar.WriteInt(m_access);
        ar.WriteInt(m_inBody);
        ar.WriteInt(m_complete);
        ar.WriteInt(m_static);
        ar.WriteInt(m_final);
        ar.WriteString(m_type);
        if (GetRuntimeClass()->IsVersionable())
            ar.WriteInt(m_abstract);
        return;
    }
    m_loadedSchema = int(ar.GetObjectSchema());
    m_name = ar.ReadString();
    m_startLine = ar.ReadInt();
    m_endLine = ar.ReadInt();
    m_access = ar.ReadInt();
    m_inBody = ar.ReadInt();
    m_complete = ar.ReadInt();
    m_static = ar.ReadInt();
    m_final = ar.ReadInt();
    m_type = ar.ReadString();
    // Pattern elements have a plain schema of their own and never had the
    // abstract flag.
    if (!GetRuntimeClass()->IsVersionable())
        return;
    if (m_loadedSchema >= 3) {
        m_abstract = ar.ReadInt();
    } else {
        m_abstract = 0;
        ar.NoteOlderSchema();
    }
}

bool CVarObject::ParseChar(char)
{
    return false;
}

bool CVarObject::ParseResource(const QString &, int)
{
    return false;
}

void CVarObject::DeleteChildren()
{
    std::vector<CVarObject *> owned;
    ReleaseChildren(owned);
    DeleteElements(owned);
}

void CVarObject::ReleaseChildren(std::vector<CVarObject *> &)
{
}

void CVarObject::DeleteElements(std::vector<CVarObject *> &elements)
{
    // Each element gives up its children before it goes, so no destructor
    // ever frees a child itself: the depth of a tree costs no stack.
    while (!elements.empty()) {
        CVarObject *e = elements.back();
        elements.pop_back();
        e->ReleaseChildren(elements);
        delete e;
    }
}

bool CVarObject::CanOverride() const
{
    return false;
}

void CVarObject::GetDescription(QString &) const
{
}

bool CVarObject::IsEqual(const CVarObject *other) const
{
    return other && m_name == other->m_name && m_type == other->m_type;
}

int CVarObject::GetImage() const
{
    switch (m_access) {
    case AccessPublic:
        return TreeImage::MemberPublic;
    case AccessProtected:
        return TreeImage::MemberProtected;
    case AccessPrivate:
        return TreeImage::MemberPrivate;
    default:
        return TreeImage::MemberPackage;
    }
}

bool CVarObject::IsExtensible() const
{
    return false;
}

bool CVarObject::ShortenNames()
{
    m_name = JavaNames::Shorten(m_name);
    return true;
}

CWordRing &CVarObject::Ring() const
{
    return m_parser->Ring();
}

int CVarObject::PendingLine() const
{
    return m_parser->PendingLine();
}

int CVarObject::CurrentPosition() const
{
    return m_parser->CurrentPosition();
}

void CVarObject::MarkEnd()
{
    m_endLine = PendingLine() + 1;
    m_endPos = CurrentPosition();
}

void CVarObject::ReadModifiers(bool lookForAbstract, int *synchronizedFlag, int *nativeFlag)
{
    const CWordRing &ring = Ring();
    const int n = ring.InUse();
    for (int i = 0; i < n; ++i) {
        if (ring.Kind(i) != CLanguage::Keyword)
            continue;
        const std::string_view w = ring.Word(i);
        if (m_access == AccessNone) {
            if (w == "public")
                m_access = AccessPublic;
            else if (w == "private")
                m_access = AccessPrivate;
            else if (w == "protected")
                m_access = AccessProtected;
        }
        if (w == "static")
            m_static = 1;
        else if (w == "final")
            m_final = 1;
        else if (lookForAbstract && w == "abstract")
            m_abstract = 1;
        else if (synchronizedFlag && w == "synchronized")
            *synchronizedFlag = 1;
        else if (nativeFlag && w == "native")
            *nativeFlag = 1;
    }
}

int CVarObject::ReadTypeAndName(int dims, int from)
{
    const CWordRing &ring = Ring();
    const int n = ring.InUse();
    for (int i = from; i < n; ++i) {
        const int kind = ring.Kind(i);
        if (kind == CLanguage::Keyword || (kind == CLanguage::None && ring.Word(i) == "non"))
            continue;
        const QString *shared = ring.SharedText(i);
        m_type = shared ? *shared : JavaNames::ToQString(ring.Word(i));
        for (int d = 0; d < dims; ++d)
            m_type += QLatin1String("[]");
        if (i + 1 < n) {
            m_name = JavaNames::ToQString(ring.Word(i + 1));
            m_namePos = ring.Position(i + 1);
            return i + 1;
        }
        return -1;
    }
    return -1;
}

bool CVarObject::RingStartsRecord() const
{
    const CWordRing &ring = Ring();
    const int n = ring.InUse();
    if (n < 2 || ring.Word(n - 2) != "record" || ring.Kind(n - 1) == CLanguage::Keyword)
        return false;
    const std::string_view name = ring.Word(n - 1);
    if (name.find('.') != std::string_view::npos)
        return false; // "record = Math.max(" is an assignment, not a record
    if (!m_parser->IsBlankText(ring.Position(n - 2) + 6, ring.Position(n - 1)))
        return false;
    for (int i = 0; i < n - 2; ++i) {
        if (!IsModifierWord(ring.Word(i), ring.Kind(i)))
            return false;
    }
    return true;
}
