#pragma once

#include "tools/ToolProcess.h"

// A tool whose text goes to the Output tab (jar, commands sent there, the
// introspection programs, and the user's program).
class COutputToolProcess : public CToolProcess
{
    Q_OBJECT
public:
    using CToolProcess::CToolProcess;
    bool Execute(int quiet) override;
};
