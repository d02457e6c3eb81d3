#include "javamodel/ClassWizard.h"

#include "FakePrompter.h"
#include "javamodel/ClassLookup.h"
#include "javamodel/ElementDragToken.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaParser.h"
#include "javamodel/OverrideList.h"
#include "javamodel/VarClass.h"
#include "javamodel/VarInterface.h"
#include "javamodel/VarMethodDecl.h"

#include <QCoreApplication>
#include <QMimeData>
#include <gtest/gtest.h>
#include <memory>

namespace {

// An editor of plain text with a caret, pasting where the caret is.
class CTextEditor final : public CWizardEditor
{
public:
    explicit CTextEditor(QString text) : m_text(std::move(text)) {}

    QString Text() const override { return m_text; }
    void GoToLine(int line) override
    {
        qsizetype pos = 0;
        for (int i = 1; i < line && pos >= 0; ++i) {
            pos = m_text.indexOf(QLatin1Char('\n'), pos);
            if (pos >= 0)
                ++pos;
        }
        m_caret = pos < 0 ? m_text.size() : pos;
    }
    void GoToEnd() override { m_caret = m_text.size(); }
    void TakeFocus() override { ++m_focused; }
    bool Paste(const QString &text) override
    {
        m_text.insert(m_caret, text);
        m_caret += text.size();
        m_pastes << text;
        return true;
    }
    bool ReplaceLine(int line, const QString &text) override
    {
        QStringList lines = m_text.split(QLatin1Char('\n'));
        lines[line - 1] = text;
        m_text = lines.join(QLatin1Char('\n'));
        m_pastes << text;
        return true;
    }

    QString m_text;
    qsizetype m_caret = 0;
    int m_focused = 0;
    QStringList m_pastes;
};

// Classes known beyond the edited file, as the package database knows them.
class CParsedLookup final : public CClassLookup
{
public:
    explicit CParsedLookup(const char *source) : m_file(CJavaParser::ParseText(source)) {}
    const CVarContainer *FindClassByName(const QString &name) const override
    {
        return m_file->FindClassByName(name);
    }
    CVarContainer *Type(const char *name) const { return m_file->FindClassByName(name); }
    CVarMethodDecl *Method(const char *type, const char *name) const
    {
        for (CVarMethodDecl *m : Type(type)->m_methods) {
            if (m->m_name == QLatin1String(name))
                return m;
        }
        return nullptr;
    }

private:
    std::unique_ptr<CFileObject> m_file;
};

const char *kLibrary = "public class Applet extends Panel {\n"
                       "    public void init() {}\n"
                       "    public synchronized String getParameter(String name, int index)"
                       " throws java.io.IOException, Oops { return null; }\n"
                       "}\n"
                       "class Panel extends Container {}\n"
                       "interface Runnable { void run(); }\n"
                       "interface Listener { int heard(Object source, long when); }\n"
                       "class Other { protected void elsewhere() {} }\n";

} // namespace

TEST(ClassWizard, JavadocSkeletons)
{
    CParsedLookup lib(kLibrary);
    const CVarMethodDecl &init = *lib.Method("Applet", "init");
    const CVarMethodDecl &param = *lib.Method("Applet", "getParameter");
    EXPECT_EQ(CClassWizard::JavadocText(init), "\n\t/**\n\t *\n\t *\n\t */\n");
    EXPECT_EQ(CClassWizard::JavadocText(param), "\n\t/**\n\t *\n\t *\n"
                                                "\t * @param   name  \n"
                                                "\t * @param   index  \n"
                                                "\t * @return     \n"
                                                "\t * @exception   IOException  \n"
                                                "\t * @exception   Oops  \n"
                                                "\t */\n");

    CTextEditor editor("class T {\n    void run() {}\n}\n");
    ASSERT_TRUE(CClassWizard::GenerateJavadoc(editor, 2, param));
    EXPECT_TRUE(editor.m_text.startsWith("class T {\n\n\t/**\n\t *\n\t *\n\t * @param   name"));
    EXPECT_TRUE(editor.m_text.endsWith("\t */\n    void run() {}\n}\n"));
}

