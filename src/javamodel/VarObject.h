#pragma once

#include "tree/Object.h"

#include <QString>
#include <string_view>
#include <vector>

class CElementConverter;
class CWordRing;

// Base of every element of a parsed Java source: a name, the lines and
// positions where it starts and ends, its modifiers and its type. The
// recogniser (CElementConverter and its subclasses) makes elements and feeds
// them delimiters through ParseChar; the class view, the class wizard, the
// package database and the bean tree read them.
class CVarObject : public CObject
{
    DECLARE_SERIAL(CVarObject)
public:
    enum Access { AccessNone = 0, AccessPublic = 1, AccessProtected = 2, AccessPrivate = 3 };

    // Made for loading from an archive: access starts protected (the load
    // overwrites it).
    CVarObject();
    // Made by the recogniser at the given 1-based line.
    CVarObject(CElementConverter *parser, int line);
    ~CVarObject() override;

    void Serialize(CArchive &ar) override;

    // A delimiter of code while this element is being read and no element
    // inside it is; FALSE when the element is finished (m_complete tells
    // whether it saw its end).
    virtual bool ParseChar(char c);

    // Elements nest as deep as the source does. The recogniser keeps the
    // chain of elements being read itself and hands each delimiter to the
    // innermost, so that neither the stack nor the time per delimiter grows
    // with the depth; these are the element's side of that.
    //
    // The element being read inside this one (a member, a local class).
    virtual CVarObject *ReadingChild() const { return nullptr; }
    // c goes to ReadingChild() next; this element may replace that child
    // first.
    virtual void BeforeChildChar(char) {}
    // ReadingChild() finished on c (its ParseChar answered FALSE): this
    // element takes it over or frees it, and answers for c as ParseChar does.
    virtual bool ChildEnded(char) { return false; }
    // The reading of this element is over (it finished, or the text ended
    // inside it): put what it gathered in source order into its final order.
    virtual void ReadingEnded() {}
    // A word of a GUI-builder resource entry; FALSE when the entry ends.
    virtual bool ParseResource(const QString &word, int pos);
    // Frees the elements this one owns (members, nested and local classes,
    // arguments), however deep they nest.
    void DeleteChildren();
    // Moves the elements this one owns to out, leaving it none.
    virtual void ReleaseChildren(std::vector<CVarObject *> &out);
    // Deletes the elements and everything they own, without recursion.
    static void DeleteElements(std::vector<CVarObject *> &elements);
    virtual bool CanOverride() const;
    virtual void GetDescription(QString &text) const;
    virtual bool IsEqual(const CVarObject *other) const;
    // Index into the shared tree image list, chosen by access.
    virtual int GetImage() const;
    virtual bool IsExtensible() const;
    virtual QString GetName() const { return m_name; }
    virtual bool ShortenNames();
    // While being read: would a '<' here open type arguments (a declaration
    // header) rather than be an operator (an initializer, a body)?
    virtual bool WantsTypeArguments() const { return false; }

    QString GetDescription() const
    {
        QString s;
        GetDescription(s);
        return s;
    }

    QString m_name;
    int m_startLine = 0;
    int m_endLine = 0;
    int m_startPos = 0;
    int m_endPos = 0;
    int m_namePos = 0;
    int m_access = AccessNone;
    int m_inBody = 0;
    int m_complete = 0;
    int m_static = 0;
    int m_final = 0;
    int m_abstract = 0;
    QString m_type;
    int m_loadedSchema = 0; // schema of the last load; not stored

    // The recogniser this element was made by; null for loaded elements.
    CElementConverter *m_parser = nullptr;

    // Helpers of the recogniser's elements (valid while m_parser is set).
    CWordRing &Ring() const;
    int PendingLine() const;
    int CurrentPosition() const;
    // Reads access and the static, final (and abstract) flags from every word
    // in the ring; methods also read synchronized and native.
    void ReadModifiers(bool lookForAbstract, int *synchronizedFlag = nullptr,
                       int *nativeFlag = nullptr);
    // Finds the type (the first word that is a type word or no keyword, with
    // "[]" per array dimension) and the name (the word after it) among the
    // ring words from index `from`. Returns the name's index, -1 if none.
    int ReadTypeAndName(int dims, int from = 0);
    // Ends the element at the current delimiter: end line and position.
    void MarkEnd();
    // Do the ring's words say "record Name" right before a '(', after
    // nothing but modifiers? Then a record declaration begins.
    bool RingStartsRecord() const;
};

// Shared by the element classes: the words the recogniser treats as
// modifiers in front of a declaration.
bool IsModifierWord(std::string_view word, int kind);
