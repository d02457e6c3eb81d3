#include "app/NewClassDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

CNewClassDlg::CNewClassDlg(QWidget *parent, bool isInterface, const QString &baseName)
    : QDialog(parent), m_name(new QLineEdit(this)), m_base(new QLineEdit(baseName, this))
{
    setObjectName(isInterface ? QStringLiteral("NewInterfaceDlg") : QStringLiteral("NewClassDlg"));
    setWindowTitle(isInterface ? QStringLiteral("New Interface") : QStringLiteral("New Class"));
    const QRegularExpression identifier(QStringLiteral("[A-Za-z_$][A-Za-z0-9_$]*"));
    m_name->setValidator(new QRegularExpressionValidator(identifier, m_name));
    auto *form = new QFormLayout(this);
    form->addRow(QStringLiteral("&Name:"), m_name);
    form->addRow(isInterface ? QStringLiteral("&Extends:") : QStringLiteral("&Base class:"),
                 m_base);
    if (!isInterface) {
        m_interfaces = new QLineEdit(this);
        m_interfaces->setPlaceholderText(QStringLiteral("Runnable, ActionListener"));
        form->addRow(QStringLiteral("&Implements:"), m_interfaces);
        m_constructor = new QCheckBox(QStringLiteral("Add a &constructor"), this);
        form->addRow(QString(), m_constructor);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    ok->setEnabled(false);
    connect(m_name, &QLineEdit::textChanged, ok,
            [ok](const QString &text) { ok->setEnabled(!text.isEmpty()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString CNewClassDlg::Name() const
{
    return m_name->text().trimmed();
}

QString CNewClassDlg::BaseName() const
{
    return m_base->text().trimmed();
}

QStringList CNewClassDlg::Interfaces() const
{
    QStringList names;
    if (!m_interfaces)
        return names;
    for (const QString &part : m_interfaces->text().split(QLatin1Char(','))) {
        if (!part.trimmed().isEmpty())
            names << part.trimmed();
    }
    return names;
}

bool CNewClassDlg::WantsConstructor() const
{
    return m_constructor && m_constructor->isChecked();
}
