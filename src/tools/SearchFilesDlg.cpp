#include "tools/SearchFilesDlg.h"

#include "tools/SearchView.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CSearchFilesDlg::CSearchFilesDlg(ResultsWindow results, ProjectFiles projectFiles, QWidget *parent)
    : QDialog(parent), m_results(std::move(results)), m_projectFiles(std::move(projectFiles)),
      m_find(new QLineEdit), m_replace(new QLineEdit),
      m_matchCase(new QCheckBox(QStringLiteral("Match Case"))),
      m_wholeWord(new QCheckBox(QStringLiteral("Match whole word"))), m_list(new QListWidget),
      m_search(new QPushButton(QStringLiteral("&Search"))),
      m_replaceButton(new QPushButton(QStringLiteral("&Replace"))),
      m_stop(new QPushButton(QStringLiteral("Stop")))
{
    setWindowTitle(QStringLiteral("Search Files"));
    setObjectName(QStringLiteral("SearchFilesDlg"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Find Text -"), m_find);
    form->addRow(QStringLiteral("Replace Text -"), m_replace);
    auto *boxes = new QHBoxLayout;
    boxes->addWidget(m_matchCase);
    boxes->addWidget(m_wholeWord);
    boxes->addStretch();

    auto *addFiles = new QPushButton(QStringLiteral("&Add File(s)..."));
    auto *addProject = new QPushButton(QStringLiteral("Add &Project"));
    auto *remove = new QPushButton(QStringLiteral("&Delete"));
    auto *close = new QPushButton(QStringLiteral("Close"));
    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {addFiles, addProject, remove, m_search, m_replaceButton, m_stop})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(close);

    auto *left = new QVBoxLayout;
    left->addLayout(form);
    left->addLayout(boxes);
    left->addWidget(new QLabel(QStringLiteral("Files to Search -")));
    left->addWidget(m_list, 1);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(addFiles, &QPushButton::clicked, this, [this] {
        AddFiles(QFileDialog::getOpenFileNames(
            this, QStringLiteral("Add Files"), QString(),
            QStringLiteral("Java Files (*.java);;HTML Files (*.html *.htm);;All Files (*)")));
    });
    connect(addProject, &QPushButton::clicked, this, &CSearchFilesDlg::OnAddProject);
    connect(remove, &QPushButton::clicked, this, &CSearchFilesDlg::OnDelete);
    connect(m_search, &QPushButton::clicked, this, [this] { Start(CSearchRequest::Search); });
    connect(m_replaceButton, &QPushButton::clicked, this,
            [this] { Start(CSearchRequest::Replace); });
    connect(m_stop, &QPushButton::clicked, &m_searcher, &CFileSearch::Stop);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_find, &QLineEdit::textChanged, this, &CSearchFilesDlg::UpdateButtons);
    connect(&m_searcher, &CFileSearch::finished, this, &CSearchFilesDlg::UpdateButtons);
    UpdateButtons();
    resize(560, 380);
}

void CSearchFilesDlg::UpdateButtons()
{
    const bool running = m_searcher.IsRunning();
    const bool ready = !running && !m_find->text().isEmpty() && m_list->count() > 0;
    m_search->setEnabled(ready);
    m_replaceButton->setEnabled(ready);
    m_stop->setEnabled(running);
}

void CSearchFilesDlg::AddFiles(const QStringList &paths)
{
    for (const QString &path : paths) {
        if (m_list->findItems(path, Qt::MatchExactly).isEmpty())
            m_list->addItem(path);
    }
    UpdateButtons();
}

void CSearchFilesDlg::OnAddProject()
{
    if (m_projectFiles)
        AddFiles(m_projectFiles());
}

void CSearchFilesDlg::OnDelete()
{
    qDeleteAll(m_list->selectedItems());
    UpdateButtons();
}

void CSearchFilesDlg::Start(int mode)
{
    if (m_searcher.IsRunning() || m_find->text().isEmpty() || m_list->count() == 0)
        return;
    CSearchRequest req;
    req.mode = mode;
    req.find = m_find->text();
    req.replace = m_replace->text();
    req.matchCase = m_matchCase->isChecked();
    req.wholeWord = m_wholeWord->isChecked();
    for (int i = 0; i < m_list->count(); ++i)
        req.files << m_list->item(i)->text();
    CSearchView *view =
        m_results ? m_results(CSearchFrame::Title(mode == CSearchRequest::Replace, req.find))
                  : nullptr;
    m_searcher.disconnect();
    if (view) {
        view->ClearText();
        connect(&m_searcher, &CFileSearch::output, view, &CSearchView::AppendOutput);
        connect(&m_searcher, &CFileSearch::finished, view, [view] { view->MoveCaretToStart(); });
    }
    connect(&m_searcher, &CFileSearch::finished, this, &CSearchFilesDlg::UpdateButtons);
    m_searcher.Start(req);
    UpdateButtons();
}
