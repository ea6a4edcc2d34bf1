#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // No test window ever reaches a screen, also when the build lists the tests.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
