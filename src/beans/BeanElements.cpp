#include "beans/BeanElements.h"

#include "editor/Language.h"
#include "javamodel/ElementConverter.h"
#include "javamodel/JavaNames.h"
#include "javamodel/NameOrder.h"
#include "javamodel/VarMethodDecl.h"
#include "javamodel/WordRing.h"
#include "tree/Archive.h"
#include "tree/TreeImages.h"

IMPLEMENT_SERIAL(CBeanEvent, CVarObject, VERSIONABLE_SCHEMA | 4)
IMPLEMENT_SERIAL(CBeanListenInterface, CVarObject, VERSIONABLE_SCHEMA | 4)
IMPLEMENT_SERIAL(CBeanProp, CVariable, VERSIONABLE_SCHEMA | 4)
IMPLEMENT_SERIAL(CBeanObject, CVarContainer, VERSIONABLE_SCHEMA | 4)

namespace {

bool StartsWith(std::string_view word, std::string_view prefix)
{
    return JavaNames::ToQString(word).startsWith(JavaNames::ToQString(prefix), Qt::CaseInsensitive);
}

// An accessor or listener method known only by its name.
CVarMethodDecl *NamedMethod(std::string_view name)
{
    auto *m = new CVarMethodDecl;
    m->m_name = JavaNames::ToQString(name);
    m->m_access = CVarObject::AccessPublic;
    m->m_abstract = 0;
    m->m_complete = 1;
    return m;
}

QString MethodName(const CVarMethodDecl *m)
{
    return m ? m->m_name : QStringLiteral("None");
}

} // namespace

// --- CBeanEvent

CBeanEvent::CBeanEvent(const QString &name)
{
    m_name = name;
    m_access = AccessPublic;
    m_complete = 1;
}

void CBeanEvent::GetDescription(QString &text) const
{
    text = m_name;
}

int CBeanEvent::GetImage() const
{
    return TreeImage::MemberPublic;
}

// --- CBeanListenInterface

CBeanListenInterface::CBeanListenInterface(CElementConverter *parser, int line)
    : CVarObject(parser, line)
{
}

CBeanListenInterface::~CBeanListenInterface()
{
    DeleteChildren();
}

void CBeanListenInterface::Serialize(CArchive &ar)
{
    CVarObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteObject(m_addMethod);
        ar.WriteObject(m_removeMethod);
        ar.WriteObjectList(m_events);
        return;
    }
    m_addMethod =
        static_cast<CVarMethodDecl *>(ar.ReadOwnedObjectOrNull(RUNTIME_CLASS(CVarMethodDecl)));
    m_removeMethod =
        static_cast<CVarMethodDecl *>(ar.ReadOwnedObjectOrNull(RUNTIME_CLASS(CVarMethodDecl)));
    ar.ReadObjectList(m_events, RUNTIME_CLASS(CBeanEvent));
}

bool CBeanListenInterface::ParseChar(char)
{
    CWordRing &ring = Ring();
    const int n = ring.InUse();
    if (n > 0)
        m_type = JavaNames::ToQString(ring.Word(0));
    if (n > 1)
        m_name = JavaNames::ToQString(ring.Word(1));
    int i = 2;
    // The add and remove methods stand right after the set name.
    for (; i < n && i < 4; ++i) {
        const std::string_view w = ring.Word(i);
        if (!m_addMethod && StartsWith(w, "add"))
            m_addMethod = NamedMethod(w);
        else if (!m_removeMethod && StartsWith(w, "remove"))
            m_removeMethod = NamedMethod(w);
        else
            break;
    }
    for (; i < n; ++i)
        InsertByName(m_events, new CBeanEvent(JavaNames::ToQString(ring.Word(i))));
    ring.Reset();
    m_complete = 1;
    return false;
}

void CBeanListenInterface::ReleaseChildren(std::vector<CVarObject *> &out)
{
    if (m_addMethod)
        out.push_back(m_addMethod);
    if (m_removeMethod)
        out.push_back(m_removeMethod);
    m_addMethod = m_removeMethod = nullptr;
    out.insert(out.end(), m_events.cbegin(), m_events.cend());
    m_events.clear();
}

void CBeanListenInterface::GetDescription(QString &text) const
{
    text = m_type + QLatin1Char(' ') + m_name + QStringLiteral("   AddMethod  - ") +
           MethodName(m_addMethod) + QStringLiteral("   RemoveMethod  - ") +
           MethodName(m_removeMethod);
}

int CBeanListenInterface::GetImage() const
{
    return TreeImage::Interface;
}

// --- CBeanProp

