// The built program under a private X display, used as a person would: the mouse and the
// keyboard through xdotool, the clipboard through xclip.

#include "date_text.h"
#include "desktop.h"
#include "readable_colour.h"
#include "window_points.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPoint>
#include <QRegularExpression>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace std::chrono_literals;

namespace {

// How long to wait for the program to answer: it answers within a few hundred milliseconds,
// but a build under the sanitizers on a busy machine may take many times that. Every wait
// ends as soon as the answer is there.
constexpr auto kPatience = 15s;

class Calculator {
public:
    // Starts the program under the locale, with any further environment variables.
    Calculator(Desktop& desktop, const QString& locale, const QProcessEnvironment& extra = {})
        : desktop_(desktop) {
        // A program folder of its own, with the hand pointer and without any skin.
        const QString program = folder_.filePath(QStringLiteral("ostrelin-calculator"));
        QFile::copy(QStringLiteral(OSTRELIN_PROGRAM), program);
        QFile::copy(QStringLiteral(OSTRELIN_HAND_CURSOR), folder_.filePath("HAND-M.CUR"));
        // Any web page the program opens goes to a stand-in opener that only notes it.
        QDir(folder_.path()).mkdir(QStringLiteral("bin"));
        const QString opener = folder_.filePath(QStringLiteral("bin/xdg-open"));
        QFile stub(opener);
        if (stub.open(QIODevice::WriteOnly))
            stub.write("#!/bin/sh\necho \"$@\" >> \"$(dirname \"$0\")/opened.log\"\n");
        stub.close();
        stub.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QProcessEnvironment env = desktop.environment();
        env.insert(QStringLiteral("LC_ALL"), locale + QStringLiteral(".UTF-8"));
        env.insert(QStringLiteral("LANG"), locale + QStringLiteral(".UTF-8"));
        env.insert(QStringLiteral("PATH"), folder_.filePath("bin") + ':' + env.value("PATH"));
        env.insert(QStringLiteral("BROWSER"), opener);
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        for (const QString& name : extra.keys())
            env.insert(name, extra.value(name));
        process_.setProcessEnvironment(env);
        process_.setStandardOutputFile(QProcess::nullDevice());
        process_.setStandardErrorFile(folder_.filePath(QStringLiteral("stderr.log")));
        process_.start(program, {});
        process_.waitForStarted(5000);
        // The window shows within a second; the first start on a fresh machine, with nothing
        // of the libraries in memory yet, may take much longer. Waiting stops if the program
        // ends.
        const auto deadline = std::chrono::steady_clock::now() + 60s;
        while (running() && std::chrono::steady_clock::now() < deadline) {
            if (auto w = desktop.findWindow(QStringLiteral("^Ostrelin Calculator$"), 1s)) {
                window_ = *w;
                if (auto p = desktop.position(window_))
                    origin_ = QPoint(p->first, p->second);
                return;
            }
            // A start-up error report holds the window back until someone answers it.
            if (desktop.findWindow(QStringLiteral("^Application Error$"), 0ms))
                return;
        }
    }
    ~Calculator() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }

    bool isUp() const { return !window_.isEmpty(); }
    // QProcess learns of the program's end only inside its waits, as no event loop runs here.
    bool running() {
        process_.waitForFinished(0);
        return process_.state() != QProcess::NotRunning;
    }
    // Why the window is not up: whether the program still runs, what it wrote to its error
    // output, and which windows the display shows instead.
    std::string whyNotUp() {
        QString why =
            running() ? QStringLiteral("the program runs")
            : process_.exitStatus() == QProcess::CrashExit
                ? QStringLiteral("the program crashed")
                : QStringLiteral("the program ended with exit code %1").arg(process_.exitCode());
        const QStringList windows = desktop_.visibleWindowNames();
        why += QStringLiteral("; visible windows: [%1]").arg(windows.join(QStringLiteral(", ")));
        if (!windows.isEmpty()) {
            if (auto text = copyFrontWindow(2s))
                why += QStringLiteral("; the window in front says:\n") + *text;
        }
        why += QStringLiteral("\nits error output:\n") + errors();
        why += desktop_.isRunning() ? QStringLiteral("the X server runs")
                                    : QStringLiteral("the X server has ended");
        why += QStringLiteral("; its log:\n") + desktop_.serverLog();
        return why.toStdString();
    }
    QPoint origin() const { return origin_; }
    const QString& window() const { return window_; }
    QProcess& process() { return process_; }
    // What the program wrote to its error output.
    QString errors() const {
        QFile log(folder_.filePath(QStringLiteral("stderr.log")));
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
    }

