#pragma once

#include "javamodel/VarContainer.h"

#include <QStringList>

class CVarInterface;

// A top-level class (also an enum or a record).
class CVarClass : public CVarContainer
{
    DECLARE_SERIAL(CVarClass)
public:
    CVarClass() = default;
    CVarClass(CElementConverter *parser, int line, Kind kind = KindClass);
    ~CVarClass() override;

    void Serialize(CArchive &ar) override;
    void ReleaseChildren(std::vector<CVarObject *> &out) override;
    void GetDescription(QString &text) const override;
    using CVarObject::GetDescription;
    bool IsExtensible() const override { return !m_final; }
    bool IsClass() const override { return true; }
    QList<CVarClass *> *InnerClasses() override { return &m_innerClasses; }
    QList<CVarInterface *> *InnerInterfaces() override { return &m_innerInterfaces; }

    QStringList m_interfaces; // implemented interfaces, package prefixes removed
    // The parser puts CVarInnerClass and CVarInnerInterface elements here;
    // an archive may hold any class (interface) kind.
    QList<CVarClass *> m_innerClasses;
    QList<CVarInterface *> m_innerInterfaces;

protected:
    void ReadImplements(int from) override;
    // " extends Base implements A, B" as the descriptions show it.
    void AppendHeritage(QString &text) const;
};
