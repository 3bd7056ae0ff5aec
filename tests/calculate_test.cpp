#include "error_report.h"
#include "form_fixture.h"
#include "push_button.h"
#include "report_lines.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

const QString kValidity = QStringLiteral("You must enter valid dates in both text boxes.");
const QString kOrder = QStringLiteral("Date #1 must be an older than Date #2.");

void calculate(Form1& form, const QString& older, const QString& newer) {
    setTextOf(form, "Text1", older);
    setTextOf(form, "Text2", newer);
    control<PushButton>(form, "PushButton1")->click();
}

struct Row {
    const char* name;
    const char* locale;
    const char* older;
    const char* newer;
    const char* full;
    const char* years;
    const char* months;
    const char* days;
};

void PrintTo(const Row& r, std::ostream* os) {
    *os << r.name;
}

class CalculateTable : public testing::TestWithParam<Row> {};

TEST_P(CalculateTable, FillsTheResultBoxes) {
    const Row& r = GetParam();
    FormFixture fixture;
    auto form = fixture.make(r.locale);
    calculate(*form, QString::fromUtf8(r.older), QString::fromUtf8(r.newer));
    EXPECT_TRUE(fixture.messages.shown.isEmpty());
    EXPECT_EQ(textOf(*form, "Text3").toStdString(), r.full);
    EXPECT_EQ(textOf(*form, "Text4").toStdString(), r.years);
    EXPECT_EQ(textOf(*form, "Text5").toStdString(), r.months);
    EXPECT_EQ(textOf(*form, "Text6").toStdString(), r.days);
    EXPECT_EQ(form->MousePointer(), Form1::kDefaultPointer);
    EXPECT_EQ(control(*form, "Text3")->cursorPosition(), 0); // the sentence shows its beginning
}

