#pragma once

#include "tools/FrameToolProcess.h"
#include "tools/ToolFrame.h"

#include <QMdiSubWindow>
#include <QPointer>

class CCustomCommandView;

// The window of its own that a command runs in (an MDI child in the
// editor area): the command's text and input line, Kill Process, and a
// question before a close would end a running command.
class CMDIOutputFrame : public QMdiSubWindow, public CToolFrame
{
    Q_OBJECT
public:
    explicit CMDIOutputFrame(QWidget *parent = nullptr);
    ~CMDIOutputFrame() override;

    CCustomCommandView *View() const { return m_view; }
    CToolProcess *Process() const;

    // CToolFrame
    CToolOutput *Output() override;
    void SetTitle(const QString &title) override;
    void AttachProcess(CToolProcess *p) override;
    void Activate() override;
    void Destroy() override;

    // Kill Process: the command ends and lets go of the frame.
    void OnKillProcess();

    static QString CloseQuestion();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void StopAndDetach();

    CCustomCommandView *m_view;
    QPointer<CFrameToolProcess> m_process; // attached: input, close, kill
    QPointer<CFrameToolProcess> m_source;  // still writing to the view
};