CBeanProp::CBeanProp(CElementConverter *parser, int line, QList<int> bracketsBefore)
    : CVariable(parser, line), m_bracketsBefore(std::move(bracketsBefore))
{
}

CBeanProp::~CBeanProp()
{
    DeleteChildren();
}

void CBeanProp::Serialize(CArchive &ar)
{
    CVariable::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteObject(m_getMethod);
        ar.WriteObject(m_setMethod);
        return;
    }
    m_getMethod =
        static_cast<CVarMethodDecl *>(ar.ReadOwnedObjectOrNull(RUNTIME_CLASS(CVarMethodDecl)));
    m_setMethod =
        static_cast<CVarMethodDecl *>(ar.ReadOwnedObjectOrNull(RUNTIME_CLASS(CVarMethodDecl)));
}

QString CBeanProp::FromDescriptor(const QString &type)
{
    QString out;
    out.reserve(type.size());
    for (qsizetype i = 0; i < type.size(); ++i) {
        const QChar c = type[i];
        if (c == QLatin1Char(';'))
            continue;
        if (c == QLatin1Char('L') && i > 0 && type[i - 1] == QLatin1Char('['))
            continue;
        out += c;
    }
    return out;
}

bool CBeanProp::ParseChar(char)
{
    CWordRing &ring = Ring();
    const int n = ring.InUse();
    auto brackets = [this](int i) { return i < m_bracketsBefore.size() ? m_bracketsBefore[i] : 0; };
    int i = 0;
    // Flag letters, each at most once and in this order; a letter counts
    // only where a type and a name still follow it, so that a type named I
    // (or the "[I" of an int array) stays the type.
    static const struct
    {
        std::string_view letter;
        int access;
    } kFlags[] = {{"H", AccessPublic}, {"I", AccessPrivate}, {"E", AccessProtected}};
    for (const auto &flag : kFlags) {
        if (i + 2 < n && brackets(i) == 0 && StartsWith(ring.Word(i), flag.letter) &&
            ring.Word(i).size() == 1) {
            m_access = flag.access;
            ++i;
        }
    }
    for (; i < n; ++i) {
        const std::string_view w = ring.Word(i);
        if (w == "class" || w == "interface")
            continue;
        if (ring.Kind(i) == CLanguage::TypeWord || ring.Kind(i) == CLanguage::None)
            break;
    }
    if (i < n) {
        m_type = JavaNames::ToQString(ring.Word(i));
        if (const int dims = brackets(i); dims > 0)
            m_type = FromDescriptor(QString(dims, QLatin1Char('[')) + m_type);
        if (i + 1 < n) {
            m_name = JavaNames::ToQString(ring.Word(i + 1));
            m_namePos = 0;
        }
        for (int k = i + 2; k < n && k < i + 4; ++k) {
            const std::string_view w = ring.Word(k);
            if (StartsWith(w, "set")) {
                if (!m_setMethod)
                    m_setMethod = NamedMethod(w);
            } else if (StartsWith(w, "get") || StartsWith(w, "is")) {
                if (!m_getMethod)
                    m_getMethod = NamedMethod(w);
            }
        }
    }
    m_bracketsBefore.clear();
    ring.Reset();
    m_inBody = 1;
    m_complete = 1;
    return false;
}

void CBeanProp::ReleaseChildren(std::vector<CVarObject *> &out)
{
    if (m_getMethod)
        out.push_back(m_getMethod);
    if (m_setMethod)
        out.push_back(m_setMethod);
    m_getMethod = m_setMethod = nullptr;
}

void CBeanProp::GetDescription(QString &text) const
{
    text = m_type + QLatin1Char(' ') + m_name + QStringLiteral("   GetMethod  - ") +
           MethodName(m_getMethod) + QStringLiteral("   SetMethod  - ") + MethodName(m_setMethod);
}

// --- CBeanObject

CBeanObject::CBeanObject(CElementConverter *parser, int line)
    : CVarContainer(parser, line, KindClass)
{
}

CBeanObject::~CBeanObject()
{
    DeleteChildren();
}

void CBeanObject::Serialize(CArchive &ar)
{
    CVarContainer::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteInt(m_value1);
        ar.WriteInt(m_value2);
        ar.WriteObjectList(m_interfaces);
        return;
    }
    m_value1 = ar.ReadInt();
    m_value2 = ar.ReadInt();
    ar.ReadObjectList(m_interfaces, RUNTIME_CLASS(CBeanListenInterface));
}

QList<CBeanProp *> CBeanObject::Properties() const
{
    QList<CBeanProp *> props;
    for (CVariable *v : m_variables) {
        if (auto *p = dynamic_cast<CBeanProp *>(v))
            props.append(p);
    }
    return props;
}

