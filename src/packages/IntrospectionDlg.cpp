#include "packages/IntrospectionDlg.h"

#include "core/Prompter.h"
#include "packages/IntrospectionRun.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CIntrospectionDlg::CIntrospectionDlg(CIntrospector &introspector, const QStringList &paths,
                                     QWidget *parent)
    : QDialog(parent), m_run(std::make_unique<CIntrospectionRun>(introspector, paths)),
      m_status(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Introspection"));
    setObjectName(QStringLiteral("IntrospectionDlg"));
    m_status->setMinimumWidth(360);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &CIntrospectionDlg::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addWidget(buttons);

    m_run->m_onStatus = [this](const QString &text) { m_status->setText(text); };
    m_run->m_onOutput = [](const QString &text) {
        Prompter().OutputLine(QStringLiteral("Output"), text);
    };
    m_run->m_onDone = [this](CIntrospectionRun::Result result) {
        done(result == CIntrospectionRun::Ok ? Accepted : Rejected);
    };
}

CIntrospectionDlg::~CIntrospectionDlg() = default;

void CIntrospectionDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        m_run->Start();
    }
}

void CIntrospectionDlg::reject()
{
    if (m_run->State() == CIntrospectionRun::Running) {
        m_run->Abort(); // ends the dialog through m_onDone
        return;
    }
    QDialog::reject();
}
