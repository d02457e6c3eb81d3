#include "tools/InterpreterOptionsDlg.h"

#include "tools/InterpreterOptionsPage.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

CInterpreterOptionsDlg::CInterpreterOptionsDlg(QWidget *parent, const QString &title,
                                               bool projectPage)
    : QDialog(parent), m_page(new CInterpreterOptionsPage(projectPage))
{
    setWindowTitle(title);
    auto *tabs = new QTabWidget;
    tabs->addTab(m_page, tr("Interpreter"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
}
