#pragma once

#include "core/Prompter.h"

#include <QStringList>
#include <deque>

// A scripted prompter: answers message boxes in the order queued (the box's
// default when the queue is empty) and records every text it was shown.
class CFakePrompter final : public CPrompter
{
public:
    CFakePrompter();           // installs itself
    ~CFakePrompter() override; // restores the previous prompter

    void QueueAnswer(Answer a) { m_answers.push_back(a); }

    Answer MessageBox(const QString &text, Buttons buttons, Icon icon,
                      Answer defaultAnswer) override;
    void SetStatusText(const QString &text) override { m_status << text; }
    void OutputLine(const QString &tab, const QString &text) override
    {
        m_output << tab + QLatin1Char('|') + text;
    }
    void BeginWaitCursor() override { ++m_waitDepth; }
    void EndWaitCursor() override { --m_waitDepth; }
    void Progress(const QString &text, qint64, qint64) override { m_progress << text; }

    QStringList m_messages; // every message box text, in order
    QList<Buttons> m_buttons;
    QList<Icon> m_icons;
    QStringList m_status;
    QStringList m_output; // "tab|text"
    QStringList m_progress;
    int m_waitDepth = 0;

private:
    std::deque<Answer> m_answers;
    CPrompter *m_previous;
};
