#include <QCoreApplication>
#include <gtest/gtest.h>

// Child processes report through the event loop, so the tests have one.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
