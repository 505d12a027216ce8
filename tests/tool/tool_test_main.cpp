#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char** argv) {
    // render draws text, which wants a GUI application; no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
