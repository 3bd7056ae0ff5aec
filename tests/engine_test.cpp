#include "difference.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    using namespace std::chrono;
    EXPECT_FALSE(DateValue::make(99, 12, 31));
    EXPECT_FALSE(DateValue::make(10000, 1, 1));
    EXPECT_FALSE(DateValue::make(2021, 257, 1)); // would wrap to January in std::chrono::month
    EXPECT_FALSE(DateValue::make(2021, 1, 257));
    EXPECT_FALSE(DateValue::make(year{99} / December / 31));
    EXPECT_FALSE(DateValue::make(year{-32767} / January / 1));
    EXPECT_FALSE(DateValue::make(year{10000} / January / 1));
    EXPECT_FALSE(DateValue::make(year{2021} / February / 29));
    EXPECT_TRUE(DateValue::make(year{2020} / February / 29));
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

// Laws that hold under the borrowing rule, over many random pairs. With the newer day not
// before the older day nothing is borrowed: the older date moved on by the years and months
// lands on the newer date's month with its own day, and the days are the plain difference of
// the days. A borrow takes one month from the month total. Less than a whole month counts the
// plain days of the span; a borrow that cannot cover the older day counts from the older date
// moved on by the whole years and months, its day clamped to the month's end. (The law
// "older + years + months + days = newer" does not hold for this rule: 30 January to 1 March
// 2021 gives 1 month and 2 days.)
TEST(EngineLaws, HoldOverManyPairsAcrossTheRange) {
    using namespace std::chrono;
    std::mt19937 random(20210831);
    std::uniform_int_distribution<int> anyYear(100, 9999), anyMonth(1, 12), anyDay(1, 31);
    auto randomDate = [&] {
        for (;;) {
            if (auto v = DateValue::make(anyYear(random), static_cast<unsigned>(anyMonth(random)),
                                         static_cast<unsigned>(anyDay(random))))
                return *v;
        }
    };
    int borrowed = 0, mended = 0, multiYear = 0;
    for (int i = 0; i < 50000; ++i) {
        DateValue a = randomDate(), b = randomDate();
        if (i % 4 == 0) { // many short spans too, where the borrowing rules matter most
            const auto later = DateValue::make(year_month_day{sys_days{a.date()} + days{i % 800}});
            if (!later)
                continue;
            b = *later;
        }
        if (i % 8 == 1) { // a month's end against the first days of February: a borrow falls short
            const int y = anyYear(random) % 9000 + 100;
            const auto end = DateValue::make(y, static_cast<unsigned>(anyMonth(random)),
                                             30 + static_cast<unsigned>(i % 16 == 1));
            if (!end)
                continue;
            a = *end;
            b = *DateValue::make(y + 1 + i % 40, 2, 1 + static_cast<unsigned>(i % 3 == 0));
        }
        if (b < a)
            std::swap(a, b);
        const year_month_day o = a.date(), n = b.date();
        const int y1 = static_cast<int>(o.year()), y2 = static_cast<int>(n.year());
        const int m1 = static_cast<int>(static_cast<unsigned>(o.month()));
        const int m2 = static_cast<int>(static_cast<unsigned>(n.month()));
        const int d1 = static_cast<int>(static_cast<unsigned>(o.day()));
        const int d2 = static_cast<int>(static_cast<unsigned>(n.day()));
        SCOPED_TRACE(std::to_string(y1) + "-" + std::to_string(m1) + "-" + std::to_string(d1) +
                     " to " + std::to_string(y2) + "-" + std::to_string(m2) + "-" +
                     std::to_string(d2));

        const auto years = DateDiffPart(a, b, kYearsPart), months = DateDiffPart(a, b, kMonthsPart),
                   days = DateDiffPart(a, b, kDaysPart);
        ASSERT_TRUE(years && months && days);
        ASSERT_GE(*years, 0);
        ASSERT_GE(*months, 0);
        ASSERT_LE(*months, 11);
        ASSERT_GE(*days, 0);
        const int wholeMonths = *years * 12 + *months;
        const bool borrows = d2 < d1;
        ASSERT_EQ(wholeMonths, MonthsBetween(a, b) - (borrows ? 1 : 0));
        // The older date's month moved on by the whole months, and its day clamped there.
        const year_month landed =
            year_month{o.year(), o.month()} + std::chrono::months{wholeMonths};
        const day landedLast =
            year_month_day_last{landed.year(), month_day_last{landed.month()}}.day();
        const year_month_day movedOn{landed.year(), landed.month(), std::min(o.day(), landedLast)};
        if (wholeMonths == 0) {
            ASSERT_EQ(*days, DaysBetween(a, b));
        } else if (!borrows) {
            ASSERT_EQ(landed, (year_month{n.year(), n.month()}));
            ASSERT_EQ(movedOn.day(), o.day());
            ASSERT_EQ(*days, d2 - d1);
            multiYear += *years > 0;
        } else {
            // The newer date's own month lends its length; where that cannot cover the older
            // day, the days are counted from the moved-on date.
            const int length = static_cast<int>(static_cast<unsigned>(
                year_month_day_last{n.year(), month_day_last{n.month()}}.day()));
            if (d2 + length >= d1) {
                ASSERT_EQ(*days, d2 + length - d1);
                ++borrowed;
            } else {
                ASSERT_EQ(*days, (sys_days{n} - sys_days{movedOn}).count());
                ++mended;
            }
        }
        ASSERT_EQ(DaysBetween(a, b),
                  referenceDayNumber(y2, m2, d2) - referenceDayNumber(y1, m1, d1));
        ASSERT_EQ(MonthsBetween(a, b), (y2 - y1) * 12 + m2 - m1);
        ASSERT_EQ(YearsBetween(a, b), y2 - y1);
        ASSERT_EQ(DaysBetween(b, a), DaysBetween(a, b));
    }
    // Every branch of the rule was met many times.
    EXPECT_GT(borrowed, 1000);
    EXPECT_GT(mended, 100);
    EXPECT_GT(multiYear, 1000);
}

} // namespace
