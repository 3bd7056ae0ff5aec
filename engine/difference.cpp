#include "difference.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace Difference {
namespace {

using Int16 = std::int16_t;

// Every step of the component rule works in 16-bit signed integers and fails on overflow
// instead of wrapping.
Int16 checked16(long value) {
    if (value < INT16_MIN || value > INT16_MAX)
        throw OverflowError();
    return static_cast<Int16>(value);
}

long dayNumber(const DateValue& value) {
    return std::chrono::sys_days{value.date}.time_since_epoch().count();
}

// A date as the component rule's three 16-bit working values.
struct DateFields16 {
    Int16 year;
    Int16 month; // [1, 12]
    Int16 day;   // [1, 31]
};

DateFields16 fields16(const DateValue& value) {
    return {checked16(static_cast<int>(value.date.year())),
            checked16(static_cast<unsigned>(value.date.month())),
            checked16(static_cast<unsigned>(value.date.day()))};
}

// The older date moved on by whole years and months, its day clamped to the last day of the
// month it lands in.
DateValue movedOn(const DateValue& older, int years, int months) {
    const DateFields16 o = fields16(older);
    const int monthIndex = o.month - 1 + months;       // [0, 22]
    const int year = o.year + years + monthIndex / 12; // within the range of the newer date
    const int month = monthIndex % 12 + 1;             // [1, 12]
    const int day = std::min<int>(o.day, MonthLength(year, month));
    DateValue moved = older;
    moved.date = std::chrono::year_month_day{std::chrono::year{year},
                                             std::chrono::month{static_cast<unsigned>(month)},
                                             std::chrono::day{static_cast<unsigned>(day)}};
    return moved;
}

} // namespace

int MonthLength(int year, int month) {
    using namespace std::chrono;
    const year_month_day_last last{
        std::chrono::year{year}, month_day_last{std::chrono::month{static_cast<unsigned>(month)}}};
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

std::optional<std::int32_t> DateDiffPart(const DateValue& older, const DateValue& newer,
                                         std::int16_t part) {
    if (part != kYearsPart && part != kMonthsPart && part != kDaysPart)
        return std::nullopt;

    const DateFields16 o = fields16(older);
    DateFields16 n = fields16(newer);

    // Day borrow: the newer date's own month lends its length.
    if (n.day < o.day) {
        const Int16 length = checked16(MonthLength(n.year, n.month));
        n.day = checked16(n.day + length); // [2, 61]
        n.month = checked16(n.month - 1);  // [0, 11]
    }
    // Month borrow.
    if (n.month < o.month) {
        n.month = checked16(n.month + 12); // [1, 23]
        n.year = checked16(n.year - 1);
    }

    const Int16 years = checked16(n.year - o.year);
    const Int16 months = checked16(n.month - o.month);
    if (part == kYearsPart)
        return years;
    if (part == kMonthsPart)
        return months;

    if (months <= 0 && years <= 0)
        return DaysBetween(older, newer);
    const Int16 days = checked16(n.day - o.day);
    if (days < 0) {
        // The borrow could not cover a long older month ending (31 December to 1 February):
        // count the days left after the whole years and months instead of a negative figure.
        return DaysBetween(movedOn(older, years, months), newer);
    }
    return days;
}

std::int32_t DaysBetween(const DateValue& a, const DateValue& b) {
    return static_cast<std::int32_t>(std::labs(dayNumber(b) - dayNumber(a)));
}

std::int32_t MonthsBetween(const DateValue& a, const DateValue& b) {
    const auto index = [](const DateValue& v) {
        return static_cast<int>(v.date.year()) * 12 +
               static_cast<int>(static_cast<unsigned>(v.date.month()));
    };
    return std::abs(index(b) - index(a));
}

std::int32_t YearsBetween(const DateValue& a, const DateValue& b) {
    return std::abs(static_cast<int>(b.date.year()) - static_cast<int>(a.date.year()));
}

} // namespace Difference
