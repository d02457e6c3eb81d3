#pragma once

#include <QDialog>

class CCompilerOptionsPage;

// The sheet around the compiler page: "Java Options" for a project, "Root
// options" for the workspace defaults.
class CCompilerOptionsDlg : public QDialog
{
    Q_OBJECT
public:
    CCompilerOptionsDlg(QWidget *parent, const QString &title);
    CCompilerOptionsPage *Page() const { return m_page; }

private:
    CCompilerOptionsPage *m_page;
};
