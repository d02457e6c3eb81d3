#pragma once

#include <QDialog>

class QCheckBox;

// Tells the user that the JDK documentation directory is not set, with a
// way to stop being told.
class CDocWarningDlg : public QDialog
{
    Q_OBJECT
public:
    // settingsFile: where the directory can be set by hand.
    explicit CDocWarningDlg(QWidget *parent = nullptr, const QString &settingsFile = QString());

    static QString MessageText(const QString &settingsFile);
    // "Do not show this message again" is ticked.
    bool DoNotShowAgain() const;
    QCheckBox *CheckBox() const { return m_check; }

private:
    QCheckBox *m_check;
};
