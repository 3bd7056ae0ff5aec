#include "message_presenter.h"

#include "system_style.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>

namespace {

// A message box whose text can be copied with Ctrl+C, in the form the Windows desktop uses:
// title, text and buttons between dashed lines.
class CopyableMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Copy)) {
            const QString rule = QStringLiteral("---------------------------\n");
            QString buttons;
            for (QAbstractButton* button : this->buttons())
                buttons += button->text().remove(QLatin1Char('&')) + QLatin1String("   ");
            QGuiApplication::clipboard()->setText(rule + windowTitle() + QLatin1Char('\n') + rule +
                                                  text() + QLatin1Char('\n') + rule +
                                                  buttons.trimmed() + QLatin1Char('\n') + rule);
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
};

} // namespace

QString QtMessagePresenter::displayText(const QString& text) {
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

void QtMessagePresenter::show(const Message& message) {
    CopyableMessageBox box(message.icon == MessageIcon::Warning ? QMessageBox::Warning
                                                                : QMessageBox::NoIcon,
                           message.title, displayText(message.text), QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    box.setObjectName(QStringLiteral("messageBox"));
    // A message box has the system's look, its buttons and text too.
    if (QStyle* system = systemStyle()) {
        box.setStyle(system);
        for (QWidget* part : box.findChildren<QWidget*>())
            part->setStyle(system);
    }
    box.exec();
}
