#include "FakePrompter.h"
#include "TestEnv.h"
#include "ToolsTestSupport.h"
#include "core/CommandIds.h"
#include "tools/Command.h"
#include "tools/CommandsDoc.h"
#include "tools/CustomCommandView.h"
#include "tools/CustomCommandsDlg.h"
#include "tools/MDIOutputFrame.h"
#include "tools/OutputWnd.h"
#include "tools/ToolManager.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

namespace {

void PutCaretOnLine(QPlainTextEdit &view, int line)
{
    QTextCursor c(view.document()->findBlockByNumber(line));
    c.movePosition(QTextCursor::NextCharacter);
    view.setTextCursor(c);
}

} // namespace

TEST(OutputWnd, ErrorLinesLeadToTheSource)
{
    COutputWnd view;
    view.AppendOutput("javac   Bad.java Good.java \n"
                      "\n--------------------------- Javac Output ---------------------------\n"
                      "Bad.java:3: error: cannot find symbol\n"
                      "        int x = undefinedVar;\n"
                      "                ^\n"
                      "sub/Good.java:12: warning: [rawtypes] x\n"
                      "1 error\n");
    view.Flush();
    view.SetBaseDirectory("/work/proj/");
    QSignalSpy open(&view, &COutputWnd::openSourceRequested);

    PutCaretOnLine(view, 3);
    EXPECT_TRUE(view.GoToErrorAtCaret());
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open[0][0].toString(), "/work/proj/Bad.java");
    EXPECT_EQ(open[0][1].toInt(), 3);

    // A double click on the source line below leads nowhere.
    PutCaretOnLine(view, 4);
    const QPoint inLine = view.cursorRect().center();
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, inLine);
    EXPECT_EQ(open.size(), 1);

    // A double click on the warning line.
    PutCaretOnLine(view, 6);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, view.cursorRect().center());
    ASSERT_EQ(open.size(), 2);
    EXPECT_EQ(open[1][0].toString(), "/work/proj/sub/Good.java");
    EXPECT_EQ(open[1][1].toInt(), 12);

    // Find Next / Previous Error from the top, and their enabling.
    PutCaretOnLine(view, 0);
    bool enabled = false, checked = false;
    ASSERT_TRUE(view.QueryCommand(Cmd::FindPrevError, &enabled, &checked));
    EXPECT_FALSE(enabled);
    view.QueryCommand(Cmd::FindNextError, &enabled, &checked);
    EXPECT_TRUE(enabled);
    EXPECT_TRUE(view.OnCommand(Cmd::FindNextError));
    EXPECT_EQ(view.textCursor().selectedText(), ".java:");
    EXPECT_EQ(view.textCursor().blockNumber(), 3);
    EXPECT_EQ(open.size(), 3);
    view.OnCommand(Cmd::FindNextError);
    EXPECT_EQ(view.textCursor().blockNumber(), 6);
    view.QueryCommand(Cmd::FindNextError, &enabled, &checked);
    EXPECT_FALSE(enabled);
    view.OnCommand(Cmd::FindPrevError);
    EXPECT_EQ(view.textCursor().blockNumber(), 3);
    EXPECT_EQ(open.last()[0].toString(), "/work/proj/Bad.java");
    view.QueryCommand(Cmd::FindPrevError, &enabled, &checked);
    EXPECT_FALSE(enabled);
}

TEST(ProcOutputView, TypedLinesGoToTheAttachedProcess)
{
    CToolManager manager;
    COutputWnd view;
    CToolProcess cat(&manager, "cat", QString(), &view);
    cat.m_bAutoDelete = false;
    cat.m_bEchoCommandLine = false;
    cat.m_bRedirectInput = true;
    ASSERT_TRUE(cat.Execute(1));
    view.AttachProcess(&cat);
    view.show();
    // Editing keys are InputLine's (OutputTextTest).
    QTest::keyClicks(&view, "hello");
    QTest::keyClick(&view, Qt::Key_Return);
    EXPECT_TRUE(view.InputLine().isEmpty());
    // What the user typed, then what cat echoes.
    ASSERT_TRUE(WaitFor([&] {
        view.Flush();
        return view.toPlainText() == "hello\nhello\n";
    }));

    // Stop Process lets go of the process: Enter sends nothing more.
    view.OnCommand(Cmd::StopProcess);
    EXPECT_EQ(view.AttachedProcess(), nullptr);
    EXPECT_TRUE(cat.IsAborted());
    QTest::keyClicks(&view, "more");
    QTest::keyClick(&view, Qt::Key_Return);
    EXPECT_TRUE(view.InputLine().isEmpty());
}

