#include "push_button.h"

#include "arial_font.h"
#include "readable_colour.h"
#include "system_style.h"

#include <QKeyEvent>
#include <QMouseEvent>

PushButton::PushButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    // The face is the system's where it has a style of its own.
    if (QStyle* system = systemStyle())
        setStyle(system);
    setMouseTracking(true);
    setAutoDefault(false);
    setDefault(false);
    setFont(arialFont(11.25, true));
    QPalette pal = palette();
    pal.setColor(QPalette::Button, Qt::white);
    pal.setColor(QPalette::ButtonText, ReadableColour::systemText(QPalette::ButtonText, Qt::white));
    setPalette(pal);
}

void PushButton::keyPressEvent(QKeyEvent* event) {
    // Return and Enter press a focused button, as Space does; the button is never the
    // window's default, so they do nothing elsewhere.
    const bool enterKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (enterKey && modifiers == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            animateClick();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void PushButton::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    emit MouseMove(event->buttons(), event->modifiers(), pos.x(), pos.y());
    QPushButton::mouseMoveEvent(event);
    // The movement is the button's own: it must not reach the window behind it.
    event->accept();
}
