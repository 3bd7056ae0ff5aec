#include "form1.h"

#include "arial_font.h"
#include "month_calendar.h"
#include "push_button.h"
#include "readable_colour.h"
#include "window_placement.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

namespace {

// What a screen reader says for a box: its label's caption without blanks and colon.
QString spokenName(const QString& caption) {
    QString name = caption.trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, QRect geometry) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(geometry);
    ReadableColour::giveBackground(*label, Qt::white);
    return label;
}

// A text box with the label that names it: the label is its buddy, so assistive technology
// reads the two as a pair. The captions have no "&", so no access key appears.
QLineEdit* makeTextBox(QLabel* label, const QString& name, QRect geometry) {
    auto* box = new QLineEdit(name, label->parentWidget());
    box->setObjectName(name);
    box->setAccessibleName(spokenName(label->text()));
    box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    box->setGeometry(geometry);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, ReadableColour::systemText(QPalette::WindowText, Qt::white));
    box->setPalette(pal);
    label->setBuddy(box);
    return box;
}

PushButton* makeButton(QWidget* parent, const QString& name, const QString& caption,
                       QRect geometry) {
    auto* button = new PushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(caption);
    button->setGeometry(geometry);
    return button;
}

QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& caption, QRect geometry) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    frame->setAccessibleName(caption);
    frame->setGeometry(geometry);
    frame->setFocusPolicy(Qt::NoFocus);
    ReadableColour::giveBackground(*frame, Qt::white);
    return frame;
}

} // namespace

Form1::Form1(Form1Services services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      services_(std::move(services)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Form1"));
    setFixedSize(kClientWidth, kClientHeight);
    setFont(arialFont(9, true));
    ReadableColour::giveBackground(*this, Qt::white);
    setMouseTracking(true);
    QPixmap emptyIcon(32, 32);
    emptyIcon.fill(Qt::transparent);
    setWindowIcon(QIcon(emptyIcon));

    createCommandRow();
    Frame4 = createDateGroup(QStringLiteral("Frame4"), QStringLiteral("Older date"),
                             QStringLiteral("Label1"), QStringLiteral("Date #1:"),
                             QStringLiteral("Text1"), QStringLiteral("Calendar1"), 40, Calendar1,
                             Label1, Text1);
    Frame1 = createDateGroup(QStringLiteral("Frame1"), QStringLiteral("Newer date"),
                             QStringLiteral("Label2"), QStringLiteral("Date #2:"),
                             QStringLiteral("Text2"), QStringLiteral("Calendar2"), 252, Calendar2,
                             Label2, Text2);
    PushButton1 = makeButton(this, QStringLiteral("PushButton1"),
                             QStringLiteral("Start Finding Difference"), QRect(8, 468, 520, 27));
    createResultsGroup();
    PushButton4 = makeButton(this, QStringLiteral("PushButton4"),
                             QStringLiteral("Copy Results To Clipboard"), QRect(8, 589, 520, 27));
    setTabOrderAsDesigned();
    connectHandlers();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(centredPosition(size(), screen->availableGeometry()));

    Form_Load();
    Text1->setFocus(Qt::OtherFocusReason);
}

void Form1::createCommandRow() {
    PushButton2 = makeButton(this, QStringLiteral("PushButton2"), QStringLiteral("Help"),
                             QRect(8, 8, 256, 27));
    PushButton3 = makeButton(this, QStringLiteral("PushButton3"),
                             QStringLiteral("Load Sample/Example Dates"), QRect(272, 8, 256, 27));
}

QGroupBox* Form1::createDateGroup(const QString& frameName, const QString& caption,
                                  const QString& labelName, const QString& labelCaption,
                                  const QString& textName, const QString& calendarName, int top,
                                  MonthCalendar*& calendar, QLabel*& label, QLineEdit*& text) {
    QGroupBox* frame = makeFrame(this, frameName, caption, QRect(8, top, 520, 209));
    calendar = new MonthCalendar(frame);
    calendar->setObjectName(calendarName);
    calendar->setAccessibleName(caption);
    calendar->setGeometry(8, 16, 505, 161);
    // The calendar has no pointer rule: movements over it must not reach the frame.
    calendar->setAttribute(Qt::WA_NoMousePropagation);
    label = makeLabel(frame, labelName, labelCaption, QRect(16, 178, 57, 17));
    text = makeTextBox(label, textName, QRect(72, 176, 433, 23));
    return frame;
}

void Form1::createResultsGroup() {
    Frame2 = makeFrame(this, QStringLiteral("Frame2"), QStringLiteral("Results"),
                       QRect(8, 500, 520, 82));
    // " Full Result:" is 67 to 69 px wide in the window font, more than the 65 px of its design:
    // the label reaches to the box beside it so that its colon is not cut off.
    Label3 = makeLabel(Frame2, QStringLiteral("Label3"), QStringLiteral(" Full Result:"),
                       QRect(8, 22, 72, 17));
    Text3 = makeTextBox(Label3, QStringLiteral("Text3"), QRect(80, 18, 177, 22));
    Label4 = makeLabel(Frame2, QStringLiteral("Label4"), QStringLiteral(" Just Year:"),
                       QRect(264, 22, 65, 17));
    Text4 = makeTextBox(Label4, QStringLiteral("Text4"), QRect(328, 18, 177, 22));
    Label5 = makeLabel(Frame2, QStringLiteral("Label5"), QStringLiteral(" Just Month:"),
                       QRect(8, 52, 73, 17));
    Text5 = makeTextBox(Label5, QStringLiteral("Text5"), QRect(80, 48, 177, 22));
    Label6 = makeLabel(Frame2, QStringLiteral("Label6"), QStringLiteral(" Just Day:"),
                       QRect(264, 52, 65, 17));
    Text6 = makeTextBox(Label6, QStringLiteral("Text6"), QRect(328, 48, 177, 22));
    // The labels reach one pixel under the box to their right; the box is drawn on top.
    for (QLineEdit* box : {Text3, Text4, Text5, Text6})
        box->raise();
    // Areas without a pointer rule keep their movements to themselves.
    for (QWidget* w :
         std::initializer_list<QWidget*>{Label3, Label4, Label5, Label6, Text4, Text5, Text6})
        w->setAttribute(Qt::WA_NoMousePropagation);
}

void Form1::setTabOrderAsDesigned() {
    const QList<QWidget*> order{Text1,       Calendar1,   Text2,       Calendar2,
                                Text3,       Text4,       Text5,       Text6,
                                PushButton1, PushButton2, PushButton3, PushButton4};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}