bool CBeanObject::ParseChar(char c)
{
    if (m_inBody)
        return ParseSectionChar(c);
    if (c != '{')
        return true;
    CWordRing &ring = Ring();
    const int k = ring.Find("class");
    if (k < 0 || k + 1 >= ring.InUse())
        return false; // no bean header: left incomplete
    m_name = JavaNames::ToQString(ring.Word(k + 1));
    m_namePos = ring.Position(k);
    m_startPos = ring.FirstPosition();
    m_inBody = 1;
    m_section = NoSection;
    ring.Reset();
    m_bracketsBefore.clear();
    return true;
}

bool CBeanObject::ParseSectionChar(char c)
{
    CWordRing &ring = Ring();
    switch (c) {
    case '{': {
        // A section of a name this program does not know is passed over.
        constexpr int kUnknownSection = 4;
        m_section = kUnknownSection;
        if (ring.InUse() > 0) {
            const QString word = JavaNames::ToQString(ring.Word(0));
            if (word.compare(QLatin1String("Properties"), Qt::CaseInsensitive) == 0)
                m_section = PropertiesSection;
            else if (word.compare(QLatin1String("Events"), Qt::CaseInsensitive) == 0)
                m_section = EventsSection;
            else if (word.compare(QLatin1String("Methods"), Qt::CaseInsensitive) == 0)
                m_section = MethodsSection;
        }
        ring.Reset();
        m_bracketsBefore.clear();
        m_arrayDims = 0;
        return true;
    }
    case '}':
        if (m_section == NoSection) {
            MarkEnd();
            m_inBody = 0;
            m_complete = 1;
            return false;
        }
        // The last entry of a list may lack its ';'.
        if ((m_section == PropertiesSection || m_section == EventsSection) && ring.InUse() > 0)
            ParseSectionChar(';');
        m_section = NoSection;
        ring.Reset();
        m_bracketsBefore.clear();
        return true;
    case '[':
        if (m_section == PropertiesSection) {
            const int at = ring.InUse();
            while (m_bracketsBefore.size() <= at)
                m_bracketsBefore.append(0);
            ++m_bracketsBefore[at];
        } else if (m_section == MethodsSection) {
            ++m_arrayDims;
        }
        return true;
    case ';':
        if (m_section == PropertiesSection) {
            auto *prop = new CBeanProp(m_parser, PendingLine() + 1, m_bracketsBefore);
            m_bracketsBefore.clear();
            prop->ParseChar(c);
            EndEntry(prop);
        } else if (m_section == EventsSection) {
            auto *events = new CBeanListenInterface(m_parser, PendingLine() + 1);
            events->ParseChar(c);
            EndEntry(events);
        } else {
            ring.Reset();
            m_arrayDims = 0;
        }
        return true;
    case '(':
        if (m_section == MethodsSection) {
            auto *method = new CVarMethodDecl(m_parser, 0, m_arrayDims);
            m_arrayDims = 0;
            m_currentChild = method;
            m_destination = ToMethods;
            if (!method->ParseChar(c))
                return ChildEnded(c);
        }
        return true;
    default:
        return true;
    }
}

bool CBeanObject::ChildEnded(char)
{
    CVarObject *child = m_currentChild;
    m_currentChild = nullptr;
    if (child && child->m_complete)
        EndEntry(child);
    else
        delete child; // an entry that could not be read is left out
    return true;
}

void CBeanObject::EndEntry(CVarObject *entry)
{
    entry->m_parser = nullptr;
    entry->ReadingEnded();
    if (entry->m_name.isEmpty()) {
        delete entry;
        return;
    }
    if (auto *prop = dynamic_cast<CBeanProp *>(entry))
        InsertByName(m_variables, static_cast<CVariable *>(prop));
    else if (auto *events = dynamic_cast<CBeanListenInterface *>(entry))
        InsertByName(m_interfaces, events);
    else
        InsertByName(m_methods, static_cast<CVarMethodDecl *>(entry));
}

void CBeanObject::ReadingEnded()
{
    // Entries went into their lists in name order already.
}

void CBeanObject::ReleaseChildren(std::vector<CVarObject *> &out)
{
    CVarContainer::ReleaseChildren(out);
    out.insert(out.end(), m_interfaces.cbegin(), m_interfaces.cend());
    m_interfaces.clear();
}

void CBeanObject::GetDescription(QString &text) const
{
    text = m_name;
}

int CBeanObject::GetImage() const
{
    return TreeImage::Bean;
}
