#pragma once

#include "core/Prompter.h"

#include <QPointer>

class QLabel;
class QMainWindow;
class QProgressBar;

// The prompter of the running program: message boxes over the main window,
// texts in its status bar, lines in the output tab of their name (or on the
// debug console, standard error, when there is none to take them).
class CMessagePrompter final : public CPrompter
{
public:
    explicit CMessagePrompter(QMainWindow *window = nullptr);
    ~CMessagePrompter() override;

    Answer MessageBox(const QString &text, Buttons buttons, Icon icon,
                      Answer defaultAnswer) override;
    void SetStatusText(const QString &text) override;
    void OutputLine(const QString &tab, const QString &text) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void Progress(const QString &text, qint64 done, qint64 total) override;

private:
    QPointer<QMainWindow> m_window;
    QPointer<QProgressBar> m_progress;
    int m_waitDepth = 0;
};
