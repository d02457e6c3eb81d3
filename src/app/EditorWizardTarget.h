#pragma once

#include "javamodel/ClassWizard.h"

class QsciScintilla;

// A source editor as the class wizard writes into it: text enters through
// the clipboard and the editor's paste, so it lands at the caret and undoes
// like any paste.
class CEditorWizardTarget : public CWizardEditor
{
public:
    explicit CEditorWizardTarget(QsciScintilla *view) : m_view(view) {}

    QString Text() const override;
    void GoToLine(int line) override;
    void GoToEnd() override;
    void TakeFocus() override;
    bool Paste(const QString &text) override;
    bool ReplaceLine(int line, const QString &text) override;

private:
    QsciScintilla *m_view;
};
