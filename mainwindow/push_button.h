#pragma once

#include <QPushButton>

// The push button: reports a press (clicked) and every mouse movement over it. The mouse, Space,
// Return and Enter press it.
class PushButton : public QPushButton {
    Q_OBJECT

public:
    explicit PushButton(const QString& caption, QWidget* parent = nullptr);

signals:
    void MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, int x, int y);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};
