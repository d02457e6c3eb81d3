#include "ToolsTestSupport.h"
#include "editor/HueditView.h"
#include "project/ToolOptions.h"
#include "tools/CompilerOptionsPage.h"
#include "tools/ErrorMarks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

TEST(ErrorMarks, MarksAndMessagesOfTheFileOnlyThenGoneWhenClean)
{
    CHueditView view;
    view.setText("class Bad {\n  void f() {\n    int x = y;\n  }\n}\n");
    CErrorMarks *marks = CErrorMarks::Of(&view);
    EXPECT_EQ(CErrorMarks::Of(&view), marks);
    const QList<CCompileDiagnostic> diags{
        {"/p/Bad.java", 3, false, "cannot find symbol\nsymbol:   variable y"},
        {"/p/Bad.java", 3, true, "[x] a warning on the same line"},
        {"/p/Bad.java", 1, true, "[serial] w"},
        {"/p/Other.java", 2, false, "elsewhere"},
        {"/p/Bad.java", 99, false, "beyond the end"}};
    marks->SetDiagnostics("/p/./Bad.java", diags);
    EXPECT_EQ(marks->Shown().size(), 3);
    EXPECT_EQ(view.markersAtLine(2), 1u << CErrorMarks::kErrorMarker);
    EXPECT_EQ(view.markersAtLine(0), 1u << CErrorMarks::kWarningMarker);
    EXPECT_EQ(view.markersAtLine(1), 0u);
    EXPECT_EQ(view.annotation(2), "error: cannot find symbol\nsymbol:   variable y\n"
                                  "warning: [x] a warning on the same line");
    EXPECT_EQ(view.annotation(0), "warning: [serial] w");

    marks->SetDiagnostics("/p/Bad.java", {});
    EXPECT_TRUE(marks->Shown().isEmpty());
    EXPECT_EQ(view.markersAtLine(2), 0u);
    EXPECT_TRUE(view.annotation(2).isEmpty());
}

TEST(CompilerOptionsPage, LabelsAndARoundTripWithEarlierValues)
{
    CCompilerOptionsPage page;
    QStringList labels;
    for (QCheckBox *box : page.findChildren<QCheckBox *>())
        labels << box->text();
    EXPECT_EQ(labels, (QStringList{"Compilation output directory (-d)", "Debugging tables (-g)",
                                   "Don't display warnings (-nowarn)",
                                   "Optimize compiled code (-O)", "Prints out messages (-verbose)",
                                   "Deprecated API (-deprecation)", "Custom options (sent as is) -",
                                   "Use Compiler (Ctrl+J to toggle from outside this dialog)",
                                   "Classpath path (-classpath)"}));
    CCompilerOptions in;
    in.m_bOutputDir = in.m_bNoWarn = in.m_bCustomOptions = 1;
    in.m_strOutputDir = "classes";
    in.m_strCustomOptions = "-Xlint";
    in.m_prevOutputDirs = {"old"};
    in.m_strCompiler = "/opt/ecj";
    page.Load(in, "/lib/a.jar");
    CCompilerOptions out = in;
    QString classPath;
    page.Save(out, &classPath);
    EXPECT_EQ(classPath, "/lib/a.jar");
    EXPECT_EQ(out.m_prevOutputDirs, (QStringList{"classes", "old"}));
    EXPECT_EQ(out.m_prevClassPaths, QStringList{"/lib/a.jar"});
    out.m_prevOutputDirs = in.m_prevOutputDirs;
    out.m_prevCustomOptions = in.m_prevCustomOptions;
    out.m_prevClassPaths = in.m_prevClassPaths;
    EXPECT_TRUE(out == in);

    page.findChild<QCheckBox *>("debug")->setChecked(true);
    page.findChild<QComboBox *>("outputDir")->setEditText("bin");
    page.SetCompilerPicker([] { return QString("/usr/bin/jikes"); });
    page.Save(out, nullptr);
    EXPECT_EQ(out.m_bDebug, 1);
    EXPECT_EQ(out.m_strOutputDir, "bin");
    EXPECT_EQ(out.m_prevOutputDirs.first(), "bin");
}
