#include "tree/TreeClasses.h"

#include "tree/TreeFolder.h"
#include "tree/TreeItem.h"

void RegisterTreeClasses()
{
    CRuntimeClass::RegisterClass(RUNTIME_CLASS(CTreeItem));
    CRuntimeClass::RegisterClass(RUNTIME_CLASS(CTreeFolder));
}
