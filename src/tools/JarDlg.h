#pragma once

#include "tools/JarOptions.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QListWidget;

// "Make a Jar file": the letters of jar's command, the manifest and the
// archive, custom options and the class files. Start hands the values on.
class CJarDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CJarDlg(QWidget *parent = nullptr);

    void Load(const CJarOptions &options);
    CJarOptions Values() const;
    void AddFiles(const QStringList &paths);

signals:
    void startRequested(const CJarOptions &options);

private:
    QCheckBox *m_create;
    QCheckBox *m_verbose;
    QCheckBox *m_noCompression;
    QCheckBox *m_noManifestEntries;
    QCheckBox *m_includeManifest;
    QLineEdit *m_manifest;
    QCheckBox *m_specifyArchive;
    QLineEdit *m_archive;
    QCheckBox *m_custom;
    QLineEdit *m_customOptions;
    QListWidget *m_files;
};
