#include "difference.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using Difference::DateDiffPart;
using Difference::DaysBetween;
using Difference::kDaysPart;
using Difference::kMonthsPart;
using Difference::kYearsPart;
using Difference::MonthsBetween;
using Difference::YearsBetween;

namespace {

DateValue date(int y, unsigned m, unsigned d, int seconds = 0) {
    auto value = DateValue::make(y, m, d, std::chrono::seconds{seconds});
    if (!value)
        throw std::invalid_argument("bad test date");
    return *value;
}

struct Span {
    const char* name;
    DateValue older;
    DateValue newer;
    int years, months, days;
    int daysTotal, monthsTotal, yearsTotal;
};

void PrintTo(const Span& span, std::ostream* os) {
    *os << span.name;
}

class EngineTable : public testing::TestWithParam<Span> {};

TEST_P(EngineTable, ComponentsAndTotals) {
    const Span& s = GetParam();
    EXPECT_EQ(DateDiffPart(s.older, s.newer, kYearsPart), s.years);
    EXPECT_EQ(DateDiffPart(s.older, s.newer, kMonthsPart), s.months);
    EXPECT_EQ(DateDiffPart(s.older, s.newer, kDaysPart), s.days);
    EXPECT_EQ(DaysBetween(s.older, s.newer), s.daysTotal);
    EXPECT_EQ(MonthsBetween(s.older, s.newer), s.monthsTotal);
    EXPECT_EQ(YearsBetween(s.older, s.newer), s.yearsTotal);
}

INSTANTIATE_TEST_SUITE_P(
    Spans, EngineTable,
    testing::Values(
        Span{"end_of_january_to_march_first", date(2020, 1, 31), date(2020, 3, 1), 0, 1, 1, 30, 2,
             0},
        Span{"to_leap_day", date(2019, 2, 28), date(2020, 2, 29), 1, 0, 1, 366, 12, 1},
        Span{"leap_day_to_february_end", date(2020, 2, 29), date(2021, 2, 28), 0, 11, 27, 365, 12,
             1},
        Span{"leap_day_to_march_first", date(2020, 2, 29), date(2021, 3, 1), 1, 0, 3, 366, 13, 1},
        Span{"under_a_month_uses_day_count", date(2021, 1, 30), date(2021, 2, 5), 0, 0, 6, 6, 1, 0},
        Span{"borrow_lends_newer_month_length", date(2021, 1, 30), date(2021, 3, 5), 0, 1, 6, 34, 2,
             0},
        Span{"january_end_to_february_end", date(2019, 1, 31), date(2019, 2, 28), 0, 0, 28, 28, 1,
             0},
        Span{"march_end_to_april_end", date(2021, 3, 31), date(2021, 4, 30), 0, 0, 30, 30, 1, 0},
        Span{"march_end_to_may_30", date(2021, 3, 31), date(2021, 5, 30), 0, 1, 30, 60, 2, 0},
        Span{"two_whole_months", date(2021, 1, 31), date(2021, 3, 31), 0, 2, 0, 59, 2, 0},
        Span{"borrow_from_march_in_leap_year", date(2020, 1, 15), date(2020, 3, 14), 0, 1, 30, 59,
             2, 0},
        Span{"across_new_year_under_a_month", date(2020, 12, 15), date(2021, 1, 10), 0, 0, 26, 26,
             1, 1},
        Span{"new_years_eve_to_new_year", date(2020, 12, 31), date(2021, 1, 1), 0, 0, 1, 1, 1, 1},
        Span{"whole_year_no_month", date(2020, 1, 31), date(2021, 2, 28), 1, 0, 25, 394, 13, 1},
        Span{"same_month", date(2021, 5, 10), date(2021, 5, 25), 0, 0, 15, 15, 0, 0},
        Span{"two_decades", date(2000, 1, 1), date(2021, 8, 31), 21, 7, 30, 7913, 259, 21},
        Span{"whole_supported_range", date(100, 1, 1), date(9999, 12, 31), 9899, 11, 30, 3615899,
             118799, 9899},
        Span{"equal_dates", date(2021, 5, 15), date(2021, 5, 15), 0, 0, 0, 0, 0, 0},
        Span{"lookup_runs_past_february", date(2020, 11, 30), date(2021, 1, 29), 0, 1, 30, 60, 2,
             1},
        Span{"same_day_other_time", date(2021, 5, 15, 3600), date(2021, 5, 15, 7200), 0, 0, 0, 0, 0,
             0},
        // Spans whose borrow cannot cover the older day: the days left after the whole months.
        Span{"december_31_to_february_1", date(2020, 12, 31), date(2021, 2, 1), 0, 1, 1, 32, 2, 1},
        Span{"december_30_to_february_1", date(2020, 12, 30), date(2021, 2, 1), 0, 1, 2, 33, 2, 1},
        Span{"year_and_january_31_to_february_2", date(2021, 1, 31), date(2022, 2, 2), 1, 0, 2, 367,
             13, 1},
        Span{"borrow_in_december_9999", date(9999, 11, 30), date(9999, 12, 29), 0, 0, 29, 29, 1, 0},
        Span{"year_and_borrow_in_december_9999", date(9998, 12, 30), date(9999, 12, 29), 0, 11, 30,
             364, 12, 1},
        // Dates in reverse order: the rule runs as written; the plain day count is a distance.
        Span{"reversed_within_a_month_of_a_year", date(2022, 1, 10), date(2021, 1, 20), -1, 0, 355,
             355, 12, 1},
        Span{"reversed_by_days", date(2021, 2, 5), date(2021, 1, 30), -1, 11, 25, 6, 1, 0}),
    [](const testing::TestParamInfo<Span>& info) { return std::string(info.param.name); });

// Outside the supported years the rule's 16-bit steps are checked: -32767 to 32767 is 65534
// years, more than 16 bits hold.
TEST(Engine, SixteenBitOverflowOutsideTheSupportedYears) {
    using namespace std::chrono;
    const DateValue first{year_month_day{year{-32767}, January, day{1}}, seconds{0}};
    const DateValue last{year_month_day{year{32767}, December, day{31}}, seconds{0}};
    for (std::int16_t part : {kYearsPart, kMonthsPart, kDaysPart})
        EXPECT_THROW((void)DateDiffPart(first, last, part), Difference::OverflowError) << part;
    // Within 16 bits the checked steps give the rule's figures: 20000 to 20001 is one year.
    const DateValue a{year_month_day{year{20000}, March, day{1}}, seconds{0}};
    const DateValue b{year_month_day{year{20001}, March, day{2}}, seconds{0}};
    EXPECT_EQ(DateDiffPart(a, b, kYearsPart), 1);
    EXPECT_EQ(DateDiffPart(a, b, kMonthsPart), 0);
    EXPECT_EQ(DateDiffPart(a, b, kDaysPart), 1);
}

TEST(Engine, OtherPartCodesGiveNoValue) {
    for (std::int16_t part : {0, 4, -1, 32767}) {
        SCOPED_TRACE(part);
        EXPECT_FALSE(DateDiffPart(date(2020, 1, 1), date(2021, 1, 1), part).has_value());
    }
}

TEST(Engine, MonthLengthAtLeapYearAnchors) {
    const struct {
        int year, month, days;
    } cases[] = {
        {1900, 2, 28}, {2000, 2, 29}, {2100, 2, 28}, {2400, 2, 29}, {9999, 12, 31},
        {2200, 2, 28}, // a multiple of 8 and of 100, not of 400
        {1600, 2, 29}, {2024, 2, 29}, {2023, 2, 28}, {100, 2, 28},  {104, 2, 29},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Difference::MonthLength(c.year, c.month), c.days) << c.year << "-" << c.month;
}

TEST(DateValueType, RejectsValuesOutsideTheRange) {
    EXPECT_FALSE(DateValue::make(99, 12, 31));
    EXPECT_FALSE(DateValue::make(10000, 1, 1));
    EXPECT_FALSE(DateValue::make(2021, 2, 29));
    EXPECT_FALSE(DateValue::make(2021, 13, 1));
    EXPECT_FALSE(DateValue::make(2021, 1, 1, std::chrono::seconds{86400}));
    EXPECT_TRUE(DateValue::make(100, 1, 1));
    EXPECT_TRUE(DateValue::make(9999, 12, 31, std::chrono::seconds{86399}));
    EXPECT_LT(date(2021, 5, 15, 10), date(2021, 5, 15, 11));
    EXPECT_LT(date(2021, 5, 15, 86000), date(2021, 5, 16, 0));
}

// Day number from a civil date, written out in another way than the engine does it.
long referenceDayNumber(int y, int m, int d) {
    static const int before[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const long yearsBefore = y - 1;
    long days = yearsBefore * 365 + yearsBefore / 4 - yearsBefore / 100 + yearsBefore / 400;
    days += before[m - 1] + d;
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    if (leap && m > 2)
        ++days;
    return days;
}

TEST(EngineLaws, HoldOverManyPairsAcrossTheRange) {
    std::mt19937 random(20210831);
    std::uniform_int_distribution<int> year(100, 9999), month(1, 12), day(1, 31);
    auto randomDate = [&] {
        for (;;) {
            if (auto v = DateValue::make(year(random), static_cast<unsigned>(month(random)),
                                         static_cast<unsigned>(day(random))))
                return *v;
        }
    };
    for (int i = 0; i < 50000; ++i) {
        DateValue a = randomDate(), b = randomDate();
        if (i % 4 == 0) // many short spans too, where the borrowing rules matter most
            b = DateValue{std::chrono::sys_days{a.date} + std::chrono::days{i % 800}, {}};
        if (b.date > DateValue::kLast)
            continue;
        if (b < a)
            std::swap(a, b);
        const int y1 = static_cast<int>(a.date.year()), y2 = static_cast<int>(b.date.year());
        const int m1 = static_cast<int>(static_cast<unsigned>(a.date.month()));
        const int m2 = static_cast<int>(static_cast<unsigned>(b.date.month()));
        const int d1 = static_cast<int>(static_cast<unsigned>(a.date.day()));
        const int d2 = static_cast<int>(static_cast<unsigned>(b.date.day()));
        SCOPED_TRACE(std::to_string(y1) + "-" + std::to_string(m1) + "-" + std::to_string(d1) +
                     " to " + std::to_string(y2) + "-" + std::to_string(m2) + "-" +
                     std::to_string(d2));

        const auto years = DateDiffPart(a, b, kYearsPart), months = DateDiffPart(a, b, kMonthsPart),
                   days = DateDiffPart(a, b, kDaysPart);
        ASSERT_TRUE(years && months && days);
        EXPECT_GE(*years, 0);
        EXPECT_GE(*months, 0);
        EXPECT_LE(*months, 11);
        EXPECT_GE(*days, 0);
        EXPECT_EQ(DaysBetween(a, b),
                  referenceDayNumber(y2, m2, d2) - referenceDayNumber(y1, m1, d1));
        EXPECT_EQ(MonthsBetween(a, b), (y2 - y1) * 12 + m2 - m1);
        EXPECT_EQ(YearsBetween(a, b), y2 - y1);
        EXPECT_EQ(DaysBetween(b, a), DaysBetween(a, b));
    }
}

} // namespace
