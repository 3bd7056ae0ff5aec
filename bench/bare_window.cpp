// The yardstick of the start-up benchmark: a bare Qt Widgets window with one label, of the
// calculator's size, centred as it is.

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QStyleFactory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QLabel label(QStringLiteral("Hello"));
    label.setFixedSize(536, 623);
    label.setAutoFillBackground(true);
    label.move(QGuiApplication::primaryScreen()->availableGeometry().center() -
               label.rect().center());
    label.show();
    return QApplication::exec();
}
