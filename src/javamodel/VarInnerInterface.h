#pragma once

#include "javamodel/VarInterface.h"

// An interface declared in the body of a class or interface.
class CVarInnerInterface : public CVarInterface
{
    DECLARE_SERIAL(CVarInnerInterface)
public:
    CVarInnerInterface() = default;
    CVarInnerInterface(CElementConverter *parser, int line, Kind kind, const QString &outerName);

    void Serialize(CArchive &ar) override;

    QString m_outerName;
};
