#include "form1.h"

#include "month_calendar.h"
#include "push_button.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

void Form1::setMousePointer(std::int16_t code) {
    mousePointer_ = code;
    if (code == kHourglass)
        setCursor(Qt::WaitCursor);
    else if (code == kCustomPointer)
        setCursor(mouseIcon_ ? *mouseIcon_ : QCursor(Qt::ArrowCursor));
    else
        unsetCursor();
}

// The hourglass of a running calculation always stays; otherwise every movement sets the
// pointer of its area, even when it already has that value.
void Form1::customPointerRule() {
    if (MousePointer() != kHourglass)
        setMousePointer(kCustomPointer);
}

void Form1::defaultPointerRule() {
    if (MousePointer() != kHourglass)
        setMousePointer(kDefaultPointer);
}

void Form1::Form_MouseMove() {
    defaultPointerRule();
}
void Form1::PushButton1_MouseMove() {
    customPointerRule();
}
void Form1::PushButton2_MouseMove() {
    customPointerRule();
}
void Form1::PushButton3_MouseMove() {
    customPointerRule();
}
void Form1::PushButton4_MouseMove() {
    customPointerRule();
}
void Form1::Frame1_MouseMove() {
    defaultPointerRule();
}
void Form1::Frame2_MouseMove() {
    defaultPointerRule();
}
void Form1::Frame4_MouseMove() {
    defaultPointerRule();
}
void Form1::Label1_MouseMove() {
    defaultPointerRule();
}
void Form1::Label2_MouseMove() {
    defaultPointerRule();
}
void Form1::Text1_MouseMove() {
    defaultPointerRule();
}
void Form1::Text2_MouseMove() {
    defaultPointerRule();
}
void Form1::Text3_MouseMove() {
    defaultPointerRule();
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
    Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        using Handler = void (Form1::*)();
        const std::pair<QObject*, Handler> handlers[] = {
            {Frame1, &Form1::Frame1_MouseMove}, {Frame2, &Form1::Frame2_MouseMove},
            {Frame4, &Form1::Frame4_MouseMove}, {Label1, &Form1::Label1_MouseMove},
            {Label2, &Form1::Label2_MouseMove}, {Text1, &Form1::Text1_MouseMove},
            {Text2, &Form1::Text2_MouseMove},   {Text3, &Form1::Text3_MouseMove}};
        for (const auto& [control, handler] : handlers)
            if (watched == control)
                (this->*handler)();
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::connectHandlers() {
    connect(PushButton1, &QPushButton::clicked, this, &Form1::PushButton1_Click);
    connect(PushButton2, &QPushButton::clicked, this, &Form1::PushButton2_Click);
    connect(PushButton3, &QPushButton::clicked, this, &Form1::PushButton3_Click);
    connect(PushButton4, &QPushButton::clicked, this, &Form1::PushButton4_Click);
    connect(PushButton1, &PushButton::MouseMove, this, &Form1::PushButton1_MouseMove);
    connect(PushButton2, &PushButton::MouseMove, this, &Form1::PushButton2_MouseMove);
    connect(PushButton3, &PushButton::MouseMove, this, &Form1::PushButton3_MouseMove);
    connect(PushButton4, &PushButton::MouseMove, this, &Form1::PushButton4_MouseMove);
    connect(Calendar1, &MonthCalendar::afterUpdate, this, &Form1::Calendar1_AfterUpdate);
    connect(Calendar2, &MonthCalendar::afterUpdate, this, &Form1::Calendar2_AfterUpdate);
    for (QWidget* control : std::initializer_list<QWidget*>{Frame1, Frame2, Frame4, Label1, Label2,
                                                            Text1, Text2, Text3}) {
        control->setMouseTracking(true);
        control->installEventFilter(this);
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

void Form1::Form_Unload() {
    if (services_.endApplication)
        services_.endApplication();
}
