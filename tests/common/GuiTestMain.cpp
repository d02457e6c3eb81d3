#include <QApplication>
#include <gtest/gtest.h>

// The one main of every widget test (label gui).

int main(int argc, char **argv)
{
    // The tests drive real windows without a display; test discovery runs
    // this binary outside ctest's environment, so set the platform here too.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
