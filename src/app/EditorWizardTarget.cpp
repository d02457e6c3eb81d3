#include "app/EditorWizardTarget.h"

#include <QApplication>
#include <QClipboard>
#include <Qsci/qsciscintilla.h>

QString CEditorWizardTarget::Text() const
{
    return m_view->text();
}

void CEditorWizardTarget::GoToLine(int line)
{
    const int last = m_view->lines() - 1;
    if (line - 1 > last) {
        GoToEnd();
        return;
    }
    m_view->setCursorPosition(qMax(0, line - 1), 0);
    m_view->ensureLineVisible(qMax(0, line - 1));
}

void CEditorWizardTarget::GoToEnd()
{
    const int last = qMax(0, m_view->lines() - 1);
    m_view->setCursorPosition(last, m_view->text(last).size());
}

void CEditorWizardTarget::TakeFocus()
{
    m_view->setFocus();
}

bool CEditorWizardTarget::Paste(const QString &text)
{
    QClipboard *clipboard = QApplication::clipboard();
    clipboard->setText(text);
    // Nothing goes in unless the clipboard really holds the text.
    if (clipboard->text() != text)
        return false;
    m_view->paste();
    return true;
}

bool CEditorWizardTarget::ReplaceLine(int line, const QString &text)
{
    if (line < 1 || line > m_view->lines())
        return false;
    QString old = m_view->text(line - 1);
    while (old.endsWith(QLatin1Char('\n')) || old.endsWith(QLatin1Char('\r')))
        old.chop(1);
    m_view->setSelection(line - 1, 0, line - 1, int(old.size()));
    return Paste(text);
}
