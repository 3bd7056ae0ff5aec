#pragma once

#include "clipboard.h"
#include "message_presenter.h"
#include "url_opener.h"

#include <QList>
#include <QString>

// Records every message box and answers at once, as if OK had been pressed.
class RecordingPresenter : public MessagePresenter {
public:
    void show(const Message& message) override { shown.append(message); }
    QList<Message> shown;
};

// A clipboard that refuses a given number of attempts (or all of them) before it takes one.
class FakeClipboard : public ClipboardPort {
public:
    bool trySetText(const QString& text) override {
        ++attempts;
        if (alwaysFail || attempts <= failuresBeforeSuccess)
            return false;
        content = text;
        return true;
    }
    int failuresBeforeSuccess = 0;
    bool alwaysFail = false;
    int attempts = 0;
    QString content = QStringLiteral("held before");
};

class FakeOpener : public UrlOpener {
public:
    bool open(const QString& url) override {
        opened.append(url);
        return succeed;
    }
    QList<QString> opened;
    bool succeed = true;
};
