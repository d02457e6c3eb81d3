#include "javamodel/JavaModel.h"

#include "javamodel/Argument.h"
#include "javamodel/PackageObject.h"
#include "javamodel/VarBlockComment.h"
#include "javamodel/VarImport.h"
#include "javamodel/VarInnerInterface.h"
#include "javamodel/VarLocalClass.h"
#include "javamodel/VarMethod.h"
#include "javamodel/VarPackage.h"

void RegisterJavaModelClasses()
{
    const CRuntimeClass *const classes[] = {
        RUNTIME_CLASS(CVarObject),         RUNTIME_CLASS(CVariable),
        RUNTIME_CLASS(CArgument),          RUNTIME_CLASS(CVarContainer),
        RUNTIME_CLASS(CVarClass),          RUNTIME_CLASS(CVarInnerClass),
        RUNTIME_CLASS(CVarLocalClass),     RUNTIME_CLASS(CVarInterface),
        RUNTIME_CLASS(CVarInnerInterface), RUNTIME_CLASS(CVarMethodDecl),
        RUNTIME_CLASS(CVarMethod),         RUNTIME_CLASS(CVarPackage),
        RUNTIME_CLASS(CVarImport),         RUNTIME_CLASS(CVarPattern),
        RUNTIME_CLASS(CVarBlockComment),   RUNTIME_CLASS(CFileObject),
        RUNTIME_CLASS(CPackageObject),
    };
    for (const CRuntimeClass *cls : classes)
        CRuntimeClass::RegisterClass(cls);
}
