#include <gtest/gtest.h>

#include <QCoreApplication>

// The telemetry client needs a running Qt event loop on the test's thread.
int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
