#include <QApplication>
#include <gtest/gtest.h>

// Every test program runs with a real QApplication on the offscreen platform, so window tests and
// pure tests share one main.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
