#include "date_text.h"
#include "form_fixture.h"
#include "main_module.h"
#include "month_calendar.h"
#include "push_button.h"
#include "report_lines.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// Clicks the first cell of the calendar's grid that shows the day number, as a user would.
void pickDay(MonthCalendar& calendar, int day) {
    auto* view = calendar.findChild<QTableView*>(QLatin1String(MonthCalendar::kDateGrid));
    ASSERT_NE(view, nullptr);
    const QAbstractItemModel* model = view->model();
    for (int row = 1; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            if (model->data(index).toInt() == day) {
                QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                                  view->visualRect(index).center());
                return;
            }
        }
    }
    FAIL() << "no cell shows day " << day;
}

// A pick is written month/day/year where the user's settings read dates month first, and as the
// system's short date elsewhere, so that the box reads back as the date picked.
TEST(CalendarCopy, UserPickWritesADateThatReadsBackOnce) {
    struct Pick {
        const char* locale;
        const char* atLoad;
        const char* picked;
        const char* byKeyboard;
    };
    for (const Pick& p : {Pick{"en_US", "8/30/2021", "2/9/2021", "2/10/2021"},
                          Pick{"de_DE", "30.08.2021", "09.02.2021", "10.02.2021"},
                          Pick{"en_GB", "30/08/2021", "09/02/2021", "10/02/2021"},
                          Pick{"ja_JP", "2021/08/30", "2021/02/09", "2021/02/10"}}) {
        SCOPED_TRACE(p.locale);
        FormFixture fixture;
        auto form = fixture.make(p.locale);
        auto* calendar = control<MonthCalendar>(*form, "Calendar1");
        QSignalSpy spy(calendar, &MonthCalendar::afterUpdate);
        EXPECT_EQ(textOf(*form, "Text1").toStdString(), p.atLoad); // system date text at load

        calendar->setValue(QDate(2021, 2, 1)); // the program's change: no notification
        EXPECT_EQ(spy.count(), 0);
        setTextOf(*form, "Text1", QStringLiteral("not a date"));
        pickDay(*calendar, 9);
        EXPECT_EQ(spy.count(), 1);
        EXPECT_EQ(calendar->Value(), QDate(2021, 2, 9));
        EXPECT_EQ(textOf(*form, "Text1").toStdString(), p.picked);
        EXPECT_EQ(textOf(*form, "Text2"),
                  DateText::format(fixture.today, QLocale(QString::fromLatin1(p.locale))));

        // The keyboard is a user change too.
        calendar->setFocus();
        QTest::keyClick(calendar->findChild<QTableView*>(QLatin1String(MonthCalendar::kDateGrid)),
                        Qt::Key_Right);
        EXPECT_EQ(spy.count(), 2);
        EXPECT_EQ(textOf(*form, "Text1").toStdString(), p.byKeyboard);

        // What was picked is what Calculate reads: 9 February 2021 to 10 February 2021.
        setTextOf(*form, "Text2", QString::fromLatin1(p.byKeyboard));
        setTextOf(*form, "Text1", QString::fromLatin1(p.picked));
        control<PushButton>(*form, "PushButton1")->click();
        EXPECT_TRUE(fixture.messages.shown.isEmpty());
        EXPECT_EQ(textOf(*form, "Text6"), QStringLiteral("1 day(s)"));
    }
}

TEST(CalendarCopy, TypingNeverMovesTheCalendar) {
    FormFixture fixture;
    auto form = fixture.make();
    auto* calendar = control<MonthCalendar>(*form, "Calendar2");
    QSignalSpy spy(calendar, &MonthCalendar::afterUpdate);
    QTest::keyClicks(control(*form, "Text2"), QStringLiteral("1/1/2000"));
    EXPECT_EQ(calendar->Value(), QDate(2021, 8, 31));
    EXPECT_EQ(spy.count(), 0);
}

TEST(SampleCommand, LoadsTodayLess59DaysAndToday) {
    struct Day {
        const char* locale;
        QDate today;
        const char* older;
        const char* newer;
    };
    for (const Day& d : {Day{"en_US", QDate(2021, 3, 1), "1/1/2021", "3/1/2021"},
                         Day{"en_US", QDate(2020, 3, 1), "1/2/2020", "3/1/2020"},
                         Day{"en_US", QDate(2021, 8, 31), "7/3/2021", "8/31/2021"},
                         Day{"en_GB", QDate(2021, 3, 1), "01/01/2021", "01/03/2021"},
                         Day{"de_DE", QDate(2021, 8, 31), "03.07.2021", "31.08.2021"}}) {
        SCOPED_TRACE(std::string(d.locale) + " " + d.older);
        FormFixture fixture;
        fixture.today = d.today;
        auto form = fixture.make(d.locale);
        QSignalSpy spy(control<MonthCalendar>(*form, "Calendar1"), &MonthCalendar::afterUpdate);
        setTextOf(*form, "Text1", QStringLiteral("typed"));
        setTextOf(*form, "Text3", QStringLiteral("earlier result"));
        control<PushButton>(*form, "PushButton3")->click();
        EXPECT_EQ(textOf(*form, "Text1").toStdString(), d.older);
        EXPECT_EQ(textOf(*form, "Text2").toStdString(), d.newer);
        EXPECT_EQ(control<MonthCalendar>(*form, "Calendar1")->Value(), d.today.addDays(-59));
        EXPECT_EQ(control<MonthCalendar>(*form, "Calendar2")->Value(), d.today);
        EXPECT_EQ(textOf(*form, "Text3"), QStringLiteral("earlier result"));
        EXPECT_EQ(spy.count(), 0);
        EXPECT_TRUE(fixture.messages.shown.isEmpty());
    }
}

