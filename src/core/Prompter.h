#pragma once

#include <QString>

// How model code talks to the user mid-algorithm. The main frame installs an
// implementation with real dialogs; tests install a scripted fake that
// answers in order and records every text asked.
class CPrompter
{
public:
    enum Icon { NoIcon, Information, Warning, Question, Stop };
    // Buttons and answers, as message boxes have them.
    enum Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
    enum Answer { AnswerOk = 1, AnswerCancel = 2, AnswerRetry = 4, AnswerYes = 6, AnswerNo = 7 };

    virtual ~CPrompter() = default;

    // A message box; returns the button pressed. defaultAnswer is the button
    // that Enter presses.
    virtual Answer MessageBox(const QString &text, Buttons buttons = Ok, Icon icon = NoIcon,
                              Answer defaultAnswer = AnswerOk) = 0;
    // Convenience: a Yes/No question, true for Yes.
    bool AskYesNo(const QString &text, bool defaultYes = false)
    {
        return MessageBox(text, YesNo, Question, defaultYes ? AnswerYes : AnswerNo) == AnswerYes;
    }
    virtual void SetStatusText(const QString &text) = 0;
    // Appends text to an output tab ("Output" or "Build").
    virtual void OutputLine(const QString &tab, const QString &text) = 0;
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
    // Progress of long work: total 0 ends it.
    virtual void Progress(const QString &text, qint64 done, qint64 total) = 0;
};

// The prompter every model algorithm uses. Never null: before the main frame
// installs its own, a silent one answers every box with its default.
CPrompter &Prompter();
// Installs p (not owned) and returns the previous one; null restores the
// silent default.
CPrompter *SetPrompter(CPrompter *p);
// Whether someone installed a prompter (false while the silent one answers).
bool IsPrompterInstalled();
