#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

// The class wizard's questions for a new class (name, base, interfaces to
// implement, whether to add a constructor) or a new interface (name and
// base). The base is preset to the dragged class or interface.
class CNewClassDlg : public QDialog
{
    Q_OBJECT

public:
    CNewClassDlg(QWidget *parent, bool isInterface, const QString &baseName);

    QString Name() const;
    QString BaseName() const;
    // The interfaces, in the order typed (comma separated).
    QStringList Interfaces() const;
    bool WantsConstructor() const;

    QLineEdit *NameEdit() const { return m_name; }
    QLineEdit *InterfacesEdit() const { return m_interfaces; }
    QCheckBox *ConstructorBox() const { return m_constructor; }

private:
    QLineEdit *m_name;
    QLineEdit *m_base;
    QLineEdit *m_interfaces = nullptr;
    QCheckBox *m_constructor = nullptr;
};
