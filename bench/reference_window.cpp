// The second yardstick of the start-up benchmark: only the Qt controls the calculator's window
// is made of, at its places and in its fonts, with no behaviour, no services and no start-up
// work. Two QCalendarWidgets in two group boxes, each with a label and a text box, four push
// buttons, and a results group of four labels and four text boxes. What the calculator takes
// beyond this window is the program's own cost.

#include <QApplication>
#include <QCalendarWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyleFactory>

namespace {

QFont arial(double points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void labelledBox(QWidget* parent, const QString& caption, QRect label, QRect box) {
    (new QLabel(caption, parent))->setGeometry(label);
    (new QLineEdit(parent))->setGeometry(box);
}

void dateGroup(QWidget* window, const QString& caption, const QString& label, int top) {
    auto* frame = new QGroupBox(caption, window);
    frame->setGeometry(8, top, 520, 209);
    auto* calendar = new QCalendarWidget(frame);
    calendar->setGeometry(8, 16, 505, 161);
    calendar->setFont(arial(8.25, false));
    calendar->setGridVisible(true);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    for (const char* title : {"qt_calendar_monthbutton", "qt_calendar_yearbutton"})
        if (auto* button = calendar->findChild<QWidget*>(QLatin1String(title)))
            button->setFont(arial(12, true));
    labelledBox(frame, label, QRect(16, 178, 57, 17), QRect(72, 176, 433, 23));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget window;
    window.setFixedSize(536, 623);
    window.setFont(arial(9, true));
    (new QPushButton(QStringLiteral("Help"), &window))->setGeometry(8, 8, 256, 27);
    (new QPushButton(QStringLiteral("Load Sample/Example Dates"), &window))
        ->setGeometry(272, 8, 256, 27);
    dateGroup(&window, QStringLiteral("Older date"), QStringLiteral("Date #1:"), 40);
    dateGroup(&window, QStringLiteral("Newer date"), QStringLiteral("Date #2:"), 252);
    (new QPushButton(QStringLiteral("Start Finding Difference"), &window))
        ->setGeometry(8, 468, 520, 27);
    auto* results = new QGroupBox(QStringLiteral("Results"), &window);
    results->setGeometry(8, 500, 520, 82);
    labelledBox(results, QStringLiteral(" Full Result:"), QRect(8, 22, 72, 17),
                QRect(80, 18, 177, 22));
    labelledBox(results, QStringLiteral(" Just Year:"), QRect(264, 22, 65, 17),
                QRect(328, 18, 177, 22));
    labelledBox(results, QStringLiteral(" Just Month:"), QRect(8, 52, 73, 17),
                QRect(80, 48, 177, 22));
    labelledBox(results, QStringLiteral(" Just Day:"), QRect(264, 52, 65, 17),
                QRect(328, 48, 177, 22));
    (new QPushButton(QStringLiteral("Copy Results To Clipboard"), &window))
        ->setGeometry(8, 589, 520, 27);
    window.move(QGuiApplication::primaryScreen()->availableGeometry().center() -
                window.rect().center());
    window.show();
    return QApplication::exec();
}
