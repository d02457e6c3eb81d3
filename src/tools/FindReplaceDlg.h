#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// The find and the replace dialog of the output views: what to look for,
// match case, whole words, and (replace) what to put instead. Modeless;
// the view acts on its signals.
class CFindReplaceDlg : public QDialog
{
    Q_OBJECT
public:
    CFindReplaceDlg(QWidget *parent, bool replace, const QString &findText,
                    const QString &replaceText, bool matchCase, bool wholeWord);

    QString FindText() const;
    QString ReplaceText() const;
    bool MatchCase() const;
    bool WholeWord() const;

signals:
    void findNext();
    void replaceOne();
    void replaceAll();

private:
    QLineEdit *m_find;
    QLineEdit *m_replace = nullptr;
    QCheckBox *m_matchCase;
    QCheckBox *m_wholeWord;
};
