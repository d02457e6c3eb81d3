#pragma once

#include "javamodel/VarClass.h"

// A class declared in the body of a class or interface.
class CVarInnerClass : public CVarClass
{
    DECLARE_SERIAL(CVarInnerClass)
public:
    CVarInnerClass() = default;
    CVarInnerClass(CElementConverter *parser, int line, Kind kind, const QString &outerName);

    void Serialize(CArchive &ar) override;
    void GetDescription(QString &text) const override;
    using CVarObject::GetDescription;

    QString m_outerName;
};
