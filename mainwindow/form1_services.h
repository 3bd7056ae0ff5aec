#pragma once

#include "clipboard.h"
#include "difference.h"
#include "message_presenter.h"
#include "url_opener.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <functional>

// The engine calls of the Calculate command, replaceable so that a test can make one fail.
struct DifferenceCalls {
    std::function<std::optional<std::int32_t>(const DateValue&, const DateValue&, std::int16_t)>
        DateDiffPart = &Difference::DateDiffPart;
    std::function<std::int32_t(const DateValue&, const DateValue&)> YearsBetween =
        &Difference::YearsBetween;
    std::function<std::int32_t(const DateValue&, const DateValue&)> MonthsBetween =
        &Difference::MonthsBetween;
    std::function<std::int32_t(const DateValue&, const DateValue&)> DaysBetween =
        &Difference::DaysBetween;
};

// Everything the main window takes from outside: the locale, the clock, message boxes, the
// clipboard, the web-page opener, the home-page draw, the program folder and the way the
// application ends. The program builds the real set beside main(); tests build fakes. A set
// that lacks a service cannot be made: the three ports are references to objects that outlive
// the window, and the constructor refuses an empty function.
struct Form1Services {
    Form1Services(MessagePresenter& messages, ClipboardPort& clipboard, UrlOpener& urlOpener,
                  std::function<QDate()> today, std::function<int()> homePageDraw,
                  std::function<void()> endApplication, QString programFolder,
                  QLocale locale = QLocale::system());

    MessagePresenter& messages;
    ClipboardPort& clipboard;
    UrlOpener& urlOpener;
    std::function<QDate()> today;
    std::function<int()> homePageDraw;
    std::function<void()> endApplication;
    QString programFolder; // the folder of the program file; the optional files lie in it
    QLocale locale;
    DifferenceCalls engine;
};
