#pragma once

// What runs in the background and must be asked about before the program
// ends: a compile, a javadoc run, the user's program, the debugger. The tool
// manager and the debugger answer through this; the main frame asks.
class CActivityMonitor
{
public:
    enum Activity { Compile, Javadoc, Application, Debugger };

    virtual ~CActivityMonitor() = default;
    virtual bool IsRunning(Activity activity) const = 0;
    // The program is about to end: tools that finish from now on must not
    // start anything new.
    virtual void SetExiting() = 0;
    virtual void Stop(Activity activity) = 0;
    // Blocks until the documentation and user index loaders are done.
    virtual void WaitForIndexLoaders() = 0;
};
