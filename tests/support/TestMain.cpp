#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

// Every test program runs with a real QApplication on the offscreen platform, so window tests and
// pure tests share one main.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // Settings a test does not point elsewhere (remembered folders, recent projects) never reach the
    // user's own.
    QStandardPaths::setTestModeEnabled(true);
    return RUN_ALL_TESTS();
}
