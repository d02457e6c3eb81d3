#include "javamodel/ElementDragToken.h"

#include "javamodel/VarContainer.h"
#include "javamodel/VarMethodDecl.h"

#include <QCoreApplication>
#include <QMimeData>
#include <QSet>

namespace {

// The tokens alive now: a marker is turned back into a token only when it
// names one of them.
QSet<const CElementDragToken *> &LiveTokens()
{
    static QSet<const CElementDragToken *> tokens;
    return tokens;
}

constexpr CElementDragToken::Kind kOrder[] = {CElementDragToken::Method, CElementDragToken::Class,
                                              CElementDragToken::Interface,
                                              CElementDragToken::ProjectClass};

} // namespace

CElementDragToken::CElementDragToken(Kind kind, CVarObject *element, CVarContainer *owner)
    : m_kind(kind), m_element(element), m_owner(owner)
{
    LiveTokens().insert(this);
}

CElementDragToken::~CElementDragToken()
{
    LiveTokens().remove(this);
}

CElementDragToken *CElementDragToken::Create(CVarObject *element, CVarContainer *owner,
                                             bool fromProject)
{
    if (!element || element->m_name.isEmpty())
        return nullptr;
    if (auto *type = dynamic_cast<CVarContainer *>(element)) {
        if (!type->IsClass())
            return new CElementDragToken(Interface, element);
        return new CElementDragToken(fromProject ? ProjectClass : Class, element);
    }
    if (dynamic_cast<CVarMethodDecl *>(element) && owner)
        return new CElementDragToken(Method, element, owner);
    return nullptr;
}

const char *CElementDragToken::FormatWord(Kind kind)
{
    switch (kind) {
    case Method:
        return "MAVUMETHOD";
    case Class:
        return "MAVUCLASS";
    case Interface:
        return "MAVUIFACE";
    case ProjectClass:
        return "MAVUPROJCLASS";
    }
    return "";
}

QString CElementDragToken::Marker() const
{
    return QLatin1String(FormatWord(m_kind)) + QString::number(reinterpret_cast<quintptr>(this));
}

CElementDragToken *CElementDragToken::FromMarker(const QString &marker)
{
    for (Kind kind : kOrder) {
        const QLatin1String word(FormatWord(kind));
        if (!marker.startsWith(word))
            continue;
        bool ok = false;
        const quintptr address = marker.mid(word.size()).toULongLong(&ok);
        if (!ok)
            continue; // "MAVUCLASS" is a prefix of nothing else, but be exact
        auto *token = reinterpret_cast<CElementDragToken *>(address);
        if (LiveTokens().contains(token) && token->m_kind == kind)
            return token;
    }
    return nullptr;
}

QString CElementDragToken::MimeType()
{
    return QStringLiteral("application/x-mavu-element");
}

void CElementDragToken::Store(QMimeData &mime) const
{
    const QByteArray data =
        QByteArray::number(QCoreApplication::applicationPid()) + ' ' + Marker().toLatin1();
    mime.setData(MimeType(), data);
}

CElementDragToken *CElementDragToken::FromMime(const QMimeData &mime)
{
    if (!mime.hasFormat(MimeType()))
        return nullptr;
    const QByteArray data = mime.data(MimeType());
    const qsizetype blank = data.indexOf(' ');
    if (blank <= 0)
        return nullptr;
    bool ok = false;
    const qint64 pid = data.left(blank).toLongLong(&ok);
    if (!ok || pid != QCoreApplication::applicationPid())
        return nullptr;
    return FromMarker(QString::fromLatin1(data.mid(blank + 1)));
}
