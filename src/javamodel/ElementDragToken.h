#pragma once

#include <QByteArray>
#include <QString>

class CVarContainer;
class CVarObject;
class QMimeData;

// What a drag of an element from a tree carries: the element and, for a
// method, the type that declares it. Written as a marker text: the format
// word of its kind and the token's address in decimal. The address means
// something only inside the running process, so the drag data also names
// the process, and a drop from any other process is refused.
class CElementDragToken
{
public:
    enum Kind { Method, Class, Interface, ProjectClass };

    CElementDragToken(Kind kind, CVarObject *element, CVarContainer *owner = nullptr);
    ~CElementDragToken();
    CElementDragToken(const CElementDragToken &) = delete;
    CElementDragToken &operator=(const CElementDragToken &) = delete;

    // The token for a dragged element: a method (with its owner), a class
    // or an interface; null for anything else. fromProject makes a class's
    // token the project view's kind.
    static CElementDragToken *Create(CVarObject *element, CVarContainer *owner, bool fromProject);

    Kind GetKind() const { return m_kind; }
    CVarObject *Element() const { return m_element; }
    CVarContainer *Owner() const { return m_owner; }

    static const char *FormatWord(Kind kind);
    QString Marker() const;
    // The live token a marker names, or null (unknown word, no such token).
    static CElementDragToken *FromMarker(const QString &marker);

    // Mavu's own drag format.
    static QString MimeType();
    // The drag data: this process's id and the marker.
    void Store(QMimeData &mime) const;
    // The token in drag data, or null when there is none or it comes from
    // another process.
    static CElementDragToken *FromMime(const QMimeData &mime);

private:
    Kind m_kind;
    CVarObject *m_element;  // not owned
    CVarContainer *m_owner; // not owned
};
