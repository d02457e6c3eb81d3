#include "tools/JarDlg.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

CJarDlg::CJarDlg(QWidget *parent)
    : QDialog(parent), m_create(new QCheckBox(QStringLiteral("Create new Jar (-c)"))),
      m_verbose(new QCheckBox(QStringLiteral("Verbose Output (-v)"))),
      m_noCompression(new QCheckBox(QStringLiteral("Store Only. No compression (-0)"))),
      m_noManifestEntries(
          new QCheckBox(QStringLiteral("Do not create a manifest file for the entries (-M)"))),
      m_includeManifest(new QCheckBox(QStringLiteral("Include Manifest File (-m)"))),
      m_manifest(new QLineEdit),
      m_specifyArchive(new QCheckBox(QStringLiteral("Specify archive File Name (-f)"))),
      m_archive(new QLineEdit), m_custom(new QCheckBox(QStringLiteral(
                                    "Custom options (appended as is to the end of jar command)"))),
      m_customOptions(new QLineEdit), m_files(new QListWidget)
{
    setWindowTitle(QStringLiteral("Make a Jar file"));
    setObjectName(QStringLiteral("JarDlg"));
    m_files->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto *pickManifest = new QPushButton(QStringLiteral("..."));
    auto *pickArchive = new QPushButton(QStringLiteral("..."));
    auto *add = new QPushButton(QStringLiteral("Add Files..."));
    auto *remove = new QPushButton(QStringLiteral("Delete"));
    auto *start = new QPushButton(QStringLiteral("Start"));
    auto *close = new QPushButton(QStringLiteral("Close"));

    auto *grid = new QGridLayout(this);
    int row = 0;
    for (QCheckBox *box : {m_create, m_verbose, m_noCompression, m_noManifestEntries})
        grid->addWidget(box, row++, 0, 1, 3);
    grid->addWidget(m_includeManifest, row++, 0, 1, 3);
    grid->addWidget(m_manifest, row, 0, 1, 2);
    grid->addWidget(pickManifest, row++, 2);
    grid->addWidget(m_specifyArchive, row++, 0, 1, 3);
    grid->addWidget(m_archive, row, 0, 1, 2);
    grid->addWidget(pickArchive, row++, 2);
    grid->addWidget(m_custom, row++, 0, 1, 3);
    grid->addWidget(m_customOptions, row++, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral(
                        "Files - Path relative to output archive diectory will be passed to Jar")),
                    row++, 0, 1, 3);
    grid->addWidget(m_files, row, 0, 4, 2);
    grid->addWidget(add, row, 2);
    grid->addWidget(remove, row + 1, 2);
    grid->addWidget(start, row + 2, 2);
    grid->addWidget(close, row + 3, 2);

    connect(pickManifest, &QPushButton::clicked, this, [this] {
        const QString f = QFileDialog::getOpenFileName(
            this, QStringLiteral("Select Manifest File"), m_manifest->text(),
            QStringLiteral("Manifest Files (*.mft);;All Files (*)"));
        if (!f.isEmpty())
            m_manifest->setText(f);
    });
    connect(pickArchive, &QPushButton::clicked, this, [this] {
        const QString f = QFileDialog::getSaveFileName(
            this, QString(), m_archive->text(), QStringLiteral("Jar Files (*.jar);;All Files (*)"));
        if (!f.isEmpty())
            m_archive->setText(f);
    });
    connect(add, &QPushButton::clicked, this, [this] {
        AddFiles(QFileDialog::getOpenFileNames(this, QString(), QString(),
                                               QStringLiteral("Class Files (*.class)")));
    });
    connect(remove, &QPushButton::clicked, this, [this] { qDeleteAll(m_files->selectedItems()); });
    connect(start, &QPushButton::clicked, this, [this] { emit startRequested(Values()); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void CJarDlg::AddFiles(const QStringList &paths)
{
    for (const QString &p : paths) {
        if (m_files->findItems(p, Qt::MatchExactly).isEmpty())
            m_files->addItem(p);
    }
}

void CJarDlg::Load(const CJarOptions &o)
{
    m_create->setChecked(o.m_bCreate);
    m_verbose->setChecked(o.m_bVerbose);
    m_noCompression->setChecked(o.m_bNoCompression);
    m_noManifestEntries->setChecked(o.m_bNoManifestEntries);
    m_includeManifest->setChecked(o.m_bIncludeManifest);
    m_manifest->setText(o.m_strManifestFile);
    m_specifyArchive->setChecked(o.m_bSpecifyArchive);
    m_archive->setText(o.m_strOutputFile);
    m_custom->setChecked(o.m_bCustom);
    m_customOptions->setText(o.m_strCustomOptions);
    m_files->clear();
    AddFiles(o.m_files);
}

CJarOptions CJarDlg::Values() const
{
    CJarOptions o;
    o.m_bCreate = m_create->isChecked();
    o.m_bVerbose = m_verbose->isChecked();
    o.m_bNoCompression = m_noCompression->isChecked();
    o.m_bNoManifestEntries = m_noManifestEntries->isChecked();
    o.m_bIncludeManifest = m_includeManifest->isChecked();
    o.m_strManifestFile = m_manifest->text();
    o.m_bSpecifyArchive = m_specifyArchive->isChecked();
    o.m_strOutputFile = m_archive->text();
    o.m_bCustom = m_custom->isChecked();
    o.m_strCustomOptions = m_customOptions->text();
    for (int i = 0; i < m_files->count(); ++i)
        o.m_files << m_files->item(i)->text();
    return o;
}
