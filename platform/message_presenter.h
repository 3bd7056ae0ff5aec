#pragma once

#include <QString>

class QWidget;

// Modal message boxes with an OK button only. The program shows every box through this
// interface, so tests can record them instead of blocking on a dialog.
enum class MessageIcon { None, Warning };

struct Message {
    QString title;
    QString text; // line breaks as "\r\n" or "\r"
    MessageIcon icon = MessageIcon::None;
};

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual void show(const Message& message) = 0; // returns when the box is dismissed
};

// The real presenter: a modal QMessageBox over the given parent.
class QtMessagePresenter : public MessagePresenter {
public:
    explicit QtMessagePresenter(QWidget* parent = nullptr) : parent_(parent) {}
    void show(const Message& message) override;

    // The text as the box shows it: every "\r\n" and lone "\r" becomes a line break.
    static QString displayText(const QString& text);

private:
    QWidget* parent_;
};
