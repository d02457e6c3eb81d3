#pragma once

#include "javamodel/VarContainer.h"
#include "javamodel/Variable.h"

#include <QList>

class CVarMethodDecl;

// What introspection found about one bean, as elements of the source model
// so that the tree views show them like any other members. DumpBean writes
// them as text (see java/DumpBean.java) and CBeanConverter reads it.

// A method of a listener interface that the bean fires (actionPerformed).
class CBeanEvent : public CVarObject
{
    DECLARE_SERIAL(CBeanEvent)
public:
    CBeanEvent() = default;
    explicit CBeanEvent(const QString &name);

    void GetDescription(QString &text) const override;
    using CVarObject::GetDescription;
    int GetImage() const override;
};

// One event set of the bean: its name, the listener interface (the type),
// the bean's add and remove methods for it and the listener's methods.
//
// Entry text: "LISTENER.TYPE SETNAME [addX] [removeX] [method...];" where
// the two words after the set name are the add and remove methods when
// they begin with "add" and "remove"; every further word is a method of the
// listener.
class CBeanListenInterface : public CVarObject
{
    DECLARE_SERIAL(CBeanListenInterface)
public:
    CBeanListenInterface() = default;
    CBeanListenInterface(CElementConverter *parser, int line);
    ~CBeanListenInterface() override;

    void Serialize(CArchive &ar) override;
    bool ParseChar(char c) override;
    void ReleaseChildren(std::vector<CVarObject *> &out) override;
    void GetDescription(QString &text) const override;
    using CVarObject::GetDescription;
    int GetImage() const override;

    CVarMethodDecl *m_addMethod = nullptr;    // owned, may be null
    CVarMethodDecl *m_removeMethod = nullptr; // owned, may be null
    QList<CBeanEvent *> m_events;             // owned, in name order
};

// One property: its type and name, and the methods that read and write it.
//
// Entry text: "[H] [I] [E] TYPE NAME [getter] [setter];" The flag letters
// (hidden, indexed, expert) choose the image through the access field. An
// array type comes in the JVM's descriptor form ("[Ljava.lang.String"):
// its '[' characters are delimiters, so the bean object counts them in
// front of each ring word and hands the counts over; the type text is then
// the brackets and the word with the 'L' after a '[' dropped (and any ';').
class CBeanProp : public CVariable
{
    DECLARE_SERIAL(CBeanProp)
public:
    CBeanProp() = default;
    // bracketsBefore[i]: the '[' delimiters that came right before ring word
    // i of this entry.
    CBeanProp(CElementConverter *parser, int line, QList<int> bracketsBefore);
    ~CBeanProp() override;

    void Serialize(CArchive &ar) override;
    bool ParseChar(char c) override;
    void ReleaseChildren(std::vector<CVarObject *> &out) override;
    // "TYPE NAME   GetMethod  - getX   SetMethod  - None"
    void GetDescription(QString &text) const override;
    using CVarObject::GetDescription;

    // The descriptor-form rewrite of a type text: ';' dropped, and an 'L'
    // right after a '[' dropped ("[Ljava.lang.String;" gives
    // "[java.lang.String").
    static QString FromDescriptor(const QString &type);

    CVarMethodDecl *m_getMethod = nullptr; // owned, may be null
    CVarMethodDecl *m_setMethod = nullptr; // owned, may be null

private:
    QList<int> m_bracketsBefore; // parse state
};

// The bean: a container whose variables are the properties, whose methods
// are the bean's methods, and which keeps the event sets beside them. It
// reads the converter's text itself: "class NAME {", then the sections
// "Properties { ... }", "Events { ... }" and "Methods { ... }" in any
// order, then "}".
class CBeanObject : public CVarContainer
{
    DECLARE_SERIAL(CBeanObject)
public:
    enum Section { NoSection = 0, PropertiesSection = 1, EventsSection = 2, MethodsSection = 3 };

    CBeanObject() = default;
    CBeanObject(CElementConverter *parser, int line);
    ~CBeanObject() override;

    void Serialize(CArchive &ar) override;
    bool ParseChar(char c) override;
    void BeforeChildChar(char) override {}
    bool ChildEnded(char c) override;
    void ReadingEnded() override;
    void ReleaseChildren(std::vector<CVarObject *> &out) override;
    void GetDescription(QString &text) const override;
    using CVarObject::GetDescription;
    int GetImage() const override;

    QList<CBeanProp *> Properties() const;

    // Kept for the file and read back unchanged; the program sets no
    // meaning on them yet.
    qint32 m_value1 = 0;
    qint32 m_value2 = 0;
    QList<CBeanListenInterface *> m_interfaces; // owned, in name order

private:
    bool ParseSectionChar(char c);
    void EndEntry(CVarObject *entry);

    int m_section = NoSection;
    QList<int> m_bracketsBefore; // '[' counts by ring index, this entry
};
