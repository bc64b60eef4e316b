#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char* argv[]) {
    // The "Folders" dialog needs a widget platform; none of these tests needs a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
