#include <QApplication>

#include <gtest/gtest.h>

// Widget tests need the application object before any window exists, and engine tests
// need it for the locale, resources and application paths.
int main(int argc, char* argv[]) {
    // Tests never need a display, not even when ctest lists them.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