INSTANTIATE_TEST_SUITE_P(
    Spans, CalculateTable,
    testing::Values(Row{"january_end_to_march", "en_US", "2020-01-31", "2020-03-01",
                        "0 year(s) 1 month(s) 1 day(s).", "0 year(s)", "2 month(s)", "30 day(s)"},
                    Row{"to_leap_day", "en_US", "2019-02-28", "2020-02-29",
                        "1 year(s) 0 month(s) 1 day(s).", "1 year(s)", "12 month(s)", "366 day(s)"},
                    Row{"under_a_month", "en_US", "2021-01-30", "2021-02-05",
                        "0 year(s) 0 month(s) 6 day(s).", "0 year(s)", "1 month(s)", "6 day(s)"},
                    Row{"new_year", "en_US", "2020-12-31", "2021-01-01",
                        "0 year(s) 0 month(s) 1 day(s).", "1 year(s)", "1 month(s)", "1 day(s)"},
                    Row{"two_decades", "en_US", "2000-01-01", "2021-08-31",
                        "21 year(s) 7 month(s) 30 day(s).", "21 year(s)", "259 month(s)",
                        "7913 day(s)"},
                    Row{"us_format", "en_US", "1/30/2021", "3/5/2021",
                        "0 year(s) 1 month(s) 6 day(s).", "0 year(s)", "2 month(s)", "34 day(s)"},
                    Row{"german_format", "de_DE", "15.12.2020", "10.01.2021",
                        "0 year(s) 0 month(s) 26 day(s).", "1 year(s)", "1 month(s)", "26 day(s)"},
                    Row{"whole_range", "en_US", "1/1/0100", "12/31/9999",
                        "9899 year(s) 11 month(s) 30 day(s).", "9899 year(s)", "118799 month(s)",
                        "3615899 day(s)"},
                    Row{"same_day_later_time", "en_US", "5/15/2021 10:00", "5/15/2021 10:01",
                        "0 year(s) 0 month(s) 0 day(s).", "0 year(s)", "0 month(s)", "0 day(s)"},
                    Row{"borrow_cannot_cover_older_day", "en_US", "12/31/2020", "2/1/2021",
                        "0 year(s) 1 month(s) 1 day(s).", "1 year(s)", "2 month(s)", "32 day(s)"}),
    [](const testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

struct Refusal {
    const char* name;
    const char* older;
    const char* newer;
    const QString* message;
};

TEST(CalculateValidation, ShowsOneMessageAndKeepsTheResults) {
    const Refusal refusals[] = {
        {"equal_dates", "5/15/2021", "5/15/2021", &kOrder},
        {"newer_is_earlier", "5/16/2021", "5/15/2021", &kOrder},
        {"same_time_of_day", "5/15/2021 10:00", "5/15/2021 10:00", &kOrder},
        {"first_empty", "", "5/15/2021", &kValidity},
        {"second_not_a_date", "5/15/2021", "soon", &kValidity},
        {"both_wrong_and_reversed", "13/13/2021", "nothing", &kValidity},
        {"impossible_day", "2/30/2021", "3/1/2021", &kValidity},
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.name);
        FormFixture fixture;
        auto form = fixture.make();
        for (const char* box : {"Text3", "Text4", "Text5", "Text6"})
            setTextOf(*form, box, QStringLiteral("kept"));
        form->setMousePointer(Form1::kCustomPointer);
        calculate(*form, QString::fromUtf8(r.older), QString::fromUtf8(r.newer));
        ASSERT_EQ(fixture.messages.shown.size(), 1);
        const Message& m = fixture.messages.shown.front();
        EXPECT_EQ(m.text, *r.message);
        EXPECT_EQ(m.title, QStringLiteral("Ostrelin"));
        EXPECT_EQ(m.icon, MessageIcon::None);
        for (const char* box : {"Text3", "Text4", "Text5", "Text6"})
            EXPECT_EQ(textOf(*form, box), QStringLiteral("kept"));
        EXPECT_EQ(form->MousePointer(), Form1::kCustomPointer);
    }
}

TEST(CalculateCommand, PressingAgainWritesTheSameTextsAgain) {
    FormFixture fixture;
    auto form = fixture.make();
    const QStringList expected{QStringLiteral("0 year(s) 0 month(s) 6 day(s)."),
                               QStringLiteral("0 year(s)"), QStringLiteral("1 month(s)"),
                               QStringLiteral("6 day(s)")};
    const auto results = [&] {
        QStringList texts;
        for (const char* box : {"Text3", "Text4", "Text5", "Text6"})
            texts << textOf(*form, box);
        return texts;
    };
    calculate(*form, QStringLiteral("1/30/2021"), QStringLiteral("2/5/2021"));
    EXPECT_EQ(results(), expected);
    // The second press writes every box anew, over whatever the user typed there.
    for (const char* box : {"Text3", "Text4", "Text5", "Text6"})
        setTextOf(*form, box, QStringLiteral("typed over"));
    control<PushButton>(*form, "PushButton1")->click();
    EXPECT_EQ(results(), expected);
}

TEST(ErrorReportText, NamesTheHandlerAndTheLine) {
    EXPECT_EQ(
        ErrorReport::text(QStringLiteral("Overflow"), QStringLiteral("PushButton1_Click"), 106),
        QStringLiteral("Overflow\r\nin Kavendry2021/08/31.Form1.PushButton1_Click at line 106"
                       "\r\rPlease email screenshot of this message to "
                       "support@quillmark.example"));
    EXPECT_EQ(QtMessagePresenter::displayText(QStringLiteral("a\r\nb\r\rc")),
              QStringLiteral("a\nb\n\nc"));
}

// The engine call made to fail, and the line of its step.
struct InjectedFailure {
    const char* name;
    enum Call { YearsPart, MonthsPart, DaysPart, YearsTotal, DaysTotal } call;
    int line;
    const char* full;
    const char* years;
    const char* days;
};

// A failing engine call is reported at its line; the command goes on with the next step and
// what the failing step would have written stays as it was.
TEST(CalculateErrorReport, ResumesAfterAFailingStep) {
    using F = InjectedFailure;
    const InjectedFailure cases[] = {
        {"years_component", F::YearsPart, CalculateLine::kYearsComponent,
         " year(s) 0 month(s) 6 day(s).", "0 year(s)", "6 day(s)"},
        {"months_component", F::MonthsPart, CalculateLine::kMonthsComponent,
         "0 year(s)  month(s) 6 day(s).", "0 year(s)", "6 day(s)"},
        {"days_component", F::DaysPart, CalculateLine::kDaysComponent,
         "0 year(s) 0 month(s)  day(s).", "0 year(s)", "6 day(s)"},
        {"years_total", F::YearsTotal, CalculateLine::kYearsTotal, "0 year(s) 0 month(s) 6 day(s).",
         "previous", "6 day(s)"},
        {"days_total", F::DaysTotal, CalculateLine::kDaysTotal, "0 year(s) 0 month(s) 6 day(s).",
         "0 year(s)", "previous"},
    };
    for (const InjectedFailure& c : cases) {
        SCOPED_TRACE(c.name);
        FormFixture fixture;
        Form1Services services = fixture.services();
        const auto fail = [] { throw Difference::OverflowError(); };
        const auto failingTotal = [fail](const DateValue&, const DateValue&) -> std::int32_t {
            fail();
            return 0;
        };
        if (c.call == F::YearsTotal) {
            services.engine.YearsBetween = failingTotal;
        } else if (c.call == F::DaysTotal) {
            services.engine.DaysBetween = failingTotal;
        } else {
            const std::int16_t part = c.call == F::YearsPart    ? Difference::kYearsPart
                                      : c.call == F::MonthsPart ? Difference::kMonthsPart
                                                                : Difference::kDaysPart;
            services.engine.DateDiffPart = [part, fail](const DateValue& a, const DateValue& b,
                                                        std::int16_t p) {
                if (p == part)
                    fail();
                return Difference::DateDiffPart(a, b, p);
            };
        }
        auto form = fixture.make(std::move(services));
        for (const char* box : {"Text4", "Text6"})
            setTextOf(*form, box, QStringLiteral("previous"));
        calculate(*form, QStringLiteral("1/30/2021"), QStringLiteral("2/5/2021"));

        ASSERT_EQ(fixture.messages.shown.size(), 1);
        const Message& report = fixture.messages.shown.front();
        EXPECT_EQ(report.title, QStringLiteral("Application Error"));
        EXPECT_EQ(report.icon, MessageIcon::Warning);
        EXPECT_EQ(report.text, ErrorReport::text(QStringLiteral("Overflow"),
                                                 QStringLiteral("PushButton1_Click"), c.line));
        EXPECT_EQ(textOf(*form, "Text3").toStdString(), c.full);
        EXPECT_EQ(textOf(*form, "Text4").toStdString(), c.years);
        EXPECT_EQ(textOf(*form, "Text5"), QStringLiteral("1 month(s)"));
        EXPECT_EQ(textOf(*form, "Text6").toStdString(), c.days);
        EXPECT_EQ(form->MousePointer(), Form1::kDefaultPointer);
    }
}

// A failing validity test goes on as if it had passed.
TEST(CalculateErrorReport, FailingTestTakesThePassingBranch) {
    FormFixture fixture;
    Form1Services services = fixture.services();
    int calls = 0;
    services.today = [&calls]() -> QDate {
        if (++calls == 1)
            throw std::runtime_error("Clock failure");
        return QDate(2021, 8, 31);
    };
    auto form = std::make_unique<Form1>(std::move(services)); // start-up uses the clock too
    fixture.messages.shown.clear();
    calls = 0;
    calculate(*form, QStringLiteral("1/30/2021"), QStringLiteral("2/5/2021"));
    ASSERT_EQ(fixture.messages.shown.size(), 1);
    EXPECT_TRUE(fixture.messages.shown.front().text.contains(
        QStringLiteral("PushButton1_Click at line %1").arg(CalculateLine::kDatesTest)));
    EXPECT_EQ(textOf(*form, "Text3"), QStringLiteral("0 year(s) 0 month(s) 6 day(s)."));
}

} // namespace
