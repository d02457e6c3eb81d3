#pragma once

#include "javamodel/VarObject.h"

#include <QList>
#include <QStringList>

class CVariable;

// A method without body: an interface method, an abstract or native method.
class CVarMethodDecl : public CVarObject
{
    DECLARE_SERIAL(CVarMethodDecl)
public:
    CVarMethodDecl();
    CVarMethodDecl(CElementConverter *parser, int line, int arrayDims = 0);
    ~CVarMethodDecl() override;

    void Serialize(CArchive &ar) override;
    bool ParseChar(char c) override;
    void ReleaseChildren(std::vector<CVarObject *> &out) override;
    bool CanOverride() const override;
    void GetDescription(QString &text) const override;
    using CVarObject::GetDescription;
    // Same name and return type, and argument types equal in order.
    bool IsEqual(const CVarObject *other) const override;
    bool IsExtensible() const override { return CanOverride(); }
    bool ShortenNames() override;
    bool WantsTypeArguments() const override { return !m_complete; }
    virtual bool IsDeclaration() const { return true; }

    // The argument list closed and no ';' came yet.
    bool AwaitsBodyOrEnd() const { return m_argsClosed && !m_complete; }
    // The header is read already (a record's compact constructor).
    void SetHeaderDone() { m_argsClosed = true; }
    // Takes over the header of decl (name, type, modifiers, arguments, lines).
    void TakeHeaderFrom(CVarMethodDecl &decl);
    // Copies the header of other, with copies of its arguments.
    void CopyHeaderFrom(const CVarMethodDecl &other);

    QStringList m_throws; // package prefixes removed
    int m_inArgs = 0;
    // The parser puts CArgument elements here; an archive may hold any
    // variable kind.
    QList<CVariable *> m_arguments;
    int m_deprecated = 0; // not stored
    int m_synchronized = 0;
    int m_native = 0;
    int m_arrayDims = 0;

protected:
    // The header at '(': modifiers, return type and name.
    virtual void ReadHeader();
    bool ParseArgumentChar(char c);
    void ReadThrows(bool reset);

    bool m_argsClosed = false;

private:
    void AddArgument();
};