// The sample dates, calculated at once, give 59 days under every kind of date settings.
TEST(SampleCommand, ThenCalculateGivesFiftyNineDaysWithoutAMessage) {
    struct Day {
        QDate today;
        const char* full;
        const char* months;
    };
    // From 2 January 2020 the day borrow lends March's 31 days: 1 + 31 - 2.
    const Day days[] = {{QDate(2021, 3, 1), "0 year(s) 2 month(s) 0 day(s).", "2 month(s)"},
                        {QDate(2020, 3, 1), "0 year(s) 1 month(s) 30 day(s).", "2 month(s)"},
                        {QDate(2021, 8, 31), "0 year(s) 1 month(s) 28 day(s).", "1 month(s)"}};
    for (const char* locale : {"en_US", "en_GB", "de_DE", "fr_FR", "ja_JP", "ar_EG"}) {
        for (const Day& d : days) {
            SCOPED_TRACE(std::string(locale) + " " + d.today.toString(Qt::ISODate).toStdString());
            FormFixture fixture;
            fixture.today = d.today;
            auto form = fixture.make(locale);
            control<PushButton>(*form, "PushButton3")->click();
            control<PushButton>(*form, "PushButton1")->click();
            EXPECT_TRUE(fixture.messages.shown.isEmpty());
            EXPECT_EQ(textOf(*form, "Text3").toStdString(), d.full);
            EXPECT_EQ(textOf(*form, "Text4"), QStringLiteral("0 year(s)"));
            EXPECT_EQ(textOf(*form, "Text5").toStdString(), d.months);
            EXPECT_EQ(textOf(*form, "Text6"), QStringLiteral("59 day(s)"));
        }
    }
}

TEST(SampleCommand, FailingFirstStepStillLoadsTheRest) {
    FormFixture fixture;
    Form1Services services = fixture.services();
    bool failNext = false;
    services.today = [&failNext]() -> QDate {
        if (failNext) {
            failNext = false;
            throw std::runtime_error("Clock failure");
        }
        return QDate(2021, 8, 31);
    };
    auto form = fixture.make(std::move(services));
    failNext = true;
    control<PushButton>(*form, "PushButton3")->click();
    ASSERT_EQ(fixture.messages.shown.size(), 1);
    EXPECT_TRUE(fixture.messages.shown.front().text.contains(
        QStringLiteral("Form1.PushButton3_Click at line %1").arg(SampleLine::kOlderCalendar)));
    EXPECT_EQ(textOf(*form, "Text1"), QStringLiteral("8/30/2021")); // Calendar1 unchanged
    EXPECT_EQ(textOf(*form, "Text2"), QStringLiteral("8/31/2021"));
}

TEST(CopyCommand, FourLabelledLinesWithoutATrailingSeparator) {
    FormFixture fixture;
    auto form = fixture.make();
    control<PushButton>(*form, "PushButton4")->click();
    EXPECT_EQ(fixture.clipboard.content,
              QStringLiteral("Full Result: \r\nJust Year: \r\nJust Month: \r\nJust Day: "));

    setTextOf(*form, "Text1", QStringLiteral("1/30/2021"));
    setTextOf(*form, "Text2", QStringLiteral("2/5/2021"));
    control<PushButton>(*form, "PushButton1")->click();
    control<PushButton>(*form, "PushButton4")->click();
    EXPECT_EQ(
        fixture.clipboard.content,
        QStringLiteral("Full Result: 0 year(s) 0 month(s) 6 day(s).\r\n"
                       "Just Year: 0 year(s)\r\nJust Month: 1 month(s)\r\nJust Day: 6 day(s)"));
    EXPECT_TRUE(fixture.messages.shown.isEmpty());
}

