#pragma once

#include "tools/ErrorLocator.h"
#include "tools/ProcOutputView.h"

#include <functional>

// One tab of the output window (Output or Build). Beyond the text it leads
// from an error line to the source: a double click, or Find Next Error and
// Find Previous Error, read the line under the caret - the compiler's
// "file:line:" lines against the directory the compile ran in, stack-trace
// lines by the file's name - and ask for the file to be opened there.
class COutputWnd : public CProcOutputView
{
    Q_OBJECT
public:
    using CProcOutputView::CProcOutputView;

    // The directory compiler lines are read against (set by the compile);
    // empty for the Output tab.
    void SetBaseDirectory(const QString &dir) { m_baseDir = dir; }
    QString BaseDirectory() const { return m_baseDir; }
    // Finds the full path of a file that a line names only by name (the
    // open project's files); unset, such lines lead nowhere.
    using Resolver = std::function<QString(const CErrorLocator::Place &)>;
    void SetResolver(Resolver resolver) { m_resolver = std::move(resolver); }

    // The line under the caret leads to a source: true when a file was
    // asked for.
    bool GoToErrorAtCaret();
    bool FindNextError();
    bool FindPreviousError();
    bool HasNextError() const;
    bool HasPreviousError() const;
    // Moves the caret to the first line (after a failed compile).
    void MoveCaretToStart();

    // Stop Build has no process of the view's: whoever owns the build
    // stops it.
    void SetStopBuild(std::function<void()> stop, std::function<bool()> running);

    bool OnCommand(int id) override;
    bool QueryCommand(int id, bool *enabled, bool *checked) const override;
    QMenu *CreateContextMenu() override;

signals:
    // Open path in an editor with the caret on line (1-based; 0: anywhere).
    void openSourceRequested(const QString &path, int line);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QTextCursor NextErrorMatch() const;
    QTextCursor PreviousErrorMatch() const;

    QString m_baseDir;
    Resolver m_resolver;
    std::function<void()> m_stopBuild;
    std::function<bool()> m_buildRunning;
};
