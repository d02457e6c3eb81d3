#include "app/OptionsSheet.h"

#include "app/ColorPage.h"
#include "app/EditorOptionsDlg.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QTabWidget>
#include <QVBoxLayout>

QWidget *COptionsSheet::AsPage(QDialog *dialog)
{
    // A dialog made a page: no window of its own, the sheet's buttons in
    // place of its own, and Return and Escape for the sheet (a dialog would
    // take them for itself and hide the page).
    dialog->setWindowFlags(Qt::Widget);
    if (auto *buttons = dialog->findChild<QDialogButtonBox *>())
        buttons->hide();
    dialog->installEventFilter(this);
    return dialog;
}

bool COptionsSheet::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && (watched == m_editor || watched == m_colours)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Cancel)) {
            reject();
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

COptionsSheet::COptionsSheet(CEditorOptionsDlg *editor, CColorPage *colours, QWidget *parent)
    : QDialog(parent), m_tabs(new QTabWidget), m_editor(editor), m_colours(colours)
{
    setObjectName(QStringLiteral("OptionsSheet"));
    setWindowTitle(QStringLiteral("Options"));
    m_tabs->addTab(AsPage(editor), QStringLiteral("Editor"));
    m_tabs->addTab(AsPage(colours), QStringLiteral("Colors/Font"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &COptionsSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
}

void COptionsSheet::SetCurrentPage(Page page)
{
    m_tabs->setCurrentIndex(int(page));
}

COptionsSheet::Page COptionsSheet::CurrentPage() const
{
    return Page(m_tabs->currentIndex());
}

void COptionsSheet::accept()
{
    // The page comes to the front first, so that the message's field is
    // in sight and takes the focus.
    const Page shown = CurrentPage();
    SetCurrentPage(EditorPage);
    if (!m_editor->Validate())
        return;
    SetCurrentPage(shown);
    QDialog::accept();
}
