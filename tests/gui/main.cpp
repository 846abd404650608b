#include <gtest/gtest.h>

#include <QApplication>

// The widgets need an application object for the whole run. The tests need
// no display: unless told otherwise they run on the offscreen platform, also
// when CTest only asks the program for the list of its tests.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
