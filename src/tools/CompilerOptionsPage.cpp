#include "tools/CompilerOptionsPage.h"

#include "project/ToolOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Earlier values are offered again, the newest first; this many are kept.
constexpr int kRemembered = 10;

QComboBox *ValueBox(const char *name)
{
    auto *box = new QComboBox;
    box->setEditable(true);
    box->setObjectName(QString::fromLatin1(name));
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(30);
    return box;
}

void Fill(QComboBox *box, const QStringList &earlier, const QString &value)
{
    box->clear();
    box->addItems(earlier);
    box->setEditText(value);
}

QCheckBox *Flag(const char *text, const char *name)
{
    auto *box = new QCheckBox(QString::fromUtf8(text));
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

} // namespace

CCompilerOptionsPage::CCompilerOptionsPage(QWidget *parent) : QWidget(parent)
{
    m_outputDirOn = Flag("Compilation output directory (-d)", "outputDirOn");
    m_outputDir = ValueBox("outputDir");
    m_debug = Flag("Debugging tables (-g)", "debug");
    m_noWarn = Flag("Don't display warnings (-nowarn)", "noWarn");
    m_optimize = Flag("Optimize compiled code (-O)", "optimize");
    m_verbose = Flag("Prints out messages (-verbose)", "verbose");
    m_deprecation = Flag("Deprecated API (-deprecation)", "deprecation");
    m_customOn = Flag("Custom options (sent as is) -", "customOn");
    m_custom = ValueBox("custom");
    m_useCompiler = Flag("Use Compiler (Ctrl+J to toggle from outside this dialog)", "useCompiler");
    m_compiler = new QLineEdit;
    m_compiler->setObjectName(QStringLiteral("compiler"));
    m_classPathOn = Flag("Classpath path (-classpath)", "classPathOn");
    m_classPath = ValueBox("classPath");

    auto *browseDir = new QPushButton(tr("..."));
    connect(browseDir, &QPushButton::clicked, this, &CCompilerOptionsPage::BrowseOutputDir);
    auto *browseCompiler = new QPushButton(tr("..."));
    connect(browseCompiler, &QPushButton::clicked, this, &CCompilerOptionsPage::BrowseCompiler);

    auto *grid = new QGridLayout(this);
    int row = 0;
    grid->addWidget(m_outputDirOn, row++, 0, 1, 2);
    grid->addWidget(m_outputDir, row, 0);
    grid->addWidget(browseDir, row++, 1);
    for (QCheckBox *flag : {m_debug, m_noWarn, m_optimize, m_verbose, m_deprecation})
        grid->addWidget(flag, row++, 0, 1, 2);
    grid->addWidget(m_customOn, row++, 0, 1, 2);
    grid->addWidget(m_custom, row++, 0, 1, 2);
    grid->addWidget(m_useCompiler, row++, 0, 1, 2);
    grid->addWidget(m_compiler, row, 0);
    grid->addWidget(browseCompiler, row++, 1);
    grid->addWidget(m_classPathOn, row++, 0, 1, 2);
    grid->addWidget(m_classPath, row++, 0, 1, 2);
    grid->setRowStretch(row, 1);
}

void CCompilerOptionsPage::Load(const CCompilerOptions &o, const QString &classPath)
{
    m_outputDirOn->setChecked(o.m_bOutputDir);
    Fill(m_outputDir, o.m_prevOutputDirs, o.m_strOutputDir);
    m_debug->setChecked(o.m_bDebug);
    m_noWarn->setChecked(o.m_bNoWarn);
    m_optimize->setChecked(o.m_bOptimize);
    m_verbose->setChecked(o.m_bVerbose);
    m_deprecation->setChecked(o.m_bDeprecation);
    m_customOn->setChecked(o.m_bCustomOptions);
    Fill(m_custom, o.m_prevCustomOptions, o.m_strCustomOptions);
    m_useCompiler->setChecked(o.m_bUseCompiler);
    m_compiler->setText(o.m_strCompiler);
    m_classPathOn->setChecked(o.m_bClassPath);
    Fill(m_classPath, o.m_prevClassPaths, classPath);
}

QString CCompilerOptionsPage::RememberValue(QStringList &list, const QString &value)
{
    if (!value.isEmpty()) {
        list.removeAll(value);
        list.prepend(value);
        while (list.size() > kRemembered)
            list.removeLast();
    }
    return value;
}

void CCompilerOptionsPage::Save(CCompilerOptions &o, QString *classPath) const
{
    o.m_bOutputDir = m_outputDirOn->isChecked();
    o.m_strOutputDir = RememberValue(o.m_prevOutputDirs, m_outputDir->currentText().trimmed());
    o.m_bDebug = m_debug->isChecked();
    o.m_bNoWarn = m_noWarn->isChecked();
    o.m_bOptimize = m_optimize->isChecked();
    o.m_bVerbose = m_verbose->isChecked();
    o.m_bDeprecation = m_deprecation->isChecked();
    o.m_bCustomOptions = m_customOn->isChecked();
    o.m_strCustomOptions = RememberValue(o.m_prevCustomOptions, m_custom->currentText().trimmed());
    o.m_bUseCompiler = m_useCompiler->isChecked();
    o.m_strCompiler = m_compiler->text().trimmed();
    o.m_bClassPath = m_classPathOn->isChecked();
    if (classPath)
        *classPath = RememberValue(o.m_prevClassPaths, m_classPath->currentText().trimmed());
}

void CCompilerOptionsPage::BrowseCompiler()
{
    const QString path =
        m_picker ? m_picker()
                 : QFileDialog::getOpenFileName(this, tr("Select Compiler"), m_compiler->text(),
                                                tr("All Files (*);;Exe Files (*.exe)"));
    if (!path.isEmpty())
        m_compiler->setText(path);
}

void CCompilerOptionsPage::BrowseOutputDir()
{
    const QString dir =
        m_dirPicker ? m_dirPicker()
                    : QFileDialog::getExistingDirectory(this, tr("Compilation output directory"),
                                                        m_outputDir->currentText());
    if (!dir.isEmpty())
        m_outputDir->setEditText(dir);
}
