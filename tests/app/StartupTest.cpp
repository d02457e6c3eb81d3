#include "ExpectedKeys.h"
#include "FakePrompter.h"
#include "QtPrinters.h"
#include "TestEnv.h"
#include "app/ChildFrame.h"
#include "app/DocWarningDlg.h"
#include "app/JavaIDEApp.h"
#include "app/MainFrame.h"
#include "app/TipDlg.h"
#include "core/SettingsStore.h"
#include "editor/HueditView.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>
#include <gtest/gtest.h>
#include <limits>

namespace {

// Answers the start-up dialogs the way a user would, without showing them,
// and records what they said.
struct DialogScript
{
    QStringList titles;
    QStringList tips;
    bool untickShowTips = false;
    bool tickDoNotWarn = false;
    int tipResult = QDialog::Accepted;

    CJavaIDEApp::DialogRunner Runner()
    {
        return [this](QDialog &dialog) {
            titles << dialog.windowTitle();
            if (auto *tip = qobject_cast<CTipDlg *>(&dialog)) {
                tips << tip->TipText();
                for (QPushButton *b : tip->findChildren<QPushButton *>()) {
                    if (b->text() == QStringLiteral("&Next Tip") && b->isEnabled()) {
                        b->click();
                        tips << tip->TipText();
                    }
                }
                for (QCheckBox *c : tip->findChildren<QCheckBox *>())
                    c->setChecked(c->isChecked() && !untickShowTips);
                return tipResult;
            }
            if (auto *warn = qobject_cast<CDocWarningDlg *>(&dialog))
                warn->CheckBox()->setChecked(tickDoNotWarn);
            return int(QDialog::Accepted);
        };
    }
};

// The program in the current environment, its dialogs answered by its
// own app.
struct ScriptedApp : DialogScript, CJavaIDEApp
{
    explicit ScriptedApp(const QStringList &args = {}) : CJavaIDEApp(args)
    {
        SetDialogRunner(Runner());
    }
};

QMainWindow *FindMainWindow()
{
    QMainWindow *found = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        auto *main = qobject_cast<QMainWindow *>(w);
        if (main && main->isVisible() && main->windowTitle() == QStringLiteral("Mavu")) {
            EXPECT_EQ(found, nullptr) << "more than one main window";
            found = main;
        }
    }
    return found;
}

KeyList WithoutSection(const KeyList &keys, const QString &section)
{
    KeyList out;
    for (const auto &k : keys)
        if (k.first != section)
            out << k;
    return out;
}

// Sets PATH for the lifetime of the object: start-up looks for the JDK
// there.
class CScopedPath
{
public:
    explicit CScopedPath(const QString &path) : m_old(qgetenv("PATH"))
    {
        qputenv("PATH", path.toLocal8Bit());
    }
    ~CScopedPath() { qputenv("PATH", m_old); }

private:
    QByteArray m_old;
};

} // namespace