TEST(MDIOutputFrame, CloseAsksWhileTheCommandRunsAndKillEndsIt)
{
    CFakePrompter prompter;
    QMdiArea area;
    class Host : public CToolHost
    {
    public:
        explicit Host(QMdiArea &a) : m_area(a) {}
        CToolFrame *CreateOutputFrame(CToolProcess *) override
        {
            auto *frame = new CMDIOutputFrame;
            m_area.addSubWindow(frame);
            m_frame = frame;
            return frame;
        }
        QMdiArea &m_area;
        QPointer<CMDIOutputFrame> m_frame;
    } host(area);
    CToolManager manager(&host);
    area.show();

    auto *p = new CFrameToolProcess(&manager, "cat");
    QPointer<CToolProcess> alive(p);
    ASSERT_TRUE(p->Execute(0));
    ASSERT_TRUE(host.m_frame);
    EXPECT_EQ(host.m_frame->Process(), p);

    // No keeps the window and the command.
    prompter.QueueAnswer(CPrompter::AnswerNo);
    EXPECT_FALSE(host.m_frame->close());
    EXPECT_EQ(prompter.m_messages.last(), CMDIOutputFrame::CloseQuestion());
    EXPECT_TRUE(p->IsRunning());

    // Kill Process ends it; the window stays with its text.
    host.m_frame->OnKillProcess();
    EXPECT_EQ(host.m_frame->Process(), nullptr);
    ASSERT_TRUE(WaitFor([&] { return alive.isNull(); }));
    host.m_frame->View()->Flush();
    EXPECT_TRUE(host.m_frame->View()->toPlainText().endsWith("Process Exit...\n"));

    // An ended command's window closes without a question.
    const int asked = prompter.m_messages.size();
    EXPECT_TRUE(host.m_frame->close());
    EXPECT_EQ(prompter.m_messages.size(), asked);

    // Yes stops the command and closes.
    auto *q = new CFrameToolProcess(&manager, "cat");
    QPointer<CToolProcess> second(q);
    ASSERT_TRUE(q->Execute(0));
    prompter.QueueAnswer(CPrompter::AnswerYes);
    EXPECT_TRUE(host.m_frame->close());
    EXPECT_TRUE(q->IsAborted());
    ASSERT_TRUE(WaitFor([&] { return second.isNull() && host.m_frame.isNull(); }));
}

TEST(CustomCommandsDlg, FieldsGoIntoTheCommandAtOnceAndTheOutputFlagsExcludeEachOther)
{
    CCommandsDoc doc;
    doc.AddCommand("first");
    doc.SetModifiedFlag(false);
    CCustomCommandsDlg dlg(doc);
    ASSERT_EQ(dlg.List()->count(), 1);
    dlg.OnNew();
    ASSERT_EQ(doc.Commands().size(), 2);
    EXPECT_EQ(dlg.List()->currentRow(), 1);
    EXPECT_EQ(dlg.MenuNameEdit()->text(), "New");
    dlg.MenuNameEdit()->setText("Second");
    dlg.CommandEdit()->setText("/bin/true");
    EXPECT_EQ(doc.Commands()[1]->m_strMenuName, "Second");
    EXPECT_EQ(doc.Commands()[1]->m_strCommand, "/bin/true");
    EXPECT_EQ(dlg.List()->item(1)->text(), "Second");
    EXPECT_TRUE(doc.IsModified());

    dlg.InWindowBox()->setChecked(true);
    dlg.ToOutputBox()->setChecked(true);
    EXPECT_FALSE(dlg.InWindowBox()->isChecked());
    EXPECT_EQ(doc.Commands()[1]->m_bInWindow, 0);
    EXPECT_EQ(doc.Commands()[1]->m_bToOutput, 1);

    // Selecting the other command shows its fields.
    dlg.List()->setCurrentRow(0);
    EXPECT_EQ(dlg.MenuNameEdit()->text(), "first");
    dlg.OnDelete();
    ASSERT_EQ(doc.Commands().size(), 1);
    EXPECT_EQ(dlg.MenuNameEdit()->text(), "Second");
    dlg.OnDelete();
    EXPECT_TRUE(doc.Commands().isEmpty());
    EXPECT_FALSE(dlg.MenuNameEdit()->isEnabled());
}
