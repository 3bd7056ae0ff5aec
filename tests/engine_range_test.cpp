// The engine against a reference written another way, from QDate day numbers, over the whole
// supported range.

#include "difference.h"

#include <QDate>

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

struct Civil {
    int y, m, d;
    qint64 julianDay;
    int monthLength;
};

Civil civil(QDate date) {
    return {date.year(), date.month(), date.day(), date.toJulianDay(), date.daysInMonth()};
}

DateValue value(const Civil& c) {
    return *DateValue::make(c.y, static_cast<unsigned>(c.m), static_cast<unsigned>(c.d));
}

struct Expected {
    int years, months, days;
};

// The borrowing rule restated on QDate: the newer month lends its length, less than a whole
// month counts plain days, and a borrow that cannot cover the older day counts the days left
// after the whole years and months.
Expected reference(const Civil& a, const Civil& b) {
    int y2 = b.y, m2 = b.m, d2 = b.d;
    if (d2 < a.d) {
        d2 += b.monthLength;
        --m2;
    }
    if (m2 < a.m) {
        m2 += 12;
        --y2;
    }
    const int years = y2 - a.y, months = m2 - a.m;
    if (years <= 0 && months <= 0)
        return {years, months, static_cast<int>(b.julianDay - a.julianDay)};
    int days = d2 - a.d;
    if (days < 0) {
        const QDate landed = QDate(a.y, a.m, 1).addMonths(years * 12 + months);
        const QDate moved(landed.year(), landed.month(), std::min(a.d, landed.daysInMonth()));
        days = static_cast<int>(b.julianDay - moved.toJulianDay());
    }
    return {years, months, days};
}

void check(const Civil& a, const Civil& b, int& failures) {
    const DateValue older = value(a), newer = value(b);
    const Expected e = reference(a, b);
    const auto years = Difference::DateDiffPart(older, newer, Difference::kYearsPart);
    const auto months = Difference::DateDiffPart(older, newer, Difference::kMonthsPart);
    const auto days = Difference::DateDiffPart(older, newer, Difference::kDaysPart);
    const bool ok = years == e.years && months == e.months && days == e.days && e.years >= 0 &&
                    e.months >= 0 && e.months <= 11 && e.days >= 0 &&
                    Difference::DaysBetween(older, newer) == b.julianDay - a.julianDay &&
                    Difference::MonthsBetween(older, newer) == (b.y - a.y) * 12 + b.m - a.m &&
                    Difference::YearsBetween(older, newer) == b.y - a.y;
    if (!ok && ++failures <= 10)
        ADD_FAILURE() << a.y << "-" << a.m << "-" << a.d << " to " << b.y << "-" << b.m << "-"
                      << b.d << ": engine " << years.value_or(-999) << " " << months.value_or(-999)
                      << " " << days.value_or(-999) << ", reference " << e.years << " " << e.months
                      << " " << e.days;
}

TEST(EngineRange, RandomPairsAcrossTheWholeRange) {
    const qint64 first = QDate(100, 1, 1).toJulianDay(), last = QDate(9999, 12, 31).toJulianDay();
    std::mt19937_64 random(31082021);
    std::uniform_int_distribution<qint64> anyDay(first, last);
    std::uniform_int_distribution<qint64> shortSpan(0, 800);
    int failures = 0;
    for (int i = 0; i < 2'000'000; ++i) {
        qint64 a = anyDay(random);
        qint64 b = i % 2 ? anyDay(random) : std::min(last, a + shortSpan(random));
        if (b < a)
            std::swap(a, b);
        check(civil(QDate::fromJulianDay(a)), civil(QDate::fromJulianDay(b)), failures);
    }
    EXPECT_EQ(failures, 0);
}

TEST(EngineRange, EveryPairOfMonthEndsInA400YearCycle) {
    std::vector<Civil> ends;
    for (int y = 2000; y < 2400; ++y)
        for (int m = 1; m <= 12; ++m)
            ends.push_back(civil(QDate(y, m, QDate(y, m, 1).daysInMonth())));
    ASSERT_EQ(ends.size(), 4800u);
    int failures = 0;
    for (size_t i = 0; i < ends.size(); ++i)
        for (size_t j = i; j < ends.size(); ++j)
            check(ends[i], ends[j], failures);
    EXPECT_EQ(failures, 0);
}

} // namespace
