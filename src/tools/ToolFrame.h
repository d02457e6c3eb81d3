#pragma once

#include <QString>

class CToolOutput;
class CToolProcess;

// A window of its own for one command's output (the view side implements it
// with an MDI child). The process that runs in it and the window forget
// each other from whichever side goes first.
class CToolFrame
{
public:
    virtual ~CToolFrame() = default;
    // Where the process's text goes while the frame exists.
    virtual CToolOutput *Output() = 0;
    virtual void SetTitle(const QString &title) = 0;
    // The frame's input line, close question and Kill Process act on p;
    // null detaches it.
    virtual void AttachProcess(CToolProcess *p) = 0;
    // Shows the frame and makes it the active window.
    virtual void Activate() = 0;
    // The start failed: the frame goes away (deletes itself later).
    virtual void Destroy() = 0;
};
