#pragma once

#include <QDialog>

class CCommand;
class CCommandsDoc;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Custom Commands": the user's commands by menu name, and the fields of
// the one selected. Every change goes into the command at once; the
// document is marked changed so that it is saved.
class CCustomCommandsDlg : public QDialog
{
    Q_OBJECT
public:
    CCustomCommandsDlg(CCommandsDoc &doc, QWidget *parent = nullptr);

    QListWidget *List() const { return m_list; }
    QLineEdit *MenuNameEdit() const { return m_menuName; }
    QLineEdit *CommandEdit() const { return m_command; }
    QLineEdit *DirectoryEdit() const { return m_directory; }
    QLineEdit *ArgumentsEdit() const { return m_arguments; }
    QCheckBox *InWindowBox() const { return m_inWindow; }
    QCheckBox *ToOutputBox() const { return m_toOutput; }

    void OnNew();
    void OnDelete();
    void OnMove(int delta);
    // The variable picker's choice: appended to the arguments, or replacing
    // the startup directory.
    void AddArgumentVariable(const QString &variable);
    void SetDirectoryVariable(const QString &variable);

private:
    CCommand *Current() const;
    void Refill(int select);
    void ShowCurrent();
    void Changed();
    QString PickVariable(const QStringList &variables);

    CCommandsDoc &m_doc;
    QListWidget *m_list;
    QLineEdit *m_menuName;
    QLineEdit *m_command;
    QLineEdit *m_directory;
    QLineEdit *m_arguments;
    QCheckBox *m_classPath;
    QCheckBox *m_inWindow;
    QCheckBox *m_toOutput;
    QCheckBox *m_fileMenu;
    QCheckBox *m_projectMenu;
    QList<QWidget *> m_fields;
    bool m_filling = false;
};
