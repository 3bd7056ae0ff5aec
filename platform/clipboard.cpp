#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

bool QtClipboard::trySetText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setText(text, QClipboard::Clipboard);
    return clipboard->text(QClipboard::Clipboard) == text;
}
