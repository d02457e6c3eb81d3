#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLayout;
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

    // Fills the drop-down lists with the words used before, newest first,
    // keeping the texts given to the constructor in the edit fields.
    void SetHistories(const QStringList &find, const QStringList &replace);
    // Offers "Replace in Selection" (replace dialogs only).
    void ShowReplaceInSelection(bool checked);
    bool ReplaceInSelection() const;

    QString FindText() const;
    QString ReplaceText() const;
    bool MatchCase() const;
    bool WholeWord() const;

signals:
    void findNext();
    void replaceOne();
    void replaceAll();

private:
    QComboBox *m_find;
    QComboBox *m_replace = nullptr;
    QCheckBox *m_inSelection = nullptr;
    QLayout *m_options;
    QCheckBox *m_matchCase;
    QCheckBox *m_wholeWord;
};
