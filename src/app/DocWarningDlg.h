#pragma once

#include <QDialog>

class QCheckBox;

// Tells the user that the JDK documentation directory is not set, with a
// way to stop being told.
class CDocWarningDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CDocWarningDlg(QWidget *parent = nullptr);

    static QString MessageText();
    // "Do not show this message again" is ticked.
    bool DoNotShowAgain() const;
    QCheckBox *CheckBox() const { return m_check; }

private:
    QCheckBox *m_check;
};
