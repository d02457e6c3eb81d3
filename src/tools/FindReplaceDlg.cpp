#include "tools/FindReplaceDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

CFindReplaceDlg::CFindReplaceDlg(QWidget *parent, bool replace, const QString &findText,
                                 const QString &replaceText, bool matchCase, bool wholeWord)
    : QDialog(parent)
{
    setWindowTitle(replace ? tr("Replace") : tr("Find"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *form = new QFormLayout;
    m_find = new QComboBox;
    m_find->setEditable(true);
    m_find->setInsertPolicy(QComboBox::NoInsert);
    m_find->setEditText(findText);
    m_find->setObjectName(QStringLiteral("findText"));
    form->addRow(tr("Fi&nd what:"), m_find);
    if (replace) {
        m_replace = new QComboBox;
        m_replace->setEditable(true);
        m_replace->setInsertPolicy(QComboBox::NoInsert);
        m_replace->setEditText(replaceText);
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
    auto *options = new QVBoxLayout;
    options->addWidget(m_matchCase);
    options->addWidget(m_wholeWord);
    m_options = options;
    layout->addLayout(options);
    layout->addWidget(buttons);
}

void CFindReplaceDlg::SetHistories(const QStringList &find, const QStringList &replace)
{
    const QString findText = m_find->currentText();
    m_find->clear();
    m_find->addItems(find);
    m_find->setEditText(findText);
    if (m_replace) {
        const QString replaceText = m_replace->currentText();
        m_replace->clear();
        m_replace->addItems(replace);
        m_replace->setEditText(replaceText);
    }
}

void CFindReplaceDlg::ShowReplaceInSelection(bool checked)
{
    if (!m_replace)
        return;
    if (!m_inSelection) {
        m_inSelection = new QCheckBox(tr("Replace in Selection"));
        m_inSelection->setObjectName(QStringLiteral("inSelection"));
        m_options->addWidget(m_inSelection);
    }
    m_inSelection->setChecked(checked);
}

bool CFindReplaceDlg::ReplaceInSelection() const
{
    return m_inSelection && m_inSelection->isChecked();
}

QString CFindReplaceDlg::FindText() const
{
    return m_find->currentText();
}

QString CFindReplaceDlg::ReplaceText() const
{
    return m_replace ? m_replace->currentText() : QString();
}

bool CFindReplaceDlg::MatchCase() const
{
    return m_matchCase->isChecked();
}

bool CFindReplaceDlg::WholeWord() const
{
    return m_wholeWord->isChecked();
}
