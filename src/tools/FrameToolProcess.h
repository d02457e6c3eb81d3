#pragma once

#include "tools/ToolProcess.h"

class CToolFrame;

// A command that runs in an output window of its own: the window is made
// at the first start, shows the text, and sends its input line to the
// command; closing it or Kill Process ends the command.
class CFrameToolProcess : public CToolProcess
{
    Q_OBJECT
public:
    using CToolProcess::CToolProcess;
    ~CFrameToolProcess() override;

    bool Execute(int quiet) override;
    // The frame lets go of the process first, then the child is ended.
    void Stop() override;

    CToolFrame *Frame() const { return m_pFrame; }
    // The frame is going away: no more text for it.
    void ForgetFrame();

private:
    void DetachFrame();

    CToolFrame *m_pFrame = nullptr; // not owned
};
