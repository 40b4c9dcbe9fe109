// GoogleTest entry for tests that need a Qt application: headless, one style, every window gone at
// the end so nothing is destroyed after the application.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
