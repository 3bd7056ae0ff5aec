#include "difference.h"

#include <algorithm>
#include <cstdlib>

namespace Difference {
namespace {

using std::chrono::sys_days;
using std::chrono::year_month_day;

// A date as plain numbers, the working values of the rule.
struct Civil {
    int year;
    int month; // [1, 12]
    int day;   // [1, 31]
};

Civil civil(year_month_day date) {
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day()))};
}

// The rule works in 16-bit signed integers and fails on overflow instead of wrapping. Between
// dates of the supported years no step can leave 16 bits (a day reaches at most 61, a month
// 23), so the check never fires in the program; it keeps the rule's arithmetic honest.
int fit16(int value) {
    if (value < INT16_MIN || value > INT16_MAX)
        throw OverflowError();
    return value;
}

std::int32_t daysApart(year_month_day a, year_month_day b) {
    return std::abs((sys_days{b} - sys_days{a}).count());
}

// The older date moved on by whole years and months, its day clamped to the last day of the
// month it lands in.
year_month_day movedOn(year_month_day older, int years, int months) {
    const std::chrono::year_month landed = std::chrono::year_month{older.year(), older.month()} +
                                           std::chrono::years{years} + std::chrono::months{months};
    const std::chrono::day last =
        std::chrono::year_month_day_last{landed.year(), std::chrono::month_day_last{landed.month()}}
            .day();
    return {landed.year(), landed.month(), std::min(older.day(), last)};
}

} // namespace

int MonthLength(int year, int month) {
    using namespace std::chrono;
    const year_month_day_last last{
        std::chrono::year{year}, month_day_last{std::chrono::month{static_cast<unsigned>(month)}}};
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

// The borrowing rule: when the newer day is before the older day, the newer date's own month
// lends its length; when the newer month is then before the older month, the year lends twelve
// months. Less than one whole month counts the plain days of the span instead. A borrow that
// cannot cover a long older month end (31 December to 1 February) would leave negative days:
// those spans count the days from the older date moved on by the whole years and months.
std::optional<std::int32_t> DateDiffPart(const DateValue& older, const DateValue& newer,
                                         std::int16_t part) {
    if (part != kYearsPart && part != kMonthsPart && part != kDaysPart)
        return std::nullopt;
    const Civil o = civil(older.date());
    Civil n = civil(newer.date());
    if (n.day < o.day) {
        n.day = fit16(n.day + MonthLength(n.year, n.month));
        n.month = fit16(n.month - 1);
    }
    if (n.month < o.month) {
        n.month = fit16(n.month + 12);
        n.year = fit16(n.year - 1);
    }
    const int years = fit16(n.year - o.year);
    const int months = fit16(n.month - o.month);
    if (part == kYearsPart)
        return years;
    if (part == kMonthsPart)
        return months;
    if (years <= 0 && months <= 0)
        return DaysBetween(older, newer);
    const int days = fit16(n.day - o.day);
    if (days < 0)
        return daysApart(movedOn(older.date(), years, months), newer.date());
    return days;
}

std::int32_t DaysBetween(const DateValue& a, const DateValue& b) {
    return daysApart(a.date(), b.date());
}

std::int32_t MonthsBetween(const DateValue& a, const DateValue& b) {
    const Civil x = civil(a.date()), y = civil(b.date());
    return std::abs((y.year - x.year) * 12 + (y.month - x.month));
}

std::int32_t YearsBetween(const DateValue& a, const DateValue& b) {
    return std::abs(civil(b.date()).year - civil(a.date()).year);
}

} // namespace Difference
