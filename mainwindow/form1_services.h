#pragma once

#include "clipboard.h"
#include "difference.h"
#include "message_presenter.h"
#include "url_opener.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <functional>
#include <memory>

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
// application ends. Tests replace each of them.
struct Form1Services {
    QLocale locale = QLocale::system();
    std::function<QDate()> today = [] { return QDate::currentDate(); };
    std::shared_ptr<MessagePresenter> messages;
    std::shared_ptr<ClipboardPort> clipboard;
    std::shared_ptr<UrlOpener> urlOpener;
    std::function<int()> homePageDraw;
    QString programFolder;
    std::function<void()> endApplication;
    DifferenceCalls engine;

    // The real services of a running program.
    static Form1Services system();
};
