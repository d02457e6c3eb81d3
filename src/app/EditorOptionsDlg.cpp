#include "app/EditorOptionsDlg.h"

#include "core/Prompter.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

struct SNumberDef
{
    const char *name;
    const char *label;
    int low;
    int high;
    int CIDEOptions::*field;
};

const SNumberDef kNumbers[] = {
    {"tabSize", "Editor Tab Size -", CIDEOptions::kMinTabSize, CIDEOptions::kMaxTabSize,
     &CIDEOptions::m_tabSize},
    {"menuItems", "Class Override Menu Size -", 10, 50, &CIDEOptions::m_menuItems},
    {"mruLength", "MRU Length -", 4, 16, &CIDEOptions::m_mruLength},
    {"undoBufferSize", "Undo Buffer Size -", CIDEOptions::kMinUndoBufferSize,
     CIDEOptions::kMaxUndoBufferSize, &CIDEOptions::m_undoBufferSize},
};

struct SFlagDef
{
    const char *name;
    const char *label;
    int CIDEOptions::*field;
};

const SFlagDef kFlags[] = {
    {"tabSpaces", "Insert Spaces instead of Tabs", &CIDEOptions::m_tabSpaces},
    {"smartIndent", "Enable Smart Indenting", &CIDEOptions::m_smartIndent},
    {"beep", "Enable Message Beeps", &CIDEOptions::m_beep},
    {"menuTooltip", "Enable Methods Menu Tooltip", &CIDEOptions::m_menuTooltip},
    {"parseOnSave", "Parse File on Save", &CIDEOptions::m_parseOnSave},
    {"parseAllFiles", "Parse All Files on Project Open", &CIDEOptions::m_parseAllFiles},
    {"autoExpand", "Auto Expand Project Tree", &CIDEOptions::m_autoExpand},
    {"closeProjectFiles", "Close Project Files on Project Close",
     &CIDEOptions::m_closeProjectFiles},
    {"checkDirtyFiles", "Check Project for Dirty Files before Run",
     &CIDEOptions::m_checkDirtyFiles},
    {"restoreWindows", "Restore Project Windows on Open", &CIDEOptions::m_restoreWindows},
    {"wordWrap", "Word Wrap Output Window ", &CIDEOptions::m_wordWrap},
};

} // namespace

CEditorOptionsDlg::CEditorOptionsDlg(const CIDEOptions &options, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("EditorOptionsDlg"));
    setWindowTitle(QStringLiteral("Editor"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    layout->addLayout(form);
    for (const SNumberDef &def : kNumbers) {
        auto *edit = new QLineEdit(QString::number(options.*def.field));
        edit->setObjectName(QString::fromLatin1(def.name));
        // Digits only; the range is checked on OK, where a message can say
        // what is wrong instead of the key being swallowed.
        edit->setValidator(new QIntValidator(0, 99999, edit));
        edit->setMaxLength(5);
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);
        form->addRow(QString::fromLatin1(def.label), edit);
        m_numbers.append({edit, def.label, def.low, def.high, def.field});
    }
    auto *grid = new QGridLayout;
    layout->addLayout(grid);
    int index = 0;
    for (const SFlagDef &def : kFlags) {
        auto *box = new QCheckBox(QString::fromLatin1(def.label));
        box->setObjectName(QString::fromLatin1(def.name));
        box->setChecked(options.*def.field != 0);
        grid->addWidget(box, index / 2, index % 2);
        m_flags.append({box, def.field});
        ++index;
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CEditorOptionsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QString CEditorOptionsDlg::RangeMessage(const QString &label, int low, int high)
{
    QString name = label;
    if (name.endsWith(QStringLiteral(" -")))
        name.chop(2);
    return QStringLiteral("%1 must be a whole number from %2 to %3 !!!")
        .arg(name)
        .arg(low)
        .arg(high);
}

bool CEditorOptionsDlg::Validate()
{
    for (const SNumber &number : m_numbers) {
        bool ok = false;
        const int value = number.edit->text().trimmed().toInt(&ok);
        if (ok && value >= number.low && value <= number.high)
            continue;
        Prompter().MessageBox(
            RangeMessage(QString::fromLatin1(number.label), number.low, number.high), CPrompter::Ok,
            CPrompter::Warning);
        number.edit->setFocus();
        number.edit->selectAll();
        return false;
    }
    return true;
}

void CEditorOptionsDlg::accept()
{
    if (Validate())
        QDialog::accept();
}

void CEditorOptionsDlg::Save(CIDEOptions &options) const
{
    for (const SNumber &number : m_numbers)
        options.*number.field = number.edit->text().trimmed().toInt();
    for (const SFlag &flag : m_flags)
        options.*flag.field = flag.box->isChecked() ? 1 : 0;
}
