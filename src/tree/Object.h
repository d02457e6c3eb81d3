#pragma once

#include <QString>

class CArchive;
class CObject;

// Schema flag: a class declared with it reads every stored version and asks
// the archive which one it is reading (CArchive::GetObjectSchema).
inline constexpr quint32 VERSIONABLE_SCHEMA = 0x80000000u;

// Run-time class identity of a serialisable class: the name written into
// data files, its schema, a factory, and its base for IsDerivedFrom.
struct CRuntimeClass
{
    const char *m_lpszClassName;
    quint32 m_wSchema;               // may carry VERSIONABLE_SCHEMA
    CObject *(*m_pfnCreateObject)(); // null for abstract classes
    const CRuntimeClass *m_pBaseClass;

    CObject *CreateObject() const;
    bool IsDerivedFrom(const CRuntimeClass *base) const;
    bool IsVersionable() const { return (m_wSchema & VERSIONABLE_SCHEMA) != 0; }
    quint32 Schema() const { return m_wSchema & ~VERSIONABLE_SCHEMA; }

    // Registry of creatable classes, looked up by the stored class name.
    // Classes register themselves explicitly (see RegisterClass), never
    // through static constructors: a static library drops object files that
    // nothing references, and a reader must still be able to create them.
    static void RegisterClass(const CRuntimeClass *cls);
    static const CRuntimeClass *FromName(const QString &name);
};

class CObject
{
public:
    virtual ~CObject() = default;
    virtual const CRuntimeClass *GetRuntimeClass() const;
    virtual void Serialize(CArchive &ar);
    bool IsKindOf(const CRuntimeClass *cls) const;

    static const CRuntimeClass classCObject;
};

#define RUNTIME_CLASS(cls) (&cls::class##cls)

// In the class body of a serialisable class.
#define DECLARE_SERIAL(cls)                                                                        \
public:                                                                                            \
    static const CRuntimeClass class##cls;                                                         \
    const CRuntimeClass *GetRuntimeClass() const override;                                         \
    static CObject *CreateObject();

// For an abstract class that is part of a hierarchy but never stored itself.
#define DECLARE_DYNAMIC(cls)                                                                       \
public:                                                                                            \
    static const CRuntimeClass class##cls;                                                         \
    const CRuntimeClass *GetRuntimeClass() const override;

// In one source file. The class is still registered by a call to
// CRuntimeClass::RegisterClass(RUNTIME_CLASS(cls)) from its subsystem's
// registration function.
#define IMPLEMENT_SERIAL(cls, base, schema)                                                        \
    CObject *cls::CreateObject()                                                                   \
    {                                                                                              \
        return new cls;                                                                            \
    }                                                                                              \
    const CRuntimeClass cls::class##cls = {#cls, (schema), &cls::CreateObject,                     \
                                           RUNTIME_CLASS(base)};                                   \
    const CRuntimeClass *cls::GetRuntimeClass() const                                              \
    {                                                                                              \
        return RUNTIME_CLASS(cls);                                                                 \
    }

#define IMPLEMENT_DYNAMIC(cls, base)                                                               \
    const CRuntimeClass cls::class##cls = {#cls, 0, nullptr, RUNTIME_CLASS(base)};                 \
    const CRuntimeClass *cls::GetRuntimeClass() const                                              \
    {                                                                                              \
        return RUNTIME_CLASS(cls);                                                                 \
    }
