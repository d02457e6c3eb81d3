#pragma once

#include "tools/ToolProcess.h"

class CProject;
class QFile;

// A tool whose text goes to the Build tab (the compiler, javadoc). Each
// starts in its own Execute, emptying the tab and bringing it to the front
// at the moment its own messages need. Both write into a temporary
// redirect file that is read into the tab once the tool has ended; this
// class keeps that file.
class CBuildToolProcess : public CToolProcess
{
    Q_OBJECT
public:
    using CToolProcess::CToolProcess;
    ~CBuildToolProcess() override;

    // Running, or ended with its report still to come.
    bool IsBusy() const { return IsRunning() || m_bFileOpen; }
    QString RedirectFileName() const { return m_strRedirectFile; }

protected:
    // The end of the run (0 or kUserAbort): the Build tab's report.
    virtual void OnDone(int code) = 0;

    // A fresh temporary file name for tool's output ("javac", "javadoc").
    static QString NewRedirectFileName(const QString &tool);
    // Opens the redirect file, emptied; false when it cannot be made.
    bool OpenRedirectFile();
    // Starts the process with both channels into the redirect file; false
    // (the file gone) when it did not start.
    bool StartRedirected();
    // What the tool wrote.
    QString ReadRedirected();
    void CloseRedirectFile(bool remove);
    // After a start was asked for: a redirect file no run took is removed.
    bool StartedWith(const QString &redirect);
    void Append(const QString &text);
    CProject *OpenProject() const;

    QString m_strRedirectFile;
    QFile *m_redirect = nullptr; // owned
    bool m_bFileOpen = false;

private:
    void OnFinished();
};
