#include "app/DocWarningDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

QString CDocWarningDlg::MessageText()
{
    return QStringLiteral(
        "The directory of the JDK documentation is not set.\n\n"
        "Mavu uses the JDK's HTML documentation for its search index and for help on the "
        "classes and methods you write. Please set it under Customize/Directory: choose the "
        "folder that holds the documentation's \"api\" folder.");
}

CDocWarningDlg::CDocWarningDlg(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Warning"));
    auto *icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    auto *text = new QLabel(MessageText(), this);
    text->setWordWrap(true);
    text->setMinimumWidth(380);
    m_check = new QCheckBox(QStringLiteral("Do not show this message again"), this);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(text, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_check);
    layout->addWidget(buttons);
}

bool CDocWarningDlg::DoNotShowAgain() const
{
    return m_check->isChecked();
}
