#pragma once

#include "javamodel/VarInnerClass.h"

// A class declared in a method body.
class CVarLocalClass : public CVarInnerClass
{
    DECLARE_SERIAL(CVarLocalClass)
public:
    CVarLocalClass() = default;
    CVarLocalClass(CElementConverter *parser, int line, Kind kind, const QString &outerName,
                   const QString &methodName, int localNumber);

    void Serialize(CArchive &ar) override;
    void GetDescription(QString &text) const override;
    using CVarObject::GetDescription;

    QString m_methodName;
    // Its number among the local classes of the outer class (Outer$1Name);
    // not stored.
    int m_localNumber = 0;
};
