#include <QCoreApplication>
#include <gtest/gtest.h>

// Tests of pure code run on a QCoreApplication: nothing they test may need a window system.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
