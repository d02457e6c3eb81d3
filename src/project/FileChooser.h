#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The file and directory choosers the project commands open. Views take one
// of these instead of calling QFileDialog, so that a test can answer the
// dialog and look at what it was asked.
//
// Filters are written the way the commands spell them,
// "Label (*.ext)|*.ext|All Files (*.*)|*.*||"; the dialog implementation
// turns them into what the platform's dialog understands.
class CFileChooser
{
public:
    virtual ~CFileChooser() = default;

    // Existing files to open: empty when cancelled. multiple lets the user
    // pick several at once.
    virtual QStringList GetOpenFileNames(QWidget *parent, const QString &title,
                                         const QString &filter, const QString &defaultExt,
                                         bool multiple) = 0;
    // An existing directory: empty when cancelled.
    virtual QString GetExistingDirectory(QWidget *parent, const QString &title) = 0;
};

// The real thing: QFileDialog.
class CDialogFileChooser final : public CFileChooser
{
public:
    QStringList GetOpenFileNames(QWidget *parent, const QString &title, const QString &filter,
                                 const QString &defaultExt, bool multiple) override;
    QString GetExistingDirectory(QWidget *parent, const QString &title) override;

    // "Java Files (*.java)|*.java|All Files (*.*)|*.*||" becomes
    // "Java Files (*.java);;All Files (*)": Qt takes the patterns from the
    // label's parentheses, and "*.*" would hide files without a dot here.
    static QString ToQtFilter(const QString &filter);
};
