#include "tools/MDIOutputFrame.h"

#include "core/Prompter.h"
#include "tools/CustomCommandView.h"
#include "tools/FrameToolProcess.h"

#include <QCloseEvent>
#include <QMdiArea>

CMDIOutputFrame::CMDIOutputFrame(QWidget *parent)
    : QMdiSubWindow(parent), m_view(new CCustomCommandView)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(m_view);
    connect(m_view, &CCustomCommandView::killRequested, this, &CMDIOutputFrame::OnKillProcess);
}

CMDIOutputFrame::~CMDIOutputFrame()
{
    // Going away with a command attached: ask, as a close does; the
    // command lets go of the frame either way.
    if (m_process && m_process->IsRunning() &&
        Prompter().MessageBox(CloseQuestion(), CPrompter::YesNo, CPrompter::Question,
                              CPrompter::AnswerNo) == CPrompter::AnswerYes)
        StopAndDetach();
    if (m_process)
        m_process->ForgetFrame();
    if (m_source)
        m_source->ForgetFrame();
}

QString CMDIOutputFrame::CloseQuestion()
{
    return QStringLiteral("Closing this Window will terminate this process. Please select Yes "
                          "to terminate the process or select No");
}

CToolProcess *CMDIOutputFrame::Process() const
{
    return m_process.data();
}

CToolOutput *CMDIOutputFrame::Output()
{
    return m_view;
}

void CMDIOutputFrame::SetTitle(const QString &title)
{
    setWindowTitle(title.trimmed());
}

void CMDIOutputFrame::AttachProcess(CToolProcess *p)
{
    auto *frameProcess = qobject_cast<CFrameToolProcess *>(p);
    m_process = frameProcess;
    if (frameProcess)
        m_source = frameProcess;
    m_view->AttachProcess(p);
}

void CMDIOutputFrame::Activate()
{
    show();
    if (QMdiArea *area = mdiArea())
        area->setActiveSubWindow(this);
    m_view->setFocus();
}

void CMDIOutputFrame::Destroy()
{
    m_process = nullptr;
    m_source = nullptr;
    m_view->AttachProcess(nullptr);
    deleteLater();
}

void CMDIOutputFrame::StopAndDetach()
{
    CFrameToolProcess *p = m_process;
    m_process = nullptr;
    m_view->AttachProcess(nullptr);
    if (p) {
        p->SetAborted();
        p->Stop();
    }
}

void CMDIOutputFrame::OnKillProcess()
{
    StopAndDetach();
}

void CMDIOutputFrame::closeEvent(QCloseEvent *event)
{
    if (m_process && m_process->IsRunning()) {
        if (Prompter().MessageBox(CloseQuestion(), CPrompter::YesNo, CPrompter::Question,
                                  CPrompter::AnswerNo) != CPrompter::AnswerYes) {
            event->ignore();
            return;
        }
        StopAndDetach();
    }
    QMdiSubWindow::closeEvent(event);
}