    void click(QPoint p) const { desktop_.click(origin_.x() + p.x(), origin_.y() + p.y()); }
    void enter(QPoint box, const QString& text) const {
        // A character outside the keyboard map can be lost while the map changes under it
        // (see Desktop::typeText); such a text is read back and typed again if it was.
        const bool mapped =
            std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
        for (int attempt = 0; attempt < 3; ++attempt) {
            click(box);
            desktop_.key(QStringLiteral("ctrl+a"));
            desktop_.key(QStringLiteral("BackSpace"));
            desktop_.typeText(text);
            if (mapped || read(box) == text)
                return;
        }
    }
    // Pastes the text into the box with the keyboard, as a user pastes a date copied elsewhere.
    void paste(QPoint box, const QString& text) const {
        desktop_.setClipboard(text);
        click(box);
        desktop_.key(QStringLiteral("ctrl+a"));
        desktop_.key(QStringLiteral("ctrl+v"));
    }
    // The whole text of a box, copied out of it with the keyboard.
    std::optional<QString> read(QPoint box) const {
        desktop_.markClipboard();
        click(box);
        desktop_.key(QStringLiteral("ctrl+a"));
        desktop_.key(QStringLiteral("ctrl+c"));
        return desktop_.waitForClipboard(kPatience);
    }
    std::optional<QString> copyResults() const {
        desktop_.markClipboard();
        click(kCopy);
        return desktop_.waitForClipboard(kPatience);
    }
    // The text of the window in front, as a message box gives it with Ctrl+C.
    std::optional<QString> copyFrontWindow(std::chrono::milliseconds timeout) const {
        desktop_.markClipboard();
        desktop_.key(QStringLiteral("ctrl+c"));
        return desktop_.waitForClipboard(timeout);
    }
    // Finds the message box, copies its text with Ctrl+C and closes it with Enter.
    std::optional<QString> dismissMessage() const {
        const auto box = desktop_.findWindow(QStringLiteral("^Ostrelin$"), kPatience);
        if (!box)
            return std::nullopt;
        const auto text = copyFrontWindow(kPatience);
        desktop_.key(QStringLiteral("Return"));
        if (!desktop_.waitUntilGone(*box, kPatience))
            return std::nullopt;
        return text;
    }

private:
    Desktop& desktop_;
    QTemporaryDir folder_;
    QProcess process_;
    QString window_;
    QPoint origin_;
};

QString typed(const QString& locale, int y, int m, int d) {
    if (locale == QLatin1String("de_DE"))
        return QStringLiteral("%1.%2.%3").arg(d).arg(m).arg(y);
    return QStringLiteral("%1/%2/%3").arg(m).arg(d).arg(y);
}

// The four copied lines for the figures of a span: the components, then the three totals.
QString expectedResults(int years, int months, int days, int yearsTotal, int monthsTotal,
                        int daysTotal) {
    return QStringLiteral("Full Result: %1 year(s) %2 month(s) %3 day(s).\r\n"
                          "Just Year: %4 year(s)\r\nJust Month: %5 month(s)\r\nJust Day: %6 day(s)")
        .arg(years)
        .arg(months)
        .arg(days)
        .arg(yearsTotal)
        .arg(monthsTotal)
        .arg(daysTotal);
}

