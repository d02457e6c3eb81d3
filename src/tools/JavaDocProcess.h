#pragma once

#include "tools/BuildToolProcess.h"

class CProject;

// javadoc, run like the compiler: its text goes to a temporary redirect
// file that is shown in the Build tab once it has ended, with "Done..." or
// "User Abort..." before it.
class CJavaDocProcess : public CBuildToolProcess
{
    Q_OBJECT
public:
    explicit CJavaDocProcess(CToolManager *manager);
    ~CJavaDocProcess() override;

    // Documents target: a source path, or with all set the list of the
    // project's files (relative to its directory). project: null for the
    // current one. Ignored while javadoc or the compiler runs; false when
    // nothing was started.
    bool JavaDoc(const QString &target, bool all, CProject *project = nullptr);
    // Every source of dir (the project directory when empty), in one run
    // started with the class path of the environment as it is.
    bool JavaDocFolder(const QString &dir);
    // The command line before its target, from the workspace's and (when
    // projectOptions) the current project's options.
    QString BaseCommandLine(bool projectOptions) const;

    bool Execute(int quiet) override;
    // The end of the run (0 or kUserAbort): the Build tab's report.
    void OnJavaDocDone(int code);

    bool IsAll() const { return m_bAll; }

    static QString OutputHeader();
    static QString AllSeparator();

protected:
    void OnDone(int code) override { OnJavaDocDone(code); }

private:
    bool Refused() const;

    bool m_bAll = false;
};
