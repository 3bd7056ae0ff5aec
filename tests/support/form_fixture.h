#pragma once

#include "fakes.h"
#include "form1.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QTemporaryDir>

#include <memory>

// A main window with recording services, a fixed day and an empty program folder.
struct FormFixture {
    std::shared_ptr<RecordingPresenter> messages = std::make_shared<RecordingPresenter>();
    std::shared_ptr<FakeClipboard> clipboard = std::make_shared<FakeClipboard>();
    std::shared_ptr<FakeOpener> opener = std::make_shared<FakeOpener>();
    QTemporaryDir folder;
    QDate today{2021, 8, 31};
    int ended = 0;

    Form1Services services(const char* locale = "en_US") {
        Form1Services s;
        s.locale = QLocale(QString::fromLatin1(locale));
        s.today = [this] { return today; };
        s.messages = messages;
        s.clipboard = clipboard;
        s.urlOpener = opener;
        s.homePageDraw = [] { return 1; };
        s.programFolder = folder.path();
        s.endApplication = [this] { ++ended; };
        return s;
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
