#include "tools/FindReplaceDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CFindReplaceDlg::CFindReplaceDlg(QWidget *parent, bool replace, const QString &findText,
                                 const QString &replaceText, bool matchCase, bool wholeWord)
    : QDialog(parent)
{
    setWindowTitle(replace ? tr("Replace") : tr("Find"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *form = new QFormLayout;
    m_find = new QLineEdit(findText);
    m_find->setObjectName(QStringLiteral("findText"));
    form->addRow(tr("Fi&nd what:"), m_find);
    if (replace) {
        m_replace = new QLineEdit(replaceText);
        m_replace->setObjectName(QStringLiteral("replaceText"));
        form->addRow(tr("Re&place with:"), m_replace);
    }
    m_matchCase = new QCheckBox(tr("Match &case"));
    m_matchCase->setChecked(matchCase);
    m_wholeWord = new QCheckBox(tr("Match &whole word only"));
    m_wholeWord->setChecked(wholeWord);

    auto *buttons = new QDialogButtonBox;
    QPushButton *next = buttons->addButton(tr("&Find Next"), QDialogButtonBox::ActionRole);
    next->setDefault(true);
    connect(next, &QPushButton::clicked, this, &CFindReplaceDlg::findNext);
    if (replace) {
        connect(buttons->addButton(tr("&Replace"), QDialogButtonBox::ActionRole),
                &QPushButton::clicked, this, &CFindReplaceDlg::replaceOne);
        connect(buttons->addButton(tr("Replace &All"), QDialogButtonBox::ActionRole),
                &QPushButton::clicked, this, &CFindReplaceDlg::replaceAll);
    }
    connect(buttons->addButton(QDialogButtonBox::Cancel), &QPushButton::clicked, this,
            &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_matchCase);
    layout->addWidget(m_wholeWord);
    layout->addWidget(buttons);
}

QString CFindReplaceDlg::FindText() const
{
    return m_find->text();
}

QString CFindReplaceDlg::ReplaceText() const
{
    return m_replace ? m_replace->text() : QString();
}

bool CFindReplaceDlg::MatchCase() const
{
    return m_matchCase->isChecked();
}

bool CFindReplaceDlg::WholeWord() const
{
    return m_wholeWord->isChecked();
}
