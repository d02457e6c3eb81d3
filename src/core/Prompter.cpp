#include "core/Prompter.h"

namespace {

class CSilentPrompter final : public CPrompter
{
public:
    Answer MessageBox(const QString &, Buttons buttons, Icon, Answer defaultAnswer) override
    {
        if (buttons == Ok)
            return AnswerOk;
        return defaultAnswer;
    }
    void SetStatusText(const QString &) override {}
    void OutputLine(const QString &, const QString &) override {}
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    void Progress(const QString &, qint64, qint64) override {}
};

CSilentPrompter g_silent;
CPrompter *g_prompter = &g_silent;

} // namespace

CPrompter &Prompter()
{
    return *g_prompter;
}

CPrompter *SetPrompter(CPrompter *p)
{
    CPrompter *old = g_prompter;
    g_prompter = p ? p : &g_silent;
    return old == &g_silent ? nullptr : old;
}

bool IsPrompterInstalled()
{
    return g_prompter != &g_silent;
}
