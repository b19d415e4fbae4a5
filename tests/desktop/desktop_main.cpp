#include <gtest/gtest.h>

#include <QApplication>

// Desktop tests run inside scripts/desktop-session, which provides the display and the buses.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
