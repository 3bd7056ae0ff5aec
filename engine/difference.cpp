#include "difference.h"

#include <cstdint>
#include <cstdlib>

namespace Difference {
namespace {

// A date as plain numbers; the fields of DateValue's year_month_day, read without conversion.
struct Civil {
    int year;
    int month; // [1, 12]
    int day;   // [1, 31]
};

Civil civil(const DateValue& value) {
    return {static_cast<int>(value.date.year()),
            static_cast<int>(static_cast<unsigned>(value.date.month())),
            static_cast<int>(static_cast<unsigned>(value.date.day()))};
}

// Divisible by 4 and not by 100, or by 400: among multiples of 4, those of 100 are those of 25,
// and those of 400 are those of 16. The bit tests hold for negative years too.
constexpr bool isLeap(int year) {
    return (year & 3) == 0 && (year % 25 != 0 || (year & 15) == 0);
}

constexpr int monthLength(int year, int month) {
    if (month == 2)
        return isLeap(year) ? 29 : 28;
    // 31 days in January, March, May, July, August, October and December.
    return 30 + ((month + (month >> 3)) & 1);
}

// Days from 1 March to the first of each month, January and February closing the year.
constexpr unsigned kDaysBefore[12] = {306, 337, 0, 31, 61, 92, 122, 153, 184, 214, 245, 275};

// A day number of a civil date, by the shift-to-March algorithm: with the year begun in March,
// the leap day ends it and the days before each month are fixed. The years are moved on by
// whole 400-year cycles, so that every year of std::chrono::year counts as positive and the
// arithmetic stays unsigned; the leap days before a year are then y / 4 - y / 100 + y / 400.
// The count starts at a fixed day far in the past: only differences of day numbers are used.
constexpr std::int32_t dayNumber(const Civil& c) {
    constexpr unsigned kCycles = 82; // 82 * 400 years lift -32767 above zero
    const unsigned y =
        static_cast<unsigned>(c.year + static_cast<int>(kCycles * 400)) - (c.month <= 2 ? 1u : 0u);
    const unsigned centuries = y / 100;
    return static_cast<std::int32_t>(y * 365 + y / 4 - centuries + centuries / 4 +
                                     kDaysBefore[c.month - 1] + static_cast<unsigned>(c.day));
}

// The rule works in 16-bit signed integers and fails on overflow instead of wrapping. Between
// years of the supported range (100 to 9999) no step can leave 16 bits, so the checks run only
// for values outside it.
template <bool kChecked> int step(long value) {
    if constexpr (kChecked) {
        if (value < INT16_MIN || value > INT16_MAX)
            throw OverflowError();
    }
    return static_cast<int>(value);
}

// The older date moved on by whole years and months, its day clamped to the last day of the
// month it lands in.
Civil movedOn(const Civil& o, int years, int months) {
    const int monthIndex = o.month - 1 + months;       // [0, 22]
    const int year = o.year + years + monthIndex / 12; // within the range of the newer date
    const int month = monthIndex % 12 + 1;             // [1, 12]
    const int day = o.day < monthLength(year, month) ? o.day : monthLength(year, month);
    return {year, month, day};
}

// The components by the rule; the days component only when asked for, since it may need the
// day numbers of both dates.
template <bool kChecked> Components components(const Civil& o, const Civil& newer, bool withDays) {
    Civil n = newer; // the working values of the newer date
    const auto fit = [](long value) { return step<kChecked>(value); };
    // Day borrow: the newer date's own month lends its length.
    if (n.day < o.day) {
        n.day = fit(n.day + fit(monthLength(n.year, n.month))); // [2, 61]
        n.month = fit(n.month - 1);                             // [0, 11]
    }
    // Month borrow.
    if (n.month < o.month) {
        n.month = fit(n.month + 12); // [1, 23]
        n.year = fit(n.year - 1);
    }
    const int years = fit(n.year - o.year);
    const int months = fit(n.month - o.month);
    const int days = fit(n.day - o.day);
    Components c{years, months, days};
    if (!withDays)
        return c;
    if (months <= 0 && years <= 0) // less than a whole month: the plain day count
        c.days = std::abs(dayNumber(newer) - dayNumber(o));
    else if (days < 0) {
        // The borrow could not cover a long older month ending (31 December to 1 February):
        // count the days left after the whole years and months instead of a negative figure.
        c.days = std::abs(dayNumber(newer) - dayNumber(movedOn(o, years, months)));
    }
    return c;
}

bool supportedYear(int year) {
    return year >= 100 && year <= 9999;
}

// Inlined into each caller: a call returning the three components costs more than the rule.
[[gnu::always_inline]] inline Components componentsOf(const DateValue& older,
                                                      const DateValue& newer, bool withDays) {
    const Civil o = civil(older), n = civil(newer);
    if (supportedYear(o.year) && supportedYear(n.year)) [[likely]]
        return components<false>(o, n, withDays);
    return components<true>(o, n, withDays);
}

} // namespace

int MonthLength(int year, int month) {
    return monthLength(year, month);
}

Components DateDiffParts(const DateValue& older, const DateValue& newer) {
    return componentsOf(older, newer, true);
}

std::optional<std::int32_t> DateDiffPart(const DateValue& older, const DateValue& newer,
                                         std::int16_t part) {
    if (part != kYearsPart && part != kMonthsPart && part != kDaysPart)
        return std::nullopt;
    const Components c = componentsOf(older, newer, part == kDaysPart);
    // One way out, so that the value is handed back in a register, not through memory.
    return part == kYearsPart ? c.years : part == kMonthsPart ? c.months : c.days;
}

std::int32_t DaysBetween(const DateValue& a, const DateValue& b) {
    return std::abs(dayNumber(civil(b)) - dayNumber(civil(a)));
}

std::int32_t MonthsBetween(const DateValue& a, const DateValue& b) {
    const Civil x = civil(a), y = civil(b);
    return std::abs((y.year - x.year) * 12 + (y.month - x.month));
}

std::int32_t YearsBetween(const DateValue& a, const DateValue& b) {
    return std::abs(civil(b).year - civil(a).year);
}

} // namespace Difference
