#pragma once

#include "core/IDEOptions.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QLineEdit;

// The "Editor" options: four numbers with their ranges and the editor,
// project and output switches. A number typed outside its range, or not a
// number, is refused with a message naming the field and its range; the
// dialog stays open with everything typed kept and that field selected.
class CEditorOptionsDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CEditorOptionsDlg(const CIDEOptions &options, QWidget *parent = nullptr);

    // Copies what the dialog holds into options (after a successful
    // accept).
    void Save(CIDEOptions &options) const;
    // Checks the numbers; false after the message.
    bool Validate();

    // The message for a number outside low..high.
    static QString RangeMessage(const QString &label, int low, int high);

    void accept() override;

private:
    struct SNumber
    {
        QLineEdit *edit;
        const char *label;
        int low;
        int high;
        int CIDEOptions::*field;
    };
    struct SFlag
    {
        QCheckBox *box;
        int CIDEOptions::*field;
    };
    QList<SNumber> m_numbers;
    QList<SFlag> m_flags;
};
