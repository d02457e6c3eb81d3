#pragma once

#include "javamodel/VarContainer.h"

// A top-level interface (also an annotation type).
//
// Schema 5 adds the nested types that an interface body declares; schema 4
// and older files have none.
class CVarInterface : public CVarContainer
{
    DECLARE_SERIAL(CVarInterface)
public:
    CVarInterface() = default;
    CVarInterface(CElementConverter *parser, int line, Kind kind = KindInterface);
    ~CVarInterface() override;

    void Serialize(CArchive &ar) override;
    void ReleaseChildren(std::vector<CVarObject *> &out) override;
    void GetDescription(QString &text) const override;
    using CVarObject::GetDescription;
    bool IsExtensible() const override { return !m_final; }
    QList<CVarClass *> *InnerClasses() override { return &m_innerClasses; }
    QList<CVarInterface *> *InnerInterfaces() override { return &m_innerInterfaces; }

    QList<CVarClass *> m_innerClasses;
    QList<CVarInterface *> m_innerInterfaces;

protected:
    void ReadImplements(int) override {}
    CVarMethodDecl *MakeMethod(int line, int arrayDims) override;
};
