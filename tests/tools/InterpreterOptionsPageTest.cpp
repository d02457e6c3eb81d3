#include "tools/InterpreterOptionsPage.h"

#include "tools/InterpreterOptionsDlg.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

TEST(InterpreterOptionsPage, EveryRowLoadsAndSavesItsOwnField)
{
    CInterpreterOptions in;
    in.m_bMaxHeap = 1;
    in.m_strMaxHeap = QStringLiteral("16m");
    in.m_bVerboseGC = 1;
    in.m_strProperty = QStringLiteral("kept=even when off");
    in.m_bUseInterpreter = 1;
    in.m_strInterpreter = QStringLiteral("/opt/java");

    CInterpreterOptionsPage global(false);
    global.Load(in);
    EXPECT_TRUE(global.CheckBox("Max size memory allocation pool (-mx x)")->isChecked());
    EXPECT_EQ(global.Value("Max size memory allocation pool (-mx x)")->text(), "16m");
    EXPECT_TRUE(global.CheckBox("Verbose GC (-verbosegc)")->isChecked());
    EXPECT_FALSE(global.CheckBox("Checksource (-cs)")->isChecked());
    EXPECT_EQ(global.Value("Use Interpreter")->text(), "/opt/java");
    // The workspace page has no run target, the project page no interpreter.
    EXPECT_EQ(global.CheckBox("Java Class Name to Run"), nullptr);
    CInterpreterOptionsPage project(true);
    EXPECT_EQ(project.CheckBox("Use Interpreter"), nullptr);
    EXPECT_EQ(project.CheckBox("Custom Options sent as is including JDB"), nullptr);
    ASSERT_NE(project.Value("Execute program in dir"), nullptr);

    // What java 17 does with the old flags is said beside them.
    ASSERT_NE(global.Note("Java code stack (-oss x)"), nullptr);
    EXPECT_TRUE(global.Note("Java code stack (-oss x)")->text().contains("rejects"));
    EXPECT_NE(global.Note("Checksource (-cs)"), nullptr);
    EXPECT_EQ(global.Note("C code stack (-ss x)"), nullptr);

    global.CheckBox("Checksource (-cs)")->setChecked(true);
    global.CheckBox("Max size memory allocation pool (-mx x)")->setChecked(false);
    global.Value("C code stack (-ss x)")->setText("512k");
    CInterpreterOptions out = in;
    global.Save(out);
    EXPECT_EQ(out.m_bCheckSource, 1);
    EXPECT_EQ(out.m_bMaxHeap, 0);
    EXPECT_EQ(out.m_strMaxHeap, "16m"); // a value stays when its flag goes off
    EXPECT_EQ(out.m_strCStack, "512k");
    EXPECT_EQ(out.m_strProperty, in.m_strProperty);
    EXPECT_EQ(out.m_bVerboseGC, 1);

    // The project page leaves the workspace-only fields alone.
    project.Load(in);
    project.CheckBox("Command Line Options")->setChecked(true);
    project.Value("Command Line Options")->setText("a b");
    CInterpreterOptions p = in;
    project.Save(p);
    EXPECT_EQ(p.m_bArguments, 1);
    EXPECT_EQ(p.m_strArguments, "a b");
    EXPECT_EQ(p.m_strInterpreter, "/opt/java");
}

TEST(InterpreterOptionsPage, BrowsePicksTheInterpreter)
{
    CInterpreterOptionsDlg dlg(nullptr, "Root options", false);
    EXPECT_EQ(dlg.windowTitle(), "Root options");
    dlg.Page()->SetInterpreterPicker([] { return QStringLiteral("/usr/local/bin/java"); });
    QPushButton *browse = dlg.Page()->findChild<QPushButton *>();
    ASSERT_NE(browse, nullptr);
    QTest::mouseClick(browse, Qt::LeftButton);
    EXPECT_EQ(dlg.Page()->Value("Use Interpreter")->text(), "/usr/local/bin/java");
    // A cancelled picker changes nothing.
    dlg.Page()->SetInterpreterPicker([] { return QString(); });
    QTest::mouseClick(browse, Qt::LeftButton);
    EXPECT_EQ(dlg.Page()->Value("Use Interpreter")->text(), "/usr/local/bin/java");
}
