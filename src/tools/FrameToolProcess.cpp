#include "tools/FrameToolProcess.h"

#include "tools/ToolFrame.h"
#include "tools/ToolHost.h"
#include "tools/ToolManager.h"

CFrameToolProcess::~CFrameToolProcess()
{
    DetachFrame();
}

void CFrameToolProcess::DetachFrame()
{
    if (m_pFrame)
        m_pFrame->AttachProcess(nullptr);
}

void CFrameToolProcess::ForgetFrame()
{
    m_pFrame = nullptr;
    ForgetOutputWindow();
}

bool CFrameToolProcess::Execute(int quiet)
{
    if (!m_pFrame) {
        m_pFrame = Manager() ? Manager()->Host().CreateOutputFrame(this) : nullptr;
        if (!m_pFrame)
            return false;
        m_pFrame->SetTitle(CommandLine());
    }
    SetOutputWindow(m_pFrame->Output());
    m_bRedirectInput = true;
    if (!CToolProcess::Execute(quiet)) {
        CToolFrame *frame = m_pFrame;
        ForgetFrame();
        frame->Destroy();
        return false;
    }
    m_pFrame->AttachProcess(this);
    m_pFrame->Activate();
    return true;
}

void CFrameToolProcess::Stop()
{
    DetachFrame();
    CToolProcess::Stop();
}
