#include "javamodel/PackageObject.h"

#include "tree/Archive.h"

IMPLEMENT_SERIAL(CPackageObject, CFileObject, 1)

void CPackageObject::Serialize(CArchive &ar)
{
    if (ar.IsStoring())
        ar.WriteString(m_packageName);
    else
        m_packageName = ar.ReadString();
    CFileObject::Serialize(ar);
}
