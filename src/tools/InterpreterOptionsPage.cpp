#include "tools/InterpreterOptionsPage.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CInterpreterOptionsPage::CInterpreterOptionsPage(bool projectPage, QWidget *parent)
    : QWidget(parent)
{
    auto *grid = new QGridLayout(this);
    int line = 0;
    for (const CInterpreterOptionRow &def : CInterpreterOptionsTable::RowsFor(projectPage)) {
        Row row;
        row.def = def;
        row.on = new QCheckBox(def.label);
        grid->addWidget(row.on, line, 0);
        if (def.value) {
            row.value = new QLineEdit;
            grid->addWidget(row.value, line, 1);
            if (def.on == &CInterpreterOptions::m_bUseInterpreter) {
                auto *browse = new QPushButton(tr("Browse..."));
                QLineEdit *edit = row.value;
                connect(browse, &QPushButton::clicked, this,
                        [this, edit] { BrowseInterpreter(edit); });
                grid->addWidget(browse, line, 2);
            }
        }
        if (!def.java17Note.isEmpty()) {
            row.note = new QLabel(def.java17Note);
            QFont f = row.note->font();
            f.setItalic(true);
            row.note->setFont(f);
            if (def.java17 == CInterpreterOptionRow::Rejected)
                row.note->setStyleSheet(QStringLiteral("color: #b00020;"));
            grid->addWidget(row.note, line, 2);
        }
        m_rows << row;
        ++line;
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(line, 1);
}

void CInterpreterOptionsPage::Load(const CInterpreterOptions &options)
{
    for (Row &row : m_rows) {
        row.on->setChecked(options.*(row.def.on) != 0);
        if (row.value)
            row.value->setText(options.*(row.def.value));
    }
}

void CInterpreterOptionsPage::Save(CInterpreterOptions &options) const
{
    for (const Row &row : m_rows) {
        options.*(row.def.on) = row.on->isChecked() ? 1 : 0;
        if (row.value)
            options.*(row.def.value) = row.value->text();
    }
}

const CInterpreterOptionsPage::Row *CInterpreterOptionsPage::Find(const QString &label) const
{
    for (const Row &row : m_rows)
        if (row.def.label == label)
            return &row;
    return nullptr;
}

QCheckBox *CInterpreterOptionsPage::CheckBox(const QString &label) const
{
    const Row *row = Find(label);
    return row ? row->on : nullptr;
}

QLineEdit *CInterpreterOptionsPage::Value(const QString &label) const
{
    const Row *row = Find(label);
    return row ? row->value : nullptr;
}

QLabel *CInterpreterOptionsPage::Note(const QString &label) const
{
    const Row *row = Find(label);
    return row ? row->note : nullptr;
}

void CInterpreterOptionsPage::BrowseInterpreter(QLineEdit *edit)
{
    const QString path =
        m_picker
            ? m_picker()
            : QFileDialog::getOpenFileName(this, CInterpreterOptionsTable::SelectInterpreterTitle(),
                                           edit->text(),
                                           CInterpreterOptionsTable::SelectInterpreterFilter());
    if (!path.isEmpty())
        edit->setText(path);
}
