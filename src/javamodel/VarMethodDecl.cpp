#include "javamodel/VarMethodDecl.h"

#include "javamodel/Argument.h"
#include "javamodel/ElementConverter.h"
#include "javamodel/JavaNames.h"
#include "javamodel/WordRing.h"
#include "tree/Archive.h"

IMPLEMENT_SERIAL(CVarMethodDecl, CVarObject, VERSIONABLE_SCHEMA | 4)

CVarMethodDecl::CVarMethodDecl()
{
    m_abstract = 1;
}

CVarMethodDecl::CVarMethodDecl(CElementConverter *parser, int line, int arrayDims)
    : CVarObject(parser, line), m_arrayDims(arrayDims)
{
    m_abstract = 1;
}

CVarMethodDecl::~CVarMethodDecl()
{
    DeleteChildren();
}

void CVarMethodDecl::ReleaseChildren(std::vector<CVarObject *> &out)
{
    out.insert(out.end(), m_arguments.cbegin(), m_arguments.cend());
    m_arguments.clear();
}

void CVarMethodDecl::Serialize(CArchive &ar)
{
    CVarObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteInt(m_synchronized);
        ar.WriteInt(m_native);
        ar.WriteObjectList(m_arguments);
        ar.WriteStringArray(m_throws);
        return;
    }
    const bool full = m_loadedSchema == 3 || m_loadedSchema == 4;
    if (full) {
        m_synchronized = ar.ReadInt();
        m_native = ar.ReadInt();
    }
    ar.ReadObjectList(m_arguments, RUNTIME_CLASS(CVariable));
    if (full)
        m_throws = ar.ReadStringArray();
}

bool CVarMethodDecl::CanOverride() const
{
    return !m_type.isEmpty() && m_complete && !m_static && !m_final && m_access != AccessPrivate;
}

bool CVarMethodDecl::IsEqual(const CVarObject *other) const
{
    if (!CVarObject::IsEqual(other))
        return false;
    const auto *method = dynamic_cast<const CVarMethodDecl *>(other);
    if (!method || method->m_arguments.size() != m_arguments.size())
        return false;
    for (qsizetype i = 0; i < m_arguments.size(); ++i) {
        if (m_arguments[i]->m_type != method->m_arguments[i]->m_type)
            return false;
    }
    return true;
}

bool CVarMethodDecl::ShortenNames()
{
    CVarObject::ShortenNames();
    for (CVariable *a : std::as_const(m_arguments))
        a->ShortenNames();
    return true;
}

void CVarMethodDecl::GetDescription(QString &text) const
{
    text.resize(0);
    if (m_synchronized)
        text += QLatin1String("Sync ");
    text += JavaNames::ShortenType(m_type);
    if (!text.isEmpty())
        text += QLatin1Char(' ');
    text += m_name;
    text += QLatin1Char('(');
    if (m_arguments.isEmpty())
        text += QLatin1Char(' ');
    for (qsizetype i = 0; i < m_arguments.size(); ++i) {
        if (i)
            text += QLatin1String(", ");
        text += JavaNames::ShortenType(m_arguments[i]->m_type);
    }
    text += QLatin1Char(')');
    if (!m_throws.isEmpty()) {
        text += QLatin1String(" throws ");
        for (qsizetype i = 0; i < m_throws.size(); ++i) {
            if (i)
                text += QLatin1String(", ");
            text += JavaNames::Shorten(m_throws[i]);
        }
    }
}

void CVarMethodDecl::CopyHeaderFrom(const CVarMethodDecl &other)
{
    m_name = other.m_name;
    m_type = other.m_type;
    m_startLine = other.m_startLine;
    m_endLine = other.m_endLine;
    m_access = other.m_access;
    m_static = other.m_static;
    m_final = other.m_final;
    m_synchronized = other.m_synchronized;
    m_native = other.m_native;
    m_complete = other.m_complete;
    m_throws = other.m_throws;
    for (const CVariable *a : other.m_arguments) {
        auto *copy = new CArgument;
        copy->m_name = a->m_name;
        copy->m_type = a->m_type;
        copy->m_startLine = a->m_startLine;
        copy->m_endLine = a->m_endLine;
        copy->m_access = a->m_access;
        copy->m_inBody = a->m_inBody;
        copy->m_complete = a->m_complete;
        copy->m_static = a->m_static;
        copy->m_final = a->m_final;
        copy->m_abstract = a->m_abstract;
        m_arguments.append(copy);
    }
}

void CVarMethodDecl::TakeHeaderFrom(CVarMethodDecl &decl)
{
    m_name = decl.m_name;
    m_type = decl.m_type;
    m_startLine = decl.m_startLine;
    m_startPos = decl.m_startPos;
    m_namePos = decl.m_namePos;
    m_access = decl.m_access;
    m_static = decl.m_static;
    m_final = decl.m_final;
    m_abstract = 0;
    m_synchronized = decl.m_synchronized;
    m_native = decl.m_native;
    m_throws = decl.m_throws;
    m_arguments = std::move(decl.m_arguments);
    decl.m_arguments.clear();
    m_argsClosed = decl.m_argsClosed;
    m_inArgs = 0;
}

void CVarMethodDecl::ReadHeader()
{
    ReadModifiers(true, &m_synchronized, &m_native);
    ReadTypeAndName(m_arrayDims);
}

void CVarMethodDecl::AddArgument()
{
    CWordRing &ring = Ring();
    if (ring.InUse() > 0) {
        auto *arg = new CArgument(m_parser, m_startLine);
        arg->ReadModifiers(false);
        arg->ReadTypeAndName(m_arrayDims);
        arg->m_inBody = 1;
        arg->m_complete = 1;
        arg->m_namePos = 0;
        arg->m_parser = nullptr;
        // A receiver parameter ("Outer this") is no parameter of the method.
        if (arg->m_name == QLatin1String("this"))
            delete arg;
        else
            m_arguments.append(arg);
    }
    ring.Reset();
    m_arrayDims = 0;
}

void CVarMethodDecl::ReadThrows(bool reset)
{
    CWordRing &ring = Ring();
    const int n = ring.InUse();
    if (n > 0 && ring.Word(0) == "throws") {
        for (int i = 1; i < n; ++i)
            m_throws.append(JavaNames::Shorten(
                JavaNames::ToQString(JavaNames::StripTypeArguments(ring.Word(i)))));
    }
    if (reset)
        ring.Reset();
}

bool CVarMethodDecl::ParseArgumentChar(char c)
{
    switch (c) {
    case '[':
        ++m_arrayDims;
        break;
    case ',':
        AddArgument();
        break;
    case ')':
        AddArgument();
        m_inArgs = 0;
        m_argsClosed = true;
        break;
    default:
        break;
    }
    return true;
}

bool CVarMethodDecl::ParseChar(char c)
{
    if (c == ';') {
        ReadThrows(true);
        m_complete = 1;
        return false;
    }
    if (m_inArgs)
        return ParseArgumentChar(c);
    if (c == '(' && !m_argsClosed) {
        m_inArgs = 1;
        ReadHeader();
        Ring().Reset();
        m_arrayDims = 0;
    }
    return true;
}
