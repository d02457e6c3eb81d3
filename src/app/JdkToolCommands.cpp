#include "app/JdkToolCommands.h"

#include "app/ChildFrame.h"
#include "app/CommandMap.h"
#include "app/FileDialogs.h"
#include "app/JavaIDEApp.h"
#include "app/MainFrame.h"
#include "app/MainToolHost.h"
#include "core/CommandIds.h"
#include "core/SettingsExchange.h"
#include "core/SettingsStore.h"
#include "project/Project.h"
#include "project/ProjectDoc.h"
#include "project/ProjectView.h"
#include "tools/CommandLine.h"
#include "tools/DocOptionsPage.h"
#include "tools/JarDlg.h"
#include "tools/JavaDocProcess.h"
#include "tools/JdkToolStarter.h"
#include "tools/RmicCommandLine.h"
#include "tools/RmicDlg.h"
#include "tools/SearchFilesDlg.h"
#include "tools/SearchView.h"
#include "tools/ToolHost.h"
#include "tools/ToolManager.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QVBoxLayout>

CJdkToolCommands::CJdkToolCommands(CJavaIDEApp &app) : m_app(app)
{
}

CJdkToolCommands::~CJdkToolCommands()
{
    delete m_searchDlg;
}

CSearchFilesDlg *CJdkToolCommands::SearchFilesDialog() const
{
    return m_searchDlg;
}

CSearchFrame *CJdkToolCommands::SearchFrame() const
{
    return m_searchFrame;
}

bool CJdkToolCommands::ProjectOpen() const
{
    return m_app.ProjectDoc() && m_app.ProjectDoc()->GetCurrentProject().IsOpen();
}

QString CJdkToolCommands::ActiveJavaFile() const
{
    CChildFrame *editor = m_app.MainFrame() ? m_app.MainFrame()->ActiveEditor() : nullptr;
    const QString path = editor ? editor->GetPathName() : QString();
    return path.endsWith(QLatin1String(".java"), Qt::CaseInsensitive) ? path : QString();
}

void CJdkToolCommands::Register(CCommandMap &map)
{
    using U = CCmdUI;
    auto idle = [this] { return !m_app.IsToolBusy(); };
    map.On(
        Cmd::JavadocFile, [this] { OnJavadocFile(); },
        [this, idle](U &ui) { ui.Enable(idle() && !ActiveJavaFile().isEmpty()); });
    map.On(
        Cmd::JavadocAll, [this] { OnJavadocAll(); },
        [this, idle](U &ui) {
            ui.Enable(idle() && ProjectOpen() &&
                      !m_app.ProjectDoc()->GetCurrentProject().GetFiles().isEmpty());
        });
    map.On(
        Cmd::JavadocFolder, [this] { OnJavadocFolder(); }, [idle](U &ui) { ui.Enable(idle()); });
    map.On(
        Cmd::JavadocOptions, [this] { OnDocOptions(false); },
        [this](U &ui) { ui.Enable(ProjectOpen()); });
    map.On(
        Cmd::RootJavadocOptions, [this] { OnDocOptions(true); },
        [this](U &ui) { ui.Enable(m_app.ProjectDoc() != nullptr); });
    map.On(Cmd::MakeJar, [this] { OnMakeJar(false); });
    map.On(Cmd::Rmic, [this] { OnRmic(); });
    map.On(
        Cmd::AddManifest, [this] { OnAddManifest(); },
        [this](U &ui) {
            ui.Enable(ProjectOpen() &&
                      !m_app.ProjectDoc()->GetCurrentProject().GetMainClass().isEmpty() &&
                      !CJdkToolStarter(m_app.Tools()).ProjectHasManifest());
        });
    map.On(
        Cmd::MakeBean, [this] { OnMakeJar(true); },
        [this](U &ui) {
            ui.Enable(ProjectOpen() &&
                      !m_app.ProjectDoc()->GetCurrentProject().GetMainClass().isEmpty());
        });
    map.On(Cmd::FindInFiles, [this] { OnFindInFiles(); });
    map.On(
        Cmd::SearchResults, [this] { OnSearchResults(); },
        [this](U &ui) { ui.Enable(!m_searchFrame.isNull()); });
}

void CJdkToolCommands::OnJavadocFile()
{
    CChildFrame *editor = m_app.MainFrame() ? m_app.MainFrame()->ActiveEditor() : nullptr;
    if (!editor || (editor->IsModified() && !editor->Save()))
        return;
    const QString path = ActiveJavaFile();
    if (!path.isEmpty())
        m_app.Tools().JavaDocProcess().JavaDoc(path, false);
}

void CJdkToolCommands::OnJavadocAll()
{
    CToolHost &host = m_app.Tools().Host();
    host.ClearOutput(CToolHost::OutputTab);
    host.ShowOutputTab(CToolHost::OutputTab);
    host.SaveModifiedProjectFiles();
    if (!ProjectOpen())
        return;
    CProject &project = m_app.ProjectDoc()->GetCurrentProject();
    const QDir dir(project.GetProjectDir());
    QString args;
    for (const QString &file : project.GetFiles()) {
        if (file.endsWith(QLatin1String(".java"), Qt::CaseInsensitive) && QFileInfo::exists(file))
            args += CCommandLine::Quote(dir.relativeFilePath(file)) + QLatin1Char(' ');
    }
    if (!args.isEmpty())
        m_app.Tools().JavaDocProcess().JavaDoc(args, true, &project);
}