TEST(CopyToClipboard, RetriesUpTo1000TimesAndSwallowsFailures) {
    struct Case {
        const char* name;
        int failures;
        bool alwaysFail;
        int attempts;
        const char* content;
    };
    for (const Case& c : {Case{"takes_at_once", 0, false, 1, "text"},
                          Case{"takes_on_the_last_attempt", 999, false, 1000, "text"},
                          Case{"never_takes", 0, true, 1000, "held before"}}) {
        SCOPED_TRACE(c.name);
        FakeClipboard clipboard;
        clipboard.failuresBeforeSuccess = c.failures;
        clipboard.alwaysFail = c.alwaysFail;
        Main::CopyToClipboard(QStringLiteral("text"), clipboard);
        EXPECT_EQ(clipboard.attempts, c.attempts);
        EXPECT_EQ(clipboard.content.toStdString(), c.content);
    }

    struct Throwing : ClipboardPort {
        int attempts = 0;
        bool trySetText(const QString&) override {
            ++attempts;
            throw std::runtime_error("clipboard busy");
        }
    } throwing;
    Main::CopyToClipboard(QStringLiteral("text"), throwing);
    EXPECT_EQ(throwing.attempts, 1000);
}

TEST(HelpCommand, ShowsTheContactPageAndOpensNothing) {
    FormFixture fixture;
    auto form = fixture.make();
    for (int press = 0; press < 2; ++press)
        control<PushButton>(*form, "PushButton2")->click();
    ASSERT_EQ(fixture.messages.shown.size(), 2);
    for (const Message& m : fixture.messages.shown) {
        EXPECT_EQ(m.text, QStringLiteral("Questions? Please contact Team Quillmark at "
                                         "http://www.quillmark.example/contact/"));
        EXPECT_EQ(m.title, QStringLiteral("Ostrelin"));
        EXPECT_EQ(m.icon, MessageIcon::None);
    }
    EXPECT_TRUE(fixture.opener.opened.isEmpty());
}

// Pointer feedback, driven by mouse movements through the window system.
class PointerFeedback : public testing::Test {
protected:
    void SetUp() override {
        form = fixture.make();
        form->move(0, 0);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void moveOver(const char* name, QPoint offset = QPoint(3, 3)) {
        QWidget* target = std::string(name) == "Form1" ? form.get() : control<QWidget>(*form, name);
        const QPoint pos = target->mapTo(form.get(), offset);
        QTest::mouseMove(form->windowHandle(), pos);
        QApplication::processEvents();
    }
    FormFixture fixture;
    std::unique_ptr<Form1> form;
};

TEST_F(PointerFeedback, SequencesOfMovements) {
    struct Step {
        const char* over;
        QPoint offset;
        std::int16_t pointer;
    };
    constexpr std::int16_t hand = Form1::kCustomPointer, arrow = Form1::kDefaultPointer;
    const Step steps[] = {{"PushButton1", {40, 10}, hand}, {"Text4", {20, 8}, hand},
                          {"Label5", {30, 8}, hand},       {"Frame2", {300, 76}, arrow},
                          {"PushButton2", {40, 10}, hand}, {"PushButton3", {40, 10}, hand},
                          {"Calendar1", {200, 80}, hand},  {"Form1", {530, 300}, arrow},
                          {"PushButton4", {40, 10}, hand}, {"Text3", {20, 8}, arrow},
                          {"PushButton4", {40, 10}, hand}, {"Label1", {5, 5}, arrow},
                          {"PushButton1", {40, 10}, hand}, {"Text1", {50, 8}, arrow},
                          {"PushButton1", {40, 10}, hand}, {"Frame4", {510, 200}, arrow}};
    moveOver("Form1", {530, 300});
    for (const Step& s : steps) {
        moveOver(s.over, s.offset);
        EXPECT_EQ(form->MousePointer(), s.pointer) << "over " << s.over;
    }
}

TEST_F(PointerFeedback, HourglassAlwaysWins) {
    form->setMousePointer(Form1::kHourglass);
    for (const char* over : {"PushButton1", "Frame2", "Form1", "Text2", "PushButton3"}) {
        moveOver(over, {10, 10});
        EXPECT_EQ(form->MousePointer(), Form1::kHourglass) << over;
    }
    EXPECT_EQ(form->cursor().shape(), Qt::WaitCursor);
}

TEST_F(PointerFeedback, WithoutCursorFileTheButtonsShowTheArrow) {
    EXPECT_FALSE(form->hasMouseIcon());
    moveOver("PushButton1", {40, 10});
    EXPECT_EQ(form->MousePointer(), Form1::kCustomPointer);
    EXPECT_EQ(form->cursor().shape(), Qt::ArrowCursor);
}

TEST(PointerFeedbackWithHand, ButtonsShowTheHandPicture) {
    FormFixture fixture;
    ASSERT_TRUE(QFile::copy(QStringLiteral(OSTRELIN_HAND_CURSOR),
                            fixture.folder.filePath(QStringLiteral("HAND-M.CUR"))));
    auto form = fixture.make();
    ASSERT_TRUE(form->hasMouseIcon());
    form->PushButton2_MouseMove();
    EXPECT_EQ(form->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(form->cursor().hotSpot(), QPoint(6, 0));
    form->Frame1_MouseMove();
    EXPECT_NE(form->cursor().shape(), Qt::BitmapCursor);
}

} // namespace
