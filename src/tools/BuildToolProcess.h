#pragma once

#include "tools/ToolProcess.h"

// A tool whose text goes to the Build tab (the compiler, javadoc): the tab
// comes to the front, empty, before the tool starts.
class CBuildToolProcess : public CToolProcess
{
    Q_OBJECT
public:
    using CToolProcess::CToolProcess;
    bool Execute(int quiet) override;
};
