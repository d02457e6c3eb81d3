#include "project/ProjectClasses.h"

#include "project/ProjectFileItem.h"
#include "project/ProjectFolder.h"
#include "project/ProjectFolderBase.h"
#include "project/ProjectRootFolder.h"
#include "project/ProjectVirtualFolder.h"
#include "project/ResourceFileItem.h"
#include "tree/TreeClasses.h"

void RegisterProjectClasses()
{
    RegisterTreeClasses();
    CRuntimeClass::RegisterClass(RUNTIME_CLASS(CProjectRootFolder));
    CRuntimeClass::RegisterClass(RUNTIME_CLASS(CProjectFolderBase));
    CRuntimeClass::RegisterClass(RUNTIME_CLASS(CProjectFolder));
    CRuntimeClass::RegisterClass(RUNTIME_CLASS(CProjectVirtualFolder));
    CRuntimeClass::RegisterClass(RUNTIME_CLASS(CProjectFileItem));
    CRuntimeClass::RegisterClass(RUNTIME_CLASS(CResourceFileItem));
}
