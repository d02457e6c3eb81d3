#include "tools/CompilerOptionsDlg.h"

#include "tools/CompilerOptionsPage.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

CCompilerOptionsDlg::CCompilerOptionsDlg(QWidget *parent, const QString &title)
    : QDialog(parent), m_page(new CCompilerOptionsPage)
{
    setWindowTitle(title);
    auto *tabs = new QTabWidget;
    tabs->addTab(m_page, tr("Compiler"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
}
