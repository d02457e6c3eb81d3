#include "app/ColorPage.h"

#include "editor/HueditView.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

namespace {

QColor ToColor(COLORREF c)
{
    return QColor(ColorRefRed(c), ColorRefGreen(c), ColorRefBlue(c));
}

COLORREF FromColor(const QColor &c)
{
    return MakeColorRef(c.red(), c.green(), c.blue());
}

} // namespace

CColorPage::CColorPage(COLORREF background, const QFont &editorFont, DialogRunner runner,
                       QWidget *parent)
    : QDialog(parent), m_background(background), m_font(editorFont), m_runDialog(std::move(runner))
{
    setWindowTitle(QStringLiteral("Colors/Font"));
    int count = 0;
    CTextFormat *const *formats = CTextFormat::AllFormats(&count);
    for (int i = 0; i < count; ++i)
        m_types.append({formats[i], formats[i]->GetColor(), formats[i]->GetStyle()});

    m_typeList = new QComboBox;
    m_typeList->setObjectName(QStringLiteral("type"));
    for (const SType &type : m_types)
        m_typeList->addItem(QString::fromLatin1(type.format->Name()));
    m_styleList = new QComboBox;
    m_styleList->setObjectName(QStringLiteral("style"));
    m_styleList->addItems({QStringLiteral("Regular"), QStringLiteral("Bold"),
                           QStringLiteral("Italic"), QStringLiteral("Bold Italic")});
    m_sample = new QLabel(QStringLiteral("Sample"));
    m_sample->setObjectName(QStringLiteral("sample"));
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setAutoFillBackground(true);
    m_sample->setMinimumSize(120, 32);
    m_backSample = new QLabel;
    m_backSample->setAutoFillBackground(true);
    m_backSample->setMinimumSize(120, 20);

    auto *colour = new QPushButton(QStringLiteral("Color..."));
    auto *back = new QPushButton(QStringLiteral("..."));
    auto *defaults = new QPushButton(QStringLiteral("Default"));
    auto *font = new QPushButton(QStringLiteral("Font..."));
    connect(m_typeList, &QComboBox::currentIndexChanged, this, &CColorPage::SelectType);
    connect(m_styleList, &QComboBox::activated, this, &CColorPage::SetStyle);
    connect(colour, &QPushButton::clicked, this, &CColorPage::ChooseColor);
    connect(back, &QPushButton::clicked, this, &CColorPage::ChooseBackground);
    connect(defaults, &QPushButton::clicked, this, &CColorPage::RestoreDefaults);
    connect(font, &QPushButton::clicked, this, &CColorPage::ChooseFont);

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Type -")), 0, 0);
    grid->addWidget(m_typeList, 0, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Font Style -")), 1, 0);
    grid->addWidget(m_styleList, 1, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Font Color -")), 2, 0);
    grid->addWidget(m_sample, 2, 1);
    grid->addWidget(colour, 2, 2);
    grid->addWidget(new QLabel(QStringLiteral("Background Color -")), 3, 0);
    grid->addWidget(m_backSample, 3, 1);
    grid->addWidget(back, 3, 2);
    auto *more = new QHBoxLayout;
    more->addWidget(defaults);
    more->addWidget(font);
    more->addStretch();
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(more);
    layout->addWidget(buttons);
    SelectType(0);
}

void CColorPage::SelectType(int index)
{
    if (index < 0 || index >= m_types.size())
        return;
    if (m_typeList->currentIndex() != index)
        m_typeList->setCurrentIndex(index);
    m_styleList->setCurrentIndex(m_types[index].style);
    UpdateSample();
}

void CColorPage::SetStyle(int style)
{
    const int index = m_typeList->currentIndex();
    if (index < 0 || style < 0 || style > 3)
        return;
    if (m_types[index].style != style)
        m_modified = true;
    m_types[index].style = style;
    if (m_styleList->currentIndex() != style)
        m_styleList->setCurrentIndex(style);
    UpdateSample();
}

void CColorPage::ChooseColor()
{
    const int index = m_typeList->currentIndex();
    if (index < 0)
        return;
    QColorDialog dlg(ToColor(m_types[index].colour), this);
    if (m_runDialog(dlg) != QDialog::Accepted)
        return;
    m_types[index].colour = FromColor(dlg.currentColor());
    m_modified = true;
    UpdateSample();
}

void CColorPage::ChooseBackground()
{
    QColorDialog dlg(ToColor(m_background), this);
    if (m_runDialog(dlg) != QDialog::Accepted)
        return;
    m_background = FromColor(dlg.currentColor());
    m_modified = true;
    UpdateSample();
}

void CColorPage::ChooseFont()
{
    QFontDialog dlg(m_font, this);
    dlg.setOption(QFontDialog::MonospacedFonts);
    dlg.setOption(QFontDialog::ScalableFonts, false);
    if (m_runDialog(dlg) != QDialog::Accepted)
        return;
    QFont chosen(dlg.currentFont().family());
    chosen.setPointSizeF(dlg.currentFont().pointSizeF());
    chosen.setWeight(QFont::Normal);
    m_font = chosen;
    m_fontChanged = true;
    m_modified = true;
}

void CColorPage::RestoreDefaults()
{
    m_background = CHueditView::SystemWindowColor();
    for (SType &type : m_types) {
        CTextFormat copy = *type.format;
        copy.Init(m_background);
        type.colour = copy.GetColor();
        type.style = copy.GetStyle();
    }
    m_modified = true;
    SelectType(m_typeList->currentIndex());
}

void CColorPage::ApplyFormats() const
{
    for (const SType &type : m_types) {
        type.format->SetColor(type.colour);
        type.format->SetStyle(type.style);
    }
}

void CColorPage::UpdateSample()
{
    const int index = m_typeList->currentIndex();
    QPalette palette = m_sample->palette();
    palette.setColor(QPalette::Window, ToColor(m_background));
    if (index >= 0)
        palette.setColor(QPalette::WindowText, ToColor(m_types[index].colour));
    m_sample->setPalette(palette);
    QFont font = m_font;
    if (index >= 0) {
        font.setBold(m_types[index].style & 1);
        font.setItalic(m_types[index].style & 2);
    }
    m_sample->setFont(font);
    QPalette back = m_backSample->palette();
    back.setColor(QPalette::Window, ToColor(m_background));
    m_backSample->setPalette(back);
}
