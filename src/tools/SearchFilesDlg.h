#pragma once

#include "tools/FileSearch.h"

#include <QDialog>
#include <functional>

class CSearchView;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Search Files": a text to find (and one to put in its place) in a list of
// files. The search runs on its own thread; its results stream into the
// results window, and Stop ends it at any moment.
class CSearchFilesDlg : public QDialog
{
    Q_OBJECT
public:
    // The results window, made or brought forward and titled.
    using ResultsWindow = std::function<CSearchView *(const QString &title)>;
    // The open project's files, full paths.
    using ProjectFiles = std::function<QStringList()>;

    CSearchFilesDlg(ResultsWindow results, ProjectFiles projectFiles, QWidget *parent = nullptr);

    QLineEdit *FindEdit() const { return m_find; }
    QLineEdit *ReplaceEdit() const { return m_replace; }
    QCheckBox *MatchCaseBox() const { return m_matchCase; }
    QCheckBox *WholeWordBox() const { return m_wholeWord; }
    QListWidget *FileList() const { return m_list; }
    QPushButton *SearchButton() const { return m_search; }
    QPushButton *ReplaceButton() const { return m_replaceButton; }
    QPushButton *StopButton() const { return m_stop; }
    CFileSearch &Search() { return m_searcher; }

    void AddFiles(const QStringList &paths);
    void OnAddProject();
    void OnDelete();
    // Starts a search (or replace) of the listed files.
    void Start(int mode);

private:
    void UpdateButtons();

    ResultsWindow m_results;
    ProjectFiles m_projectFiles;
    CFileSearch m_searcher;
    QLineEdit *m_find;
    QLineEdit *m_replace;
    QCheckBox *m_matchCase;
    QCheckBox *m_wholeWord;
    QListWidget *m_list;
    QPushButton *m_search;
    QPushButton *m_replaceButton;
    QPushButton *m_stop;
};
