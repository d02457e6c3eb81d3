#include "tree/Object.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

const CRuntimeClass CObject::classCObject = {"CObject", 0, nullptr, nullptr};

const CRuntimeClass *CObject::GetRuntimeClass() const
{
    return &classCObject;
}

void CObject::Serialize(CArchive &)
{
}

bool CObject::IsKindOf(const CRuntimeClass *cls) const
{
    return GetRuntimeClass()->IsDerivedFrom(cls);
}

CObject *CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass *base) const
{
    if (!base)
        return false;
    for (const CRuntimeClass *cls = this; cls; cls = cls->m_pBaseClass) {
        if (cls == base)
            return true;
    }
    return false;
}

namespace {

// Index loaders read archives on worker threads, so the registry is shared
// and guarded; registration itself happens once at start-up.
struct ClassRegistry
{
    QMutex mutex;
    QHash<QString, const CRuntimeClass *> byName;
};

ClassRegistry &Registry()
{
    static ClassRegistry registry;
    return registry;
}

} // namespace

void CRuntimeClass::RegisterClass(const CRuntimeClass *cls)
{
    if (!cls)
        return;
    ClassRegistry &reg = Registry();
    QMutexLocker lock(&reg.mutex);
    const QString name = QString::fromLatin1(cls->m_lpszClassName);
    const CRuntimeClass *existing = reg.byName.value(name);
    // Two classes with one stored name would make files ambiguous to read.
    Q_ASSERT_X(!existing || existing == cls, "CRuntimeClass::RegisterClass",
               "two classes registered under one name");
    if (!existing)
        reg.byName.insert(name, cls);
}

const CRuntimeClass *CRuntimeClass::FromName(const QString &name)
{
    ClassRegistry &reg = Registry();
    QMutexLocker lock(&reg.mutex);
    return reg.byName.value(name);
}
