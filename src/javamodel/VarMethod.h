#pragma once

#include "javamodel/VarMethodDecl.h"

class CVarClass;
class CVarContainer;

// A method or constructor with a body (or an abstract or native method of
// a class). The body is skipped by counting braces; only local classes are
// read in it.
class CVarMethod : public CVarMethodDecl
{
    DECLARE_SERIAL(CVarMethod)
public:
    CVarMethod();
    CVarMethod(CElementConverter *parser, int line, CVarContainer *owner, int arrayDims = 0);
    ~CVarMethod() override;

    void Serialize(CArchive &ar) override;
    bool ParseChar(char c) override;
    CVarObject *ReadingChild() const override;
    bool ChildEnded(char c) override;
    void ReadingEnded() override;
    void ReleaseChildren(std::vector<CVarObject *> &out) override;
    bool WantsTypeArguments() const override;
    bool IsDeclaration() const override { return false; }

    int m_braceDepth = 0;
    int m_parenPos = 0;
    CVarContainer *m_owner = nullptr; // not owned
    // Parse state: the local class being read; owned until it is finished.
    // Local classes are appended as they are read and put in name order
    // when the reading of the method ends.
    CVarClass *m_currentLocal = nullptr;
    // The parser puts CVarLocalClass elements here; an archive may hold any
    // class kind.
    QList<CVarClass *> m_localClasses;

protected:
    void ReadHeader() override;

private:
    bool ParseBodyChar(char c);
    bool StartLocal(CVarClass *local, char c);
    CVarClass *MakeLocal(int kind);
};
