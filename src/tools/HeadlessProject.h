#pragma once

#include "project/ProjectDoc.h"
#include "tools/ToolOutput.h"

#include <functional>
#include <memory>

class CProject;
class CProjectFolder;
class CToolManager;
class QString;
class QTextStream;

// The project a command-line build or run works on: read with the
// workspace's default options, without a window, and never written back.
class CHeadlessProject
{
public:
    CHeadlessProject();
    ~CHeadlessProject();

    // Reads projectPath, and workspacePath (when it exists) for the default
    // options. False when the project cannot be read; a path that is no
    // project file is said on err.
    bool Open(const QString &projectPath, const QString &workspacePath, QTextStream &err);

    CProjectDoc &Workspace() { return m_workspace; }
    CProject &Project() { return m_workspace.GetCurrentProject(); }

    // Runs start, which asks manager for a compile, and waits for the
    // compile's end. -1 when start started nothing, else whether it
    // succeeded (1) or not (0).
    static int CompileAndWait(CToolManager &manager, const std::function<bool()> &start);

private:
    CProjectDoc m_workspace;
    std::unique_ptr<CProjectFolder> m_folder;
};

// A tab's text written to a stream as it comes, less the carriage returns
// the window does not show either.
class CStreamOutput final : public CToolOutput
{
public:
    explicit CStreamOutput(QTextStream &stream) : m_stream(stream) {}
    void AppendOutput(const QString &text) override;
    // Whether any text came: a build whose compiler could not be started
    // has said why here.
    bool Written() const { return m_written; }

private:
    QTextStream &m_stream;
    bool m_written = false;
};
