#include "app/MessagePrompter.h"

#include "tools/ProcOutputView.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QStatusBar>
#include <QTabWidget>
#include <cstdio>

CMessagePrompter::CMessagePrompter(QMainWindow *window) : m_window(window)
{
}

CMessagePrompter::~CMessagePrompter()
{
    while (m_waitDepth > 0)
        EndWaitCursor();
}

CPrompter::Answer CMessagePrompter::MessageBox(const QString &text, Buttons buttons, Icon icon,
                                               Answer defaultAnswer)
{
    QMessageBox box(m_window);
    box.setWindowTitle(QStringLiteral("Mavu"));
    box.setText(text);
    switch (icon) {
    case NoIcon:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Stop:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    struct Pair
    {
        QMessageBox::StandardButton button;
        Answer answer;
    };
    QList<Pair> pairs;
    switch (buttons) {
    case Ok:
        pairs = {{QMessageBox::Ok, AnswerOk}};
        break;
    case OkCancel:
        pairs = {{QMessageBox::Ok, AnswerOk}, {QMessageBox::Cancel, AnswerCancel}};
        break;
    case YesNo:
        pairs = {{QMessageBox::Yes, AnswerYes}, {QMessageBox::No, AnswerNo}};
        break;
    case YesNoCancel:
        pairs = {{QMessageBox::Yes, AnswerYes},
                 {QMessageBox::No, AnswerNo},
                 {QMessageBox::Cancel, AnswerCancel}};
        break;
    case RetryCancel:
        pairs = {{QMessageBox::Retry, AnswerRetry}, {QMessageBox::Cancel, AnswerCancel}};
        break;
    }
    QMessageBox::StandardButtons standard;
    for (const Pair &p : pairs)
        standard |= p.button;
    box.setStandardButtons(standard);
    for (const Pair &p : pairs) {
        if (p.answer == defaultAnswer)
            box.setDefaultButton(p.button);
    }
    // Closing the box without a button is the box's own way out: Cancel or
    // No where there is one, else the default.
    Answer escape = defaultAnswer;
    for (const Pair &p : pairs) {
        if (p.answer == AnswerCancel || (p.answer == AnswerNo && escape != AnswerCancel))
            escape = p.answer;
    }
    if (pairs.size() == 1)
        escape = pairs.front().answer;

    // A wait cursor must not hide the pointer over a question.
    const bool waiting = m_waitDepth > 0;
    if (waiting)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (waiting)
        QApplication::restoreOverrideCursor();

    const auto clicked = box.standardButton(box.clickedButton());
    for (const Pair &p : pairs) {
        if (p.button == clicked)
            return p.answer;
    }
    return escape;
}

void CMessagePrompter::SetStatusText(const QString &text)
{
    if (m_window)
        m_window->statusBar()->showMessage(text);
}

void CMessagePrompter::OutputLine(const QString &tab, const QString &text)
{
    // The main window's output tab of that name takes the text as it is
    // (it brings its own line ends).
    if (m_window) {
        if (auto *view = m_window->findChild<CProcOutputView *>(tab)) {
            view->AppendOutput(text);
            return;
        }
    }
    const QByteArray line = (tab + QStringLiteral(": ") + text).toLocal8Bit();
    std::fprintf(stderr, "%s\n", line.constData());
}

void CMessagePrompter::BeginWaitCursor()
{
    if (m_waitDepth++ == 0)
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CMessagePrompter::EndWaitCursor()
{
    if (m_waitDepth > 0 && --m_waitDepth == 0)
        QApplication::restoreOverrideCursor();
}

void CMessagePrompter::Progress(const QString &text, qint64 done, qint64 total)
{
    if (!m_window)
        return;
    QStatusBar *bar = m_window->statusBar();
    if (total <= 0) {
        if (m_progress) {
            bar->removeWidget(m_progress);
            delete m_progress;
        }
        bar->clearMessage();
        return;
    }
    if (!m_progress) {
        m_progress = new QProgressBar(bar);
        m_progress->setMaximumWidth(200);
        bar->addPermanentWidget(m_progress);
    }
    // Large totals are scaled to what QProgressBar's int range can show.
    const int scaled = int(qBound(qint64(0), done * 1000 / total, qint64(1000)));
    m_progress->setRange(0, 1000);
    m_progress->setValue(scaled);
    m_progress->show();
    bar->showMessage(text);
}
