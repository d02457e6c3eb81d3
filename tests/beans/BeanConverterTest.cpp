#include "beans/BeanConverter.h"

#include "FakePrompter.h"
#include "beans/BeanDoc.h"
#include "beans/BeanElements.h"
#include "javamodel/VarMethodDecl.h"

#include <gtest/gtest.h>

namespace {

QString Accessor(const CVarMethodDecl *m)
{
    return m ? m->m_name : QStringLiteral("-");
}

TEST(BeanConverterTest, ReadsTheThreeSectionsOfDumpBeansOutput)
{
    RegisterBeanClasses();
    CFakePrompter prompter;
    // Flag letters, array types in descriptor form (an int array's "[I" is
    // a type, not the flag I), an entry without its ';' before the closing
    // brace, an unknown section passed over, and anything after the bean.
    const auto bean = CBeanConverter::ParseBean(
        "class a.b.Gauge {\n"
        "Properties {\n"
        "java.lang.String label getLabel setLabel;\n"
        "H [I marks getMarks setMarks;\n"
        "I E [[Ljava.lang.String table setTable;\n"
        "boolean on isOn\n"
        "}\n"
        "Extras { x y; z(); }\n"
        "Events {\n"
        "java.awt.event.ActionListener action addActionListener removeActionListener "
        "actionPerformed;\n"
        "java.beans.PropertyChangeListener propertyChange addPropertyChangeListener "
        "removePropertyChangeListener propertyChange;\n"
        "}\n"
        "Methods {\n"
        "public synchronized void setLabel(java.lang.String);\n"
        "public int[] getMarks();\n"
        "public static void reset(int, java.lang.String[]) throws java.io.IOException;\n"
        "}\n"
        "}\n"
        "class Other { Properties { int x; } }\n");
    ASSERT_NE(bean, nullptr);
    EXPECT_TRUE(bean->m_complete);
    EXPECT_EQ(bean->m_name, QStringLiteral("a.b.Gauge"));

    QStringList props;
    for (const CBeanProp *p : bean->Properties())
        props << QStringLiteral("%1 %2 %3 %4 %5")
                     .arg(p->m_type, p->m_name, Accessor(p->m_getMethod), Accessor(p->m_setMethod))
                     .arg(p->m_access);
    EXPECT_EQ(props, (QStringList{QStringLiteral("java.lang.String label getLabel setLabel 0"),
                                  QStringLiteral("[I marks getMarks setMarks 1"),
                                  QStringLiteral("boolean on isOn - 0"),
                                  QStringLiteral("[[java.lang.String table - setTable 2")}));
    EXPECT_EQ(bean->Properties().at(2)->GetDescription(),
              QStringLiteral("boolean on   GetMethod  - isOn   SetMethod  - None"));

    ASSERT_EQ(bean->m_interfaces.size(), 2);
    const CBeanListenInterface *action = bean->m_interfaces[0];
    EXPECT_EQ(action->m_name, QStringLiteral("action"));
    EXPECT_EQ(action->m_type, QStringLiteral("java.awt.event.ActionListener"));
    EXPECT_EQ(Accessor(action->m_addMethod), QStringLiteral("addActionListener"));
    EXPECT_EQ(Accessor(action->m_removeMethod), QStringLiteral("removeActionListener"));
    ASSERT_EQ(action->m_events.size(), 1);
    EXPECT_EQ(action->m_events[0]->m_name, QStringLiteral("actionPerformed"));

    QStringList methods;
    for (const CVarMethodDecl *m : bean->m_methods)
        methods << m->GetDescription();
    EXPECT_EQ(methods, (QStringList{QStringLiteral("int[] getMarks( )"),
                                    QStringLiteral("void reset(int, String[]) throws IOException"),
                                    QStringLiteral("Sync void setLabel(String)")}));
    EXPECT_TRUE(bean->m_methods[1]->m_static);
    EXPECT_TRUE(prompter.m_messages.isEmpty());

    // Text without a bean, and a bean cut off in the middle.
    EXPECT_EQ(CBeanConverter::ParseBean("Properties { int x; }"), nullptr);
    const auto cut = CBeanConverter::ParseBean("class C {\nProperties {\nint x getX;\n");
    ASSERT_NE(cut, nullptr);
    EXPECT_FALSE(cut->m_complete);
}

} // namespace
