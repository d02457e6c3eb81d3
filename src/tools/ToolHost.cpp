#include "tools/ToolHost.h"

CToolHost &CToolHost::Default()
{
    static CToolHost host;
    return host;
}
