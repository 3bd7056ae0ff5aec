#include "message_presenter.h"

#include <QMessageBox>

QString QtMessagePresenter::displayText(const QString& text) {
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

void QtMessagePresenter::show(const Message& message) {
    QMessageBox box(message.icon == MessageIcon::Warning ? QMessageBox::Warning
                                                         : QMessageBox::NoIcon,
                    message.title, displayText(message.text), QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    box.setObjectName(QStringLiteral("messageBox"));
    box.exec();
}
