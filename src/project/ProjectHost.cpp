#include "project/ProjectHost.h"

CProjectHost &CProjectHost::Default()
{
    static CProjectHost host;
    return host;
}
