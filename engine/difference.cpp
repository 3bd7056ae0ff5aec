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

constexpr bool isLeap(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

constexpr int monthLength(int year, int month) {
    if (month == 2)
        return isLeap(year) ? 29 : 28;
    // 31 days in January, March, May, July, August, October and December.
    return 30 + ((month + (month >> 3)) & 1);
}

// Days from 1 March of year 0 of a civil date, by the shift-to-March algorithm: with the year
// begun in March, the leap day ends it and the days before each month follow one formula. Any
// year of std::chrono::year works.
constexpr long dayNumber(const Civil& c) {
    const long y = c.year - (c.month <= 2 ? 1 : 0);
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yearOfEra = y - era * 400;                                    // [0, 399]
    const long dayOfYear = (153 * ((c.month + 9) % 12) + 2) / 5 + c.day - 1; // [0, 365]
    return era * 146097 + yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
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

template <bool kChecked> Components components(const Civil& o, const Civil& newer) {
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
    if (months <= 0 && years <= 0) // less than a whole month: the plain day count
        c.days = static_cast<std::int32_t>(std::labs(dayNumber(newer) - dayNumber(o)));
    else if (days < 0) {
        // The borrow could not cover a long older month ending (31 December to 1 February):
        // count the days left after the whole years and months instead of a negative figure.
        c.days = static_cast<std::int32_t>(dayNumber(newer) - dayNumber(movedOn(o, years, months)));
    }
    return c;
}

bool supportedYear(int year) {
    return year >= 100 && year <= 9999;
}

} // namespace

int MonthLength(int year, int month) {
    return monthLength(year, month);
}

Components DateDiffParts(const DateValue& older, const DateValue& newer) {
    const Civil o = civil(older), n = civil(newer);
    if (supportedYear(o.year) && supportedYear(n.year)) [[likely]]
        return components<false>(o, n);
    return components<true>(o, n);
}

std::optional<std::int32_t> DateDiffPart(const DateValue& older, const DateValue& newer,
                                         std::int16_t part) {
    switch (part) {
    case kYearsPart:
        return DateDiffParts(older, newer).years;
    case kMonthsPart:
        return DateDiffParts(older, newer).months;
    case kDaysPart:
        return DateDiffParts(older, newer).days;
    default:
        return std::nullopt;
    }
}

std::int32_t DaysBetween(const DateValue& a, const DateValue& b) {
    return static_cast<std::int32_t>(std::labs(dayNumber(civil(b)) - dayNumber(civil(a))));
}

std::int32_t MonthsBetween(const DateValue& a, const DateValue& b) {
    const Civil x = civil(a), y = civil(b);
    return std::abs((y.year - x.year) * 12 + (y.month - x.month));
}

std::int32_t YearsBetween(const DateValue& a, const DateValue& b) {
    return std::abs(civil(b).year - civil(a).year);
}

} // namespace Difference
