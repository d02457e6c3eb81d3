#pragma once

#include "javamodel/VarObject.h"

// A field: one declarator of a field declaration ("int a, b;" gives two).
class CVariable : public CVarObject
{
    DECLARE_SERIAL(CVariable)
public:
    CVariable() = default;
    CVariable(CElementConverter *parser, int line, int arrayDims = 0);

    bool ParseChar(char c) override;
    void GetDescription(QString &text) const override;
    bool WantsTypeArguments() const override { return !m_inBody; }
    using CVarObject::GetDescription;

    // Parse state.
    int m_braceDepth = 0;
    int m_parenDepth = 0;
    int m_angleDepth = 0;
    int m_arrayDims = 0;
    // Set when the variable ended at a '}' that closes its container (a
    // declaration without its ';'): the container reads that '}' itself.
    bool m_returnsChar = false;

private:
    void PushForNextDeclarator();
};
