#include "app/TipDlg.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

CTipDlg::CTipDlg(const QString &tipsFile, CSettingsStore &store, bool showAtStartup,
                 QWidget *parent)
    : QDialog(parent), m_store(store)
{
    setWindowTitle(QStringLiteral("Tip of the Day"));

    auto *panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setBackgroundRole(QPalette::Base);
    panel->setAutoFillBackground(true);

    auto *icon = new QLabel(panel);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);
    auto *heading = new QLabel(QStringLiteral("Did you know..."), panel);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    heading->setFont(headingFont);
    m_tip = new QLabel(panel);
    m_tip->setWordWrap(true);
    m_tip->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_tip->setTextFormat(Qt::PlainText);
    m_tip->setMinimumSize(360, 110);
    m_tip->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *text = new QVBoxLayout;
    text->addWidget(heading);
    text->addWidget(m_tip, 1);
    auto *panelLayout = new QHBoxLayout(panel);
    panelLayout->addWidget(icon);
    panelLayout->addLayout(text, 1);

    m_showAtStartup = new QCheckBox(QStringLiteral("&Show Tips on StartUp"), this);
    m_showAtStartup->setChecked(showAtStartup);
    m_next = new QPushButton(QStringLiteral("&Next Tip"), this);
    auto *close = new QPushButton(QStringLiteral("&Close"), this);
    close->setDefault(true);
    connect(m_next, &QPushButton::clicked, this, &CTipDlg::OnNextTip);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_showAtStartup);
    buttons->addStretch(1);
    buttons->addWidget(m_next);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel, 1);
    layout->addLayout(buttons);

    switch (m_reader.Open(tipsFile, m_store)) {
    case CTipReader::NoFile:
        m_tip->setText(CTipReader::NoFileText(tipsFile));
        m_next->setEnabled(false);
        break;
    case CTipReader::SeekFailed:
        m_tip->setText(CTipReader::SeekFailedText());
        break;
    case CTipReader::Ok:
        OnNextTip();
        break;
    }
}

CTipDlg::~CTipDlg()
{
    m_reader.Close(m_store);
}

void CTipDlg::OnNextTip()
{
    const QString tip = m_reader.NextTip();
    m_tip->setText(tip.isEmpty() ? CTipReader::NoTipText() : tip);
}

bool CTipDlg::ShowAtStartup() const
{
    return m_showAtStartup->isChecked();
}

QString CTipDlg::TipText() const
{
    return m_tip->text();
}
