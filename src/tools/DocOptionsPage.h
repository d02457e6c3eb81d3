#pragma once

#include <QWidget>

struct CDocOptions;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// The javadoc page of an options sheet, for the workspace defaults or a
// project: the flags of javadoc's command line, its output directory, the
// custom options sent as they are, and the class path.
class CDocOptionsPage : public QWidget
{
    Q_OBJECT
public:
    explicit CDocOptionsPage(QWidget *parent = nullptr);

    void Load(const CDocOptions &options);
    void Save(CDocOptions &options) const;

    QComboBox *DocTypeBox() const { return m_docType; }
    QLabel *DocTypeNote() const { return m_docTypeNote; }

    // What today's javadoc says to the second document type.
    static QString MifNote();

private:
    void UpdateNote();

    QCheckBox *m_outputDirOn;
    QLineEdit *m_outputDir;
    QComboBox *m_docType;
    QLabel *m_docTypeNote;
    QCheckBox *m_version;
    QCheckBox *m_noDeprecated;
    QCheckBox *m_author;
    QCheckBox *m_noIndex;
    QCheckBox *m_noTree;
    QCheckBox *m_customOn;
    QLineEdit *m_custom;
    QCheckBox *m_classPathOn;
    QLineEdit *m_classPath;
};
