#include <gtest/gtest.h>

#include <QCoreApplication>

// The main of the tests of the core libraries: a plain Qt application, no GUI, so that such a test program
// proves the core runs without widgets.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
