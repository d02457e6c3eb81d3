#pragma once

#include <QDialog>

class CInterpreterOptionsPage;

// The sheet around the interpreter page: "Java Options" for a project,
// "Root options" for the workspace defaults.
class CInterpreterOptionsDlg : public QDialog
{
    Q_OBJECT
public:
    CInterpreterOptionsDlg(QWidget *parent, const QString &title, bool projectPage);
    CInterpreterOptionsPage *Page() const { return m_page; }

private:
    CInterpreterOptionsPage *m_page;
};
