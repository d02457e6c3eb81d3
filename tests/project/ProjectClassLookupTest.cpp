#include "project/ProjectClassLookup.h"

#include "FakePrompter.h"
#include "TestEnv.h"
#include "javamodel/FileObject.h"
#include "javamodel/JavaParser.h"
#include "javamodel/VarContainer.h"
#include "project/Project.h"
#include "project/ProjectClasses.h"
#include "project/ProjectDoc.h"

#include <gtest/gtest.h>
#include <memory>

// Names found in the open project's sources: types before methods before
// fields, a source named after the type first, nested types too.
TEST(ProjectClassLookup, DeclarationsOfTypesMethodsAndFields)
{
    RegisterProjectClasses();
    CFakePrompter prompter;
    CTestEnv env;
    const QString a = env.WriteFile("P/A.java", "class A {\n"
                                                "    int Shape;\n    int size;\n"
                                                "    void paint() {}\n"
                                                "    static class Inner {}\n"
                                                "}\n");
    const QString shape = env.WriteFile("P/Shape.java", "\n\ninterface Shape {\n"
                                                        "    int area = 0;\n"
                                                        "    void draw();\n"
                                                        "}\n");
    const QString b =
        env.WriteFile("P/B.java", "class B {\n    int width;\n    void size() {}\n}\n");
    CProjectDoc doc;
    ASSERT_TRUE(doc.Load(env.FilePath("mavu.proj")));
    ASSERT_TRUE(doc.OpenProject(env.FilePath("P/P.mavu"), true));
    CProject &project = doc.GetCurrentProject();
    for (const QString &path : {a, shape, b})
        project.AddFileItem(path);
    CProjectClassLookup lookup(project);

    // The type wins over A's field of the same name; a method comes before
    // a field, whichever source comes first.
    const struct
    {
        const char *name;
        QString path;
        int line;
    } rows[] = {
        {"Shape", shape, 3}, {"Inner", a, 5}, {"paint", a, 4}, {"size", b, 3}, {"area", shape, 4}};
    QString path;
    int line = 0;
    for (const auto &row : rows) {
        ASSERT_TRUE(lookup.FindDeclaration(row.name, &path, &line)) << row.name;
        EXPECT_EQ(path, row.path) << row.name;
        EXPECT_EQ(line, row.line) << row.name;
    }
    EXPECT_FALSE(lookup.FindDeclaration("nothing", &path, &line));
    EXPECT_FALSE(lookup.FindDeclaration("", &path, &line));

    // The wizard's class lookup: by short or qualified name.
    ASSERT_NE(lookup.FindClassByName("B"), nullptr);
    EXPECT_EQ(lookup.FindClassByName("java.lang.B")->m_name, "B");
    EXPECT_EQ(lookup.FindClassByName("Missing"), nullptr);

    // What the project does not have, the fallback (the package database)
    // is asked for; the project's own class comes first.
    struct CLibrary final : CClassLookup
    {
        std::unique_ptr<CFileObject> file{CJavaParser::ParseText("class Missing {}\nclass B {}\n")};
        const CVarContainer *FindClassByName(const QString &name) const override
        {
            return file->FindClassByName(name);
        }
    } library;
    CProjectClassLookup withLibrary(project, &library);
    EXPECT_EQ(withLibrary.FindClassByName("Missing"), library.file->FindClassByName("Missing"));
    EXPECT_EQ(withLibrary.FindClassByName("B"), lookup.FindClassByName("B"));
}
