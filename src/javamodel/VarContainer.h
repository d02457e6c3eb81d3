#pragma once

#include "javamodel/VarObject.h"

#include <QList>

class CVarBlock;
class CVarClass;
class CVarInterface;
class CVarMethod;
class CVarMethodDecl;
class CVariable;
class CWordRing;

// Base of classes, interfaces and beans: the member lists and the reading of
// a type declaration's header and body, shared by classes and interfaces.
class CVarContainer : public CVarObject
{
    DECLARE_SERIAL(CVarContainer)
public:
    // What declared the type. Enums and records are classes, annotation
    // types are interfaces; the kind only steers the reading of the body
    // and is not stored.
    enum Kind { KindClass, KindInterface, KindEnum, KindRecord, KindAnnotation };
    // The list a finished member goes to.
    enum Destination { ToMethods, ToVariables, ToBlocks, ToInnerClasses, ToInnerInterfaces };

    CVarContainer() = default;
    CVarContainer(CElementConverter *parser, int line, Kind kind);
    ~CVarContainer() override;

    void Serialize(CArchive &ar) override;
    bool ParseChar(char c) override;
    CVarObject *ReadingChild() const override { return m_currentChild; }
    void BeforeChildChar(char c) override;
    bool ChildEnded(char c) override;
    void ReadingEnded() override;
    void ReleaseChildren(std::vector<CVarObject *> &out) override;
    bool ShortenNames() override;
    bool WantsTypeArguments() const override;

    // TRUE for classes (and enums and records), FALSE for interfaces and beans.
    virtual bool IsClass() const { return false; }
    // Nested types declared in the body; null where the kind keeps none.
    virtual QList<CVarClass *> *InnerClasses() { return nullptr; }
    virtual QList<CVarInterface *> *InnerInterfaces() { return nullptr; }
    const QList<CVarClass *> *InnerClasses() const
    {
        return const_cast<CVarContainer *>(this)->InnerClasses();
    }
    const QList<CVarInterface *> *InnerInterfaces() const
    {
        return const_cast<CVarContainer *>(this)->InnerInterfaces();
    }

    // Index of the first of the ring's words that starts a nested or local
    // type ("class", "interface" or "enum"), -1 if none; *kind gets the kind
    // it declares.
    static int FindTypeKeyword(const CWordRing &ring, Kind *kind);

    // A static method named exactly "main" (arguments and return type are
    // not looked at).
    bool HasMain() const;
    // The first method with start line < line < end line.
    CVarMethodDecl *FindMethodAtLine(int line) const;
    // The first method that IsEqual to element.
    CVarMethodDecl *FindMember(const CVarObject *element) const;
    bool HasMember(const CVarObject *element) const { return FindMember(element) != nullptr; }
    // Copies of a method (name, type, lines, access, modifiers, arguments)
    // put in name order, starting at line.
    CVarMethod *AddMethodCopy(const CVarMethodDecl *method, int line);
    CVarMethodDecl *AddMethodDeclCopy(const CVarMethodDecl *method, int line);

    QString m_baseName;
    // Parse state: the member being read and the list it goes to when done.
    // Until then nobody else owns it, so the container deletes it. Members
    // are appended as they are read and put in name order when the reading
    // of the container ends (ReadingEnded).
    CVarObject *m_currentChild = nullptr;
    Destination m_destination = ToMethods;
    QList<CVarMethodDecl *> m_methods; // CVarMethod or CVarMethodDecl
    QList<CVariable *> m_variables;
    QList<CVarBlock *> m_blocks; // not stored
    int m_arrayDims = 0;
    QString m_sourceFile;
    // Raised by each local class one of the methods declares; not stored.
    int m_localClassCounter = 0;
    Kind m_kind = KindClass;
    // Declared sealed (not non-sealed); not stored.
    int m_sealed = 0;

protected:
    // The words of the header in the ring: modifiers, the keyword of the
    // kind, the name, what it extends (and implements). FALSE when the
    // keyword is missing.
    virtual bool ReadHeader();
    // Appends the names after "implements" (from ring index `from`) up to
    // "permits" to the interfaces; classes only.
    virtual void ReadImplements(int from);
    // A method of this kind of type, about to get its '('.
    virtual CVarMethodDecl *MakeMethod(int line, int arrayDims);
    const char *HeaderKeyword() const;

private:
    bool ParseHeaderChar(char c);
    bool ParseBodyChar(char c);
    bool ParseEnumConstantChar(char c);
    bool StartChild(CVarObject *child, Destination dest, char c);
    bool ChildFinished(char c);
    void Insert(CVarObject *child, Destination dest);
    void AddComponent();
    bool IsRecordHeader() const;
    bool IsCompactConstructor() const;
    bool MemoryError();

    // Record components in source order (owned by m_variables).
    QList<CVariable *> m_components;
    int m_componentState = 0; // 0 before '(', 1 inside, 2 after ')'
    // Enum constants come first in an enum body: their arguments and bodies
    // are skipped; the ';' after them (or the closing '}') ends them.
    bool m_inConstants = false;
    int m_skipParens = 0;
    int m_skipBraces = 0;
};
