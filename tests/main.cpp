#include <QApplication>

#include <gtest/gtest.h>

// One QApplication for the whole run, on the offscreen platform, so that tests
// drive real widgets and read real pixels without a display.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