// The figures for dates that depend on today, worked out on QDate: the borrowing rule (the
// newer date's month lends its length; less than a whole month counts plain days; a borrow
// that falls short counts from the older date moved on by the whole months) and the totals.
QString expectedResults(QDate older, QDate newer) {
    int y2 = newer.year(), m2 = newer.month(), d2 = newer.day();
    if (d2 < older.day()) {
        d2 += newer.daysInMonth();
        --m2;
    }
    if (m2 < older.month()) {
        m2 += 12;
        --y2;
    }
    const int years = y2 - older.year(), months = m2 - older.month();
    int days = d2 - older.day();
    if (years <= 0 && months <= 0) {
        days = static_cast<int>(older.daysTo(newer));
    } else if (days < 0) {
        const QDate landed = QDate(older.year(), older.month(), 1).addMonths(years * 12 + months);
        days = static_cast<int>(
            QDate(landed.year(), landed.month(), std::min(older.day(), landed.daysInMonth()))
                .daysTo(newer));
    }
    return expectedResults(years, months, days, newer.year() - older.year(),
                           (newer.year() - older.year()) * 12 + newer.month() - older.month(),
                           static_cast<int>(older.daysTo(newer)));
}

class EndToEnd : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        ASSERT_TRUE(desktop.isRunning()) << "Xvfb could not be started";
        app.emplace(desktop, locale());
        ASSERT_TRUE(app->isUp()) << "the main window did not appear: " << app->whyNotUp();
    }
    QString locale() const { return QString::fromLatin1(GetParam()); }
    Desktop desktop;
    std::optional<Calculator> app;
};

TEST_P(EndToEnd, StartsWithYesterdayAndTodayAndEmptyResults) {
    const QLocale system(locale());
    const QDate today = QDate::currentDate();
    EXPECT_EQ(app->read(kText1), DateText::format(today.addDays(-1), system));
    EXPECT_EQ(app->read(kText2), DateText::format(today, system));
    EXPECT_EQ(app->copyResults(),
              QStringLiteral("Full Result: \r\nJust Year: \r\nJust Month: \r\nJust Day: "));
    const auto name = desktop.run("xprop", {"-id", app->window(), "WM_NAME"});
    EXPECT_EQ(name, QStringLiteral("WM_NAME(STRING) = \"Ostrelin Calculator\"\n"));
    const auto icon = desktop.run("xprop", {"-id", app->window(), "_NET_WM_ICON"});
    ASSERT_TRUE(icon);
    EXPECT_TRUE(icon->contains(QStringLiteral("Icon (32 x 32)")));
}

TEST_P(EndToEnd, CalculatesTheEngineTable) {
    // Figures worked out by hand: years, months, days, then the year, month and day totals.
    struct Span {
        int y1, m1, d1, y2, m2, d2;
        int years, months, days, yearsTotal, monthsTotal, daysTotal;
    };
    const Span spans[] = {{2020, 1, 31, 2020, 3, 1, 0, 1, 1, 0, 2, 30},
                          {2019, 2, 28, 2020, 2, 29, 1, 0, 1, 1, 12, 366},
                          {2020, 2, 29, 2021, 2, 28, 0, 11, 27, 1, 12, 365},
                          {2020, 2, 29, 2021, 3, 1, 1, 0, 3, 1, 13, 366},
                          {2021, 1, 30, 2021, 2, 5, 0, 0, 6, 0, 1, 6},
                          {2021, 1, 30, 2021, 3, 5, 0, 1, 6, 0, 2, 34},
                          {2019, 1, 31, 2019, 2, 28, 0, 0, 28, 0, 1, 28},
                          {2021, 3, 31, 2021, 5, 30, 0, 1, 30, 0, 2, 60},
                          {2020, 1, 15, 2020, 3, 14, 0, 1, 30, 0, 2, 59},
                          {2020, 12, 15, 2021, 1, 10, 0, 0, 26, 1, 1, 26},
                          {2000, 1, 1, 2021, 8, 31, 21, 7, 30, 21, 259, 7913},
                          {100, 1, 1, 9999, 12, 31, 9899, 11, 30, 9899, 118799, 3615899},
                          {2020, 11, 30, 2021, 1, 29, 0, 1, 30, 1, 2, 60},
                          {2020, 12, 31, 2021, 2, 1, 0, 1, 1, 1, 2, 32}};
    for (const Span& s : spans) {
        SCOPED_TRACE(typed(QStringLiteral("en_US"), s.y1, s.m1, s.d1).toStdString() + " to " +
                     typed(QStringLiteral("en_US"), s.y2, s.m2, s.d2).toStdString());
        app->enter(kText1, typed(locale(), s.y1, s.m1, s.d1));
        app->enter(kText2, typed(locale(), s.y2, s.m2, s.d2));
        app->click(kStart);
        EXPECT_EQ(app->copyResults(), expectedResults(s.years, s.months, s.days, s.yearsTotal,
                                                      s.monthsTotal, s.daysTotal));
    }
    // The whole sentence is in the box, though it is wider than the box.
    EXPECT_EQ(app->read(kText3), QStringLiteral("0 year(s) 1 month(s) 1 day(s)."));
}

