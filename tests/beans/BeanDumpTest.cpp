#include "FakePrompter.h"
#include "TestEnv.h"
#include "beans/BeanDoc.h"
#include "beans/BeanElements.h"
#include "beans/BeanItem.h"
#include "javamodel/VarMethodDecl.h"
#include "packages/ClassDumper.h"
#include "tree/TreeFolder.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

const QString kJdkBin = QStringLiteral(MAVU_JAVA_HOME "/bin/");

class BeanDumpTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterBeanClasses();
        m_dumper.SetJava(kJdkBin + QStringLiteral("java"));
        m_dumper.SetOwnClassesZip(QStringLiteral(MAVU_CLASSES_ZIP));
        m_dumper.m_onOutput = [this](const QString &t) { m_output += t; };
        m_dumper.m_onFinished = [this](bool ok) {
            m_ok = ok;
            m_done = true;
        };
    }

    bool Dump(const QString &path)
    {
        m_done = false;
        if (!m_dumper.Start(path))
            return false;
        QDeadlineTimer deadline(120000);
        while (!m_done && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
        return m_done && m_ok;
    }

    CTestEnv m_env;
    CFakePrompter m_prompter;
    CClassDumper m_dumper{CClassDumper::BeanKind};
    QString m_output;
    bool m_done = false;
    bool m_ok = false;
};

TEST_F(BeanDumpTest, CompiledBeanGoesIntoTheTreeWithItsSections)
{
    // A bean with a helper class beside it (loaded from the same folder
    // tree), a static initialiser that must not run, a read-only and an
    // array property, and one event set.
    m_env.WriteFile(QStringLiteral("src/shop/Scale.java"),
                    "package shop;\n"
                    "import java.awt.event.*;\n"
                    "public class Scale implements java.io.Serializable {\n"
                    "  static { try { new java.io.File(\"" +
                        m_env.FilePath("ran").toUtf8() +
                        "\").createNewFile(); } catch (Exception e) {} }\n"
                        "  private Unit unit = new Unit();\n"
                        "  public double getWeight() { return 0; }\n"
                        "  public void setWeight(double w) {}\n"
                        "  public boolean isTared() { return false; }\n"
                        "  public String[] getLabels() { return null; }\n"
                        "  public Unit getUnit() { return unit; }\n"
                        "  public void addActionListener(ActionListener l) {}\n"
                        "  public void removeActionListener(ActionListener l) {}\n"
                        "  public void tare() {}\n"
                        "}\n");
    m_env.WriteFile(QStringLiteral("src/shop/Unit.java"), "package shop;\npublic class Unit {}\n");
    QProcess javac;
    javac.setWorkingDirectory(m_env.Path());
    javac.start(kJdkBin + QStringLiteral("javac"),
                {QStringLiteral("-d"), QStringLiteral("classes"),
                 QStringLiteral("src/shop/Scale.java"), QStringLiteral("src/shop/Unit.java")});
    ASSERT_TRUE(javac.waitForFinished(120000) && javac.exitCode() == 0)
        << javac.readAllStandardError().toStdString();

    ASSERT_TRUE(Dump(m_env.FilePath("classes/shop/Scale.class"))) << m_output.toStdString();
    EXPECT_EQ(m_dumper.CommandLine(), QStringLiteral("java DumpBean ") +
                                          m_env.FilePath("classes/shop/Scale.class") +
                                          QLatin1Char(' ') + m_dumper.OutputFile());
    EXPECT_EQ(m_dumper.WorkingDirectory(), m_env.FilePath("classes/shop"));
    EXPECT_FALSE(QFileInfo::exists(m_env.FilePath("ran"))) << "static initialiser ran";

    CBeanDoc doc;
    ASSERT_TRUE(doc.Open(m_env.FilePath("mavu.bns")));
    CBeanItem *item = doc.AddDumpedBean(nullptr, m_dumper.OutputFile());
    ASSERT_NE(item, nullptr) << m_prompter.m_messages.join(u'|').toStdString();
    EXPECT_FALSE(QFileInfo::exists(m_dumper.OutputFile()));
    EXPECT_EQ(item->GetName(), QStringLiteral("shop.Scale"));

    QStringList props;
    for (const CBeanProp *p : item->Bean()->Properties())
        props << p->GetDescription();
    EXPECT_EQ(
        props,
        (QStringList{
            QStringLiteral("[java.lang.String labels   GetMethod  - getLabels   SetMethod  - None"),
            QStringLiteral("boolean tared   GetMethod  - isTared   SetMethod  - None"),
            QStringLiteral("shop.Unit unit   GetMethod  - getUnit   SetMethod  - None"),
            QStringLiteral("double weight   GetMethod  - getWeight   SetMethod  - setWeight")}));
    ASSERT_EQ(item->Bean()->m_interfaces.size(), 1);
    EXPECT_EQ(item->Bean()->m_interfaces[0]->GetDescription(),
              QStringLiteral("java.awt.event.ActionListener action   AddMethod  - "
                             "addActionListener   RemoveMethod  - removeActionListener"));
    ASSERT_EQ(item->Bean()->m_interfaces[0]->m_events.size(), 1);
    EXPECT_EQ(item->Bean()->m_interfaces[0]->m_events[0]->m_name,
              QStringLiteral("actionPerformed"));
    QStringList methods;
    for (const CVarMethodDecl *m : item->Bean()->m_methods)
        methods << m->m_name;
    EXPECT_EQ(methods,
              (QStringList{QStringLiteral("addActionListener"), QStringLiteral("getLabels"),
                           QStringLiteral("getUnit"), QStringLiteral("getWeight"),
                           QStringLiteral("isTared"), QStringLiteral("removeActionListener"),
                           QStringLiteral("setWeight"), QStringLiteral("tare")}));
    EXPECT_TRUE(m_prompter.m_messages.isEmpty());

    // A file that is no class: DumpBean fails, and nothing is written.
    m_env.WriteFile(QStringLiteral("Bad.class"), "not a class");
    EXPECT_FALSE(Dump(m_env.FilePath("Bad.class")));
    EXPECT_TRUE(m_output.contains(QStringLiteral("DumpBean: "))) << m_output.toStdString();
}

TEST_F(BeanDumpTest, StartFailureGivesTheBeanFailureText)
{
    CClassDumper missing(CClassDumper::BeanKind);
    missing.SetJava(m_env.FilePath("nojdk/bin/java"));
    QString said;
    missing.m_onOutput = [&](const QString &t) { said += t; };
    EXPECT_FALSE(missing.Start(m_env.FilePath("Some.class")));
    EXPECT_FALSE(missing.IsBusy());
    EXPECT_EQ(said,
              QStringLiteral("Wait, Introspecting bean...\n"
                             "Error introspecting a bean. Please make sure of the following -\n"
                             "1. Java BIN is defined in the System path variable\n"
                             "2. DumpBean.class file is located in Mavu classes.zip file\n"
                             "3. Ensure ../BDK/beanbox/classes is in the CLASSPATH"));
    EXPECT_FALSE(QFileInfo::exists(missing.OutputFile()));
}

} // namespace
