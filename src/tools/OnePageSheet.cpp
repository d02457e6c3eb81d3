#include "tools/OnePageSheet.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

void LayOutOnePageSheet(QDialog &dialog, const QString &title, QWidget *page, const QString &tab)
{
    dialog.setWindowTitle(title);
    auto *tabs = new QTabWidget;
    tabs->addTab(page, tab);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
}
