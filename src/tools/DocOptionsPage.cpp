#include "tools/DocOptionsPage.h"

#include "project/ToolOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CDocOptionsPage::CDocOptionsPage(QWidget *parent)
    : QWidget(parent),
      m_outputDirOn(new QCheckBox(QStringLiteral("Documentation output directory (-d)"))),
      m_outputDir(new QLineEdit), m_docType(new QComboBox), m_docTypeNote(new QLabel),
      m_version(new QCheckBox(QStringLiteral("Include @version Paragraphs (-version)"))),
      m_noDeprecated(
          new QCheckBox(QStringLiteral("Exclude Deprecated Paragraphs (-nodeprecated)"))),
      m_author(new QCheckBox(QStringLiteral("Include @author Paragraphs (-author)"))),
      m_noIndex(new QCheckBox(QStringLiteral("Do not generate Method and Field Index (-noindex)"))),
      m_noTree(new QCheckBox(QStringLiteral("Do not generate class hierarchy  (-notree)"))),
      m_customOn(new QCheckBox(QStringLiteral("Custom options (sent as is) -"))),
      m_custom(new QLineEdit),
      m_classPathOn(new QCheckBox(QStringLiteral("Classpath path (-classpath)"))),
      m_classPath(new QLineEdit)
{
    m_docType->addItems({QStringLiteral("HTML"), QStringLiteral("MIF (-doctype MIF)")});
    m_docTypeNote->setWordWrap(true);
    auto *browse = new QPushButton(QStringLiteral("..."));
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString dir = QFileDialog::getExistingDirectory(this, QString(), m_outputDir->text());
        if (!dir.isEmpty())
            m_outputDir->setText(dir);
    });
    connect(m_docType, &QComboBox::currentIndexChanged, this, &CDocOptionsPage::UpdateNote);

    auto *grid = new QGridLayout(this);
    int row = 0;
    grid->addWidget(m_outputDirOn, row++, 0, 1, 2);
    grid->addWidget(m_outputDir, row, 0);
    grid->addWidget(browse, row++, 1);
    grid->addWidget(new QLabel(QStringLiteral("Document Type -")), row++, 0, 1, 2);
    grid->addWidget(m_docType, row++, 0, 1, 2);
    grid->addWidget(m_docTypeNote, row++, 0, 1, 2);
    for (QCheckBox *box : {m_version, m_noDeprecated, m_author, m_noIndex, m_noTree})
        grid->addWidget(box, row++, 0, 1, 2);
    grid->addWidget(m_customOn, row++, 0, 1, 2);
    grid->addWidget(m_custom, row++, 0, 1, 2);
    grid->addWidget(m_classPathOn, row++, 0, 1, 2);
    grid->addWidget(m_classPath, row++, 0, 1, 2);
    grid->setRowStretch(row, 1);
    UpdateNote();
}

QString CDocOptionsPage::MifNote()
{
    return QStringLiteral("Note: the javadoc of today's JDK no longer knows \"-doctype MIF\" and "
                          "stops with \"error: invalid flag: -doctype\".");
}

void CDocOptionsPage::UpdateNote()
{
    m_docTypeNote->setText(m_docType->currentIndex() == 1 ? MifNote() : QString());
    m_docTypeNote->setVisible(m_docType->currentIndex() == 1);
}

void CDocOptionsPage::Load(const CDocOptions &o)
{
    m_outputDirOn->setChecked(o.m_bOutputDir);
    m_outputDir->setText(o.m_strOutputDir);
    m_docType->setCurrentIndex(o.m_nDocType == 2 ? 1 : 0);
    m_version->setChecked(o.m_bVersion);
    m_noDeprecated->setChecked(o.m_bNoDeprecated);
    m_author->setChecked(o.m_bAuthor);
    m_noIndex->setChecked(o.m_bNoIndex);
    m_noTree->setChecked(o.m_bNoTree);
    m_customOn->setChecked(o.m_bCustomOptions);
    m_custom->setText(o.m_strCustomOptions);
    m_classPathOn->setChecked(o.m_bClassPath);
    m_classPath->setText(o.m_strClassPath);
    UpdateNote();
}

void CDocOptionsPage::Save(CDocOptions &o) const
{
    o.m_bOutputDir = m_outputDirOn->isChecked();
    o.m_strOutputDir = m_outputDir->text();
    o.m_nDocType = m_docType->currentIndex() + 1;
    o.m_bVersion = m_version->isChecked();
    o.m_bNoDeprecated = m_noDeprecated->isChecked();
    o.m_bAuthor = m_author->isChecked();
    o.m_bNoIndex = m_noIndex->isChecked();
    o.m_bNoTree = m_noTree->isChecked();
    o.m_bCustomOptions = m_customOn->isChecked();
    o.m_strCustomOptions = m_custom->text();
    o.m_bClassPath = m_classPathOn->isChecked();
    o.m_strClassPath = m_classPath->text();
}
