#pragma once

#include "FakePrompter.h"
#include "QtPrinters.h"
#include "TestEnv.h"
#include "app/ChildFrame.h"
#include "app/FileDialogs.h"
#include "app/JavaIDEApp.h"
#include "app/JavaIDEView.h"
#include "app/MainFrame.h"
#include "project/Project.h"
#include "project/ProjectDoc.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// Answers file dialogs from a queue and remembers what they asked.
class CScriptedFileDialogs final : public CFileDialogs
{
public:
    QStringList Choose(const CFileDialogRequest &request) override
    {
        m_asked << request;
        if (!m_filters.isEmpty())
            request.m_chosenFilter = m_filters.takeFirst();
        return m_answers.isEmpty() ? QStringList() : m_answers.takeFirst();
    }
    QList<CFileDialogRequest> m_asked;
    QList<QStringList> m_answers;
    QList<int> m_filters; // the filter the user picks, by position
};

// The running program in a temporary home that asks nothing at start: its
// dialogs (rejected unless dialogAnswer says otherwise), file dialogs and
// the desktop's viewer are answered by the test.
class RunningAppTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(env.WriteQuietSettings(false)); }
    void TearDown() override { Stop(); }

    void Start(const QStringList &args = {})
    {
        app = std::make_unique<CJavaIDEApp>(args);
        app->SetDialogRunner(
            [this](QDialog &d) { return dialogAnswer ? dialogAnswer(d) : int(QDialog::Rejected); });
        app->SetFileDialogs(&dialogs);
        app->SetUrlOpener([this](const QUrl &url) {
            opened << url.toLocalFile();
            return true;
        });
        ASSERT_TRUE(app->InitInstance());
        QApplication::processEvents();
    }
    // Closes the window without questions about the editors' texts.
    void Stop()
    {
        if (app && Frame()->isVisible()) {
            for (CChildFrame *editor : Frame()->EditorWindows())
                editor->View()->setModified(false);
            Frame()->close();
        }
        app.reset();
    }
    void Restart(const QStringList &args = {})
    {
        Stop();
        Start(args);
    }
    // Closes the window as the user would; true when it closed.
    bool Close() { return Frame()->close(); }

    CMainFrame *Frame() const { return app->MainFrame(); }
    CProject &Project() const { return app->ProjectDoc()->GetCurrentProject(); }
    QString Ini() const { return env.FilePath(QStringLiteral("config/Mavu/Mavu.ini")); }
    QAction *Action(int id) const
    {
        Frame()->UpdateCommandUI();
        return Frame()->Action(id);
    }
    bool Enabled(int id) const { return Action(id)->isEnabled(); }
    // A new project under the home, open, its folder made first.
    CProject &NewProject(const QString &relPath)
    {
        const QString path = env.FilePath(relPath);
        QDir().mkpath(QFileInfo(path).absolutePath());
        EXPECT_TRUE(app->ProjectDoc()->OpenProject(path, true));
        return Project();
    }

    CTestEnv env;
    CFakePrompter prompter;
    CScriptedFileDialogs dialogs;
    std::function<int(QDialog &)> dialogAnswer;
    QStringList opened; // what the desktop's viewer was asked to show
    std::unique_ptr<CJavaIDEApp> app;
};
