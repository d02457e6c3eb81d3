#include "tools/CustomCommandsDlg.h"

#include "tools/Command.h"
#include "tools/CommandsDoc.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPushButton *SmallButton(const QString &text)
{
    auto *b = new QPushButton(text);
    b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("MMM")) + 12);
    return b;
}
} // namespace

CCustomCommandsDlg::CCustomCommandsDlg(CCommandsDoc &doc, QWidget *parent)
    : QDialog(parent), m_doc(doc), m_list(new QListWidget), m_menuName(new QLineEdit),
      m_command(new QLineEdit), m_directory(new QLineEdit), m_arguments(new QLineEdit),
      m_classPath(new QCheckBox(QStringLiteral("Set Projects Interpreter Classpath"))),
      m_inWindow(new QCheckBox(QStringLiteral("Redirect Output and Input to a client Window"))),
      m_toOutput(new QCheckBox(QStringLiteral("Redirect Output only to output Window"))),
      m_fileMenu(new QCheckBox(
          QStringLiteral("Add command to File Item right button menu in the project tree"))),
      m_projectMenu(new QCheckBox(
          QStringLiteral("Add command to Project Item right button Menu in the project tree")))
{
    setWindowTitle(QStringLiteral("Custom Commands"));
    setObjectName(QStringLiteral("CustomCommandsDlg"));

    auto *newButton = new QPushButton(QStringLiteral("New"));
    auto *deleteButton = new QPushButton(QStringLiteral("Delete"));
    auto *upButton = new QPushButton(QStringLiteral("Move Up"));
    auto *downButton = new QPushButton(QStringLiteral("Move Down"));
    auto *closeButton = new QPushButton(QStringLiteral("Close"));
    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {newButton, deleteButton, upButton, downButton})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto *top = new QHBoxLayout;
    top->addWidget(m_list, 1);
    top->addLayout(buttons);

    auto *commandPick = SmallButton(QStringLiteral("..."));
    auto *dirPick = SmallButton(QStringLiteral("..."));
    auto *dirVar = SmallButton(QStringLiteral(">>"));
    auto *argVar = SmallButton(QStringLiteral(">>"));
    auto row = [](QWidget *edit, std::initializer_list<QWidget *> extra) {
        auto *h = new QHBoxLayout;
        h->addWidget(edit, 1);
        for (QWidget *w : extra)
            h->addWidget(w);
        return h;
    };
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Menu Name -"), m_menuName);
    form->addRow(QStringLiteral("Command -"), row(m_command, {commandPick}));
    form->addRow(QStringLiteral("Startup Directory -"), row(m_directory, {dirPick, dirVar}));
    form->addRow(QStringLiteral("Arguments -"), row(m_arguments, {argVar}));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(form);
    for (QCheckBox *box : {m_classPath, m_inWindow, m_toOutput, m_fileMenu, m_projectMenu})
        layout->addWidget(box);

    m_fields = {m_menuName, m_command,    m_directory,   m_arguments, m_classPath, m_inWindow,
                m_toOutput, m_fileMenu,   m_projectMenu, commandPick, dirPick,     dirVar,
                argVar,     deleteButton, upButton,      downButton};

    connect(newButton, &QPushButton::clicked, this, &CCustomCommandsDlg::OnNew);
    connect(deleteButton, &QPushButton::clicked, this, &CCustomCommandsDlg::OnDelete);
    connect(upButton, &QPushButton::clicked, this, [this] { OnMove(-1); });
    connect(downButton, &QPushButton::clicked, this, [this] { OnMove(1); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_list, &QListWidget::currentRowChanged, this, [this] { ShowCurrent(); });
    for (QLineEdit *edit : {m_menuName, m_command, m_directory, m_arguments})
        connect(edit, &QLineEdit::textChanged, this, [this] { Changed(); });
    for (QCheckBox *box : {m_classPath, m_inWindow, m_toOutput, m_fileMenu, m_projectMenu})
        connect(box, &QCheckBox::toggled, this, [this, box](bool on) {
            // Output in a window of its own and output in the Output tab
            // exclude each other.
            if (on && box == m_inWindow)
                m_toOutput->setChecked(false);
            else if (on && box == m_toOutput)
                m_inWindow->setChecked(false);
            Changed();
        });
    connect(commandPick, &QPushButton::clicked, this, [this] {
        const QString file = QFileDialog::getOpenFileName(
            this, QStringLiteral("Select Command"), m_command->text(),
            QStringLiteral("Programs (*);;Scripts (*.sh);;All Files (*)"));
        if (!file.isEmpty())
            m_command->setText(file);
    });
    connect(dirPick, &QPushButton::clicked, this, [this] {
        const QString dir = QFileDialog::getExistingDirectory(
            this, QStringLiteral("Startup Directory"), m_directory->text());
        if (!dir.isEmpty())
            m_directory->setText(dir);
    });
    connect(argVar, &QPushButton::clicked, this,
            [this] { AddArgumentVariable(PickVariable(CCommand::StandardVariables())); });
    connect(dirVar, &QPushButton::clicked, this,
            [this] { SetDirectoryVariable(PickVariable(CCommand::DirectoryVariables())); });

    Refill(0);
    resize(620, sizeHint().height());
}

