#pragma once

#include "tools/OutputToolProcess.h"

// The user's program (or the applet viewer) with its console in the Output
// tab: its output and errors are shown there, and the lines typed there go
// to its standard input. One exists for the tool manager's lifetime.
class CRunProcess : public COutputToolProcess
{
    Q_OBJECT
public:
    explicit CRunProcess(CToolManager *manager);

    // Clears the Output tab, starts the program, then shows the command
    // line, the working directory and (when asked) the class path above
    // its output. A program that cannot be started is reported in the
    // Output tab, never in a message box.
    bool Execute(int quiet) override;
    // The Output tab lets go of the program first, then it is ended.
    void Stop() override;

    static QString StartFailureText();

protected:
    void ReportStartFailure() override;

private:
    void OnEnded();
};
