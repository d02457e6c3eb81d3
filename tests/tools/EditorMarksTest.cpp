#include "ToolsTestSupport.h"
#include "editor/HueditView.h"
#include "tools/ErrorMarks.h"

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
