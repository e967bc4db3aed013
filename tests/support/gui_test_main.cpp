// Test main for the GUI-free layers: fonts and images need a QGuiApplication.
#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char** argv)
{
    // gtest_discover_tests runs the binary without the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