TEST_P(EndToEnd, ValidationMessages) {
    struct Case {
        const char* name;
        QString older, newer, message;
    };
    const QString validity = QStringLiteral("You must enter valid dates in both text boxes.");
    const QString order = QStringLiteral("Date #1 must be an older than Date #2.");
    for (const Case& c :
         {Case{"empty_first_box", QString(), typed(locale(), 2021, 5, 15), validity},
          Case{"not_a_date", QStringLiteral("tomorrow"), typed(locale(), 2021, 5, 15), validity},
          Case{"equal_dates", typed(locale(), 2021, 5, 15), typed(locale(), 2021, 5, 15), order},
          Case{"reversed", typed(locale(), 2021, 5, 16), typed(locale(), 2021, 5, 15), order}}) {
        SCOPED_TRACE(c.name);
        app->enter(kText1, c.older);
        app->enter(kText2, c.newer);
        app->click(kStart);
        const auto text = app->dismissMessage();
        ASSERT_TRUE(text) << "no message box titled Ostrelin";
        EXPECT_TRUE(text->contains(QStringLiteral("\nOstrelin\n"))) << text->toStdString();
        EXPECT_TRUE(text->contains(c.message)) << text->toStdString();
    }
    // The window takes input again once the box is gone.
    EXPECT_EQ(app->copyResults(),
              QStringLiteral("Full Result: \r\nJust Year: \r\nJust Month: \r\nJust Day: "));
}

TEST_P(EndToEnd, AWholeCalculationWithTheKeyboardAlone) {
    // The focus starts in Date #1. Up in the older calendar picks the day a week before
    // yesterday; Date #2 keeps today. Tab reaches Start (Return presses it) and then Copy
    // (Space presses it).
    const QDate today = QDate::currentDate();
    desktop.key(QStringLiteral("Tab"));
    desktop.key(QStringLiteral("Up"));
    for (int i = 0; i < 7; ++i) // Text2, Calendar2, Text3 to Text6, Start
        desktop.key(QStringLiteral("Tab"));
    desktop.key(QStringLiteral("Return"));
    for (int i = 0; i < 3; ++i) // Help, Load Sample, Copy
        desktop.key(QStringLiteral("Tab"));
    desktop.markClipboard();
    desktop.key(QStringLiteral("space"));
    EXPECT_EQ(desktop.waitForClipboard(kPatience), expectedResults(today.addDays(-8), today));
    EXPECT_EQ(app->read(kText1), DateText::boxText(today.addDays(-8), QLocale(locale())));
}