TEST(Startup, StartsOpensTheWindowAndWritesEveryKeyOnClose)
{
    CTestEnv env;
    CFakePrompter prompter;
    // No JDK to be found: the documentation warning is due.
    QDir().mkpath(env.FilePath(QStringLiteral("nojdk")));
    CScopedPath path(env.FilePath(QStringLiteral("nojdk")));
    env.WriteFile(QStringLiteral("tips.txt"), "; tips\nFirst tip.\n  not a tip\nSecond tip.\n");
    const QString ini = env.FilePath(QStringLiteral("config/Mavu/Mavu.ini"));
    const QString programDir = env.FilePath(QStringLiteral("data/Mavu"));

    {
        ScriptedApp app;
        app.untickShowTips = true;
        app.tickDoNotWarn = true;
        app.SetClassesZipExpected(true);
        ASSERT_TRUE(app.InitInstance());
        EXPECT_EQ(GetApp(), &app);

        EXPECT_EQ(app.titles, QStringList({"Tip of the Day", "Warning"}));
        // The warning says how to set the directory today.
        EXPECT_TRUE(CDocWarningDlg::MessageText(ini).contains(
            QStringLiteral("set DocPath in the [Java] section of %1").arg(ini)));
        EXPECT_EQ(app.tips, QStringList({"First tip.", "Second tip."}));
        EXPECT_EQ(prompter.m_messages,
                  QStringList({QStringLiteral("Unable to find file %1/classes.zip. This file is "
                                              "essential for Mavu to function properly. Please set "
                                              "the program path under Customize/Directory to Mavu "
                                              "directory and restart Mavu !!!")
                                   .arg(programDir)}));
        EXPECT_TRUE(QDir(programDir).exists()) << "the data directory is made on first start";
        EXPECT_EQ(app.DataFiles().Path(CProductFiles::Workspace), programDir + "/mavu.proj");
        // Neither copy of the documentation index exists yet: it will be
        // made where it was configured, the start-up directory.
        EXPECT_EQ(app.DataFiles().Path(CProductFiles::DocIndex), env.FilePath("mavu.ipg"));

        QMainWindow *window = FindMainWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window, app.MainFrame());
        EXPECT_TRUE(window->acceptDrops());
        EXPECT_FALSE(QFile::exists(ini)) << "nothing but the tips position is pending yet";

        EXPECT_TRUE(window->close());
        ASSERT_TRUE(QFile::exists(ini));
        CSettingsStore written(ini);
        // The tips position was written first, during start-up; then the
        // window layout and the settings tables, complete and in order.
        EXPECT_EQ(written.Keys().mid(0, 2), KeyList({{"Tip", "TimeStamp"}, {"Tip", "FilePos"}}));
        EXPECT_EQ(WithoutSection(written.Keys(), QStringLiteral("Tip")),
                  LayoutKeys() + DirectoryKeys(0, 0, 0, 0, 0) + CIDEOptions::Keys());
        EXPECT_EQ(written.GetProfileInt("Editor", "Tip", -1), 0);
        EXPECT_EQ(written.GetProfileInt("Help", "Warning", -1), 1);
        EXPECT_EQ(written.GetProfileString("Mavu", "Path"), programDir);
    }
    EXPECT_EQ(GetApp(), nullptr);

    // The next start remembers both answers: no tip, no warning. A file on
    // the command line that is missing is reported.
    prompter.m_messages.clear();
    // Installed properly now: classes.zip is where start-up looks.
    env.WriteFile(QStringLiteral("classes.zip"), "");
    {
        ScriptedApp app({QStringLiteral("none.java")});
        ASSERT_TRUE(app.InitInstance());
        EXPECT_TRUE(app.titles.isEmpty());
        EXPECT_EQ(prompter.m_messages,
                  QStringList({QStringLiteral("File %1 not found !!!")
                                   .arg(env.FilePath(QStringLiteral("none.java")))}));

        // The menu's Tip of the Day: closing it other than with "&Close"
        // leaves the option alone; "&Close" takes the check box.
        app.tipResult = QDialog::Rejected;
        app.OnTipOfTheDay();
        EXPECT_EQ(app.Options().m_tip, 0);
        app.tipResult = QDialog::Accepted;
        app.OnTipOfTheDay();
        EXPECT_EQ(app.Options().m_tip, 0) << "the box starts unticked and stays so";
        EXPECT_EQ(app.tips.size(), 4);
        app.MainFrame()->close();
    }
}

