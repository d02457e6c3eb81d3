#pragma once

#include <QDialog>

class CColorPage;
class CEditorOptionsDlg;
class QTabWidget;

// The "Options" sheet: the editor options and the colours and font as
// pages of one dialog (the help viewer's and the directories' pages join
// them when they exist). OK checks the editor page's numbers first and
// shows that page when one is refused; applying the pages is the caller's.
class COptionsSheet : public QDialog
{
    Q_OBJECT
public:
    enum Page { EditorPage, ColorsPage };

    // Takes the pages, which must not have been shown as dialogs.
    COptionsSheet(CEditorOptionsDlg *editor, CColorPage *colours, QWidget *parent = nullptr);

    CEditorOptionsDlg *Editor() const { return m_editor; }
    CColorPage *Colours() const { return m_colours; }
    void SetCurrentPage(Page page);
    Page CurrentPage() const;

    void accept() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *AsPage(QDialog *dialog);

    QTabWidget *m_tabs;
    CEditorOptionsDlg *m_editor;
    CColorPage *m_colours;
};
