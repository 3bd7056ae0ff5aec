#include <QApplication>
#include <QStyleFactory>

#include <gtest/gtest.h>

// Widget tests run on Qt's offscreen platform with the program's own style.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