TEST(Startup, UnreadableAndUnwritableSettingsAreReported)
{
    CTestEnv env;
    env.WriteFile(QStringLiteral("classes.zip"), ""); // an installed program
    CFakePrompter prompter;
    QByteArray bytes("[Editor]\nTabsize=4\n\x01\x02\x03 junk\nTip=0\n[Help]\nWarning=1\n");
    const QString ini = env.WriteFile(QStringLiteral("config/Mavu/Mavu.ini"), bytes);
    {
        ScriptedApp app;
        ASSERT_TRUE(app.InitInstance());
        EXPECT_TRUE(app.titles.isEmpty());
        EXPECT_EQ(app.Options().m_tabSize, 4);
        ASSERT_EQ(prompter.m_messages.size(), 1);
        EXPECT_EQ(prompter.m_messages.at(0),
                  QStringLiteral("1 line(s) of the settings file %1 could not be read and are "
                                 "ignored. The file as it was is kept as %1.corrupt when Mavu "
                                 "next writes its settings.")
                      .arg(ini));
        app.MainFrame()->close();
    }
    QFile copy(ini + QStringLiteral(".corrupt"));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), bytes);
    CSettingsStore rewritten(ini);
    EXPECT_EQ(rewritten.CorruptLineCount(), 0);
    EXPECT_EQ(rewritten.GetProfileInt("Editor", "Tabsize", -1), 4);

    // A settings folder that cannot be made: start-up goes on, and the
    // failed write at exit says where and why.
    CTestEnv blocked;
    CFakePrompter prompter2;
    blocked.WriteFile(QStringLiteral("config/Mavu"), "a file where the folder should be");
    {
        ScriptedApp app;
        ASSERT_TRUE(app.InitInstance());
        app.MainFrame()->close();
    }
    ASSERT_FALSE(prompter2.m_messages.isEmpty());
    EXPECT_TRUE(prompter2.m_messages.last().startsWith(
        QStringLiteral("Error writing the settings file %1: ")
            .arg(blocked.FilePath(QStringLiteral("config/Mavu/Mavu.ini")))))
        << prompter2.m_messages.last().toStdString();
    EXPECT_TRUE(prompter2.m_messages.last().endsWith(QStringLiteral(" !!!")));
}

TEST(Startup, TipDialogWithoutTipsFileSaysSoAndOffersNoNextTip)
{
    CTestEnv env;
    CSettingsStore store(env.FilePath(QStringLiteral("Mavu.ini")));
    const QString missing = env.FilePath(QStringLiteral("tips.txt"));
    {
        CTipDlg dlg(missing, store, true);
        EXPECT_EQ(dlg.TipText(), CTipReader::NoFileText(missing));
        EXPECT_TRUE(dlg.ShowAtStartup());
        int nextButtons = 0;
        for (QPushButton *b : dlg.findChildren<QPushButton *>()) {
            if (b->text() == QStringLiteral("&Next Tip")) {
                ++nextButtons;
                EXPECT_FALSE(b->isEnabled());
            }
        }
        EXPECT_EQ(nextButtons, 1);
    }
    EXPECT_TRUE(store.GetProfileString("Tip", "FilePos").isNull()) << "no file, no position";
}

TEST(Startup, TheDocumentationOfTheJdkOnThePathSilencesTheWarning)
{
    CTestEnv env;
    CFakePrompter prompter;
    const QString ini = env.FilePath(QStringLiteral("config/Mavu/Mavu.ini"));
    {
        CSettingsStore store(ini);
        store.WriteProfileInt("Editor", "Tip", 0);
        ASSERT_TRUE(store.Sync());
    }
    // A JDK whose documentation is installed: no warning, and the settings
    // say where it is. The tools keep following the PATH.
    const QString full = env.FilePath(QStringLiteral("full"));
    const QString javac = env.WriteFile(QStringLiteral("full/bin/javac"), "#!/bin/sh\n");
    QFile::setPermissions(javac, QFile::permissions(javac) | QFileDevice::ExeOwner);
    env.WriteFile(QStringLiteral("full/docs/api/index.html"), "<html></html>\n");
    {
        CScopedPath path(full + QStringLiteral("/bin"));
        ScriptedApp app;
        ASSERT_TRUE(app.InitInstance());
        EXPECT_TRUE(app.titles.isEmpty()) << app.titles.join(',').toStdString();
        EXPECT_EQ(app.Directories().m_apiDocPath, full + QStringLiteral("/docs/api/"));
        app.MainFrame()->close();
    }
    CSettingsStore written(ini);
    EXPECT_EQ(written.GetProfileString("Java", "DocPath"), full + QStringLiteral("/docs"));
    EXPECT_EQ(written.GetProfileString("Java", "ExePath"), QString(""));
}

