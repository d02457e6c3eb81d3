#pragma once

#include "tools/BuildToolProcess.h"
#include "tools/CompileResult.h"

#include <QStringList>

class CProject;

// The compiler. Unlike the other tools its output goes to a temporary
// redirect file, read into the Build tab only after it has ended; the end
// handler then decides from the text whether the compile failed, updates
// the dirty marks and, when the compile was the first half of Run, starts
// the program.
class CCompileProcess : public CBuildToolProcess
{
    Q_OBJECT
public:
    explicit CCompileProcess(CToolManager *manager);
    ~CCompileProcess() override;

    // Compiles target: a source path (single file), or for a project
    // compile the list of relative file names or "*.java". project: null
    // for the current one. directory: the working directory instead of
    // the file's or the project's. Ignored while a compile or javadoc run
    // is going on; false when nothing was started.
    bool Compile(const QString &target, bool projectCompile, CProject *project = nullptr,
                 const QString &directory = QString(), bool showDirectory = false);

    bool Execute(int quiet) override;

    // The end of the compile (0 or kUserAbort): the Build tab's report.
    void OnCompileDone(int code);

    QString SingleFile() const { return m_strSingleFile; }
    bool IsProjectCompile() const { return m_bProjectCompile; }
    bool RunAfterCompile() const { return m_bRunAfterCompile; }
    void SetRunAfterCompile(bool run) { m_bRunAfterCompile = run; }
    // Full paths of the project files a project compile covers.
    QStringList &CompileList() { return m_compileList; }
    // The result of the last compile that ended.
    const CCompileResult &LastResult() const { return m_result; }

    static QString RedirectFailedMessage();
    static QString LowDiskSpaceWarning();
    static QString JavacOutputHeader();
    static QString DoubleClickHint();
    static QString Separator();

signals:
    // The end handler has finished (after the dirty marks and before Run).
    void compileFinished(const CCompileResult &result);

protected:
    void OnDone(int code) override { OnCompileDone(code); }

private:
    QString m_strSingleFile;
    bool m_bProjectCompile = false;
    bool m_bRunAfterCompile = false;
    bool m_bShowDirectory = false;
    QStringList m_compileList;
    CCompileResult m_result;
};
