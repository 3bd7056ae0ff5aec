#include "window_style.h"

#include <QApplication>

#include <gtest/gtest.h>

// Widget tests run on Qt's offscreen platform with the program's own style. A test may give the
// platform options of its own (its screens).
int main(int argc, char** argv) {
    if (!qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QLatin1String("offscreen")))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(new WindowStyle);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