TEST(Startup, ExtremeSettingsAreBroughtIntoRangeWhereTheyAreUsed)
{
    // Values a damaged or hand-edited settings file may hold. Under the
    // sanitizers any overflow they caused would stop the test; the window
    // must fit the screen instead of taking a backing store of gigabytes.
    CTestEnv env;
    CFakePrompter prompter;
    const QString ini = env.FilePath(QStringLiteral("config/Mavu/Mavu.ini"));
    {
        CSettingsStore store(ini);
        store.WriteProfileInt("Editor", "Tip", 0);
        store.WriteProfileInt("Help", "Warning", 1);
        store.WriteProfileInt("Windows", "MainSizeX", std::numeric_limits<int>::max());
        store.WriteProfileInt("Windows", "MainSizeY", std::numeric_limits<int>::max());
        store.WriteProfileInt("Windows", "MainOrigX", std::numeric_limits<int>::min());
        store.WriteProfileInt("Windows", "Split1Y1", std::numeric_limits<int>::max());
        store.WriteProfileInt("Windows", "Project", 0); // the pane floats
        store.WriteProfileInt("ProjWnd", "Width", std::numeric_limits<int>::max());
        store.WriteProfileInt("ProjWnd", "Height", std::numeric_limits<int>::max());
        store.WriteProfileInt("ProjWnd", "OrigX", std::numeric_limits<int>::min());
        store.WriteProfileInt("Fonts", "Height", std::numeric_limits<int>::min());
        store.WriteProfileInt("Editor", "Tabsize", std::numeric_limits<int>::max());
        store.WriteProfileInt("Editor", "UndoBufferSize", std::numeric_limits<int>::min());
        store.WriteProfileInt("ToolBar", "right", std::numeric_limits<int>::min());
        store.WriteProfileInt("DebugBar", "Float", 1);
        store.WriteProfileInt("DebugBar", "top", std::numeric_limits<int>::max());
        ASSERT_TRUE(store.Sync());
    }
    {
        ScriptedApp app;
        ASSERT_TRUE(app.InitInstance());
        CMainFrame *frame = app.MainFrame();
        const QRect screen = frame->screen()->availableGeometry();
        EXPECT_LE(frame->width(), screen.width());
        EXPECT_LE(frame->height(), screen.height());
        EXPECT_TRUE(screen.intersects(frame->geometry()));
        EXPECT_LE(frame->DebugBar()->y(), screen.bottom());
        QMdiSubWindow *pane =
            frame->MdiArea()->findChild<QMdiSubWindow *>(QStringLiteral("ProjectFrame"));
        ASSERT_NE(pane, nullptr);
        EXPECT_LE(pane->width(), screen.width());
        EXPECT_LE(pane->height(), screen.height());
        EXPECT_GT(app.EditorFont().pointSizeF(), 0.0);
        EXPECT_LT(app.EditorFont().pointSizeF(), 1000.0);
        CChildFrame *editor = frame->NewEditor();
        EXPECT_LE(editor->View()->tabWidth(), 20);
        EXPECT_GE(editor->View()->tabWidth(), 2);
        EXPECT_GE(CHueditView::Options().maxUndo, 1) << "undo still works";
        editor->close();
        EXPECT_TRUE(frame->close());
    }
    CSettingsStore written(ini);
    EXPECT_LE(written.GetProfileInt("Windows", "MainSizeX", -1), 1 << 20);
    EXPECT_GT(written.GetProfileInt("Windows", "MainSizeX", -1), 0);
}
