// Tens of thousands of random events on the real main window: typing, clicks, calendar
// changes and mouse movements, from a fixed seed. The window must never fail, never show the
// error report and never leave the hourglass behind; every result it shows must be right.

#include "date_text.h"
#include "form_fixture.h"
#include "month_calendar.h"
#include "push_button.h"

#include <QApplication>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <random>

namespace {

class Monkey {
public:
    explicit Monkey(unsigned seed) : random_(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    QString randomText() {
        static const QString alphabet = QStringLiteral(
            "0123456789/-.:, aApPmMJjFfDdSsOoNnTtuUeErRyYgGwWchiklqvxz\u00e4\u00df\u00a0\u2003"
            "\u0663\uff11\u5e74\u6708\u65e5");
        QString text;
        const int length = below(16);
        for (int i = 0; i < length; ++i)
            text += alphabet[below(static_cast<int>(alphabet.size()))];
        return text;
    }

    QString randomDateText(const QLocale& locale) {
        const QDate date = QDate(100, 1, 1).addDays(below(3652059));
        switch (below(5)) {
        case 0:
            return DateText::format(date, locale);
        case 1:
            return date.toString(Qt::ISODate);
        case 2:
            return QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year());
        case 3:
            return locale.toString(date, QLocale::LongFormat);
        default:
            return DateText::format(date, locale) +
                   QStringLiteral(" %1:%2").arg(below(24)).arg(below(60), 2, 10, QLatin1Char('0'));
        }
    }

private:
    std::mt19937 random_;
};

// Types the text key by key; characters without a key of their own come as text events.
void typeInto(QWidget* box, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(box, c.toLatin1());
        } else {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(box, &press);
            QApplication::sendEvent(box, &release);
        }
    }
}

// The number of events: OSTRELIN_MONKEY_EVENTS when set, 30,000 otherwise.
int eventCount() {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("OSTRELIN_MONKEY_EVENTS", &ok);
    return ok && n > 0 ? n : 30000;
}

TEST(MonkeyTest, RandomEventsNeverBreakTheWindow) {
    FormFixture fixture;
    auto form = fixture.make();
    form->move(0, 0);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QLocale locale(QStringLiteral("en_US"));

    Monkey monkey(20211208);
    const char* boxes[] = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"};
    const char* buttons[] = {"PushButton1", "PushButton2", "PushButton3", "PushButton4"};
    const char* calendars[] = {"Calendar1", "Calendar2"};
    const Qt::Key calendarKeys[] = {Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,   Qt::Key_Down,
                                    Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
    const QRegularExpression sentence(
        QStringLiteral("^(\\d+) year\\(s\\) (\\d+) month\\(s\\) (\\d+) day\\(s\\)\\.$"));

    int calculations = 0, validations = 0;
    const int events = eventCount();
    for (int event = 0; event < events; ++event) {
        const qsizetype messagesBefore = fixture.messages.shown.size();
        const int kind = monkey.below(10);
        if (kind <= 2) {
            auto* box = control(*form, boxes[monkey.below(6)]);
            if (monkey.below(4) == 0)
                typeInto(box, monkey.randomText());
            else
                box->setText(monkey.below(2) ? monkey.randomText() : monkey.randomDateText(locale));
        } else if (kind == 3) {
            control(*form, boxes[monkey.below(2)])->setText(monkey.randomDateText(locale));
        } else if (kind <= 5) {
            const char* name = buttons[kind == 4 ? 0 : monkey.below(4)];
            auto* button = control<PushButton>(*form, name);
            QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
            if (std::string(name) == "PushButton1") {
                if (fixture.messages.shown.size() == messagesBefore) {
                    ++calculations;
                    // The figures are those of the engine for the two boxes.
                    const auto a = DateText::parse(textOf(*form, "Text1"), locale, fixture.today);
                    const auto b = DateText::parse(textOf(*form, "Text2"), locale, fixture.today);
                    ASSERT_TRUE(a && b && *a < *b);
                    const auto m = sentence.match(textOf(*form, "Text3"));
                    ASSERT_TRUE(m.hasMatch()) << textOf(*form, "Text3").toStdString();
                    EXPECT_EQ(m.captured(1).toInt(),
                              Difference::DateDiffPart(*a, *b, Difference::kYearsPart));
                    EXPECT_LE(m.captured(2).toInt(), 11);
                    EXPECT_EQ(textOf(*form, "Text6"),
                              QStringLiteral("%1 day(s)").arg(Difference::DaysBetween(*a, *b)));
                } else {
                    ++validations;
                }
            }
        } else if (kind == 6) {
            auto* calendar = control<MonthCalendar>(*form, calendars[monkey.below(2)]);
            if (monkey.below(3) == 0) {
                calendar->setValue(QDate(100, 1, 1).addDays(monkey.below(3652059)));
            } else {
                auto* view =
                    calendar->findChild<QTableView*>(QLatin1String(MonthCalendar::kDateGrid));
                QTest::keyClick(view, calendarKeys[monkey.below(8)]);
            }
        } else if (kind == 7) {
            auto* calendar = control<MonthCalendar>(*form, calendars[monkey.below(2)]);
            auto* view = calendar->findChild<QTableView*>(QLatin1String(MonthCalendar::kDateGrid));
            const QModelIndex cell = view->model()->index(1 + monkey.below(6), monkey.below(7));
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                              view->visualRect(cell).center());
        } else {
            QTest::mouseMove(form->windowHandle(), QPoint(monkey.below(Form1::kClientWidth),
                                                          monkey.below(Form1::kClientHeight)));
        }
        ASSERT_NE(form->MousePointer(), Form1::kHourglass) << "event " << event;
    }
    for (const Message& m : fixture.messages.shown)
        ASSERT_NE(m.title, QStringLiteral("Application Error")) << m.text.toStdString();
    EXPECT_GT(calculations, events / 300);
    EXPECT_GT(validations, events / 300);
    std::cout << events << " events: " << calculations << " calculations, " << validations
              << " validation messages, " << fixture.messages.shown.size()
              << " message boxes in all\n";
}

} // namespace
