#include "packages/ClassDumpDlg.h"

#include "core/Prompter.h"
#include "packages/ClassDumpRun.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CClassDumpDlg::CClassDumpDlg(CClassDumper &introspector, const QStringList &paths, QWidget *parent)
    : QDialog(parent), m_run(std::make_unique<CClassDumpRun>(introspector, paths)),
      m_status(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Introspection"));
    setObjectName(QStringLiteral("ClassDumpDlg"));
    m_status->setMinimumWidth(360);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &CClassDumpDlg::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addWidget(buttons);

    m_run->m_onStatus = [this](const QString &text) { m_status->setText(text); };
    m_run->m_onOutput = [](const QString &text) {
        Prompter().OutputLine(QStringLiteral("Output"), text);
    };
    m_run->m_onDone = [this](CClassDumpRun::Result result) {
        done(result == CClassDumpRun::Ok ? Accepted : Rejected);
    };
}

CClassDumpDlg::~CClassDumpDlg() = default;

void CClassDumpDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        m_run->Start();
    }
}

void CClassDumpDlg::reject()
{
    if (m_run->State() == CClassDumpRun::Running) {
        m_run->Abort(); // ends the dialog through m_onDone
        return;
    }
    QDialog::reject();
}
