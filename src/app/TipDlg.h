#pragma once

#include "app/TipReader.h"

#include <QDialog>

class CSettingsStore;
class QCheckBox;
class QLabel;
class QPushButton;

// The Tip of the Day. Construction opens the tips file and shows the next
// tip; destruction remembers where the tips stopped.
class CTipDlg : public QDialog
{
    Q_OBJECT
public:
    CTipDlg(const QString &tipsFile, CSettingsStore &store, bool showAtStartup,
            QWidget *parent = nullptr);
    ~CTipDlg() override;

    // The state of "&Show Tips on StartUp".
    bool ShowAtStartup() const;
    QString TipText() const;

public slots:
    void OnNextTip();

private:
    CSettingsStore &m_store;
    CTipReader m_reader;
    QLabel *m_tip;
    QCheckBox *m_showAtStartup;
    QPushButton *m_next;
};