TEST_P(EndToEnd, ResultsCopyAsTextThatOtherProgramsRead) {
    app->click(kSample);
    app->click(kStart);
    const auto copied = app->copyResults();
    ASSERT_TRUE(copied);
    EXPECT_TRUE(copied->endsWith(QStringLiteral("Just Day: 59 day(s)")));
    // What was copied can be pasted elsewhere: another program reads the same text.
    EXPECT_EQ(desktop.run("xclip", {"-o", "-selection", "clipboard"}), copied);
}

TEST_P(EndToEnd, HelpNamesTheContactPage) {
    app->click(kHelp);
    const auto text = app->dismissMessage();
    ASSERT_TRUE(text);
    EXPECT_TRUE(text->contains(QStringLiteral(
        "Questions? Please contact Team Quillmark at http://www.quillmark.example/contact/")));
}

TEST_P(EndToEnd, HandPointerOverTheButtons) {
    // The hand pointer of HAND-M.CUR is 32 x 32 with its hot spot at the fingertip (6, 0).
    const auto isHand = [](const std::optional<Desktop::Pointer>& p) {
        return p && p->width == 32 && p->height == 32 && p->hotX == 6 && p->hotY == 0;
    };
    for (QPoint button : {kStart, kHelp, kSample, kCopy}) {
        desktop.xdotool({"mousemove", "--sync", QString::number(app->origin().x() + button.x()),
                         QString::number(app->origin().y() + button.y())});
        desktop.xdotool({"mousemove_relative", "--sync", "2", "1"});
        QThread::msleep(150);
        EXPECT_TRUE(isHand(desktop.pointer())) << button.x() << "," << button.y();
    }
    // The window background brings the ordinary pointer back.
    desktop.xdotool({"mousemove", "--sync", QString::number(app->origin().x() + 530),
                     QString::number(app->origin().y() + 300)});
    desktop.xdotool({"mousemove_relative", "--sync", "1", "1"});
    QThread::msleep(150);
    EXPECT_FALSE(isHand(desktop.pointer()));
}