TEST(ClassWizard, DroppedMethodIsPastedOnceAndOnlyIntoAChild)
{
    CFakePrompter prompter;
    CParsedLookup lib(kLibrary);
    const CVarMethodDecl &init = *lib.Method("Applet", "init");
    const CVarContainer &applet = *lib.Type("Applet");
    CTextEditor editor("import java.applet.*;\n"
                       "public class MyApplet extends Applet {\n"
                       "    int count;\n"
                       "}\n"
                       "\n");
    ASSERT_TRUE(CClassWizard::DropMethod(editor, 3, init, applet, &lib));
    EXPECT_EQ(editor.m_text, "import java.applet.*;\n"
                             "public class MyApplet extends Applet {\n"
                             "\n\tpublic void init()\n\t{\n\t\t\n\t}\n"
                             "    int count;\n"
                             "}\n"
                             "\n");
    EXPECT_EQ(editor.m_focused, 1);
    EXPECT_TRUE(prompter.m_messages.isEmpty());

    // Again: the class has it now.
    const QString before = editor.m_text;
    EXPECT_FALSE(CClassWizard::DropMethod(editor, 3, init, applet, &lib));
    EXPECT_EQ(prompter.m_messages,
              QStringList{"Method init already defined in class or interfaceMyApplet"});
    // A method of a class that is no parent.
    EXPECT_FALSE(CClassWizard::DropMethod(editor, 3, *lib.Method("Other", "elsewhere"),
                                          *lib.Type("Other"), &lib));
    EXPECT_EQ(prompter.m_messages.value(1),
              "Cannot override method elsewhere. Class or Interface Other is not a parent of "
              "class MyApplet");
    // Outside any class: nothing at all.
    EXPECT_FALSE(CClassWizard::DropMethod(editor, 1, init, applet, &lib));
    EXPECT_FALSE(CClassWizard::DropMethod(editor, 200, init, applet, &lib));
    EXPECT_EQ(prompter.m_messages.size(), 2);
    EXPECT_EQ(editor.m_text, before);

    // A parent two steps up (Container through Panel), and an interface the
    // class implements; into an interface goes a declaration.
    CParsedLookup more("class Container { void layout() {} }\n");
    CTextEditor chain("class Deep extends Panel implements Runnable {\n}\n"
                      "interface Sub extends Runnable {\n}\n");
    struct CBoth final : CClassLookup
    {
        const CParsedLookup *a, *b;
        const CVarContainer *FindClassByName(const QString &n) const override
        {
            const CVarContainer *c = a->FindClassByName(n);
            return c ? c : b->FindClassByName(n);
        }
    } both;
    both.a = &lib;
    both.b = &more;
    EXPECT_TRUE(CClassWizard::DropMethod(chain, 2, *more.Method("Container", "layout"),
                                         *more.Type("Container"), &both));
    EXPECT_TRUE(CClassWizard::DropMethod(chain, 2, *lib.Method("Runnable", "run"),
                                         *lib.Type("Runnable"), &both));
    const int lastLine = int(chain.m_text.count('\n'));
    EXPECT_TRUE(CClassWizard::DropMethod(chain, lastLine, *lib.Method("Runnable", "run"),
                                         *lib.Type("Runnable"), &both));
    EXPECT_TRUE(chain.m_text.endsWith("interface Sub extends Runnable {\nvoid run();\n}\n"))
        << chain.m_text.toStdString();
    EXPECT_EQ(prompter.m_messages.size(), 2);
}

TEST(ClassWizard, OverrideAllAndEditDeclaration)
{
    CFakePrompter prompter;
    CParsedLookup lib(kLibrary);
    CTextEditor editor("class Mine extends Applet {\n"
                       "    public void init() {}\n"
                       "}\n");
    EXPECT_EQ(CClassWizard::OverrideAll(editor, 2, *lib.Type("Applet")), 1);
    EXPECT_EQ(editor.m_pastes, QStringList{"\n\tpublic String synchronized getParameter(String "
                                           "name, int index) throws IOException, Oops{ }\n"});

    CTextEditor decl("class Mine extends Applet {\n}\nclass Two implements A\n{\n}\n");
    ASSERT_TRUE(CClassWizard::EditDeclaration(decl, "Mine", "Runnable"));
    ASSERT_TRUE(CClassWizard::EditDeclaration(decl, "Two", "Listener"));
    EXPECT_EQ(decl.m_text, "class Mine extends Applet implements Runnable {\n}\n"
                           "class Two implements A, Listener\n{\n}\n");
    EXPECT_TRUE(prompter.m_messages.isEmpty());

    // A class whose name was read elsewhere: the line holds another word.
    CTextEditor odd("class\nMine {\n}\n");
    EXPECT_FALSE(CClassWizard::EditDeclaration(odd, "Mine", "Runnable"));
    EXPECT_EQ(prompter.m_messages,
              QStringList{"Error matching class name to name in the file !!!"});
    EXPECT_EQ(odd.m_text, "class\nMine {\n}\n");
}

