// Elements dropped on a source editor, as a drag from the class view
// delivers them: the editor's text after each drop, and drops refused.

#include "app/ClassWizardDrop.h"

#include "FakePrompter.h"
#include "app/NewClassDlg.h"
#include "javamodel/ClassLookup.h"
#include "javamodel/ElementDragToken.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaParser.h"
#include "javamodel/VarContainer.h"
#include "javamodel/VarMethodDecl.h"

#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <Qsci/qsciscintilla.h>
#include <gtest/gtest.h>
#include <memory>

namespace {

class CFileLookup final : public CClassLookup
{
public:
    explicit CFileLookup(const char *source) : m_file(CJavaParser::ParseText(source)) {}
    const CVarContainer *FindClassByName(const QString &name) const override
    {
        return m_file->FindClassByName(name);
    }
    CVarContainer *Type(const char *name) const { return m_file->FindClassByName(name); }

private:
    std::unique_ptr<CFileObject> m_file;
};

class ClassWizardDropTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_view.resize(600, 400);
        m_view.setText("public class MyApplet extends Applet {\n"
                       "    int count;\n"
                       "}\n");
        m_view.show();
        m_drop = new CClassWizardDrop(&m_view, [this] { return &m_lib; });
    }

    // Drops mime on the editor at the start of a 0-based line; true when
    // the editor accepted it.
    bool Drop(QMimeData &mime, int line)
    {
        const int pos = int(m_view.positionFromLineIndex(line, 0));
        const QPoint at(
            int(m_view.SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0, long(pos))) + 2,
            int(m_view.SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0, long(pos))) + 2);
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_view.viewport(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_view.viewport(), &drop);
        return drop.isAccepted();
    }

    CFakePrompter m_prompter;
    CFileLookup m_lib{"public class Applet extends Panel {\n"
                      "    public void init() {}\n"
                      "    public String getAppletInfo() { return null; }\n"
                      "}\n"
                      "interface Runnable { void run(); }\n"};
    QsciScintilla m_view;
    CClassWizardDrop *m_drop = nullptr;
};

} // namespace

TEST_F(ClassWizardDropTest, MethodDropsOnceAndForeignDragsAreRefused)
{
    CVarContainer *applet = m_lib.Type("Applet");
    std::unique_ptr<CElementDragToken> token(
        CElementDragToken::Create(applet->m_methods.first(), applet, false));
    ASSERT_NE(token, nullptr);
    QMimeData mime;
    token->Store(mime);

    // The same data claimed by another process: refused, nothing changes.
    QMimeData foreign;
    foreign.setData(CElementDragToken::MimeType(),
                    QByteArray::number(QApplication::applicationPid() + 7) + ' ' +
                        token->Marker().toLatin1());
    const QString before = m_view.text();
    EXPECT_FALSE(Drop(foreign, 1));
    EXPECT_EQ(m_view.text(), before);

    ASSERT_TRUE(Drop(mime, 1));
    EXPECT_EQ(m_view.text(), "public class MyApplet extends Applet {\n"
                             "\n\tpublic String getAppletInfo()\n\t{\n\t\t\n\t}\n"
                             "    int count;\n"
                             "}\n");
    EXPECT_TRUE(m_prompter.m_messages.isEmpty());
    // One undo takes the whole text out again.
    m_view.undo();
    EXPECT_EQ(m_view.text(), before);
    m_view.redo();

    // Dropped again: refused with the message.
    const QString after = m_view.text();
    EXPECT_TRUE(Drop(mime, 1));
    EXPECT_EQ(m_prompter.m_messages,
              QStringList{"Method getAppletInfo already defined in class or interfaceMyApplet"});
    EXPECT_EQ(m_view.text(), after);
}

TEST_F(ClassWizardDropTest, ClassAndInterfaceDropsAskForTheNewTypeAndAppendIt)
{
    std::unique_ptr<CElementDragToken> cls(
        CElementDragToken::Create(m_lib.Type("Applet"), nullptr, true));
    std::unique_ptr<CElementDragToken> iface(
        CElementDragToken::Create(m_lib.Type("Runnable"), nullptr, false));
    QStringList asked;
    m_drop->SetDialogRunner([&](CNewClassDlg &dlg) {
        asked << dlg.objectName();
        dlg.NameEdit()->setText(dlg.InterfacesEdit() ? "Clock" : "Task");
        if (dlg.InterfacesEdit())
            dlg.InterfacesEdit()->setText("Runnable, Unknown");
        return true;
    });
    QMimeData mime;
    cls->Store(mime);
    ASSERT_TRUE(Drop(mime, 0));
    QMimeData second;
    iface->Store(second);
    ASSERT_TRUE(Drop(second, 0));
    EXPECT_EQ(asked, (QStringList{"NewClassDlg", "NewInterfaceDlg"}));
    EXPECT_EQ(m_view.text(), "public class MyApplet extends Applet {\n"
                             "    int count;\n"
                             "}\n"
                             "\n\nclass Clock extends Applet implements Runnable, Unknown\n{\n"
                             "\n\n\tpublic void run()\n\t{\n\t\t\n\t}\n\n"
                             "\n"
                             "\n}"
                             "\n\ninterface Task extends Runnable\n{\n\n}");

    // Cancelled: nothing.
    m_drop->SetDialogRunner([](CNewClassDlg &) { return false; });
    const QString before = m_view.text();
    EXPECT_TRUE(Drop(mime, 0));
    EXPECT_EQ(m_view.text(), before);
}