TEST_P(EndToEnd, ClosingTheWindowEndsTheProcess) {
    ASSERT_TRUE(desktop.requestClose(app->window()));
    ASSERT_TRUE(app->process().waitForFinished(10000));
    EXPECT_EQ(app->process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(app->process().exitCode(), 0) << app->errors().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Locales, EndToEnd, testing::Values("en_US", "de_DE"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

// Dates that the program writes into the boxes, by a pick or the sample, under date settings of
// every order: month first, day first with slashes or dots, and year first.
class DateSettings : public EndToEnd {};

TEST_P(DateSettings, APickedDayReadsBackAsTheDayPicked) {
    // The third week row, fourth column, of the month the calendar shows (yesterday's).
    const QLocale system(locale());
    const QDate shown = QDate::currentDate().addDays(-1);
    const QDate firstOfMonth(shown.year(), shown.month(), 1);
    const int firstColumn = (firstOfMonth.dayOfWeek() - system.firstDayOfWeek() + 7) % 7;
    const int row = firstColumn == 0 ? 1 : 2; // a month starting in column 0 begins on row 2
    const QDate picked = firstOfMonth.addDays(7 * row + 3 - firstColumn);
    app->click(kCalendar1 + QPoint(252, 92));
    EXPECT_EQ(app->read(kText1), DateText::boxText(picked, system));
    // Calculated against a day 40 days later, the pick gives the figures of the day picked.
    app->enter(kText2, DateText::boxText(picked.addDays(40), system));
    app->click(kStart);
    EXPECT_EQ(app->copyResults(), expectedResults(picked, picked.addDays(40)));
}

TEST_P(DateSettings, TheSampleCalculatesFiftyNineDays) {
    const QLocale system(locale());
    const QDate today = QDate::currentDate();
    app->click(kSample);
    EXPECT_EQ(app->read(kText1), DateText::boxText(today.addDays(-59), system));
    EXPECT_EQ(app->read(kText2), DateText::boxText(today, system));
    app->click(kStart);
    EXPECT_EQ(app->copyResults(), expectedResults(today.addDays(-59), today));
}

INSTANTIATE_TEST_SUITE_P(Locales, DateSettings, testing::Values("en_US", "en_GB", "de_DE", "ja_JP"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

// Dates typed as people write them in their own language: connecting words, ordinal days, a
// weekday with a hyphen, words and marks around the time. Figures worked out by hand.
class WrittenDates : public EndToEnd {};

TEST_P(WrittenDates, AreReadInTheUsersLanguage) {
    struct Written {
        const char* locale;
        const char* older;
        const char* newer;
        int years, months, days, yearsTotal, monthsTotal, daysTotal;
    };
    const Written all[] = {
        {"es_ES", "14 de marzo de 2019", "3 de abril del 2020", 1, 0, 19, 1, 13, 386},
        {"pt_BR", "quinta-feira 12/3/2020", "7 de setembro de 2020 às 14:05", 0, 5, 25, 0, 6, 179},
        {"de_DE", "3. März 2021 um 14:05 Uhr", "2021-08-30T09:00:00", 0, 5, 27, 0, 5, 180},
        {"fr_FR", "le 1er mars 2021", "le 3 mars 2021 à 14h05", 0, 0, 2, 0, 0, 2},
    };
    for (const Written& w : all) {
        if (locale() != QLatin1String(w.locale))
            continue;
        app->enter(kText1, QString::fromUtf8(w.older));
        app->enter(kText2, QString::fromUtf8(w.newer));
        EXPECT_EQ(app->read(kText2), QString::fromUtf8(w.newer)); // typed as written
        app->click(kStart);
        EXPECT_EQ(app->copyResults(), expectedResults(w.years, w.months, w.days, w.yearsTotal,
                                                      w.monthsTotal, w.daysTotal));
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, WrittenDates, testing::Values("es_ES", "pt_BR", "de_DE", "fr_FR"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

// Dates with their time as other programs write them in the user's language, pasted into the
// boxes: 3 March 2021 in the afternoon and 30 August 2021 in the morning, as in the German
// written dates above (0 years 5 months 27 days; 0, 5 and 180 in all).
class PastedDates : public EndToEnd {};

TEST_P(PastedDates, AreReadAsTheDaysWritten) {
    struct Pasted {
        const char* locale;
        const char* older;
        const char* newer;
    };
    const Pasted all[] = {
        {"en_US", "Mar 3, 2021, 2:05\u202fPM", "Mon 30 Aug 2021 09:00:00 AM UTC"},
        {"fi_FI", "3.3.2021 klo 14.05", "ma 30. elokuuta 2021 9.00.00"},
        {"zh_CN", "2021年3月3日 14时05分09秒", "2021年8月30日 星期一 09时00分00秒"},
    };
    for (const Pasted& p : all) {
        if (locale() != QLatin1String(p.locale))
            continue;
        app->paste(kText1, QString::fromUtf8(p.older));
        app->paste(kText2, QString::fromUtf8(p.newer));
        EXPECT_EQ(app->read(kText1), QString::fromUtf8(p.older)); // pasted as written
        app->click(kStart);
        EXPECT_EQ(app->copyResults(), expectedResults(0, 5, 27, 0, 5, 180));
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, PastedDates, testing::Values("en_US", "fi_FI", "zh_CN"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

// The strongest contrast of a pixel in the area against the area's most frequent colour.
double textContrast(const QImage& image, const QRect& area) {
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb background = counts.begin()->first;
    for (const auto& [colour, n] : counts)
        if (n > counts[background])
            background = colour;
    double best = 1;
    for (const auto& entry : counts)
        best = std::max(best, ReadableColour::contrast(QColor::fromRgb(background),
                                                       QColor::fromRgb(entry.first)));
    return best;
}

TEST(DarkDesktop, EveryTextIsReadableUnderADarkGtkTheme) {
    Desktop desktop;
    ASSERT_TRUE(desktop.isRunning());
    QProcessEnvironment dark;
    dark.insert(QStringLiteral("QT_QPA_PLATFORMTHEME"), QStringLiteral("gtk3"));
    dark.insert(QStringLiteral("GTK_THEME"), QStringLiteral("Adwaita:dark"));
    Calculator app(desktop, QStringLiteral("en_US"), dark);
    ASSERT_TRUE(app.isUp()) << app.whyNotUp();
    QThread::msleep(500);
    const QImage shot = desktop.screenshot();
    ASSERT_FALSE(shot.isNull());
    // Areas in window coordinates: a date label and box, two buttons, a frame's caption, a
    // result label, the calendar's title, its day names and some of its dates.
    const QRect areas[] = {{24, 218, 57, 17},  {83, 219, 120, 17}, {11, 471, 514, 21},
                           {11, 11, 250, 21},  {16, 40, 80, 12},   {16, 522, 72, 17},
                           {166, 56, 200, 24}, {16, 86, 505, 14},  {16, 116, 505, 60}};
    for (const QRect& area : areas) {
        SCOPED_TRACE(std::to_string(area.x()) + "," + std::to_string(area.y()));
        EXPECT_GE(textContrast(shot, area.translated(app.origin())),
                  ReadableColour::kMinimumContrast);
    }
    // The message boxes follow the system: the Help box is dark.
    app.click(kHelp);
    const auto box = desktop.findWindow(QStringLiteral("^Ostrelin$"), kPatience);
    ASSERT_TRUE(box);
    QThread::msleep(500);
    const auto where = desktop.position(*box);
    ASSERT_TRUE(where);
    const QImage withBox = desktop.screenshot();
    EXPECT_LT(qGray(withBox.pixel(where->first + 4, where->second + 4)), 100)
        << "the dark theme is not in force";
}

TEST(ScaledDesktop, TheTitleBarAndTheTopOfTheWindowStayOnScreen) {
    // At twice the size a 1600 x 1200 screen is 800 x 600 points: the window is taller than the
    // screen, so it opens at the top, centred across.
    Desktop desktop(QStringLiteral("1600x1200x24"));
    ASSERT_TRUE(desktop.isRunning());
    QProcessEnvironment scaled;
    scaled.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    Calculator app(desktop, QStringLiteral("en_US"), scaled);
    ASSERT_TRUE(app.isUp()) << app.whyNotUp();
    EXPECT_EQ(app.origin(), QPoint((1600 - 2 * 536) / 2, 0));
}

TEST(AssistiveTechnology, AScreenReaderHearsTheNamesASightedUserReads) {
    Desktop desktop;
    ASSERT_TRUE(desktop.isRunning());
    ASSERT_FALSE(desktop.sessionBus().isEmpty()) << "no D-Bus session";
    QProcessEnvironment a11y;
    a11y.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    Calculator app(desktop, QStringLiteral("en_US"), a11y);
    ASSERT_TRUE(app.isUp()) << app.whyNotUp();
    const auto dump =
        desktop.run(QStringLiteral("/usr/bin/python3"),
                    {QStringLiteral(OSTRELIN_ATSPI_SCRIPT), QStringLiteral("Ostrelin")});
    ASSERT_TRUE(dump) << "no application named Ostrelin on the accessibility bus";
    const QStringList lines = dump->split(QLatin1Char('\n'));
    for (const char* expected :
         {"text|Date #1", "text|Date #2", "text|Full Result", "text|Just Year", "text|Just Month",
          "text|Just Day", "table|Older date", "table|Newer date", "push button|Previous month",
          "push button|Next month", "push button|Month", "push button|Year", "spin button|Year",
          "label|Date #1:", "push button|Start Finding Difference"})
        EXPECT_TRUE(lines.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_EQ(lines.count(QStringLiteral("push button|Previous month")), 2);
    const QRegularExpression controlName(QStringLiteral("\\|(Text|Label|Calendar)\\d$"));
    for (const QString& line : lines)
        EXPECT_FALSE(line.contains(controlName)) << line.toStdString();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
