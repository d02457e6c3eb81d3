#include "tools/InterpreterOptionsTable.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

// Each flag of the options pages, given to the real java: what the page
// says of it must be what this JDK does.
TEST(JavaFlags, ThePagesSayWhatTheRealJavaDoes)
{
    const QString java = QStandardPaths::findExecutable("java");
    if (java.isEmpty())
        GTEST_SKIP() << "no java on PATH";
    int tried = 0;
    for (const CInterpreterOptionRow &row : CInterpreterOptionsTable::Rows()) {
        if (row.flag.isEmpty())
            continue;
        QString arg = row.flag.trimmed();
        if (arg == QLatin1String("-mx") || arg == QLatin1String("-ms"))
            arg += "16m";
        else if (arg == QLatin1String("-oss") || arg == QLatin1String("-ss"))
            arg += "512k";
        else if (arg == QLatin1String("-D"))
            arg += "x=y";
        SCOPED_TRACE(arg.toStdString());
        QProcess p;
        p.start(java, {arg, "-version"});
        ASSERT_TRUE(p.waitForFinished(60000));
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        ++tried;
        switch (row.java17) {
        case CInterpreterOptionRow::Rejected:
            EXPECT_NE(p.exitCode(), 0);
            EXPECT_FALSE(row.java17Note.isEmpty());
            break;
        case CInterpreterOptionRow::Warns:
            EXPECT_EQ(p.exitCode(), 0);
            EXPECT_TRUE(err.contains("Warning", Qt::CaseInsensitive)) << err.toStdString();
            break;
        case CInterpreterOptionRow::Accepted:
            EXPECT_EQ(p.exitCode(), 0) << err.toStdString();
            EXPECT_FALSE(err.contains("Warning")) << err.toStdString();
            break;
        }
    }
    EXPECT_EQ(tried, 12);
}

} // namespace
