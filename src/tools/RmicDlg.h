#pragma once

#include "project/ToolOptions.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QListWidget;

// "Start RMI compiler": rmic's switches, its three directories, custom
// options and the classes, added from the sources that declare them.
class CRmicDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CRmicDlg(QWidget *parent = nullptr);

    void Load(const CRmicOptions &options);
    CRmicOptions Values() const;
    // The classes and interfaces each source declares join the list.
    void AddSources(const QStringList &javaFiles);

signals:
    void startRequested(const CRmicOptions &options);

private:
    QList<QPair<QCheckBox *, int CRmicOptions::*>> m_flags;
    QLineEdit *m_outputDir;
    QLineEdit *m_stubDir;
    QLineEdit *m_skelDir;
    QLineEdit *m_custom;
    QListWidget *m_classes;
};
