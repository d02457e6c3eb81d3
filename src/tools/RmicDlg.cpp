#include "tools/RmicDlg.h"

#include "tools/JdkToolStarter.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

CRmicDlg::CRmicDlg(QWidget *parent)
    : QDialog(parent), m_outputDir(new QLineEdit), m_stubDir(new QLineEdit),
      m_skelDir(new QLineEdit), m_custom(new QLineEdit), m_classes(new QListWidget)
{
    setWindowTitle(QStringLiteral("Start RMI compiler"));
    setObjectName(QStringLiteral("RmicDlg"));
    const struct
    {
        const char *text;
        int CRmicOptions::*flag;
    } flags[] = {
        {"Use open Project(s) Javac classpath", &CRmicOptions::m_bClassPath},
        {"Debug (-debug)", &CRmicOptions::m_bDebug},
        {"Debug tables(-g)", &CRmicOptions::m_bDebugTables},
        {"Optimize (-O)", &CRmicOptions::m_bOptimize},
        {"Depend (-depend)", &CRmicOptions::m_bDepend},
        {"Verbose (-verbose)", &CRmicOptions::m_bVerbose},
        {"Keep generated sources (-keepgenerated)", &CRmicOptions::m_bKeepGenerated},
        {"No warnings (-nowarn)", &CRmicOptions::m_bNoWarn},
        {"No write (-nowrite)", &CRmicOptions::m_bNoWrite},
        {"Show (-show)", &CRmicOptions::m_bShow},
        {"Output directory (-d)", &CRmicOptions::m_bOutputDir},
        {"Stub directory (-dstub)", &CRmicOptions::m_bStubDir},
        {"Skeleton directory (-d)", &CRmicOptions::m_bSkelDir},
        {"Custom options", &CRmicOptions::m_bCustom},
    };
    auto *grid = new QGridLayout(this);
    int row = 0;
    for (const auto &f : flags) {
        auto *box = new QCheckBox(QString::fromLatin1(f.text));
        m_flags << qMakePair(box, f.flag);
        grid->addWidget(box, row, 0);
        QLineEdit *value = f.flag == &CRmicOptions::m_bOutputDir ? m_outputDir
                           : f.flag == &CRmicOptions::m_bStubDir ? m_stubDir
                           : f.flag == &CRmicOptions::m_bSkelDir ? m_skelDir
                           : f.flag == &CRmicOptions::m_bCustom  ? m_custom
                                                                 : nullptr;
        if (value)
            grid->addWidget(value, row, 1);
        ++row;
    }
    auto *add = new QPushButton(QStringLiteral("Add Files..."));
    auto *remove = new QPushButton(QStringLiteral("Delete"));
    auto *start = new QPushButton(QStringLiteral("Start"));
    auto *close = new QPushButton(QStringLiteral("Close"));
    grid->addWidget(m_classes, row, 0, 4, 2);
    grid->addWidget(add, row, 2);
    grid->addWidget(remove, row + 1, 2);
    grid->addWidget(start, row + 2, 2);
    grid->addWidget(close, row + 3, 2);
    connect(add, &QPushButton::clicked, this, [this] {
        AddSources(QFileDialog::getOpenFileNames(this, QString(), QString(),
                                                 QStringLiteral("Java Files (*.java)")));
    });
    connect(remove, &QPushButton::clicked, this,
            [this] { qDeleteAll(m_classes->selectedItems()); });
    connect(start, &QPushButton::clicked, this, [this] { emit startRequested(Values()); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void CRmicDlg::AddSources(const QStringList &javaFiles)
{
    for (const QString &file : javaFiles)
        m_classes->addItems(CJdkToolStarter::DeclaredTypes(file));
}

void CRmicDlg::Load(const CRmicOptions &o)
{
    for (const auto &f : m_flags)
        f.first->setChecked(o.*f.second);
    m_outputDir->setText(o.m_strOutputDirPath);
    m_stubDir->setText(o.m_strStubDirPath);
    m_skelDir->setText(o.m_strSkelDirPath);
    m_custom->setText(o.m_strCustomOptions);
    m_classes->clear();
    m_classes->addItems(o.m_classNames);
}

CRmicOptions CRmicDlg::Values() const
{
    CRmicOptions o;
    for (const auto &f : m_flags)
        o.*f.second = f.first->isChecked();
    o.m_strOutputDirPath = m_outputDir->text();
    o.m_strStubDirPath = m_stubDir->text();
    o.m_strSkelDirPath = m_skelDir->text();
    o.m_strCustomOptions = m_custom->text();
    for (int i = 0; i < m_classes->count(); ++i)
        o.m_classNames << m_classes->item(i)->text();
    return o;
}
