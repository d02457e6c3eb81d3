#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>

struct CCompilerOptions;
class QCheckBox;
class QComboBox;
class QLineEdit;

// The compiler's page of an options sheet, for the workspace defaults
// ("Root options") or a project ("Java Options"): the flags that go on
// javac's command line, the custom options sent as they are, a compiler
// command of one's own, and the class path. The text fields offer the
// values used before.
class CCompilerOptionsPage : public QWidget
{
    Q_OBJECT
public:
    explicit CCompilerOptionsPage(QWidget *parent = nullptr);

    // classPath: the class path the page edits (the project's own, or the
    // defaults' compiler class path).
    void Load(const CCompilerOptions &options, const QString &classPath);
    void Save(CCompilerOptions &options, QString *classPath) const;

    // The file picker of the compiler command; tests answer it.
    using Picker = std::function<QString()>;
    void SetCompilerPicker(Picker picker) { m_picker = std::move(picker); }
    void SetDirectoryPicker(Picker picker) { m_dirPicker = std::move(picker); }

    static QString RememberValue(QStringList &list, const QString &value);

private:
    void BrowseCompiler();
    void BrowseOutputDir();

    QCheckBox *m_outputDirOn;
    QComboBox *m_outputDir;
    QCheckBox *m_debug;
    QCheckBox *m_noWarn;
    QCheckBox *m_optimize;
    QCheckBox *m_verbose;
    QCheckBox *m_deprecation;
    QCheckBox *m_customOn;
    QComboBox *m_custom;
    QCheckBox *m_useCompiler;
    QLineEdit *m_compiler;
    QCheckBox *m_classPathOn;
    QComboBox *m_classPath;
    Picker m_picker;
    Picker m_dirPicker;
};
