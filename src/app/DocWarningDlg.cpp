#include "app/DocWarningDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

QString CDocWarningDlg::MessageText(const QString &settingsFile)
{
    // Said with what can be done today: the directories page of the options
    // is not there yet.
    return QStringLiteral(
               "The directory of the JDK documentation is not set, and none was found beside "
               "the JDK of javac on the PATH (its docs/api folder).\n\n"
               "Mavu uses the JDK's HTML documentation for its search index and for help on the "
               "classes and methods you write. Install the JDK documentation (on Debian, the "
               "package openjdk-17-doc) and Mavu finds it at the next start, or set DocPath in "
               "the [Java] section of %1 to the folder that holds the documentation's \"api\" "
               "folder.")
        .arg(settingsFile.isEmpty() ? QStringLiteral("Mavu.ini") : settingsFile);
}

CDocWarningDlg::CDocWarningDlg(QWidget *parent, const QString &settingsFile) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Warning"));
    auto *icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    auto *text = new QLabel(MessageText(settingsFile), this);
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