TEST(ClassWizard, DragTokensWorkOnlyInsideThisProcess)
{
    CParsedLookup lib(kLibrary);
    CVarContainer *applet = lib.Type("Applet");
    std::unique_ptr<CElementDragToken> method(
        CElementDragToken::Create(lib.Method("Applet", "init"), applet, false));
    std::unique_ptr<CElementDragToken> cls(CElementDragToken::Create(applet, nullptr, false));
    std::unique_ptr<CElementDragToken> projectCls(CElementDragToken::Create(applet, nullptr, true));
    std::unique_ptr<CElementDragToken> iface(
        CElementDragToken::Create(lib.Type("Runnable"), nullptr, false));
    ASSERT_TRUE(method && cls && projectCls && iface);
    EXPECT_TRUE(method->Marker().startsWith("MAVUMETHOD"));
    EXPECT_TRUE(cls->Marker().startsWith("MAVUCLASS"));
    EXPECT_TRUE(projectCls->Marker().startsWith("MAVUPROJCLASS"));
    EXPECT_TRUE(iface->Marker().startsWith("MAVUIFACE"));
    EXPECT_EQ(method->Owner(), applet);
    // A method without its owner, or a variable, makes no token.
    EXPECT_EQ(CElementDragToken::Create(lib.Method("Applet", "init"), nullptr, false), nullptr);

    for (const auto *token : {method.get(), cls.get(), projectCls.get(), iface.get()}) {
        EXPECT_EQ(CElementDragToken::FromMarker(token->Marker()), token);
        QMimeData mime;
        token->Store(mime);
        EXPECT_EQ(CElementDragToken::FromMime(mime), token);
    }
    // The same marker from another process, a word that names another kind,
    // and a token that is gone.
    QMimeData foreign;
    foreign.setData(CElementDragToken::MimeType(),
                    QByteArray::number(QCoreApplication::applicationPid() + 1) + ' ' +
                        cls->Marker().toLatin1());
    EXPECT_EQ(CElementDragToken::FromMime(foreign), nullptr);
    QString wrongKind = cls->Marker();
    wrongKind.replace("MAVUCLASS", "MAVUIFACE");
    EXPECT_EQ(CElementDragToken::FromMarker(wrongKind), nullptr);
    const QString gone = iface->Marker();
    iface.reset();
    EXPECT_EQ(CElementDragToken::FromMarker(gone), nullptr);
}

TEST(ClassWizard, OverrideMenuListsWhatMayBeOverriddenWithTheApiDescriptions)
{
    CParsedLookup lib("public class Base {\n"
                      "    public void add(int x) {}\n"
                      "    public static void util() {}\n"
                      "    public final void fixed() {}\n"
                      "    private void secret() {}\n"
                      "    protected void old() {}\n"
                      "    public void plain() {}\n"
                      "}\n"
                      "class Sealed { private void a() {} }\n");
    const QString page = "<a name=\"add(int)\"><!-- --></a><h3>add</h3>\n<dl>\n"
                         "<dd><b>Adds</b> more.\n"
                         "<a name=\"old()\"></a><dd>Old one, now\r\ndeprecated. Use new</dd>\n"
                         "<a name=\"plain()\"></a><dd></dd>\n";
    EXPECT_EQ(COverrideList::MemberDescription(page, "add"), "Adds");
    EXPECT_EQ(COverrideList::MemberDescription(page, "old"), "Old one, now  deprecated. Use new");
    EXPECT_EQ(COverrideList::MemberDescription(page, "plain"), "");
    EXPECT_EQ(COverrideList::MemberDescription(page, "missing"), "");

    const QList<COverrideList::Entry> entries = COverrideList::Build(*lib.Type("Base"), page, true);
    QStringList texts, descriptions;
    for (const COverrideList::Entry &e : entries) {
        texts << e.text;
        descriptions << e.description;
    }
    // The base's order (by name), without static, final and private ones.
    EXPECT_EQ(texts, (QStringList{"void add(int)", "[void old( )", "void plain( )"}));
    EXPECT_EQ(descriptions,
              (QStringList{"Adds", "Old one, now  deprecated. Use new", "Help Not available"}));
    // The mark stays, also when the documentation is off later.
    EXPECT_EQ(COverrideList::Build(*lib.Type("Base"), QString(), false).value(1).text,
              "[void old( )");
    const QList<COverrideList::Entry> none = COverrideList::Build(*lib.Type("Sealed"), page, true);
    ASSERT_EQ(none.size(), 1);
    EXPECT_EQ(none[0].text, "none");
    EXPECT_EQ(none[0].method, nullptr);
}
