#pragma once

#include "tools/InterpreterOptionsTable.h"

#include <QList>
#include <QWidget>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;

// The interpreter's page of an options sheet, for the workspace defaults or
// a project: one check box per option with its value beside it, and beside
// each flag that today's java warns about or refuses, what it does.
class CInterpreterOptionsPage : public QWidget
{
    Q_OBJECT
public:
    CInterpreterOptionsPage(bool projectPage, QWidget *parent = nullptr);

    void Load(const CInterpreterOptions &options);
    void Save(CInterpreterOptions &options) const;

    // The picker of "Use Interpreter"; tests answer it.
    using Picker = std::function<QString()>;
    void SetInterpreterPicker(Picker picker) { m_picker = std::move(picker); }

    // For the tests: the widgets of the row with that label.
    QCheckBox *CheckBox(const QString &label) const;
    QLineEdit *Value(const QString &label) const;
    QLabel *Note(const QString &label) const;

private:
    struct Row
    {
        CInterpreterOptionRow def;
        QCheckBox *on = nullptr;
        QLineEdit *value = nullptr;
        QLabel *note = nullptr;
    };
    const Row *Find(const QString &label) const;
    void BrowseInterpreter(QLineEdit *edit);

    QList<Row> m_rows;
    Picker m_picker;
};
