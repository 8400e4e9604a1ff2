#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

// Widgets need an application object. Test discovery starts the program
// without the test's environment, so the offscreen platform is the default here.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Should a test ever build the default settings store, it lands in a test folder.
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