CCommand *CCustomCommandsDlg::Current() const
{
    const int row = m_list->currentRow();
    return row >= 0 && row < m_doc.Commands().size() ? m_doc.Commands().at(row) : nullptr;
}

void CCustomCommandsDlg::Refill(int select)
{
    m_filling = true;
    m_list->clear();
    for (const CCommand *cmd : m_doc.Commands())
        m_list->addItem(cmd->m_strMenuName);
    m_filling = false;
    m_list->setCurrentRow(qMin(select, int(m_doc.Commands().size()) - 1));
    ShowCurrent();
}

void CCustomCommandsDlg::ShowCurrent()
{
    if (m_filling)
        return;
    const CCommand *cmd = Current();
    m_filling = true;
    for (QWidget *w : m_fields)
        w->setEnabled(cmd != nullptr);
    const CCommand empty;
    const CCommand &c = cmd ? *cmd : empty;
    m_menuName->setText(c.m_strMenuName);
    m_command->setText(c.m_strCommand);
    m_directory->setText(c.m_strStartupDir);
    m_arguments->setText(c.m_strArguments);
    m_classPath->setChecked(c.m_bSetClassPath);
    m_inWindow->setChecked(c.m_bInWindow);
    m_toOutput->setChecked(c.m_bToOutput);
    m_fileMenu->setChecked(c.m_bFileMenu);
    m_projectMenu->setChecked(c.m_bProjectMenu);
    m_filling = false;
}

void CCustomCommandsDlg::Changed()
{
    CCommand *cmd = Current();
    if (m_filling || !cmd)
        return;
    cmd->m_strMenuName = m_menuName->text();
    cmd->m_strCommand = m_command->text();
    cmd->m_strStartupDir = m_directory->text();
    cmd->m_strArguments = m_arguments->text();
    cmd->m_bSetClassPath = m_classPath->isChecked();
    cmd->m_bInWindow = m_inWindow->isChecked();
    cmd->m_bToOutput = m_toOutput->isChecked();
    cmd->m_bFileMenu = m_fileMenu->isChecked();
    cmd->m_bProjectMenu = m_projectMenu->isChecked();
    if (QListWidgetItem *item = m_list->currentItem())
        item->setText(cmd->m_strMenuName);
    m_doc.SetModifiedFlag();
}

void CCustomCommandsDlg::OnNew()
{
    m_doc.AddCommand();
    Refill(int(m_doc.Commands().size()) - 1);
    m_menuName->setFocus();
    m_menuName->selectAll();
}

void CCustomCommandsDlg::OnDelete()
{
    const int row = m_list->currentRow();
    if (row < 0)
        return;
    m_doc.DeleteCommand(row);
    Refill(qMax(0, row - (row >= m_doc.Commands().size() ? 1 : 0)));
}

void CCustomCommandsDlg::OnMove(int delta)
{
    const int row = m_list->currentRow();
    if (row < 0 || row + delta < 0 || !m_doc.MoveCommand(row, row + delta))
        return;
    Refill(row + delta);
}

void CCustomCommandsDlg::AddArgumentVariable(const QString &variable)
{
    if (variable.isEmpty())
        return;
    QString args = m_arguments->text();
    if (!args.isEmpty())
        args += QLatin1Char(' ');
    m_arguments->setText(args + variable);
}

void CCustomCommandsDlg::SetDirectoryVariable(const QString &variable)
{
    if (!variable.isEmpty())
        m_directory->setText(variable);
}

QString CCustomCommandsDlg::PickVariable(const QStringList &variables)
{
    bool ok = false;
    const QString choice = QInputDialog::getItem(this, QStringLiteral("Standard Variables"),
                                                 QString(), variables, 0, false, &ok);
    return ok ? choice : QString();
}
