#pragma once

#include <QList>
#include <QString>

class CClassLookup;
class CVarContainer;
class CVarMethodDecl;

// Where the class wizard's text goes: an editor, as the wizard sees it. The
// text enters as a paste would (at the caret, one undo step).
class CWizardEditor
{
public:
    virtual ~CWizardEditor() = default;
    virtual QString Text() const = 0;
    // Caret to the start of a 1-based line (past the end: the end).
    virtual void GoToLine(int line) = 0;
    virtual void GoToEnd() = 0;
    virtual void TakeFocus() = 0;
    // False when the text could not be handed over; nothing is inserted.
    virtual bool Paste(const QString &text) = 0;
    // Replaces the text of a 1-based line (without its line end) as a paste.
    virtual bool ReplaceLine(int line, const QString &text) = 0;
};

// The class wizard: Java text written for the user from parsed elements —
// a method overriding a base's, all methods of a base at once, a new class
// or interface, a javadoc skeleton.
//
// Whether a class's base is a parent of the class is followed through a
// class lookup (the package database, or the open files' classes).
class CClassWizard
{
public:
    enum Check { MayAdd = 0, NotAParent = 1, AlreadyDefined = 2 };

    // The method's text: with indent an indented method, with a body an
    // empty one; without indent a declaration ending in ";\n".
    static QString FormatCode(const CVarMethodDecl &method, bool indent, bool withBody);
    // The same with another access (interface methods written into a class
    // are public).
    static QString FormatCode(const CVarMethodDecl &method, bool indent, bool withBody, int access);
    static QString JavadocText(const CVarMethodDecl &method);
    static QString NewClassText(const QString &name, const QString &baseName,
                                const QList<const CVarContainer *> &interfaces, bool constructor);
    static QString NewInterfaceText(const QString &name, const QString &baseName);

    // Whether owner (the type that declares the method) is a parent of
    // target: its base chain through lookup, and for an interface owner
    // also the names target implements.
    static bool IsParentOf(const CVarContainer &owner, const CVarContainer &target,
                           const CClassLookup *lookup);
    static Check CheckOverride(const CVarContainer &target, const CVarMethodDecl &method,
                               const CVarContainer &owner, const CClassLookup *lookup);

    // A method of owner dropped on a line of the editor: pasted at that line
    // of the class or interface there, unless the checks refuse (with a
    // message). Nothing happens outside any class. True when pasted.
    static bool DropMethod(CWizardEditor &editor, int line, const CVarMethodDecl &method,
                           const CVarContainer &owner, const CClassLookup *lookup);
    // Every method of base that the class at line does not have yet, as
    // bodiless methods from that line on. Returns how many were pasted.
    static int OverrideAll(CWizardEditor &editor, int line, const CVarContainer &base);
    // The javadoc skeleton of method at line (where the comment belongs).
    static bool GenerateJavadoc(CWizardEditor &editor, int line, const CVarMethodDecl &method);
    // New class or interface at the end of the text.
    static bool AddNewClass(CWizardEditor &editor, const QString &name, const QString &baseName,
                            const QList<const CVarContainer *> &interfaces, bool constructor);
    static bool AddNewInterface(CWizardEditor &editor, const QString &name,
                                const QString &baseName);
    // Adds an interface to the implements clause of the class named
    // className, rewriting its declaration line; refused with a message when
    // the name is not where the parse found it.
    static bool EditDeclaration(CWizardEditor &editor, const QString &className,
                                const QString &addInterface);
};
