#pragma once

#include "fakes.h"
#include "form1.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QTemporaryDir>

#include <memory>

// The fake set of services, the one place where tests build it: recording message boxes, a
// fake clipboard and web-page opener, a fixed day, a draw that never opens the home page and an
// empty program folder of its own. A test changes what it needs on the set services() gives.
struct FormFixture {
    RecordingPresenter messages;
    FakeClipboard clipboard;
    FakeOpener opener;
    QTemporaryDir folder;
    QDate today{2021, 8, 31};
    int ended = 0;

    Form1Services services(const char* locale = "en_US") {
        return Form1Services(
            messages, clipboard, opener, [this] { return today; }, [] { return 1; },
            [this] { ++ended; }, folder.path(), QLocale(QString::fromLatin1(locale)));
    }

    std::unique_ptr<Form1> make(const char* locale = "en_US") {
        QCoreApplication::setApplicationName(QStringLiteral("fixture"));
        return std::make_unique<Form1>(services(locale));
    }
    std::unique_ptr<Form1> make(Form1Services s) {
        QCoreApplication::setApplicationName(QStringLiteral("fixture"));
        return std::make_unique<Form1>(std::move(s));
    }
};

template <class T = QLineEdit> T* control(QWidget& form, const char* name) {
    return form.findChild<T*>(QString::fromLatin1(name));
}

inline QString textOf(QWidget& form, const char* name) {
    return control(form, name)->text();
}
inline void setTextOf(QWidget& form, const char* name, const QString& text) {
    control(form, name)->setText(text);
}
