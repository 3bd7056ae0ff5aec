#include "push_button.h"

#include "arial_font.h"

#include <QMouseEvent>

PushButton::PushButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setMouseTracking(true);
    setAutoDefault(false);
    setDefault(false);
    setFont(arialFont(11.25, true));
    QPalette pal = palette();
    pal.setColor(QPalette::Button, Qt::white);
    setPalette(pal);
}

void PushButton::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    emit MouseMove(event->buttons(), event->modifiers(), pos.x(), pos.y());
    QPushButton::mouseMoveEvent(event);
    // The movement is the button's own: it must not reach the window behind it.
    event->accept();
}
