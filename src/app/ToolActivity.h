#pragma once

#include "core/ActivityMonitor.h"

class CToolManager;

// What runs in the background, as the exit sequence asks about it: the
// tools of the tool manager (a compile today). The debugger and the index
// loaders join when they exist.
class CToolActivity : public CActivityMonitor
{
public:
    explicit CToolActivity(CToolManager &tools) : m_tools(tools) {}

    bool IsRunning(Activity activity) const override;
    void SetExiting() override { m_exiting = true; }
    void Stop(Activity activity) override;
    void WaitForIndexLoaders() override {}

    bool IsExiting() const { return m_exiting; }

private:
    CToolManager &m_tools;
    bool m_exiting = false;
};