void CJdkToolCommands::OnJavadocFolder()
{
    CFileDialogRequest request;
    request.m_title = QStringLiteral("Select the directory to Javadoc");
    request.m_mode = CFileDialogRequest::Directory;
    if (ProjectOpen())
        request.m_directory = m_app.ProjectDoc()->GetCurrentProject().GetProjectDir();
    const QStringList chosen = m_app.FileDialogs().Choose(request);
    if (chosen.isEmpty())
        return;
    CToolHost &host = m_app.Tools().Host();
    host.ClearOutput(CToolHost::OutputTab);
    host.ShowOutputTab(CToolHost::OutputTab);
    m_app.Tools().JavaDocProcess().JavaDocFolder(chosen.first());
}

void CJdkToolCommands::OnDocOptions(bool root)
{
    CProjectDoc *ws = m_app.ProjectDoc();
    if (!ws || (!root && !ProjectOpen()))
        return;
    CDocOptions &options = root ? ws->m_doc : ws->GetCurrentProject().m_doc;
    QDialog dlg(m_app.MainFrame());
    dlg.setWindowTitle(root ? QStringLiteral("Root Javadoc Options")
                            : QStringLiteral("Javadoc Options"));
    auto *page = new CDocOptionsPage;
    page->Load(options);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dlg);
    layout->addWidget(page);
    layout->addWidget(buttons);
    if (m_app.RunDialog(dlg) != QDialog::Accepted)
        return;
    page->Save(options);
    if (root)
        ws->SetModifiedFlag();
    else
        ws->GetCurrentProject().SetModifiedFlag();
}

void CJdkToolCommands::OnMakeJar(bool bean)
{
    CJarOptions options;
    CSettingsExchange load(static_cast<const CSettingsStore &>(m_app.Settings()));
    options.Exchange(load);
    if (bean)
        options = CJdkToolStarter(m_app.Tools()).BeanJarOptions();
    auto *dlg = new CJarDlg(m_app.MainFrame());
    dlg->Load(options);
    QObject::connect(dlg, &CJarDlg::startRequested, dlg, [this](const CJarOptions &values) {
        CSettingsExchange save(m_app.Settings());
        CJarOptions kept = values;
        kept.Exchange(save);
        CJdkToolStarter(m_app.Tools()).StartJar(values);
    });
    if (bean) {
        dlg->setAttribute(Qt::WA_DeleteOnClose);
        dlg->show();
        return;
    }
    m_app.RunDialog(*dlg);
    delete dlg;
}

void CJdkToolCommands::OnRmic()
{
    CRmicOptions options;
    CSettingsExchange load(static_cast<const CSettingsStore &>(m_app.Settings()));
    CRmicCommandLine::Exchange(load, options);
    CRmicDlg dlg(m_app.MainFrame());
    dlg.Load(options);
    QObject::connect(&dlg, &CRmicDlg::startRequested, &dlg, [this](const CRmicOptions &values) {
        CSettingsExchange save(m_app.Settings());
        CRmicOptions kept = values;
        CRmicCommandLine::Exchange(save, kept);
        CJdkToolStarter(m_app.Tools()).StartRmic(values);
    });
    m_app.RunDialog(dlg);
}

void CJdkToolCommands::OnAddManifest()
{
    if (CJdkToolStarter(m_app.Tools()).MakeManifest()) {
        if (CProjectView *view = m_app.MainFrame() ? m_app.MainFrame()->ProjectView() : nullptr)
            view->UpdateAllViews();
    }
}

CSearchView *CJdkToolCommands::ResultsWindow(const QString &title)
{
    CMainFrame *frame = m_app.MainFrame();
    if (!frame)
        return nullptr;
    if (!m_searchFrame) {
        m_searchFrame = new CSearchFrame;
        frame->MdiArea()->addSubWindow(m_searchFrame);
        m_searchFrame->resize(qMax(400, frame->MdiArea()->width() * 3 / 4),
                              qMax(240, frame->MdiArea()->height() / 2));
        QObject::connect(m_searchFrame->View(), &COutputWnd::openSourceRequested, frame,
                         &CMainFrame::OpenSourceAt);
    }
    m_searchFrame->setWindowTitle(title);
    m_searchFrame->showNormal();
    m_searchFrame->raise();
    frame->MdiArea()->setActiveSubWindow(m_searchFrame);
    return m_searchFrame->View();
}

void CJdkToolCommands::OnFindInFiles()
{
    if (!m_searchDlg) {
        m_searchDlg =
            new CSearchFilesDlg([this](const QString &title) { return ResultsWindow(title); },
                                [this] {
                                    return ProjectOpen()
                                               ? m_app.ProjectDoc()->GetCurrentProject().GetFiles()
                                               : QStringList();
                                },
                                m_app.MainFrame());
    }
    m_searchDlg->show();
    m_searchDlg->raise();
    m_searchDlg->activateWindow();
}

void CJdkToolCommands::OnSearchResults()
{
    if (m_searchFrame)
        ResultsWindow(m_searchFrame->windowTitle());
}
